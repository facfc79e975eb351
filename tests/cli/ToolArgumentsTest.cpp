// The three tools refuse bad arguments alike: exit status 2, the error named on the first line of standard error,
// the usage text after it, nothing on standard output.
#include "CheckCommand.h"
#include "PublishCommand.h"
#include "UpdateCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <sstream>

namespace qingtan {
namespace {

enum class Tool { Check, Publish, Update };

std::string nameOf(Tool tool) {
    switch (tool) {
    case Tool::Check:
        return "qingtan-check";
    case Tool::Publish:
        return "qingtan-publish";
    case Tool::Update:
        return "qingtan-update";
    }
    return {};
}

// The arguments are refused before any library, file or server is looked at.
int run(Tool tool, const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::filesystem::path nowhere = std::filesystem::temp_directory_path() / "qingtan-no-such-directory";
    std::istringstream in;
    switch (tool) {
    case Tool::Check:
        return RunCheckCommand(args, in, out, err, nowhere);
    case Tool::Publish:
        return RunPublishCommand(args, out, err);
    case Tool::Update:
        return RunUpdateCommand(args, out, err, nowhere);
    }
    return -1;
}

struct BadArguments {
    const char* name;
    Tool tool;
    std::vector<std::string> args;
    std::string error; // the first line of standard error after "<tool>: "
    bool usageFollows = true;
};

void PrintTo(const BadArguments& c, std::ostream* out) {
    *out << c.name;
}

class ToolArgumentErrors : public testing::TestWithParam<BadArguments> {};

TEST_P(ToolArgumentErrors, exitTwoWithTheErrorAndTheUsage) {
    const BadArguments& c = GetParam();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run(c.tool, c.args, out, err), 2);
    const std::string errorLine = nameOf(c.tool) + ": " + c.error + "\n";
    if (c.usageFollows) {
        EXPECT_EQ(err.str().rfind(errorLine + "\nUsage: " + nameOf(c.tool) + " ", 0), 0u) << err.str();
    } else {
        EXPECT_EQ(err.str(), errorLine);
    }
    EXPECT_EQ(out.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ToolArgumentErrors,
    testing::Values(
        BadArguments{"checkUnknownOption", Tool::Check, {"x", "--frobnicate", "y"}, "unknown option: --frobnicate"},
        BadArguments{"checkUnknownShortOption", Tool::Check, {"-x"}, "unknown option: -x"},
        BadArguments{"checkMissingValue", Tool::Check, {"--category", "通用", "--titles"}, "--titles needs a value"},
        BadArguments{"checkUnknownCategory", Tool::Check, {"--category", "通用 ", "x"}, "unknown category: 通用 "},
        // A value is taken as it is, even when it looks like an option.
        BadArguments{"checkOptionAsCategory", Tool::Check, {"--category", "--json", "x"}, "unknown category: --json"},
        // qingtan-check reads all its arguments before it looks at --help.
        BadArguments{"checkErrorAfterHelp", Tool::Check, {"--help", "--frobnicate"}, "unknown option: --frobnicate"},
        BadArguments{"checkCategoryAfterHelp", Tool::Check, {"--help", "--category", "无"}, "unknown category: 无"},
        BadArguments{"publishMissingOptions",
                     Tool::Publish,
                     {"--library", "x"},
                     "--library, --version and --out are all needed"},
        BadArguments{
            "publishUnknownOption", Tool::Publish, {"--library", "x", "--bogus", "y"}, "unknown argument: --bogus"},
        BadArguments{"publishPositional", Tool::Publish, {"stray"}, "unknown argument: stray"},
        BadArguments{"publishMissingValue", Tool::Publish, {"--version", "1", "--out"}, "--out needs a value", false},
        BadArguments{"publishUnknownBeforeHelp", Tool::Publish, {"--bogus", "--help"}, "unknown argument: --bogus"},
        BadArguments{
            "publishUnknownBeforeMissingValue", Tool::Publish, {"--bogus", "--out"}, "unknown argument: --bogus"},
        BadArguments{"updateUnknownOption", Tool::Update, {"--bogus", "x"}, "unknown argument: --bogus"},
        BadArguments{
            "updatePositional", Tool::Update, {"--dir", "d", "stray", "--server", "s"}, "unknown argument: stray"},
        BadArguments{"updateMissingValue", Tool::Update, {"--dir", "d", "--server"}, "--server needs a value"},
        BadArguments{"updateOptionEnd", Tool::Update, {"--", "--dir", "d"}, "unknown argument: --"},
        BadArguments{"updateUnknownBeforeHelp", Tool::Update, {"--bogus", "--help"}, "unknown argument: --bogus"}),
    [](const testing::TestParamInfo<BadArguments>& testInfo) { return std::string(testInfo.param.name); });

} // namespace
} // namespace qingtan
