#include "PublishCommand.h"
#include "ToolMain.h"

#include <iostream>

namespace {

int runPublish(const std::vector<std::string>& args) {
    return qingtan::RunPublishCommand(args, std::cout, std::cerr);
}

} // namespace

QINGTAN_TOOL_MAIN(runPublish, qingtan::ToolOutput::Text)
