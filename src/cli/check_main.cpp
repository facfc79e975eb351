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
QINGTAN_TOOL_MAIN(runCheck, qingtan::ToolOutput::Binary)
