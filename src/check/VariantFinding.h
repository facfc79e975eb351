#pragma once

#include "Category.h"

#include <compare>
#include <cstddef>
#include <string_view>

namespace qingtan {

// A library word found written otherwise than in the library: Latin letters in another case, full-width forms, up
// to three separators between its characters, traditional characters, or several of these at once.
struct VariantFinding {
    Category category;
    std::size_t entry; // index in the category's word list
    // The span of the title it covers, from its first to its last character: 0-based byte offsets of the title in
    // code page 936, where the first character begins and one past where the last one ends.
    std::size_t begin;
    std::size_t end;

    auto operator<=>(const VariantFinding&) const = default;
};

// The 1-based positions of the first and the last character of a span, counted in characters of the title in code
// page 936 as the JSON output counts them (one for each character, "?" included).
struct CharacterSpan {
    std::size_t first;
    std::size_t last;

    bool operator==(const CharacterSpan&) const = default;
};

// The character positions of the byte span [begin, end) of `gbkTitle`, which must begin and end where characters do.
CharacterSpan CharacterPositions(std::string_view gbkTitle, std::size_t begin, std::size_t end);

} // namespace qingtan
