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
int RunTool(int argc, const wchar_t* const* argv, ToolCommand command, ToolOutput output = ToolOutput::Text);
#else
int RunTool(int argc, const char* const* argv, ToolCommand command, ToolOutput output = ToolOutput::Text);
#endif

} // namespace qingtan
