#pragma once

#include "Category.h"
#include "TextTypes.h"

#include <array>
#include <cstddef>
#include <optional>

namespace qingtan {

// What the creator should always be able to see of the library behind the check, whatever the status line says
// by now: its words per category, its version, whether it loaded whole and whether the last update failed.
struct LibraryState {
    std::array<std::size_t, kCategoryCount> wordCounts{};
    AnsiText version;            // douyin_ver.txt as stored; empty when there is none
    bool whole = true;           // loaded, and not damaged in any line
    std::optional<bool> updated; // the start-up update: true done or up to date, false failed; none when skipped

    std::size_t totalWords() const;
};

// Whether the line is to be shown as a warning (red).
bool LibraryStateNeedsAttention(const LibraryState& state);

} // namespace qingtan
