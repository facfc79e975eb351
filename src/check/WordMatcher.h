#pragma once

#include "MatchScratch.h"
#include "SymbolAutomaton.h"
#include "VariantMatcher.h"
#include "VariantNormalizer.h"
#include "WordLibrary.h"
#include "WordOccurrence.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace qingtan {

// Finds the words of a loaded library in titles with one pass over the title, whatever the size of the library
// (an Aho-Corasick automaton over the title's GBK characters). A word counts only where it begins at a character of
// the title. Built with a normaliser, it also finds the words' variants. The library and the normaliser must
// outlive the matcher.
class WordMatcher {
public:
    explicit WordMatcher(const WordLibrary& library, const VariantNormalizer* normalizer = nullptr);

    const WordLibrary& library() const { return m_library; }

    // Every occurrence of every word, ordered by where it ends in the title; an entry that stands in several
    // categories, or twice in one list, is listed once per entry.
    std::vector<WordOccurrence> occurrences(std::string_view title) const;

    // The same occurrences, and the entries found, into `scratch`; allocates nothing once the scratch has grown.
    void match(std::string_view title, MatchScratch& scratch) const;

    bool findsVariants() const { return m_variants.has_value(); }

    // After match(gbkTitle, scratch): the variant findings of `title`, the same title as the title box holds it,
    // into scratch's variants. Finds nothing unless the matcher was built with a normaliser.
    void findVariants(std::u16string_view title, std::string_view gbkTitle, MatchScratch& scratch) const;

private:
    struct Entry {
        Category category;
        std::uint32_t index;
    };

    template <typename OnMatch>
    void scan(std::string_view title, MatchScratch& scratch, OnMatch&& onMatch) const;
    void record(std::uint32_t key, std::size_t start, MatchScratch& scratch) const;

    const WordLibrary& m_library;
    std::vector<Entry> m_entries; // one per key of the automaton
    SymbolAutomaton m_automaton;
    // Words that end inside a character, which only a damaged library has: searched one by one.
    std::vector<Entry> m_brokenWords;
    std::optional<VariantMatcher> m_variants;
};

} // namespace qingtan
