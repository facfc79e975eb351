#include "CheckCommand.h"
#include "FileHelpers.h"
#include "ToolMain.h"

#include <iostream>

namespace {

int runCheck(const std::vector<std::string>& args) {
    return qingtan::RunCheckCommand(args, std::cin, std::cout, std::cerr, qingtan::ExecutableDirectory());
}

} // namespace

// Binary output: the reports carry their CR LF line ends already.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    return qingtan::RunTool(argc, argv, runCheck, qingtan::ToolOutput::Binary);
}
#else
int main(int argc, char** argv) {
    return qingtan::RunTool(argc, argv, runCheck, qingtan::ToolOutput::Binary);
}
#endif
