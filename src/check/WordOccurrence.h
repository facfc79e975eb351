#pragma once

#include "Category.h"

#include <array>
#include <cstddef>
#include <vector>

namespace qingtan {

// One place where a word of the library stands in a title.
struct WordOccurrence {
    Category category;
    std::size_t entry;      // index in the category's word list
    std::size_t byteOffset; // 0-based, always where a character of the title begins

    bool operator==(const WordOccurrence&) const = default;
};

// Per category, the indices of the words found in a title, in word-list order, once per list entry.
using TitleMatches = std::array<std::vector<std::size_t>, kCategoryCount>;

// The entries that stand somewhere in the title, per category in word-list order.
TitleMatches FoundEntries(const std::vector<WordOccurrence>& occurrences);

} // namespace qingtan
