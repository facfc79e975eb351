#include "ToolMain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qingtan {
namespace {

#ifdef _WIN32
std::vector<std::string> receivedArguments;

int recordArguments(const std::vector<std::string>& args) {
    receivedArguments = args;
    return 7;
}

TEST(RunTool, WideArgumentsReachTheCommandInUtf8WithoutTheProgramName) {
    const wchar_t* argv[] = {L"qingtan-check.exe", L"词库\\douyin_ck.txt", L"第一😀", L"a\xD800z", L""};
    EXPECT_EQ(RunTool(5, argv, recordArguments, ToolOutput::Text), 7);
    EXPECT_EQ(receivedArguments, (std::vector<std::string>{"词库\\douyin_ck.txt", "第一😀", "a\xEF\xBF\xBDz", ""}));
}
#endif

} // namespace
} // namespace qingtan
