// File-name conventions: the check's refusals and the decoding of names.
#include "core/bidir/trace_name.h"

#include <gtest/gtest.h>

namespace orvane::bidir {
namespace {

TEST(FileNameConvention, DecodesLocationsWavelengthAndFibreNumber) {
    auto decoded = DecodeTraceName(u"/data/cable\\FRMTOO13.001", u"AAABBB__.###");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->from, u"FRM");
    EXPECT_EQ(decoded->to, u"TOO");
    EXPECT_EQ(decoded->wavelength, u"13");
    EXPECT_EQ(decoded->fiber, 1);
    // Lower-case letters and other characters of the convention.
    decoded = DecodeTraceName(u"NORSOU-15.012", u"aaabbbx__.###");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->to, u"SOU");
    EXPECT_EQ(decoded->wavelength, u"15");
    EXPECT_EQ(decoded->fiber, 12);
}

TEST(FileNameConvention, FibreDigitsThatAreNoNumberAreRefused) {
    EXPECT_FALSE(DecodeTraceName(u"FRMTOO13.0X1", u"AAABBB__.###"));
    EXPECT_FALSE(DecodeTraceName(u"FRMTOO13", u"AAABBB__.###")); // no extension, no digits
}

TEST(FileNameConvention, CheckRefusesBlanksMissingLettersAndUnequalCounts) {
    EXPECT_FALSE(ValidateFileNameConvention(u"AAABBB__.###"));
    EXPECT_EQ(*ValidateFileNameConvention(u"AAA BBB.###"), kConventionErrorText);
    EXPECT_EQ(*ValidateFileNameConvention(u""), kConventionErrorText);
    EXPECT_EQ(*ValidateFileNameConvention(u"A.B.#"), kConventionErrorText);
    const std::string counts = std::string(kConventionErrorText) + kConventionCountsText;
    EXPECT_EQ(*ValidateFileNameConvention(u"AAABBB"), counts);
    EXPECT_EQ(*ValidateFileNameConvention(u"AAABB.###"), counts);
}

TEST(FileNameConvention, InstrumentNamesAreReadFromTheirDotSeparatedFields) {
    const InstrumentFormat format = ParseInstrumentFormat(u"1 2 3 4 0 5");
    EXPECT_EQ(format, kDefaultInstrumentFormat);
    auto decoded = DecodeInstrumentTraceName(u"ELM.MIL.1550.0004.A.sor", format);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->from, u"ELM");
    EXPECT_EQ(decoded->to, u"MIL");
    EXPECT_EQ(decoded->wavelength, u"1550");
    EXPECT_EQ(decoded->fiber, 4);
    // Another layout: fibre first.
    decoded = DecodeInstrumentTraceName(u"7.NOR.SOU.1310", ParseInstrumentFormat(u"4 1 2 3 0 0"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->fiber, 7);
    EXPECT_EQ(decoded->to, u"SOU");
    EXPECT_FALSE(DecodeInstrumentTraceName(u"NOR.SOU", format));
}

} // namespace
} // namespace orvane::bidir
