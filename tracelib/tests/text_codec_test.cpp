// The one text codec: 8-bit text of unknown code page and UTF-16 to UTF-8.
#include <varnel/text_codec.h>

#include <gtest/gtest.h>

using namespace varnel;

TEST(TextCodec, EightBitIsUtf8WhenValidElseWindows1252) {
    EXPECT_EQ(utf16From8Bit("Z\xC3\xBCrich"), u"Z\u00FCrich");
    EXPECT_EQ(utf16From8Bit("caf\xE9 \x80"), u"caf\u00E9 \u20AC");
    EXPECT_EQ(utf16From8Bit("\xF0\x9F\x98\x80"), u"\U0001F600");
    // An overlong form and an encoded surrogate are not valid UTF-8.
    EXPECT_EQ(utf16From8Bit("\xC0\xAF"), u"\u00C0\u00AF");
    EXPECT_EQ(utf16From8Bit("\xED\xA0\x80"), u"\u00ED\u00A0\u20AC");
    EXPECT_EQ(utf16From8Bit("\x81"), u"\u0081");
    EXPECT_FALSE(utf16FromUtf8("\xF4\x90\x80\x80")); // above U+10FFFF
    EXPECT_FALSE(utf16FromUtf8("\xE2\x82"));         // cut short
}

TEST(TextCodec, Utf16ToUtf8MarksUnpairedSurrogates) {
    EXPECT_EQ(utf8FromUtf16(u"caf\u00E9 \U0001F600"), "caf\xC3\xA9 \xF0\x9F\x98\x80");
    EXPECT_EQ(utf8FromUtf16(std::u16string(1, char16_t(0xDC00)) + u"a"), "\xEF\xBF\xBD"
                                                                         "a");
    EXPECT_EQ(utf8FromUtf16(u"\U0001F600", U'?', 3), "");
}
