// SR-4731 files whose values cannot be physical: the file still opens, the
// impossible values are left out or made legal, and the record says so.
#include "support/sor_files.h"

#include <gtest/gtest.h>

#include <varnel/varnel.h>

using namespace varnel;
using namespace varnel::test;

namespace {

void expectEventsOnTheTrace(const CT6& r) {
    for (int32_t i = 0; i < r.EVCount(); ++i) {
        EXPECT_GE(r.EVGetStartDP(i), 0) << "event " << i;
        EXPECT_LT(r.EVGetStartDP(i), r.DPOCount()) << "event " << i;
    }
}

} // namespace

TEST(SorHostileValues, TinyDataSpacingAnalysesWithinRange) {
    // Millions of points per pulse: every pulse multiple the analysis takes
    // must stay inside its integers (checked by the sanitizer build).
    sor::SorFile f = simulatedSorFile(2);
    f.fxd.pulseWidths[0] = {1000, 1, 16384};
    f.fxd.pulseWidths.resize(1);
    CT6 r;
    ASSERT_EQ(openSor(r, writeSor(f)), 0);
    EXPECT_EQ(r.FAS(), 0);
    expectEventsOnTheTrace(r);
}
