#include "PublishCommand.h"

#include "Base64.h"
#include "CommandOutput.h"
#include "TempDir.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>

namespace qingtan {
namespace {

using test::gbk;

const std::string kLines[] = {"<不文明用语>|SB|<", "<疑似欺骗>|祖传|<", "<刺激消费>|秒杀|<", "<歧视用语>|瞎子|<",
                              "<通用>|最|第一|<",  "<化妆品>|特效|<",   "<普通商品>|神器|<"};

std::string joined(std::vector<std::string> lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return gbk(text);
}

std::vector<std::string> sevenLines() {
    return {std::begin(kLines), std::end(kLines)};
}

class PublishCommandTest : public testing::Test, protected test::CommandOutput {
protected:
    int publish(const std::string& libraryBytes, const std::string& version = "2024-06 第3版") {
        dir.write("library.txt", libraryBytes);
        return capture([&](std::ostream& o, std::ostream& e) {
            return RunPublishCommand(
                {"--library", (dir / "library.txt").string(), "--version", version, "--out", (dir / "site").string()},
                o, e);
        });
    }

    test::TempDir dir;
};

TEST_F(PublishCommandTest, writesBase64LinesOf76AndTheGbkVersionWithoutLineEnd) {
    std::vector<std::string> lines = sevenLines();
    lines[4] = "<通用>|" + std::string(300, 'w') + "|<"; // long enough for several payload lines
    const std::string library = joined(lines);

    ASSERT_EQ(publish(library), kPublishDone) << err;

    const std::string payload = dir.read("site/douyin_ck.txt");
    EXPECT_EQ(Base64Decode(payload), library);
    for (std::size_t at = 0; at < payload.size();) {
        const std::size_t end = payload.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "every payload line ends in CR LF";
        EXPECT_LE(end - at, 76u);
        if (end + 2 < payload.size()) {
            EXPECT_EQ(end - at, 76u);
        }
        at = end + 2;
    }
    EXPECT_EQ(dir.read("site/douyin_ver.txt"), gbk("2024-06 第3版"));
    EXPECT_NE(out.find("Published version 2024-06 第3版"), std::string::npos) << out;
}

struct Refusal {
    const char* name;
    std::string library;
    std::string reason;
};

void PrintTo(const Refusal& c, std::ostream* out) {
    *out << c.name;
}

class PublishRefusals : public PublishCommandTest, public testing::WithParamInterface<Refusal> {};

TEST_P(PublishRefusals, nameTheFaultAndWriteNothing) {
    EXPECT_EQ(publish(GetParam().library), kPublishRefused);
    EXPECT_NE(err.find(GetParam().reason), std::string::npos) << err;
    EXPECT_NE(err.find("Nothing was written."), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir / "site"));
}

std::vector<std::string> with(std::size_t index, const std::string& line) {
    std::vector<std::string> lines = sevenLines();
    lines[index] = line;
    return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, PublishRefusals,
    testing::Values(
        Refusal{"lfLineEnds", joined(sevenLines(), "\n"),
                "holds 1 non-empty lines ending in CR LF; a library needs exactly 7, one per category (lines ending "
                "in LF alone"},
        Refusal{"eightLines", joined(sevenLines()) + "extra\r\n", "holds 8 non-empty lines"},
        Refusal{"empty", "", "holds 0 non-empty lines"},
        // Empty lines count in the numbering, as an editor shows them.
        Refusal{"unknownCategory", gbk("\r\n") + joined(with(2, "<未知>|词|<")),
                "line 4 names \"未知\", which is not one of"},
        Refusal{"nameWithBlank", joined(with(4, "<通用 >|最|<")), "line 5 names \"通用 \", which is not one of"},
        Refusal{"noName", joined(with(1, "疑似欺骗|祖传|")), "line 2 names no category"},
        Refusal{"categoryTwice", joined(with(5, "<通用>|又|<")), "line 6 names 通用 again (line 5 already does)"},
        Refusal{"noClosingMarker", joined(with(3, "<歧视用语>|瞎子|")), "line 4 has no closing |<"},
        Refusal{"utf8",
                [] {
                    std::string text;
                    for (const std::string& line : kLines) {
                        text += line + "\r\n";
                    }
                    return text;
                }(),
                "the file is UTF-8"},
        Refusal{"nulByte", joined(sevenLines()).insert(3, 1, '\0'), "byte 4 is a NUL byte"}),
    [](const testing::TestParamInfo<Refusal>& testInfo) { return std::string(testInfo.param.name); });

// When the library cannot be written, no version may announce it.
TEST_F(PublishCommandTest, failedLibraryWriteWritesNoVersion) {
    std::filesystem::create_directories(dir / "site" / "douyin_ck.txt" / "blocked");

    EXPECT_EQ(publish(joined(sevenLines())), kPublishRefused);

    EXPECT_NE(err.find("cannot write"), std::string::npos) << err;
    EXPECT_FALSE(std::filesystem::exists(dir / "site" / "douyin_ver.txt"));
}

TEST_F(PublishCommandTest, badArgumentsExitTwo) {
    std::ostringstream outStream;
    std::ostringstream errStream;
    EXPECT_EQ(RunPublishCommand({"--library", "x"}, outStream, errStream), kPublishUsage);
    EXPECT_EQ(RunPublishCommand({"--bogus"}, outStream, errStream), kPublishUsage);
    EXPECT_EQ(publish(joined(sevenLines()), ""), kPublishUsage);
    EXPECT_EQ(publish(joined(sevenLines()), "版本😀"), kPublishUsage); // GBK cannot hold it
    EXPECT_FALSE(std::filesystem::exists(dir / "site"));
}

// The help option ends the arguments: what follows it is not read.
TEST_F(PublishCommandTest, helpPrintsTheUsage) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, {"-h"}, {"--library", "x", "-h"}, {"--help", "--bogus"}}) {
        std::ostringstream outStream;
        std::ostringstream errStream;
        EXPECT_EQ(RunPublishCommand(args, outStream, errStream), kPublishDone);
        EXPECT_EQ(outStream.str().rfind("Usage: qingtan-publish --library FILE --version TEXT --out DIR\n", 0), 0u);
        EXPECT_EQ(errStream.str(), "");
    }
}

} // namespace
} // namespace qingtan
