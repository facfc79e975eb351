#include "TextUtilities.h"

#include "TestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <random>

namespace qingtan {
namespace {

using test::gbk;

struct BetweenCase {
    const char* name;
    AnsiText text;
    AnsiText start;
    AnsiText end;
    AnsiText expected;
};

void PrintTo(const BetweenCase& c, std::ostream* out) {
    *out << c.name;
}

class TextBetweenTest : public testing::TestWithParam<BetweenCase> {};

TEST_P(TextBetweenTest, GivesTextBetweenMarkers) {
    const BetweenCase& c = GetParam();
    EXPECT_EQ(TextBetween(c.text, c.start, c.end), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextBetweenTest,
    testing::Values(BetweenCase{"LibraryName", gbk("<通用>|最|第一|<"), "<", ">|", gbk("通用")},
                    BetweenCase{"LibraryWords", gbk("<通用>|最|第一|<"), ">|", "|<", gbk("最|第一")},
                    // The end search starts after the whole start marker, so the | of >| cannot begin |<.
                    BetweenCase{"EndMarkerNeverOverlapsStart", ">|<", ">|", "|<", ""},
                    BetweenCase{"EndMarkerMissing", "<abc", "<", ">", ""},
                    BetweenCase{"StartMarkerMissing", "abc>", "<", ">", ""},
                    BetweenCase{"EndMarkerDirectlyAfterStart", "<>", "<", ">", ""},
                    BetweenCase{"FirstStartThenNextEnd", "x<a>b<c>", "<", ">", "a"},
                    BetweenCase{"QuoteToken", gbk("name=\"v\";"), gbk("=#引号"), gbk("#引号;"), "v"},
                    // 81 3E is one character: its trail byte cannot begin the marker ">|".
                    BetweenCase{"MarkerInsideTrailByteIgnored", "<\x81>|a|<", "<", ">|", ""},
                    BetweenCase{"MarkerAfterDoubleByteCharacter", gbk("中<x>"), "<", ">", "x"},
                    // 0x80 (the euro sign) and 0xFF are one-byte characters: the marker after them is seen.
                    BetweenCase{"MarkerAfterEuroSign", "<\x80>|a|<", "<", ">|", "\x80"},
                    BetweenCase{"ClosingMarkerAfterEuroSign", "<a>|b\x80|<", ">|", "|<", "b\x80"},
                    BetweenCase{"ClosingMarkerAfterFF", "<a>|b\xFF|<", ">|", "|<", "b\xFF"}),
    [](const testing::TestParamInfo<BetweenCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(TextBetween, StartPositionBelowOneCountsAsOne) {
    EXPECT_EQ(TextBetween("<a><b>", "<", ">", -5), "a");
    EXPECT_EQ(TextBetween("<a><b>", "<", ">", 2), "b");
}

struct SplitCase {
    const char* name;
    AnsiText text;
    AnsiText delimiter;
    int limit;
    TextArray expected;
};

void PrintTo(const SplitCase& c, std::ostream* out) {
    *out << c.name;
}

class SplitNonEmptyTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitNonEmptyTest, GivesNonEmptyPieces) {
    const SplitCase& c = GetParam();
    TextArray pieces{"left", "over"};
    EXPECT_EQ(SplitNonEmpty(c.text, c.delimiter, c.limit, pieces), static_cast<int>(c.expected.size()));
    EXPECT_EQ(pieces, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitNonEmptyTest,
    testing::Values(SplitCase{"EmptyPiecesDropped", "|a||b|", "|", 0, {"a", "b"}},
                    SplitCase{"EmptyTextClearsArray", "", "|", 0, {}},
                    SplitCase{"EmptyDelimiterMeansComma", "a,b", "", 0, {"a", "b"}},
                    SplitCase{"NoDelimiterWholeText", "abc", "|", 0, {"abc"}},
                    SplitCase{"DelimiterInTrailByteIgnored", gbk("中亅文"), "|", 0, {gbk("中亅文")}},
                    SplitCase{"MultiByteDelimiter", "a\r\n\r\nb\r\n", "\r\n", 0, {"a", "b"}},
                    SplitCase{"LoneLfIsNotCrLf", "a\nb", "\r\n", 0, {"a\nb"}},
                    SplitCase{"LimitCountsEmptyPieces", "|a|b|c", "|", 2, {"a"}},
                    SplitCase{"LimitStopsAfterNthPiece", "a|b|c", "|", 2, {"a", "b"}},
                    SplitCase{"TrailingLeadByteStaysInPiece", "a|\xD6", "|", 0, {"a", "\xD6"}},
                    SplitCase{"DelimiterAfterEuroSign", "a\x80|b", "|", 0, {"a\x80", "b"}},
                    SplitCase{"DelimiterAfterFF", "\xFF|b", "|", 0, {"\xFF", "b"}}),
    [](const testing::TestParamInfo<SplitCase>& testInfo) { return std::string(testInfo.param.name); });

TEST(FindAtCharacterStart, AgreesWithCharacterByCharacterSearchOnRandomTexts) {
    // Few distinct bytes, so markers, trail bytes that look like markers and long runs of lead bytes all occur.
    static constexpr char kBytes[] = {'|', '<', 'a', 'A', '\x80', '\x81', '\xD6', '\xA1', '\xFE', '\xFF'};
    std::mt19937 random(936);
    auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) {
            c = kBytes[random() % sizeof kBytes];
        }
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomText(40);
        const std::string needle = randomText(3);
        const std::size_t from = text.empty() ? 0 : random() % text.size();
        const bool ignoreCase = round % 3 == 0;
        std::size_t expected = std::string_view::npos;
        for (std::size_t pos = from; pos < text.size(); pos += CharacterLength(text, pos)) {
            std::string here = text.substr(pos, needle.size());
            std::string wanted = needle;
            if (ignoreCase) {
                for (std::string* t : {&here, &wanted}) {
                    std::transform(t->begin(), t->end(), t->begin(), [](char c) { return c == 'A' ? 'a' : c; });
                }
            }
            if (here == wanted && needle.size() <= text.size() - pos) {
                expected = pos;
                break;
            }
        }
        ASSERT_EQ(FindAtCharacterStart(text, needle, from, ignoreCase), expected)
            << test::hex(text) << " / " << test::hex(needle) << " from " << from;
    }
}

TEST(CharacterLength, OnlyBytes81ToFEBeginTwoByteCharacters) {
    for (int byte = 0; byte < 256; ++byte) {
        const std::string text{static_cast<char>(byte), 'a'};
        EXPECT_EQ(CharacterLength(text, 0), byte >= 0x81 && byte <= 0xFE ? 2u : 1u) << byte;
    }
}

TEST(FindTextFrom, FindsAtAnyByteFromStartPosition) {
    const AnsiText text = gbk("中亅文");
    EXPECT_EQ(FindTextFrom(text, "|"), 4); // the trail byte of 亅
    EXPECT_EQ(FindTextFrom("abcabc", "bc"), 2);
    EXPECT_EQ(FindTextFrom("abcabc", "bc", 3), 5);
    EXPECT_EQ(FindTextFrom("abcabc", "bc", 0), 2);
    EXPECT_EQ(FindTextFrom(gbk("中文"), gbk("形")), 2); // D0 CE straddles two characters
}

TEST(FindTextFrom, MinusOneForEmptyTextsMissesAndOutOfRangeStart) {
    EXPECT_EQ(FindTextFrom("", "a"), -1);
    EXPECT_EQ(FindTextFrom("a", ""), -1);
    EXPECT_EQ(FindTextFrom("abc", "abd"), -1);
    EXPECT_EQ(FindTextFrom("abc", "a", 4), -1);
    EXPECT_EQ(FindTextFrom("ABC", "abc"), -1);
}

TEST(FindTextFrom, CaseFoldingFoldsAsciiOnly) {
    EXPECT_EQ(FindTextFrom("xABC", "abc", 1, true), 2);
    EXPECT_EQ(FindTextFrom(gbk("Ａ"), gbk("ａ"), 1, true), -1);
}

} // namespace
} // namespace qingtan
