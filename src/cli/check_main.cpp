#include "CheckCommand.h"
#include "FileHelpers.h"
#include "GbkCodec.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

// Windows hands arguments over as UTF-16; the command works on UTF-8.
int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY); // reports carry CR LF already
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(qingtan::GbkCodec::wideToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return qingtan::RunCheckCommand(args, std::cin, std::cout, std::cerr, qingtan::ExecutableDirectory());
}
#else
int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return qingtan::RunCheckCommand(args, std::cin, std::cout, std::cerr, qingtan::ExecutableDirectory());
}
#endif
