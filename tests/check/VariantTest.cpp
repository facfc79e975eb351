#include "CheckReport.h"
#include "TestText.h"
#include "TextUtilities.h"
#include "TitleCheck.h"
#include "VariantScan.h"

#include <gtest/gtest.h>

#include <random>

namespace qingtan {
namespace {

using test::gbk;

// OpenCC's dictionaries are read once for the whole suite.
const VariantNormalizer& normalizer() {
    static const VariantNormalizer instance(TraditionalToSimplified::Load());
    return instance;
}

struct VariantCase {
    const char* name;
    const char* word;  // UTF-8, stands in 通用
    const char* title; // UTF-8
    std::vector<CharacterSpan> spans;
};

void PrintTo(const VariantCase& c, std::ostream* os) {
    *os << c.name;
}

class VariantCases : public testing::TestWithParam<VariantCase> {};

TEST_P(VariantCases, SpansOfTheWordAndNothingElseChanged) {
    const VariantCase& c = GetParam();
    ASSERT_TRUE(normalizer().convertsTraditional()) << "OpenCC's t2s.json did not load";
    WordLibrary library;
    library[Category::General] = {gbk(c.word)};
    library[Category::Goods] = {gbk("好物")};
    const std::u16string title = GbkCodec::utf8ToWide(c.title);
    const auto ignore = [](const AnsiText&, ColorRef) {};

    CheckState withVariants;
    ASSERT_TRUE(RunCheck(withVariants, WordMatcher(library, &normalizer()), title, {}, ignore));
    std::vector<CharacterSpan> spans;
    for (const VariantFinding& v : withVariants.variants) {
        EXPECT_EQ(v.category, Category::General);
        EXPECT_EQ(v.entry, 0u);
        spans.push_back(CharacterPositions(withVariants.currentTitle, v.begin, v.end));
    }
    EXPECT_EQ(spans, c.spans);

    CheckState exactOnly;
    ASSERT_TRUE(RunCheck(exactOnly, WordMatcher(library), title, {}, ignore));
    ComposeReport(withVariants, kAllTicked, ignore);
    ComposeReport(exactOnly, kAllTicked, ignore);
    EXPECT_EQ(withVariants.findingSets, exactOnly.findingSets);
    EXPECT_EQ(withVariants.checkReport, exactOnly.checkReport);
    EXPECT_EQ(withVariants.occurrences, exactOnly.occurrences);
    EXPECT_TRUE(exactOnly.variants.empty());

    EXPECT_EQ(withVariants.variants, test::ScanVariants(library, title, true)) << "the reference disagrees";
}

// 😀, U+200B, U+200D, 🏻 and 🇨🇳 have no place in code page 936: each is one "?" and one character position.
INSTANTIATE_TEST_SUITE_P(
    VariantTable, VariantCases,
    testing::Values(VariantCase{"LatinCase", "tmd", "你TMD的", {{2, 4}}},
                    VariantCase{"LatinCaseOfTheLibraryWord", "TOP1", "top1好物", {{1, 4}}},
                    VariantCase{"FullWidthAscii", "TOP1", "全网ＴＯＰ１", {{3, 6}}},
                    VariantCase{"FullWidthPunctuationIsASeparator", "no.1", "ｎｏ．１", {{1, 4}}},
                    VariantCase{"IdeographicSpace", "第一", "第　一", {{1, 3}}},
                    VariantCase{"Blank", "第一", "销量第 一", {{3, 5}}},
                    VariantCase{"Symbol", "最好", "最*好", {{1, 3}}},
                    VariantCase{"SeparatorBetweenEveryCharacter", "全网第一", "全-网-第-一！", {{1, 7}}},
                    VariantCase{"ThreeSeparators", "第一", "第*-*一", {{1, 5}}},
                    VariantCase{"FourSeparatorsBreak", "第一", "第*-*-一", {}},
                    VariantCase{"Emoji", "第一", "第😀一", {{1, 3}}},
                    VariantCase{"EmojiWithSkinToneIsOneSeparator", "第一", "第👍🏻一", {{1, 4}}},
                    VariantCase{"JoinedEmojiIsOneSeparator", "第一", "第👨‍👩‍👧😀😀一", {{1, 9}}},
                    VariantCase{"FlagIsOneSeparator", "第一", "第🇨🇳😀😀一", {{1, 6}}},
                    VariantCase{"FourEmojiBreak", "第一", "第😀😀😀😀一", {}},
                    VariantCase{"ZeroWidthSpace", "第一", "第\u200b一", {{1, 3}}},
                    VariantCase{"LetterIsNoSeparator", "第一", "第a一", {}},
                    VariantCase{"FullWidthLetterIsNoSeparator", "第一", "第ａ一", {}},
                    VariantCase{"DigitIsNoSeparator", "第一", "第1一", {}},
                    VariantCase{"CjkCharacterIsNoSeparator", "第一", "第的一", {}},
                    VariantCase{"Traditional", "销量第一", "銷量第一的好物", {{1, 4}}},
                    VariantCase{"TraditionalPhrase", "了解", "瞭解一下", {{1, 2}}},
                    VariantCase{"PhraseKeepsItsCharacter", "干", "乾隆", {}},
                    VariantCase{"TraditionalWithSeparators", "全网第一", "全 網 第 一", {{1, 7}}},
                    VariantCase{"AllAtOnce", "no.1销量", "ＮＯ．１ 銷-量", {{1, 8}}},
                    VariantCase{"SeparatorsAroundTheWordStayOutside", "第一", "**第 一**", {{3, 5}}},
                    VariantCase{"ExactWordIsNoVariant", "第一", "第一", {}},
                    VariantCase{"ExactAndVariantInOneTitle", "tmd", "tmd TMD", {{5, 7}}},
                    VariantCase{"ExactWordWithItsOwnSeparator", "no.1", "no.1", {}},
                    VariantCase{"WordOfSeparatorsHasNoVariant", "!!", "！！", {}}),
    [](const testing::TestParamInfo<VariantCase>& param) { return std::string(param.param.name); });

// Spans are byte offsets of the GBK title: € is one byte there, 中 and the full-width letters two, 😀 one "?".
TEST(VariantFinding, SpansAreByteOffsetsOfTheGbkTitle) {
    WordLibrary library;
    library[Category::Uncivil] = {"tmd"};
    const WordMatcher matcher(library, &normalizer());
    const std::vector<std::pair<const char*, std::pair<std::size_t, std::size_t>>> cases{
        {"€TMD", {1, 4}}, {"中ＴＭＤ", {2, 8}}, {"😀T M D", {1, 6}}, {"中文\U000E0001tmD", {5, 8}}};
    for (const auto& [title, span] : cases) {
        CheckState state;
        ASSERT_TRUE(RunCheck(state, matcher, GbkCodec::utf8ToWide(title), {}, [](const AnsiText&, ColorRef) {}));
        ASSERT_EQ(state.variants.size(), 1u) << title;
        EXPECT_EQ(std::make_pair(state.variants[0].begin, state.variants[0].end), span) << title;
    }
}

// Spans are traced to code page 936 on this: every character of the BMP (surrogates aside) becomes one character
// there, whatever stands around it.
TEST(VariantFinding, EveryBmpCharacterIsOneGbkCharacter) {
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000) {
            continue;
        }
        const std::u16string text{u'a', static_cast<char16_t>(c), u'a'};
        const AnsiText converted = WideToOemText(text);
        ASSERT_TRUE(converted.size() >= 3 && converted.front() == 'a' && converted.back() == 'a' &&
                    converted.size() == 2 + CharacterLength(converted, 1))
            << "U+" << std::hex << static_cast<unsigned>(c) << ": " << test::hex(converted);
    }
}

