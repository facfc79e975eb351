#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qingtan {

// Exit statuses of qingtan-publish.
inline constexpr int kPublishDone = 0;
inline constexpr int kPublishRefused = 1; // the library is not one the program can load, or writing failed
inline constexpr int kPublishUsage = 2;

// qingtan-publish with its arguments (UTF-8, program name excluded): checks the library and writes the two files
// the word-library server offers, douyin_ck.txt (Base64, 76-character CR LF lines) first and douyin_ver.txt last,
// each atomically. Messages go to `out` and `err` in UTF-8.
int RunPublishCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace qingtan
