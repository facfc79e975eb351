#include "PublishCommand.h"
#include "ToolMain.h"

#include <iostream>

namespace {

int runPublish(const std::vector<std::string>& args) {
    return qingtan::RunPublishCommand(args, std::cout, std::cerr);
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    return qingtan::RunTool(argc, argv, runPublish);
}
#else
int main(int argc, char** argv) {
    return qingtan::RunTool(argc, argv, runPublish);
}
#endif
