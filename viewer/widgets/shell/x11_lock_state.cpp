#include "widgets/shell/x11_lock_state.h"

#ifdef ORVANE_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace orvane {

#ifdef ORVANE_HAVE_XKB
namespace {

// The indicator names of the X keyboard extension, in LockKey order.
constexpr const char* kIndicatorNames[] = {"Caps Lock", "Num Lock", "Scroll Lock"};

} // namespace

// A lock the server has no indicator for reads as off; with none of the
// three known there is nothing to show.
std::optional<LockState> readX11LockState(_XDisplay* display) {
    if (!display) return std::nullopt;
    LockState state{};
    bool known = false;
    for (int key = 0; key < kLockKeyCount; ++key) {
        const Atom name = XInternAtom(display, kIndicatorNames[key], True);
        Bool on = False;
        if (name == None || !XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr))
            continue;
        known = true;
        state[static_cast<size_t>(key)] = on;
    }
    if (!known) return std::nullopt;
    return state;
}
#else
std::optional<LockState> readX11LockState(_XDisplay*) {
    return std::nullopt;
}
#endif

} // namespace orvane
