#include "CheckReport.h"

#include "TestText.h"

#include <gtest/gtest.h>

namespace qingtan {
namespace {

using test::gbk;

class CheckReportTest : public testing::Test {
protected:
    void compose(const CategoryTicks& ticked) {
        ComposeReport(state, ticked, [this](const AnsiText& text, ColorRef colour) {
            statusText = text;
            statusColour = colour;
        });
    }

    CheckState state;
    AnsiText statusText;
    ColorRef statusColour = 0xFFFFFFFF;
};

TEST_F(CheckReportTest, NothingFoundInAllSevenGivesTheSevenTextsInOrder) {
    compose(kAllTicked);
    EXPECT_EQ(state.checkReport, gbk("不文明用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "疑似欺骗用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "刺激消费用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "歧视用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "化妆品用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                     "普通商品用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"));
    EXPECT_EQ(statusText, gbk("检测完成，请查收检测报告！"));
    EXPECT_EQ(statusColour, kBlack);
}

TEST_F(CheckReportTest, FoundSectionIsHeadingWordsAndThreeLineEnds) {
    state.findingSet(Category::General) = gbk("最 | 第一");
    state.findingSet(Category::Uncivil) = "SB";
    CategoryTicks onlyGeneral{};
    onlyGeneral[IndexOf(Category::General)] = true;
    compose(onlyGeneral);
    EXPECT_EQ(state.checkReport, gbk("通用用语检测结果：（发现违规词）\r\n最 | 第一\r\n\r\n\r\n"));
    EXPECT_EQ(test::hex(state.checkReport.substr(0, 8)), "CD A8 D3 C3 D3 C3 D3 EF");
}

TEST_F(CheckReportTest, HeadingsOfEveryCategory) {
    for (auto& findings : state.findingSets) {
        findings = "w";
    }
    compose(kAllTicked);
    EXPECT_EQ(state.checkReport, gbk("不文明用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "疑似欺骗用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "刺激消费用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "歧视用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "通用用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "化妆品用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"
                                     "普通商品用语检测结果：（发现违规词）\r\nw\r\n\r\n\r\n"));
}

TEST_F(CheckReportTest, NoBoxTickedGivesEmptyReportButStillCompletes) {
    compose(CategoryTicks{});
    EXPECT_EQ(state.checkReport, "");
    EXPECT_EQ(statusText, gbk("检测完成，请查收检测报告！"));
}

TEST_F(CheckReportTest, FirstCategoryReplacesAndOthersAppend) {
    state.checkReport = "stale";
    CategoryTicks notFirst = kAllTicked;
    notFirst[IndexOf(Category::Uncivil)] = false;
    compose(notFirst);
    EXPECT_EQ(state.checkReport.substr(0, 5), "stale");
    compose(kAllTicked);
    EXPECT_EQ(state.checkReport.substr(0, 10), gbk("不文明用语"));
}

TEST_F(CheckReportTest, ResetEmptiesTheWholeState) {
    state.currentTitle = "t";
    state.findingSet(Category::Goods) = "w";
    state.checkReport = "r";
    ResetCheckState(state);
    EXPECT_EQ(state.currentTitle, "");
    EXPECT_EQ(state.findingSet(Category::Goods), "");
    EXPECT_EQ(state.checkReport, "");
}

} // namespace
} // namespace qingtan
