#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace qingtan {

// Exit statuses of qingtan-check.
inline constexpr int kExitClean = 0;
inline constexpr int kExitViolations = 1;
inline constexpr int kExitUsage = 2;

// qingtan-check with its arguments (UTF-8, program name excluded). Titles come from the arguments or, when there
// are none, from `in`; reports go to `out` and errors to `err`, all in UTF-8. `exeDir` holds the default library.
int RunCheckCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
                    const std::filesystem::path& exeDir);

} // namespace qingtan
