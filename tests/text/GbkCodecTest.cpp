#include "GbkCodec.h"

#ifndef _WIN32
#include "IconvConverter.h"
#endif

#include "TestText.h"
#include "TextUtilities.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

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

std::string units(std::u16string_view wide) {
    std::string out;
    for (const char16_t unit : wide) {
        char text[8];
        std::snprintf(text, sizeof text, out.empty() ? "%04X" : " %04X", static_cast<unsigned>(unit));
        out += text;
    }
    return out;
}

TEST(WideToOemText, ChineseGivesCodePage936Bytes) {
    EXPECT_EQ(hex(WideToOemText(u"中文")), "D6 D0 CE C4");
}

// Every system gives these: Windows' converter would otherwise make some of them similar characters, several "?"
// or user-defined bytes.
struct ToGbkCase {
    const char* name;
    std::u16string wide;
    AnsiText expected;
};

void PrintTo(const ToGbkCase& c, std::ostream* out) {
    *out << c.name;
}

class WideToOemTextTest : public testing::TestWithParam<ToGbkCase> {};

TEST_P(WideToOemTextTest, UnrepresentableCharacterBecomesOneQuestionMark) {
    EXPECT_EQ(hex(WideToOemText(GetParam().wide)), hex(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, WideToOemTextTest,
    testing::Values(ToGbkCase{"EmojiIsOneCharacter", u"a😀b", "a?b"}, ToGbkCase{"ThaiHasNoPlace", u"\u0E01", "?"},
                    // A lone surrogate is one bad unit; the character after it survives.
                    ToGbkCase{"LoneHighSurrogate", std::u16string{u'\xD83D', u'a'}, "?a"},
                    ToGbkCase{"LoneSurrogateAtEnd", std::u16string{u'a', u'\xD83D'}, "a?"},
                    ToGbkCase{"LowSurrogateFirst", std::u16string{u'\xDE00', u'\xD83D', u'a'}, "??a"},
                    ToGbkCase{"SuperscriptTwoIsNotTwo", u"第²一", "\xB5\xDA?\xD2\xBB"},
                    ToGbkCase{"CompatibilityIdeographIsNotItsUnifiedForm", u"\uF900", "?"},
                    ToGbkCase{"PrivateUseIsNotUserDefinedBytes", u"\uE000\uF8F5", "??"},
                    ToGbkCase{"EuroIsByte80", u"€1",
                              "\x80"
                              "1"},
                    ToGbkCase{"ExtensionCharacter", u"丂", "\x81\x40"}));

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

struct FromGbkCase {
    const char* name;
    AnsiText gbk;
    std::u16string expected;
};

void PrintTo(const FromGbkCase& c, std::ostream* out) {
    *out << c.name;
}

class AnsiToWideTest : public testing::TestWithParam<FromGbkCase> {};

TEST_P(AnsiToWideTest, BadCharacterBecomesOneQuestionMark) {
    EXPECT_EQ(units(AnsiToWide(GetParam().gbk)), units(GetParam().expected));
}

// A lead byte and the byte after it are one character, valid or not, as for the text operations.
INSTANTIATE_TEST_SUITE_P(Table, AnsiToWideTest,
                         testing::Values(FromGbkCase{"ByteFFAlone",
                                                     "a\xFF"
                                                     "b",
                                                     u"a?b"},
                                         FromGbkCase{"TruncatedAtEnd", "a\xD6", u"a?"},
                                         FromGbkCase{"BadTrailByteIsPartOfTheCharacter",
                                                     "\xA1\x7F"
                                                     "b",
                                                     u"?b"},
                                         FromGbkCase{"NoCharacterMadeUpFromTheTrailByte", "\xA1\x81\x5A", u"?Z"},
                                         FromGbkCase{"UserDefinedAreaIsNoCharacter", "\xAA\xA1\xFE\xFE", u"??"},
                                         FromGbkCase{"ExtensionCharacter", "\x81\x40", u"丂"}));

TEST(GbkCodec, Utf8ConversionsMeetInCodePage936) {
    EXPECT_EQ(hex(GbkCodec::fromUtf8("中文")), "D6 D0 CE C4");
    EXPECT_EQ(GbkCodec::toUtf8("\xD6\xD0\xCE\xC4"), "中文");
    EXPECT_EQ(GbkCodec::wideToUtf8(u"😀"), "😀");
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::u16string expected;
};

void PrintTo(const Utf8Case& c, std::ostream* out) {
    *out << c.name;
}

class Utf8ToWideTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToWideTest, EachMaximalIllFormedPartBecomesOneReplacement) {
    EXPECT_EQ(units(GbkCodec::utf8ToWide(GetParam().utf8)), units(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8ToWideTest,
                         testing::Values(Utf8Case{"StrayContinuation", "a\x80z", u"a\uFFFDz"},
                                         Utf8Case{"OverlongTwoBytes", "\xC0\x80", u"\uFFFD\uFFFD"},
                                         Utf8Case{"OverlongThreeBytes", "\xE0\x80\x80", u"\uFFFD\uFFFD\uFFFD"},
                                         Utf8Case{"EncodedSurrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
                                         Utf8Case{"TruncatedInTheMiddle", "\xE4\xB8z", u"\uFFFDz"},
                                         Utf8Case{"TruncatedAtEnd", "\xF0\x9F\x98", u"\uFFFD"},
                                         Utf8Case{"BeyondU10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                                         Utf8Case{"ByteFF", "\xFF", u"\uFFFD"},
                                         Utf8Case{"FourBytesGiveASurrogatePair", "\xF0\x9F\x98\x80", u"😀"},
                                         Utf8Case{"ByteOrderMarkIsKept",
                                                  "\xEF\xBB\xBF"
                                                  "a",
                                                  u"\uFEFFa"}));

TEST(GbkCodec, IsAvailableHere) {
    EXPECT_TRUE(GbkCodec::available());
}

#ifndef _WIN32
TEST(IconvConverter, EncodingsIconvLacksGiveAConverterThatConvertsToNothingWithoutThrowing) {
    IconvConverter converter("NO-SUCH-ENCODING", "UTF-8");
    EXPECT_FALSE(converter.ok());
    EXPECT_EQ(converter.convert("abc", InputUnit::GbkCharacter, "?"), "");
}
#endif

TEST(GbkCodec, LoneSurrogateBecomesReplacementInUtf8) {
    EXPECT_EQ(hex(GbkCodec::wideToUtf8(std::u16string{u'a', u'\xD800', u'z'})), "61 EF BF BD 7A");
    EXPECT_EQ(hex(GbkCodec::wideToUtf8(std::u16string{u'\xDC00', u'\xD800'})), "EF BF BD EF BF BD");
    EXPECT_EQ(hex(GbkCodec::wideToUtf8(u"\uFFFF")), "EF BF BF");
}

} // namespace
} // namespace qingtan
