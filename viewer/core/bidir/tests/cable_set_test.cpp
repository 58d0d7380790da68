// The set checks of the splice-loss wizards, each with its message.
#include "core/bidir/cable_set.h"

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

std::vector<DecodedTraceName> namesOf(std::initializer_list<const char16_t*> files) {
    std::vector<DecodedTraceName> names;
    for (const char16_t* file : files)
        names.push_back(*DecodeTraceName(file, u"AAABBB__.###"));
    return names;
}

TEST(CableSet, BiDirectionalSetSortsTracesByDirectionAndFibre) {
    const CableSetResult result = BuildCableSet(
        namesOf({u"NORSOU13.002", u"SOUNOR13.001", u"NORSOU13.001", u"SOUNOR13.002"}), false);
    ASSERT_TRUE(result.set) << result.message;
    ASSERT_EQ(result.set->directions.size(), 2u);
    EXPECT_EQ(result.set->directions[0].from, "NOR");
    EXPECT_EQ(result.set->directions[1].from, "SOU");
    EXPECT_EQ(result.set->directions[0].traceOfFiber.at(1), 2u);
    EXPECT_EQ(result.set->directions[1].traceOfFiber.at(2), 3u);
}

TEST(CableSet, EachRefusalHasItsMessage) {
    EXPECT_EQ(BuildCableSet(namesOf({u"NORNOR13.001"}), true).message,
              "Only have 1 location : NOR\n\nCheck the selected filenames and the Filename "
              "Convention.");
    EXPECT_EQ(BuildCableSet(namesOf({u"NORSOU13.001", u"EASWES13.001"}), true).message,
              "Have at least 3 locations : NOR, SOU, EAS\n\nCheck the selected filenames and the "
              "Filename Convention.");
    EXPECT_EQ(BuildCableSet(namesOf({u"NORSOU13.001", u"SOUNOR13.001"}), true).message,
              kTwoFromText);
    EXPECT_EQ(BuildCableSet(namesOf({u"NORSOU13.001", u"NORSOU13.002"}), false).message,
              kOneFromText);
    EXPECT_EQ(BuildCableSet(namesOf({u"NORSOU13.001", u"NORSOU13.001"}), true).message,
              "2 traces with the same Fiber Number : 001.");
    EXPECT_EQ(BuildCableSet(namesOf({u"NORSOU13.001", u"NORSOU15.002"}), true).message,
              "2 traces with different wavelengths indicated in filename  : 13   15.");
}

TEST(CableSet, AFibreFromOneEndOnlyHasNoPair) {
    const CableSetResult result =
        BuildCableSet(namesOf({u"NORSOU13.006", u"NORSOU13.007", u"SOUNOR13.006", u"SOUNOR13.008",
                               u"NORSOU13.008"}),
                      false);
    EXPECT_FALSE(result.set);
    EXPECT_EQ(result.message, "No Bi-Directional pair of traces for fiber number 007.");
}

} // namespace
} // namespace orvane::bidir
