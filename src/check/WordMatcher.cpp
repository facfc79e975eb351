#include "WordMatcher.h"

#include "TextUtilities.h"

#include <algorithm>

namespace qingtan {
namespace {

// Character starts of the title: a byte of 0x80 or more begins a two-byte character.
std::vector<char> characterStarts(std::string_view title) {
    std::vector<char> starts(title.size(), 0);
    for (std::size_t pos = 0; pos < title.size(); pos += CharacterLength(title, pos)) {
        starts[pos] = 1;
    }
    return starts;
}

} // namespace

WordMatcher::WordMatcher(const WordLibrary& library) : m_library(library) {
    // Every non-empty list entry, then sorted by its word: equal words stand together, each run in list order
    // (the sort is stable), and the runs come in the order the trie is built in.
    std::vector<Entry> entries;
    for (const Category category : kAllCategories) {
        const WordList& words = library[category];
        for (std::size_t index = 0; index < words.size(); ++index) {
            if (!words[index].empty()) { // an empty word never matches
                entries.push_back({category, static_cast<std::uint32_t>(index)});
            }
        }
    }
    const auto word = [&library](const Entry& entry) -> std::string_view {
        return library[entry.category][entry.index];
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&word](const Entry& a, const Entry& b) { return word(a) < word(b); });

    std::vector<std::string_view> patterns;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i == 0 || word(entries[i]) != word(entries[i - 1])) {
            patterns.push_back(word(entries[i]));
            m_entryBegin.push_back(static_cast<std::uint32_t>(i));
        }
    }
    m_entryBegin.push_back(static_cast<std::uint32_t>(entries.size()));
    m_entries = std::move(entries);

    buildTrie(patterns);
    buildFailureLinks();
}

// Builds the trie level by level from the sorted distinct words: the words below a node form one consecutive range,
// and its children split that range by the byte at the node's depth, so each node's children get consecutive ids.
void WordMatcher::buildTrie(const std::vector<std::string_view>& patterns) {
    struct Pending {
        NodeId node;
        std::size_t begin;
        std::size_t end;
    };
    auto addNode = [this](unsigned char label, std::uint32_t depth) {
        m_firstChild.push_back(0);
        m_childCount.push_back(0);
        m_label.push_back(label);
        m_depth.push_back(depth);
        m_pattern.push_back(kNoPattern);
        return static_cast<NodeId>(m_label.size() - 1);
    };
    addNode(0, 0);

    std::vector<Pending> level{{kRoot, 0, patterns.size()}};
    std::vector<Pending> next;
    for (std::uint32_t depth = 0; !level.empty(); ++depth) {
        next.clear();
        for (const Pending& pending : level) {
            std::size_t i = pending.begin;
            // Sorted order puts the word that ends here first in its range.
            if (i < pending.end && patterns[i].size() == depth) {
                m_pattern[pending.node] = static_cast<std::uint32_t>(i);
                ++i;
            }
            m_firstChild[pending.node] = static_cast<NodeId>(m_label.size());
            while (i < pending.end) {
                const unsigned char byte = static_cast<unsigned char>(patterns[i][depth]);
                std::size_t groupEnd = i + 1;
                while (groupEnd < pending.end && static_cast<unsigned char>(patterns[groupEnd][depth]) == byte) {
                    ++groupEnd;
                }
                next.push_back({addNode(byte, depth + 1), i, groupEnd});
                ++m_childCount[pending.node];
                i = groupEnd;
            }
        }
        std::swap(level, next);
    }
    for (NodeId c = m_firstChild[kRoot]; c < m_firstChild[kRoot] + m_childCount[kRoot]; ++c) {
        m_rootChild[m_label[c]] = c;
    }
}

WordMatcher::NodeId WordMatcher::child(NodeId node, unsigned char byte) const {
    if (node == kRoot) {
        return m_rootChild[byte];
    }
    const NodeId firstChild = m_firstChild[node];
    if (m_childCount[node] == 1) { // most nodes of a large library have one child
        return m_label[firstChild] == byte ? firstChild : kRoot;
    }
    const auto first = m_label.begin() + firstChild;
    const auto last = first + m_childCount[node];
    const auto hit = std::lower_bound(first, last, byte);
    return (hit != last && *hit == byte) ? static_cast<NodeId>(hit - m_label.begin()) : kRoot;
}

// Breadth-first ids mean every node's failure target, being shallower, is finished before the node itself.
void WordMatcher::buildFailureLinks() {
    m_fail.assign(m_label.size(), kRoot);
    m_outputLink.assign(m_label.size(), kRoot);
    for (NodeId node = 1; node < m_label.size(); ++node) {
        for (NodeId c = m_firstChild[node]; c < m_firstChild[node] + m_childCount[node]; ++c) {
            NodeId fallback = m_fail[node];
            NodeId target = child(fallback, m_label[c]);
            while (target == kRoot && fallback != kRoot) {
                fallback = m_fail[fallback];
                target = child(fallback, m_label[c]);
            }
            m_fail[c] = target;
            m_outputLink[c] = m_pattern[target] != kNoPattern ? target : m_outputLink[target];
        }
    }
}

// Calls onMatch(pattern, startByte) for every word that ends at each byte and begins at a character start.
template <typename OnMatch>
void WordMatcher::scan(std::string_view title, OnMatch&& onMatch) const {
    const std::vector<char> starts = characterStarts(title);
    NodeId state = kRoot;
    for (std::size_t pos = 0; pos < title.size(); ++pos) {
        const unsigned char byte = static_cast<unsigned char>(title[pos]);
        NodeId next = child(state, byte);
        while (next == kRoot && state != kRoot) {
            state = m_fail[state];
            next = child(state, byte);
        }
        state = next;
        for (NodeId out = m_pattern[state] != kNoPattern ? state : m_outputLink[state]; out != kRoot;
             out = m_outputLink[out]) {
            const std::size_t start = pos + 1 - m_depth[out];
            if (starts[start]) {
                onMatch(m_pattern[out], start);
            }
        }
    }
}

std::vector<WordOccurrence> WordMatcher::occurrences(std::string_view title) const {
    std::vector<WordOccurrence> result;
    scan(title, [&](std::uint32_t pattern, std::size_t start) {
        for (std::uint32_t e = m_entryBegin[pattern]; e < m_entryBegin[pattern + 1]; ++e) {
            result.push_back({m_entries[e].category, m_entries[e].index, start});
        }
    });
    return result;
}

TitleMatches FoundEntries(const std::vector<WordOccurrence>& occurrences) {
    TitleMatches matches;
    for (const WordOccurrence& occurrence : occurrences) {
        matches[IndexOf(occurrence.category)].push_back(occurrence.entry);
    }
    for (auto& entries : matches) {
        std::sort(entries.begin(), entries.end());
        entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    }
    return matches;
}

} // namespace qingtan
