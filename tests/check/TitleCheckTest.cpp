#include "TitleCheck.h"

#include "CheckReport.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace qingtan {
namespace {

using test::gbk;

class TitleCheckTest : public testing::Test {
protected:
    bool check(std::u16string_view title, CategorySelection selection = {}) {
        const WordMatcher matcher(library); // after the test has filled the library
        return RunCheck(state, matcher, title, selection, [this](const AnsiText& text, ColorRef colour) {
            statusText = text;
            statusColour = colour;
        });
    }
    const AnsiText& found(Category category) const { return state.findingSet(category); }

    WordLibrary library;
    CheckState state;
    AnsiText statusText;
    ColorRef statusColour = 0xFFFFFFFF;
};

TEST_F(TitleCheckTest, EmptyTitleAndPlaceholderAreRefusedInRed) {
    state.currentTitle = "earlier";
    for (const std::u16string_view title :
         {std::u16string_view(u""), std::u16string_view(u"请在此输入你要检测的标题！")}) {
        statusText.clear();
        EXPECT_FALSE(check(title));
        EXPECT_EQ(statusText, gbk("错误提示：尚未输入内容！"));
        EXPECT_EQ(statusColour, kRed);
        EXPECT_EQ(state.currentTitle, "earlier") << "a refused check changes nothing";
    }
}

TEST_F(TitleCheckTest, BlankTitleIsAcceptedAndConvertedToCodePage936) {
    library[Category::General] = {" "};
    EXPECT_TRUE(check(u"   "));
    EXPECT_EQ(state.currentTitle, "   ");
    EXPECT_EQ(found(Category::General), " ");
    EXPECT_TRUE(check(u"中文"));
    EXPECT_EQ(test::hex(state.currentTitle), "D6 D0 CE C4");
}

TEST_F(TitleCheckTest, MatchingIsCaseSensitiveAndKeepsListOrderAndDuplicates) {
    library[Category::Uncivil] = {"abc", "ABC"};
    library[Category::General] = {gbk("最"), gbk("最好"), "", gbk("最"), gbk("第一")};
    ASSERT_TRUE(check(u"ABC最好的最好"));
    EXPECT_EQ(found(Category::Uncivil), "ABC");
    EXPECT_EQ(found(Category::General), gbk("最 | 最好 | 最"));
}

TEST_F(TitleCheckTest, WordsCountOnlyWhereACharacterOfTheTitleBegins) {
    library[Category::General] = {gbk("形"), gbk("文"), "|"};
    library[Category::Goods] = {"@"}; // 40 is the trail byte of 丂 (81 40)
    ASSERT_TRUE(check(u"中文亅丂"));
    // 形 (D0 CE) straddles 中 and 文; the 7C of 亅 (81 7C) is no "|".
    EXPECT_EQ(found(Category::General), gbk("文"));
    EXPECT_EQ(found(Category::Goods), "");
}

// 0x80 (€) and 0xFF are one-byte characters: the character after them begins right after them.
TEST_F(TitleCheckTest, EuroSignAndFFDoNotSwallowTheNextByte) {
    library[Category::General] = {gbk("第一"), "\x80", "\xD0\xB5"}; // D0 B5 is 谝, straddling € and 第 if € led
    ASSERT_TRUE(check(u"€第一"));
    EXPECT_EQ(found(Category::General), gbk("第一") + " | \x80");
    // No UTF-16 text converts to FF, so the matcher is asked directly.
    library[Category::Goods] = {"a"};
    const WordMatcher matcher(library);
    EXPECT_EQ(FoundEntries(matcher.occurrences("\xFF"
                                               "a"))[IndexOf(Category::Goods)],
              std::vector<std::size_t>{0});
}

// A tag character (inside flag emoji) must not vanish and join the characters around it into a word.
TEST_F(TitleCheckTest, TagCharacterSeparatesTheCharactersAroundIt) {
    library[Category::General] = {gbk("第一")};
    ASSERT_TRUE(check(u"第\U000E0001一"));
    EXPECT_EQ(found(Category::General), "");
}

TEST_F(TitleCheckTest, AlignedOccurrenceFoundAfterAMisalignedOne) {
    library[Category::General] = {"\xD0\xCE"};
    ASSERT_TRUE(check(u"中文形"));
    EXPECT_EQ(found(Category::General), "\xD0\xCE");
}

TEST_F(TitleCheckTest, SelectionDecidesWhichCategoriesAreMatched) {
    for (auto& list : library.lists) {
        list = {"x"};
    }
    CategorySelection onlyGeneral{false, {}};
    onlyGeneral.ticked[IndexOf(Category::General)] = true;
    ASSERT_TRUE(check(u"x", onlyGeneral));
    for (const Category category : kAllCategories) {
        EXPECT_EQ(found(category), category == Category::General ? "x" : "") << IndexOf(category);
    }

    ASSERT_TRUE(check(u"x", CategorySelection{true, {}}));
    for (const Category category : kAllCategories) {
        EXPECT_EQ(found(category), "x") << "全部检测 matches every category";
    }

    ASSERT_TRUE(check(u"x", CategorySelection{false, {}}));
    for (const Category category : kAllCategories) {
        EXPECT_EQ(found(category), "");
    }
}

// The one match of the check: the finding sets, the JSON positions and the window's highlights read it.
TEST_F(TitleCheckTest, KeepsTheOccurrencesOfTheCheckedCategoriesOnly) {
    library[Category::General] = {gbk("最"), gbk("好")};
    library[Category::Goods] = {gbk("最")};
    CategorySelection onlyGeneral{false, {}};
    onlyGeneral.ticked[IndexOf(Category::General)] = true;
    ASSERT_TRUE(check(u"最好最", onlyGeneral));
    EXPECT_EQ(state.occurrences, (std::vector<WordOccurrence>{
                                     {Category::General, 0, 0}, {Category::General, 1, 2}, {Category::General, 0, 4}}));
    EXPECT_EQ(found(Category::General), gbk("最 | 好"));
    ResetCheckState(state);
    EXPECT_TRUE(state.occurrences.empty());
}

TEST_F(TitleCheckTest, EveryAcceptedCheckStartsFromAnEmptyState) {
    library[Category::General] = {gbk("最")};
    ASSERT_TRUE(check(u"最"));
    ComposeReport(state, kAllTicked, [](const AnsiText&, ColorRef) {});
    ASSERT_TRUE(check(u"最"));
    EXPECT_EQ(found(Category::General), gbk("最")) << "not doubled by the earlier check";
    ASSERT_TRUE(check(u"好"));
    EXPECT_EQ(found(Category::General), "");
    EXPECT_EQ(state.checkReport, "");
}

TEST_F(TitleCheckTest, UnrepresentableCharacterMatchesAsQuestionMark) {
    library[Category::General] = {"?"};
    ASSERT_TRUE(check(u"😀"));
    EXPECT_EQ(found(Category::General), "?");
}

} // namespace
} // namespace qingtan
