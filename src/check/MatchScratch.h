#pragma once

#include "VariantFinding.h"
#include "VariantNormalizer.h"
#include "WordOccurrence.h"

#include <cstdint>
#include <vector>

namespace qingtan {

// The working memory of WordMatcher, reused from title to title: once it has grown to the titles' size, matching a
// title allocates nothing. One per thread.
class MatchScratch {
public:
    // Every occurrence of every word in the last title matched, ordered by where it ends.
    const std::vector<WordOccurrence>& occurrences() const { return m_occurrences; }
    // Per category, the entries found in it, in word-list order, once per list entry.
    const TitleMatches& found() const { return m_found; }
    // The variant findings of the last title given to WordMatcher::findVariants.
    const std::vector<VariantFinding>& variants() const { return m_variants; }

private:
    friend class WordMatcher;
    friend class VariantMatcher;

    std::vector<WordOccurrence> m_occurrences;
    TitleMatches m_found;
    std::vector<std::uint32_t> m_foundPatterns;
    std::vector<std::uint16_t> m_symbols;     // the title's characters as the automaton reads them
    std::vector<std::uint32_t> m_symbolStart; // where each begins in the title, and one past the last
    std::vector<std::uint32_t> m_candidates;

    std::vector<VariantFinding> m_variants;
    NormalizedText m_normalized;
    std::vector<std::uint32_t> m_gbkOffset;   // per UTF-16 unit of the title, where its character begins in GBK
    std::vector<std::uint32_t> m_nextChanged; // per normalised symbol, the first changed one at or after it
};

} // namespace qingtan
