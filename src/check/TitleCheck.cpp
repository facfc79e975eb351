#include "TitleCheck.h"

#include "CheckReport.h"
#include "CheckTexts.h"
#include "TextUtilities.h"

namespace qingtan {

bool RunCheck(CheckState& state, const WordMatcher& matcher, std::u16string_view title,
              const CategorySelection& selection, const ShowStatusFn& showStatus) {
    if (title.empty() || title == AnsiToWide(TitlePlaceholderText())) {
        showStatus(NothingEnteredText(), kRed);
        return false;
    }
    // Every accepted check starts afresh, so a check made while a report is open never reports an earlier title.
    ResetCheckState(state);
    state.currentTitle = WideToOemText(title);
    const auto checked = [&selection](Category category) {
        return selection.checkAll || selection.ticked[IndexOf(category)];
    };
    // Working memory kept per thread, so that checking a title allocates nothing for matching once a title as long
    // has been checked.
    thread_local MatchScratch scratch;
    matcher.match(state.currentTitle, scratch);
    for (const WordOccurrence& occurrence : scratch.occurrences()) {
        if (checked(occurrence.category)) {
            state.occurrences.push_back(occurrence);
        }
    }
    if (matcher.findsVariants()) {
        matcher.findVariants(title, state.currentTitle, scratch);
        for (const VariantFinding& variant : scratch.variants()) {
            if (checked(variant.category)) {
                state.variants.push_back(variant);
            }
        }
    }
    for (const Category category : kAllCategories) {
        if (checked(category)) {
            MatchCategory(state, matcher, scratch.found(), category);
        }
    }
    return true;
}

void MatchCategory(CheckState& state, const WordMatcher& matcher, const TitleMatches& matches, Category category) {
    AnsiText& findings = state.findingSet(category);
    const WordList& words = matcher.library()[category];
    for (const std::size_t entry : matches[IndexOf(category)]) {
        if (!findings.empty()) {
            findings += " | ";
        }
        findings += words[entry];
    }
}

} // namespace qingtan
