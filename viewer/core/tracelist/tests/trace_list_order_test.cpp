// The list view's order: names by the sort masks or the instrument's
// file-name fields, then folders.
#include "core/tracelist/trace_list_order.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane {
namespace {

std::vector<std::string> sorted(std::vector<std::string> paths, const Preferences& preferences) {
    const TraceListOrder order(preferences);
    std::stable_sort(paths.begin(), paths.end(), [&](const std::string& a, const std::string& b) {
        return order.before(a, b);
    });
    return paths;
}

TEST(TraceListOrder, WithoutMasksNamesIgnoreCaseAndFoldersBreakTies) {
    const Preferences plain;
    EXPECT_EQ(sorted({"/b/Fibre2.sor", "/a/fibre10.sor", "/b/FIBRE1.sor", "/a/fibre1.sor"}, plain),
              (std::vector<std::string>{"/a/fibre1.sor", "/b/FIBRE1.sor", "/a/fibre10.sor",
                                        "/b/Fibre2.sor"}));
    EXPECT_EQ(traceFileName("C:\\cable\\f1.sor"), "f1.sor");
    EXPECT_EQ(traceFolder("C:\\cable\\f1.sor"), "C:\\cable\\");
}

TEST(TraceListOrder, MaskDigitsRankCharacterPositionsAndIgnoreTheRest) {
    Preferences masked;
    masked.sortMaskName = "99911222";
    EXPECT_EQ(
        sorted({"/c/mmmBBaaa.sor", "/c/aaaAAccc.sor", "/c/zzzAAbbb.sor", "/c/zzzaabbbQQ.sor",
                "/c/aaaAAbbbZZZ.sor"},
               masked),
        (std::vector<std::string>{"/c/aaaAAbbbZZZ.sor", "/c/zzzAAbbb.sor", "/c/zzzaabbbQQ.sor",
                                  "/c/aaaAAccc.sor", "/c/mmmBBaaa.sor"}));
    // A short name counts blanks beyond its end; the extension has its mask.
    masked.sortMaskName = "1";
    masked.sortMaskExt = "2";
    EXPECT_EQ(sorted({"/x/a.2", "/x/a.1", "/x/.9"}, masked),
              (std::vector<std::string>{"/x/.9", "/x/a.1", "/x/a.2"}));
}

TEST(TraceListOrder, InstrumentNamesCompareTheirFieldsInRankOrder) {
    Preferences convention;
    convention.nv8fnEnabled = 1;
    convention.nv8fnFldCount = 3;
    convention.nv8fnSort = {2, 1, 3, 4, 5, 6}; // the second field first
    EXPECT_EQ(
        sorted({"/f/B.002.x", "/f/a.001.y", "/f/C.001.A", "/f/A.002.z.99"}, convention),
        (std::vector<std::string>{"/f/a.001.y", "/f/C.001.A", "/f/A.002.z.99", "/f/B.002.x"}));
}

} // namespace
} // namespace orvane
