#pragma once

#include "MatchScratch.h"
#include "SymbolAutomaton.h"
#include "VariantNormalizer.h"
#include "WordLibrary.h"

#include <string_view>
#include <vector>

namespace qingtan {

// Finds the library's words written as variants: the words are normalised once, here, and matched in the
// normalised title by one automaton; what it finds is traced back to the title in code page 936.
class VariantMatcher {
public:
    // Both must outlive the matcher.
    VariantMatcher(const WordLibrary& library, const VariantNormalizer& normalizer);

    // Fills scratch's variants for `title` (as the title box holds it), whose form in code page 936 is `gbkTitle`
    // and whose exact occurrences are scratch's occurrences; ordered by category, entry and span.
    void find(std::u16string_view title, std::string_view gbkTitle, MatchScratch& scratch) const;

private:
    struct Entry {
        Category category;
        std::uint32_t index;
    };
    struct Words {
        std::vector<Entry> entries; // one per key of the automaton
        SymbolAutomaton automaton;
    };

    void mapToGbk(std::u16string_view title, std::string_view gbkTitle, std::vector<std::uint32_t>& offsets) const;
    bool coveredByExact(const MatchScratch& scratch, const Entry& entry, std::size_t begin, std::size_t end) const;
    void findWords(const Words& words, std::size_t marked, std::u16string_view title, std::string_view gbkTitle,
                   MatchScratch& scratch, bool& mapped) const;

    const WordLibrary& m_library;
    const VariantNormalizer& m_normalizer;
    // A word that normalising leaves as it is and that code page 936 gives back byte for byte (most words of a
    // library) can be a variant only where normalising changed the title: anywhere else it stands there exactly.
    // Such plain words are matched near the changed places alone, the others everywhere.
    Words m_plain;
    std::size_t m_plainLongest = 0; // in symbols
    Words m_other;
};

} // namespace qingtan
