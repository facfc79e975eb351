#include "ToolMain.h"

#ifdef _WIN32
#include "GbkCodec.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#endif

namespace qingtan {

#ifdef _WIN32
int RunTool(int argc, const wchar_t* const* argv, ToolCommand command, ToolOutput output) {
    // Input bytes as they are, as on other systems: text mode would end a title list at a byte 0x1A.
    _setmode(_fileno(stdin), _O_BINARY);
    if (output == ToolOutput::Binary) {
        _setmode(_fileno(stdout), _O_BINARY);
    }
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(GbkCodec::wideToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return command(args);
}
#else
int RunTool(int argc, const char* const* argv, ToolCommand command, ToolOutput) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.emplace_back(argv[i]);
    }
    return command(args);
}
#endif

} // namespace qingtan
