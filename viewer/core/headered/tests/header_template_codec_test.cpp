// Header template bytes and text: which encoding the first bytes choose,
// the instrument characters, and the 40960 limits.
#include "core/headered/header_template_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane {
namespace {

using namespace std::string_literals;

std::vector<uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(HeaderTemplateCodec, MarkFfFeReadsUtf16AndAnOddLastByteIsLost) {
    const HeaderTemplateText read = decodeHeaderTemplate(bytesOf("\xFF\xFE"
                                                                 "A\0\x20\x20"
                                                                 "C"s));
    EXPECT_EQ(read.encoding, HEADER_ENCODING_UNICODE);
    EXPECT_EQ(read.text, u"A\u2020");
    EXPECT_EQ(decodeHeaderTemplate(bytesOf("\xFF\xFE")).text, u"");
}

// The library reads FE FF as big-endian UTF-16; the editor does not.
TEST(HeaderTemplateCodec, MarkFeFfIsReadAsInstrumentText) {
    const HeaderTemplateText read = decodeHeaderTemplate(bytesOf("\xFE\xFF\x00"
                                                                 "A"s));
    EXPECT_EQ(read.encoding, HEADER_ENCODING_INSTRUMENT);
    EXPECT_EQ(read.text, u"??\0A"s);
}

TEST(HeaderTemplateCodec, InstrumentTextIsConvertedUpToAZeroByteAndTakenAsItIsAfter) {
    const HeaderTemplateText read = decodeHeaderTemplate(bytesOf("Caf\x82 \x9A\r\n\x00\x82\x80"s));
    EXPECT_EQ(read.encoding, HEADER_ENCODING_INSTRUMENT);
    // é and Ü through the table; after the zero, Windows-1252 ‚ and €.
    EXPECT_EQ(read.text, u"Caf\u00E9 \u00DC\r\n\0\u201A\u20AC"s);
    // Writing converts the same stretch back, so the file survives whole.
    EXPECT_EQ(encodeHeaderTemplate(read.text, HEADER_ENCODING_INSTRUMENT),
              bytesOf("Caf\x82 \x9A\r\n\x00\x82\x80"s));
}

TEST(HeaderTemplateCodec, InstrumentWritingGoesThroughWindows1252) {
    // € has a Windows-1252 byte (0x80) but no instrument character; Ω has
    // neither; a character outside the basic plane is one '?'.
    EXPECT_EQ(
        encodeHeaderTemplate(u"\u00C9t\u00E9 \u20AC\u03A9\U0001F600", HEADER_ENCODING_INSTRUMENT),
        bytesOf("Et\x82 ???"));
    EXPECT_EQ(windows1252FromUtf16(u"\u20AC\u0081\u017E\u00FF\u0100"), "\x80\x81\x9E\xFF?");
}

TEST(HeaderTemplateCodec, UnicodeWritingIsTheMarkAndLittleEndianCharacters) {
    EXPECT_EQ(encodeHeaderTemplate(u"A\u20AC", HEADER_ENCODING_UNICODE), bytesOf("\xFF\xFE"
                                                                                 "A\0\xAC\x20"s));
}

TEST(HeaderTemplateCodec, InstrumentTextIsReadAndWrittenUpTo40960Bytes) {
    const std::vector<uint8_t> file(kHeaderTemplateLimit + 100, 'x');
    const HeaderTemplateText read = decodeHeaderTemplate(file);
    EXPECT_EQ(read.text.size(), kHeaderTemplateLimit);
    const std::u16string longer(kHeaderTemplateLimit + 1, u'y');
    EXPECT_EQ(encodeHeaderTemplate(longer, HEADER_ENCODING_INSTRUMENT).size(),
              kHeaderTemplateLimit);
}

// A full editor's worth of Unicode text is 81922 bytes: all of it reads
// back, anything beyond is ignored.
TEST(HeaderTemplateCodec, AFullUnicodeTemplateReadsBackWhole) {
    const std::u16string full(kHeaderTemplateLimit, u'\u00E9');
    std::vector<uint8_t> file = encodeHeaderTemplate(full, HEADER_ENCODING_UNICODE);
    EXPECT_EQ(file.size(), 2 + 2 * kHeaderTemplateLimit);
    file.insert(file.end(), {'z', 0, 'z', 0});
    EXPECT_EQ(decodeHeaderTemplate(file).text, full);
}

TEST(HeaderTemplateCodec, EmptyAndOneByteFilesAreInstrumentText) {
    EXPECT_EQ(decodeHeaderTemplate({}).encoding, HEADER_ENCODING_INSTRUMENT);
    const HeaderTemplateText one = decodeHeaderTemplate(bytesOf("\xFF"));
    EXPECT_EQ(one.encoding, HEADER_ENCODING_INSTRUMENT);
    EXPECT_EQ(one.text, u"?");
}

} // namespace
} // namespace orvane
