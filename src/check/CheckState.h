#pragma once

#include "Category.h"
#include "TextTypes.h"
#include "VariantFinding.h"
#include "WordOccurrence.h"

#include <array>
#include <vector>

namespace qingtan {

// What one check leaves behind: the title, each category's findings and the report.
struct CheckState {
    AnsiText currentTitle;
    // Per category, the words found joined by " | " in word-list order; empty when nothing matched.
    std::array<AnsiText, kCategoryCount> findingSets;
    AnsiText checkReport;
    // Every place where a word of a checked category stands in currentTitle: the one match that the finding sets,
    // the JSON output and the window's highlights all come from.
    std::vector<WordOccurrence> occurrences;
    // The words of the checked categories found written as variants, none where the exact word stands; only with a
    // matcher built to find them. They change neither the finding sets nor the report.
    std::vector<VariantFinding> variants;

    AnsiText& findingSet(Category category) { return findingSets[IndexOf(category)]; }
    const AnsiText& findingSet(Category category) const { return findingSets[IndexOf(category)]; }
};

// The ticked state of the category boxes, in Category order.
using CategoryTicks = std::array<bool, kCategoryCount>;

inline constexpr CategoryTicks kAllTicked{true, true, true, true, true, true, true};

// The boxes the check reads: 选全部检测 and the seven category boxes.
struct CategorySelection {
    bool checkAll = true;
    CategoryTicks ticked = kAllTicked;
};

} // namespace qingtan
