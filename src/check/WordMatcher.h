#pragma once

#include "WordLibrary.h"

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace qingtan {

// Per category, the indices of the words found in a title, in word-list order, once per list entry.
using TitleMatches = std::array<std::vector<std::size_t>, kCategoryCount>;

// Finds the words of a loaded library in titles. A word counts only where it begins at a character of the title.
// The library must outlive the matcher.
class WordMatcher {
public:
    explicit WordMatcher(const WordLibrary& library);

    const WordLibrary& library() const { return m_library; }

    TitleMatches match(std::string_view title) const;

private:
    const WordLibrary& m_library;
};

} // namespace qingtan
