#pragma once

#include "WordLibrary.h"
#include "WordOccurrence.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace qingtan {

// Finds the words of a loaded library in titles with one pass over the title, whatever the size of the library
// (an Aho-Corasick automaton over the GBK bytes). A word counts only where it begins at a character of the title.
// The library must outlive the matcher.
class WordMatcher {
public:
    explicit WordMatcher(const WordLibrary& library);

    const WordLibrary& library() const { return m_library; }

    // Every occurrence of every word, ordered by where it ends in the title; an entry that stands in several
    // categories, or twice in one list, is listed once per entry.
    std::vector<WordOccurrence> occurrences(std::string_view title) const;

private:
    using NodeId = std::uint32_t;
    static constexpr NodeId kRoot = 0;
    static constexpr std::uint32_t kNoPattern = UINT32_MAX;

    struct Entry {
        Category category;
        std::uint32_t index;
    };

    NodeId child(NodeId node, unsigned char byte) const;
    void buildTrie(const std::vector<std::string_view>& patterns);
    void buildFailureLinks();
    template <typename OnMatch>
    void scan(std::string_view title, OnMatch&& onMatch) const;

    const WordLibrary& m_library;

    // The word-list entries grouped by distinct word (a pattern); each group is in list order.
    std::vector<std::uint32_t> m_entryBegin; // per pattern, into m_entries; one extra at the end
    std::vector<Entry> m_entries;

    // Trie nodes in breadth-first order; the children of a node are consecutive and sorted by their byte.
    std::array<NodeId, 256> m_rootChild{};
    std::vector<NodeId> m_firstChild;
    std::vector<std::uint16_t> m_childCount;
    std::vector<unsigned char> m_label;
    std::vector<std::uint32_t> m_depth;
    std::vector<NodeId> m_fail;
    std::vector<std::uint32_t> m_pattern; // the distinct word that ends here, or kNoPattern
    std::vector<NodeId> m_outputLink;     // the nearest node on the failure chain where a word ends, or kRoot
};

} // namespace qingtan
