#pragma once

#include "WordLibrary.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace qingtan {

// True at every byte of `title` where a character begins (a byte of 0x80 or more begins a two-byte character).
std::vector<bool> CharacterStarts(std::string_view title);

// The straightforward check of one list: the indices, in list order, of the words that occur in `title` beginning
// where a character of the title begins. One search per word; the reference the fast matcher is held to.
std::vector<std::size_t> ScanWordList(const WordList& words, std::string_view title);

} // namespace qingtan
