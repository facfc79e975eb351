#include "WordMatcher.h"

#include "TextUtilities.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

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
    // Gather the distinct words and, for each, the list entries that hold it.
    std::unordered_map<std::string_view, std::uint32_t> patternIds;
    std::vector<std::string_view> patterns;
    std::vector<std::vector<Entry>> entriesPerPattern;
    for (const Category category : kAllCategories) {
        const WordList& words = library[category];
        for (std::size_t index = 0; index < words.size(); ++index) {
            if (words[index].empty()) {
                continue; // an empty word never matches
            }
            const auto [it, added] = patternIds.try_emplace(words[index], static_cast<std::uint32_t>(patterns.size()));
            if (added) {
                patterns.push_back(words[index]);
                entriesPerPattern.emplace_back();
            }
            entriesPerPattern[it->second].push_back({category, static_cast<std::uint32_t>(index)});
        }
    }
    m_entryBegin.reserve(patterns.size() + 1);
    for (const auto& entries : entriesPerPattern) {
        m_entryBegin.push_back(static_cast<std::uint32_t>(m_entries.size()));
        m_entries.insert(m_entries.end(), entries.begin(), entries.end());
    }
    m_entryBegin.push_back(static_cast<std::uint32_t>(m_entries.size()));

    buildTrie(std::move(patterns));
    buildFailureLinks();
}

// Builds the trie level by level from the sorted words: the words below a node form one consecutive range, and its
// children split that range by the byte at the node's depth, so each node's children get consecutive ids.
void WordMatcher::buildTrie(std::vector<std::string_view> patterns) {
    std::vector<std::uint32_t> order(patterns.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return patterns[a] < patterns[b]; });

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

    std::vector<Pending> level{{kRoot, 0, order.size()}};
    std::vector<Pending> next;
    for (std::uint32_t depth = 0; !level.empty(); ++depth) {
        next.clear();
        for (const Pending& pending : level) {
            std::size_t i = pending.begin;
            // Sorted order puts the word that ends here first in its range.
            if (i < pending.end && patterns[order[i]].size() == depth) {
                m_pattern[pending.node] = order[i];
                ++i;
            }
            m_firstChild[pending.node] = static_cast<NodeId>(m_label.size());
            while (i < pending.end) {
                const unsigned char byte = static_cast<unsigned char>(patterns[order[i]][depth]);
                std::size_t groupEnd = i + 1;
                while (groupEnd < pending.end && static_cast<unsigned char>(patterns[order[groupEnd]][depth]) == byte) {
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
    const auto first = m_label.begin() + m_firstChild[node];
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

TitleMatches WordMatcher::match(std::string_view title) const {
    std::vector<std::uint32_t> found;
    scan(title, [&found](std::uint32_t pattern, std::size_t) { found.push_back(pattern); });
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());

    TitleMatches matches;
    for (const std::uint32_t pattern : found) {
        for (std::uint32_t e = m_entryBegin[pattern]; e < m_entryBegin[pattern + 1]; ++e) {
            matches[IndexOf(m_entries[e].category)].push_back(m_entries[e].index);
        }
    }
    for (auto& entries : matches) {
        std::sort(entries.begin(), entries.end());
    }
    return matches;
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

} // namespace qingtan
