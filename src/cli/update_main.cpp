#include "FileHelpers.h"
#include "ToolMain.h"
#include "UpdateCommand.h"

#include <iostream>

namespace {

int runUpdate(const std::vector<std::string>& args) {
    return qingtan::RunUpdateCommand(args, std::cout, std::cerr, qingtan::ExecutableDirectory());
}

} // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    return qingtan::RunTool(argc, argv, runUpdate);
}
#else
int main(int argc, char** argv) {
    return qingtan::RunTool(argc, argv, runUpdate);
}
#endif
