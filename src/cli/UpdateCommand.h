#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace qingtan {

// qingtan-update with its arguments (UTF-8, program name excluded): brings the library files of a directory in step
// with the word-library server, as the program does at start, and prints the status text in UTF-8. Exit status 0
// when the library is up to date, 1 when the update failed, 2 on bad arguments.
int RunUpdateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const std::filesystem::path& exeDir);

} // namespace qingtan
