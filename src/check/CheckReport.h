#pragma once

#include "CheckState.h"

namespace qingtan {

// Builds checkReport from the finding sets of the ticked categories, one section each in Category order, and shows
// the completion text in black.
void ComposeReport(CheckState& state, const CategoryTicks& ticked, const ShowStatusFn& showStatus);

// Empties the finding sets, currentTitle and checkReport, and the occurrences and variants they came with.
void ResetCheckState(CheckState& state);

} // namespace qingtan
