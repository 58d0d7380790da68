#include "widgets/shell/lock_indicators.h"

#include "widgets/shell/x11_lock_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>

namespace orvane {

std::optional<LockState> readLockState() {
#if QT_CONFIG(xcb)
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return readX11LockState(x11->display());
#endif
    return std::nullopt;
}

LockIndicators::LockIndicators(const std::array<QLabel*, kLockKeyCount>& panes, QObject* parent)
    : QObject(parent), m_panes(panes) {
    if (!refresh()) return; // nothing to follow
    qApp->installEventFilter(this);
    connect(&m_poll, &QTimer::timeout, this, &LockIndicators::refresh);
    m_poll.start(kLockPollMs);
}

LockIndicators::~LockIndicators() {
    qApp->removeEventFilter(this);
}

bool LockIndicators::refresh() {
    const std::optional<LockState> state = readLockState();
    show(state);
    return state.has_value();
}

void LockIndicators::show(const std::optional<LockState>& state) {
    for (int key = 0; key < kLockKeyCount; ++key) {
        const bool on = state && (*state)[static_cast<size_t>(key)];
        m_panes[static_cast<size_t>(key)]->setText(on ? tr(kLockPaneTexts[key]) : QString());
    }
}

// The server changes the indicator after the key event reaches us: the key's
// release (or the next activation) reads it.
bool LockIndicators::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyRelease || event->type() == QEvent::ApplicationActivate)
        refresh();
    return false;
}

} // namespace orvane