TEST(VariantFinding, CharacterPositionsCountGbkCharacters) {
    const AnsiText title = gbk("€中a文");
    EXPECT_EQ(CharacterPositions(title, 0, 1), (CharacterSpan{1, 1}));
    EXPECT_EQ(CharacterPositions(title, 1, 4), (CharacterSpan{2, 3}));
    EXPECT_EQ(CharacterPositions(title, 3, 6), (CharacterSpan{3, 4}));
}

TEST(VariantFinding, OnlyTheCheckedCategoriesAndEachEntryOfTheWord) {
    WordLibrary library;
    library[Category::General] = {"tmd", gbk("第一"), "tmd"};
    library[Category::Uncivil] = {"TMD"};
    library[Category::Goods] = {"tmd"};
    CategorySelection selection{false, {}};
    selection.ticked[IndexOf(Category::General)] = true;
    selection.ticked[IndexOf(Category::Uncivil)] = true;
    CheckState state;
    ASSERT_TRUE(
        RunCheck(state, WordMatcher(library, &normalizer()), u"Tmd", selection, [](const AnsiText&, ColorRef) {}));
    EXPECT_EQ(state.variants,
              (std::vector<VariantFinding>{
                  {Category::Uncivil, 0, 0, 3}, {Category::General, 0, 0, 3}, {Category::General, 2, 0, 3}}));
    ResetCheckState(state);
    EXPECT_TRUE(state.variants.empty());
}

// Characters drawn so that words and their variants meet often: letters in both cases and widths, separators of
// every kind, traditional characters and the phrases that decide them, characters outside code page 936.
std::u16string randomText(std::mt19937& random, std::size_t maxLength) {
    static const std::vector<std::u16string> kPieces{
        u"a",  u"B",      u"ｂ",     u"Ａ",     u"1",    u"１", u" ",  u"　", u"-",  u"．", u"*",
        u"😀",  u"\u200b", u"\u200d", u"\ufe0f", u"🏻", u"🇨",  u"第", u"一", u"网", u"網", u"乾",
        u"隆", u"干",     u"瞭",     u"解",     u"了",   u"著", u"名", u"𠀀", u"€",  u"?"};
    std::uniform_int_distribution<std::size_t> length(1, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::u16string text;
    for (std::size_t n = length(random); n > 0; --n) {
        text += kPieces[pick(random)];
    }
    return text;
}

TEST(VariantMatcher, AgreesWithTheReferenceOnRandomLibrariesAndTitles) {
    std::mt19937 random(20261212);
    for (int round = 0; round < 150; ++round) {
        WordLibrary library;
        for (auto& list : library.lists) {
            for (std::size_t i = random() % 5; i > 0; --i) {
                list.push_back(GbkCodec::fromWide(randomText(random, 4)));
            }
        }
        const WordMatcher matcher(library, &normalizer());
        MatchScratch scratch;
        for (int t = 0; t < 20; ++t) {
            const std::u16string title = randomText(random, 16);
            const AnsiText gbkTitle = WideToOemText(title);
            matcher.match(gbkTitle, scratch);
            matcher.findVariants(title, gbkTitle, scratch);
            ASSERT_EQ(scratch.variants(), test::ScanVariants(library, title, true))
                << "title " << GbkCodec::wideToUtf8(title);
        }
    }
}

} // namespace
} // namespace qingtan
