#include "FileHelpers.h"
#include "ToolMain.h"
#include "UpdateCommand.h"

#include <iostream>

namespace {

int runUpdate(const std::vector<std::string>& args) {
    return qingtan::RunUpdateCommand(args, std::cout, std::cerr, qingtan::ExecutableDirectory());
}

} // namespace

QINGTAN_TOOL_MAIN(runUpdate, qingtan::ToolOutput::Text)
