#pragma once

#include "VariantFinding.h"
#include "WordLibrary.h"

#include <string_view>
#include <vector>

namespace qingtan::test {

// The straightforward variant check, the reference the variant matcher is held to: the title's characters are
// converted by OpenCC as a whole (when `traditional`), classified and folded one by one with ICU, and every word,
// normalised the same way, is compared at every character of the title; spans are traced to code page 936 by
// converting each character on its own. Sorted by category, entry and span.
std::vector<VariantFinding> ScanVariants(const WordLibrary& library, std::u16string_view title, bool traditional);

} // namespace qingtan::test
