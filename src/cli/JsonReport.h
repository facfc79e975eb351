#pragma once

#include "CheckState.h"
#include "WordMatcher.h"

#include <string>
#include <string_view>

namespace qingtan {

// One JSON Lines record for a checked title: the title, and for each ticked category the words found (word-list
// order, once per entry) with the 1-based character positions where each stands in the title, e.g.
// {"title":"最好的","categories":{"通用":[{"word":"最","positions":[1]}]}}
std::string JsonReportLine(std::string_view titleUtf8, const CheckState& state, const WordMatcher& matcher,
                           const CategoryTicks& ticked);

} // namespace qingtan
