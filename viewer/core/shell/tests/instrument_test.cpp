// Instrument detection: the library is looked for beside the program and
// asked; its answer, a missing export and a missing library.
#include "core/shell/instrument.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

const std::string kStubs = ORVANE_CALVETH_STUBS;

TEST(Instrument, TheLibraryBesideTheProgramDecides) {
    EXPECT_TRUE(detectInstrument(kStubs + "/instrument"));
    EXPECT_FALSE(detectInstrument(kStubs + "/desktop"));
    EXPECT_FALSE(detectInstrument(kStubs + "/noexport"));
    EXPECT_FALSE(detectInstrument(kStubs + "/absent"));
    EXPECT_TRUE(askInstrumentLibrary(kStubs + "/instrument/" + kInstrumentLibrary));
}

} // namespace
} // namespace orvane
