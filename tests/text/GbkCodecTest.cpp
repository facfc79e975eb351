#include "GbkCodec.h"

#ifndef _WIN32
#include "IconvConverter.h"
#endif

#include "TestText.h"
#include "TextUtilities.h"

#include <gtest/gtest.h>

namespace qingtan {
namespace {

using test::hex;

// The UTF-16 buffer as the platform hands it over: its units and the terminator, as little-endian bytes.
std::string bytesWithTerminator(const WideText& wide) {
    std::string bytes;
    for (std::size_t i = 0; i <= wide.size(); ++i) {
        const char16_t unit = wide.c_str()[i];
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

TEST(WideToOemText, ChineseGivesCodePage936Bytes) {
    EXPECT_EQ(hex(WideToOemText(u"中文")), "D6 D0 CE C4");
}

TEST(WideToOemText, UnrepresentableCharacterBecomesQuestionMark) {
    EXPECT_EQ(WideToOemText(u"a😀b"), "a?b");
    EXPECT_EQ(WideToOemText(u"\u0E01"), "?"); // Thai has no place in code page 936
    // A lone surrogate is one bad unit; the character after it survives.
    EXPECT_EQ(WideToOemText(std::u16string{u'\xD83D', u'a'}), "?a");
    EXPECT_EQ(WideToOemText(std::u16string{u'a', u'\xD83D'}), "a?");
}

// iconv drops the tag characters (U+E0000-U+E007F, inside flag emoji) without a trace, which would join the
// characters on either side into a word the title does not hold.
TEST(WideToOemText, TagCharacterBecomesQuestionMarkInsteadOfVanishing) {
    EXPECT_EQ(WideToOemText(u"第\U000E0001一"), test::gbk("第?一"));
    EXPECT_EQ(WideToOemText(u"\U000E007F"), "?");
}

TEST(WideToOemText, NoCodePointVanishes) {
    for (char32_t cp = 1; cp < 0x110000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) {
            continue;
        }
        std::u16string wide;
        if (cp < 0x10000) {
            wide.push_back(static_cast<char16_t>(cp));
        } else {
            wide.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            wide.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
        ASSERT_FALSE(WideToOemText(wide).empty()) << std::hex << static_cast<unsigned long>(cp);
    }
}

TEST(WideToOemText, StopsAtNulAndEmptyGivesEmpty) {
    EXPECT_EQ(WideToOemText(std::u16string_view(u"ab\0cd", 5)), "ab");
    EXPECT_EQ(WideToOemText(u""), "");
}

TEST(AnsiToWide, LatinLettersGiveUnitsAndTerminator) {
    EXPECT_EQ(hex(bytesWithTerminator(AnsiToWide("ab"))), "61 00 62 00 00 00");
    EXPECT_EQ(hex(bytesWithTerminator(AnsiToWide(""))), "00 00");
}

TEST(AnsiToWide, ChineseAndEuroRoundTrip) {
    const AnsiText bytes = "\xD6\xD0\xCE\xC4\x80";
    EXPECT_EQ(AnsiToWide(bytes), u"中文€");
    EXPECT_EQ(WideToOemText(AnsiToWide(bytes)), bytes);
}

TEST(AnsiToWide, InvalidAndTruncatedSequencesBecomeQuestionMarks) {
    EXPECT_EQ(AnsiToWide("a\xFF"
                         "b"),
              u"a?b");
    EXPECT_EQ(AnsiToWide("a\xD6"), u"a?");
}

TEST(GbkCodec, Utf8ConversionsMeetInCodePage936) {
    EXPECT_EQ(hex(GbkCodec::fromUtf8("中文")), "D6 D0 CE C4");
    EXPECT_EQ(GbkCodec::toUtf8("\xD6\xD0\xCE\xC4"), "中文");
    EXPECT_EQ(GbkCodec::wideToUtf8(u"😀"), "😀");
}

TEST(GbkCodec, IsAvailableHere) {
    EXPECT_TRUE(GbkCodec::available());
}

#ifndef _WIN32
TEST(IconvConverter, EncodingsIconvLacksGiveAConverterThatConvertsToNothingWithoutThrowing) {
    IconvConverter converter("NO-SUCH-ENCODING", "UTF-8");
    EXPECT_FALSE(converter.ok());
    EXPECT_EQ(converter.convert("abc", 1, "?"), "");
}
#endif

} // namespace
} // namespace qingtan
