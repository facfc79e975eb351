#include "CheckReport.h"

#include "CheckTexts.h"

namespace qingtan {

void ComposeReport(CheckState& state, const CategoryTicks& ticked, const ShowStatusFn& showStatus) {
    for (const Category category : kAllCategories) {
        if (!ticked[IndexOf(category)]) {
            continue;
        }
        const AnsiText& findings = state.findingSet(category);
        AnsiText section =
            findings.empty() ? NothingFoundText(category) : FoundHeading(category) + findings + "\r\n\r\n\r\n";
        if (category == Category::Uncivil) {
            state.checkReport = std::move(section);
        } else {
            state.checkReport += section;
        }
    }
    showStatus(CheckCompletedText(), kBlack);
}

void ResetCheckState(CheckState& state) {
    for (AnsiText& findings : state.findingSets) {
        findings.clear();
    }
    state.currentTitle.clear();
    state.checkReport.clear();
    state.occurrences.clear();
    state.variants.clear();
}

} // namespace qingtan
