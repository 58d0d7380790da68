// The order in which the list view shows its traces: by file name under the
// sort masks or the instrument's file-name convention, then by folder.
// Each path gets a key once, so that sorting thousands of traces compares
// prepared keys only.
#pragma once

#include "core/shell/preferences.h"

#include <array>
#include <string>
#include <vector>

namespace orvane {

inline constexpr int kNameFieldCount = 6;

struct TraceSortKey {
    // Compared in order; the first difference decides.
    std::vector<std::u16string> nameParts;
    std::u16string folder;

    bool operator<(const TraceSortKey& other) const;
};

class TraceListOrder {
public:
    // From the preferences: "SortMaskName", "SortMaskExt" and the "NV8FN"
    // values.
    explicit TraceListOrder(const Preferences& preferences);

    TraceSortKey keyOf(const std::string& path) const;
    bool before(const std::string& a, const std::string& b) const { return keyOf(a) < keyOf(b); }

private:
    std::vector<std::u16string> conventionParts(const std::u16string& name) const;
    std::u16string maskedKey(const std::u16string& name) const;

    std::string m_maskName;
    std::string m_maskExt;
    bool m_convention = false;
    int m_fieldCount = 0;
    std::array<int32_t, kNameFieldCount> m_fieldRanks{};
};

// The file-name part (after the last separator) and the folder part (up to
// and including it), as the list view's two columns show them.
std::string traceFileName(const std::string& path);
std::string traceFolder(const std::string& path);

} // namespace orvane
