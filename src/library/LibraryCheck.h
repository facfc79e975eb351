#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qingtan {

// Why library text (code page 936) is not a whole library, naming the line at fault as an editor numbers lines
// (UTF-8); nothing when it is whole. A whole library is exactly seven non-empty CR LF lines, each "<", one of the
// seven category names, ">|", the words, "|<", and each name stands on one line only.
std::optional<std::string> LibraryFault(std::string_view text);

} // namespace qingtan
