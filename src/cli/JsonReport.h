#pragma once

#include "CheckState.h"
#include "WordMatcher.h"

#include <string>
#include <string_view>

namespace qingtan {

// One JSON Lines record for a checked title: the title; for each ticked category the words found (word-list order,
// once per entry) with the 1-based character positions where each stands in the title; and for each ticked category
// the words found as variants with the first and last character position of each span, e.g.
// {"title":"最好的第 一","categories":{"通用":[{"word":"最","positions":[1]}]},
//  "variants":{"通用":[{"word":"第一","spans":[[4,6]]}]}}
std::string JsonReportLine(std::string_view titleUtf8, const CheckState& state, const WordMatcher& matcher,
                           const CategoryTicks& ticked);

} // namespace qingtan
