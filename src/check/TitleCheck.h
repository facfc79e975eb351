#pragma once

#include "CheckState.h"
#include "WordMatcher.h"

#include <string_view>

namespace qingtan {

// Checks the title of the title box. Refuses an empty title or the placeholder with a red status text and returns
// false. Otherwise starts from an empty check state, stores the title in code page 936 as currentTitle and fills
// the finding sets of the selected categories (all seven when checkAll), then returns true.
bool RunCheck(CheckState& state, const WordMatcher& matcher, std::u16string_view title,
              const CategorySelection& selection, const ShowStatusFn& showStatus);

// Appends the words of one category found in currentTitle to its finding set, in word-list order.
void MatchCategory(CheckState& state, const WordMatcher& matcher, const TitleMatches& matches, Category category);

} // namespace qingtan
