#include "formats/legacy_t5.h"

#include <string_view>

namespace varnel::legacy {
namespace {

constexpr const char16_t* kKindNames[] = {u"?",       u"T1",      u"T2",      u"T3",      u"T4",
                                          u"T5",      u"GR196",   u"Anritsu", u"TEK WFM", u"R90",
                                          u"R90 Min", u"R90 Max", u"ZQ4100",  u"ZQ3100",  u"T6"};
constexpr int32_t kKindCount = sizeof kKindNames / sizeof kKindNames[0];

} // namespace

const char16_t* traceKindName(int32_t kind) {
    return kind > 0 && kind < kKindCount ? kKindNames[kind] : kKindNames[0];
}

int32_t traceKindFromName(const char16_t* name) {
    std::u16string_view wanted = name ? name : u"";
    for (int32_t kind = 1; kind < kKindCount; ++kind)
        if (wanted == kKindNames[kind]) return kind;
    return 0;
}

} // namespace varnel::legacy
