#include "CheckCommand.h"

#include "CommandOutput.h"
#include "TempDir.h"
#include "TestText.h"
#include "VariantNormalizer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace qingtan {
namespace {

using test::gbk;

class CheckCommandTest : public testing::Test, protected test::CommandOutput {
protected:
    CheckCommandTest() {
        // Seven lines: 通用 holds 最|第一, 化妆品 holds 特效, the rest one word each.
        dir.write("douyin_ck.txt", gbk("<不文明用语>|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n"
                                       "<歧视用语>|瞎子|<\r\n<通用>|最|第一|<\r\n<化妆品>|特效|<\r\n"
                                       "<普通商品>|神器|<\r\n"));
    }

    int run(std::vector<std::string> args, const std::string& input = "") {
        std::istringstream in(input);
        return capture([&](std::ostream& o, std::ostream& e) { return RunCheckCommand(args, in, o, e, dir.path()); });
    }

    test::TempDir dir;
};

constexpr const char* kNothingFound = "不文明用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "疑似欺骗用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "刺激消费用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "歧视用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "化妆品用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                                      "普通商品用语检测结果：\r\n未发现违规词\r\n\r\n\r\n";

TEST_F(CheckCommandTest, SingleTitlePrintsTheReportAloneInUtf8) {
    EXPECT_EQ(run({"散步"}), kExitClean);
    EXPECT_EQ(out, kNothingFound);
    EXPECT_EQ(err, "");
}

TEST_F(CheckCommandTest, CategoriesStandForTickedBoxes) {
    EXPECT_EQ(run({"--category", "通用", "--category", "化妆品", "最好的特效秒杀"}), kExitViolations);
    EXPECT_EQ(out, "通用用语检测结果：（发现违规词）\r\n最\r\n\r\n\r\n"
                   "化妆品用语检测结果：（发现违规词）\r\n特效\r\n\r\n\r\n");
}

// Only the first --category unticks the others: naming one again keeps those ticked since.
TEST_F(CheckCommandTest, RepeatedCategoryKeepsTheOthersTicked) {
    EXPECT_EQ(run({"--category", "通用", "--category", "化妆品", "--category", "通用", "最好的特效"}), kExitViolations);
    EXPECT_EQ(out, "通用用语检测结果：（发现违规词）\r\n最\r\n\r\n\r\n"
                   "化妆品用语检测结果：（发现违规词）\r\n特效\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, SeveralTitlesEachPrecededByItsName) {
    EXPECT_EQ(run({"--category", "通用", "第一", "散步"}), kExitViolations);
    EXPECT_EQ(out, "标题：第一\r\n通用用语检测结果：（发现违规词）\r\n第一\r\n\r\n\r\n"
                   "标题：散步\r\n通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, TitlesFromStandardInputSkipEmptyLines) {
    EXPECT_EQ(run({"--category", "刺激消费"}, "秒杀\r\n\n散步\n"), kExitViolations);
    EXPECT_EQ(out, "标题：秒杀\r\n刺激消费用语检测结果：（发现违规词）\r\n秒杀\r\n\r\n\r\n"
                   "标题：散步\r\n刺激消费用语检测结果：\r\n未发现违规词\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, OtherLibraryFileIsUsed) {
    dir.write("other.txt", gbk("<通用>|散步|<\r\n<a>|<\r\n<b>|<\r\n<c>|<\r\n<d>|<\r\n<e>|<\r\n<f>|<\r\n"));
    EXPECT_EQ(run({"--library", (dir / "other.txt").string(), "--category", "通用", "散步"}), kExitViolations);
    EXPECT_EQ(out, "通用用语检测结果：（发现违规词）\r\n散步\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, RefusalsAndBadArgumentsExitTwo) {
    EXPECT_EQ(run({""}), kExitUsage);
    EXPECT_EQ(err, "错误提示：尚未输入内容！\n");
    EXPECT_EQ(out, "");
    EXPECT_EQ(run({"--category", "通用 "}), kExitUsage);
    EXPECT_NE(err.find("unknown category"), std::string::npos);
    EXPECT_EQ(run({"--library"}), kExitUsage);
    EXPECT_EQ(run({"--frobnicate", "x"}), kExitUsage);
}

TEST_F(CheckCommandTest, UnloadableLibraryExitsTwoWithTheLoaderText) {
    EXPECT_EQ(run({"--library", (dir / "missing.txt").string(), "x"}), kExitUsage);
    EXPECT_EQ(err.rfind("加载词库可能出错，请联系作者，Q群：", 0), 0u);
}

// A directory opened as a file used to be read with a size of 2^63 and end the program with std::bad_alloc.
TEST_F(CheckCommandTest, DirectoriesInPlaceOfFilesExitTwo) {
    std::filesystem::create_directory(dir / "library-dir");
    EXPECT_EQ(run({"--library", (dir / "library-dir").string(), "x"}), kExitUsage);
    EXPECT_EQ(err.rfind("加载词库可能出错，请联系作者，Q群：", 0), 0u) << err;
    EXPECT_EQ(run({"--titles", (dir / "library-dir").string()}), kExitUsage);
    EXPECT_NE(err.find("cannot read"), std::string::npos) << err;
}

TEST_F(CheckCommandTest, DamagedLibraryChecksWithWhatLoadedAndSaysSo) {
    dir.write("damaged.txt", gbk("<不文明用语>|SB|<\r\n<疑似欺骗>|祖传|<\r\n<刺激消费>|秒杀|<\r\n<歧视用语>|瞎子|<\r\n"
                                 "<通 用>|最|<\r\n<化妆品>|特效|<\r\n<普通商品>|神器|<\r\n"));
    EXPECT_EQ(run({"--library", (dir / "damaged.txt").string(), "--category", "刺激消费", "秒杀"}), kExitViolations);
    EXPECT_EQ(out, "刺激消费用语检测结果：（发现违规词）\r\n秒杀\r\n\r\n\r\n");
    EXPECT_EQ(err.rfind("加载词库可能出错，请联系作者，Q群：", 0), 0u) << err;
    EXPECT_NE(err.find("line 5 names \"通 用\""), std::string::npos) << err;
}

TEST_F(CheckCommandTest, EuroSignIsOneCharacter) {
    // Taken as a lead byte, 0x80 joined the first byte of 第 into a character the title does not hold.
    EXPECT_EQ(run({"--json", "--category", "通用", "€第一"}), kExitViolations);
    EXPECT_EQ(out, R"({"title":"€第一","categories":{"通用":[{"word":"第一","positions":[2]}]},"variants":{"通用":[]}})"
                   "\n");
}

TEST_F(CheckCommandTest, JsonLinesGiveWordsAndCharacterPositions) {
    EXPECT_EQ(run({"--json", "--category", "通用", "--category", "刺激消费", "最好第一a最😀秒杀"}), kExitViolations);
    // 😀 has no place in code page 936 and counts as one character, "?".
    EXPECT_EQ(out, R"({"title":"最好第一a最😀秒杀","categories":{"刺激消费":[{"word":"秒杀","positions":[8]}],)"
                   R"("通用":[{"word":"最","positions":[1,6]},{"word":"第一","positions":[3]}]},)"
                   R"("variants":{"刺激消费":[],"通用":[]}})"
                   "\n");
    EXPECT_EQ(run({"--json", "--category", "通用", "散步"}), kExitClean);
    EXPECT_EQ(out, "{\"title\":\"散步\",\"categories\":{\"通用\":[]},\"variants\":{\"通用\":[]}}\n");
}

TEST_F(CheckCommandTest, JsonVariantsGiveFirstAndLastCharacterOfEachSpan) {
    if (!VariantNormalizer::Available()) {
        GTEST_SKIP() << "built without ICU and OpenCC";
    }
    // 😀 is one character, "?"; the exact 第一 at 7 is no variant of itself.
    EXPECT_EQ(run({"--json", "--category", "通用", "😀第-一最第一ｓｂ"}), kExitViolations);
    EXPECT_EQ(out, R"({"title":"😀第-一最第一ｓｂ","categories":{"通用":[{"word":"最","positions":[5]},)"
                   R"({"word":"第一","positions":[6]}]},"variants":{"通用":[{"word":"第一","spans":[[2,4]]}]}})"
                   "\n");
}

TEST_F(CheckCommandTest, VariantsFollowTheReportAndCountOnlyWhenAskedFor) {
    if (!VariantNormalizer::Available()) {
        GTEST_SKIP() << "built without ICU and OpenCC";
    }
    EXPECT_EQ(run({"--category", "通用", "第 一"}), kExitClean);
    EXPECT_EQ(out, "通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n") << "without --variants, as before";
    EXPECT_EQ(run({"--variants", "--category", "通用", "--category", "不文明用语", "第 一最第*一ｓＢ"}),
              kExitViolations);
    EXPECT_EQ(out, "不文明用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                   "通用用语检测结果：（发现违规词）\r\n最\r\n\r\n\r\n"
                   "疑似变体检测结果：（发现疑似变体）\r\n"
                   "不文明用语：SB（第8-9字「ｓＢ」）\r\n"
                   "通用：第一（第1-3字「第 一」、第5-7字「第*一」）\r\n\r\n\r\n");
    EXPECT_EQ(run({"--variants", "--category", "通用", "散步"}), kExitClean);
    EXPECT_EQ(out, "通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n疑似变体检测结果：\r\n未发现疑似变体\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, TitlesFileAddsItsLines) {
    dir.write("titles.txt", "秒杀\r\n\r\n散步\n");
    EXPECT_EQ(run({"--titles", (dir / "titles.txt").string(), "--category", "刺激消费"}, "ignored\n"), kExitViolations);
    EXPECT_EQ(out, "标题：秒杀\r\n刺激消费用语检测结果：（发现违规词）\r\n秒杀\r\n\r\n\r\n"
                   "标题：散步\r\n刺激消费用语检测结果：\r\n未发现违规词\r\n\r\n\r\n");
    EXPECT_EQ(run({"--titles", (dir / "none.txt").string()}), kExitUsage);
}

// After "--" every argument is a title, and a lone "-" is a title anywhere.
TEST_F(CheckCommandTest, OptionEndAndLoneHyphenGiveTitles) {
    EXPECT_EQ(run({"--category", "通用", "-", "--", "--json", "-x", "第一"}), kExitViolations);
    EXPECT_EQ(out, "标题：-\r\n通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                   "标题：--json\r\n通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                   "标题：-x\r\n通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n"
                   "标题：第一\r\n通用用语检测结果：（发现违规词）\r\n第一\r\n\r\n\r\n");
}

TEST_F(CheckCommandTest, LastLibraryGivenIsUsed) {
    EXPECT_EQ(run({"--library", (dir / "missing.txt").string(), "--library", (dir / "douyin_ck.txt").string(),
                   "--category", "通用", "第一"}),
              kExitViolations)
        << err;
}

TEST_F(CheckCommandTest, HelpExplainsUsage) {
    EXPECT_EQ(run({"--help"}), kExitClean);
    EXPECT_NE(out.find("--category NAME"), std::string::npos);
}

} // namespace
} // namespace qingtan
