#pragma once

#include <string>
#include <vector>

namespace qingtan {

// A tool's command: its arguments in UTF-8, program name excluded; returns the exit status.
using ToolCommand = int (*)(const std::vector<std::string>& args);

// How standard output is opened on Windows: text mode writes "\n" as CR LF, binary mode writes the bytes as they
// are. Other systems always write the bytes as they are.
enum class ToolOutput { Text, Binary };

// What every tool's main (wmain on Windows, which receives UTF-16 arguments) does: sets up standard output, runs
// the command with the arguments in UTF-8 and returns its exit status.
#ifdef _WIN32
int RunTool(int argc, const wchar_t* const* argv, ToolCommand command, ToolOutput output);
#else
int RunTool(int argc, const char* const* argv, ToolCommand command, ToolOutput output);
#endif

} // namespace qingtan

// Defines a tool's entry point, which runs `command` through RunTool: wmain on Windows, main elsewhere.
#ifdef _WIN32
#define QINGTAN_TOOL_MAIN(command, output)                                                                             \
    int wmain(int argc, wchar_t** argv) {                                                                              \
        return qingtan::RunTool(argc, argv, command, output);                                                          \
    }
#else
#define QINGTAN_TOOL_MAIN(command, output)                                                                             \
    int main(int argc, char** argv) {                                                                                  \
        return qingtan::RunTool(argc, argv, command, output);                                                          \
    }
#endif
