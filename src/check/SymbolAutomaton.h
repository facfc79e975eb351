#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qingtan {

// An Aho-Corasick automaton over 16-bit symbols: whole GBK characters for the exact check, UTF-16 units of the
// normalised title for variants. Built from keys (symbol sequences that may repeat); equal keys share one pattern,
// which lists its keys in the order they were given. A symbol that no key holds sends the scan back to the root.
class SymbolAutomaton {
public:
    using State = std::uint32_t;
    static constexpr State kRoot = 0;

    SymbolAutomaton() = default;

    // Key k is symbols[begins[k], begins[k + 1]); begins has one more member than there are keys. Keys must not be
    // empty.
    void build(std::span<const std::uint16_t> symbols, std::span<const std::uint32_t> begins);

    std::size_t patternCount() const { return m_keyBegin.empty() ? 0 : m_keyBegin.size() - 1; }
    std::size_t nodeCount() const { return m_nodes.size(); }

    // The keys of a pattern, in the order they were given.
    std::span<const std::uint32_t> keysOf(std::uint32_t pattern) const {
        return {m_keys.data() + m_keyBegin[pattern], m_keys.data() + m_keyBegin[pattern + 1]};
    }
    std::uint32_t lengthOf(std::uint32_t pattern) const { return m_patternLength[pattern]; }

    // The state after reading `symbol`. Inline: this is the scan's inner loop.
    State step(State state, std::uint16_t symbol) const {
        const std::uint16_t id = m_symbolId[symbol];
        if (id == 0) {
            return kRoot;
        }
        for (;;) {
            if (state == kRoot) {
                return m_rootChild[id];
            }
            if (const State next = child(state, id); next != kRoot) {
                return next;
            }
            state = m_nodes[state].fail;
        }
    }

    // Calls onMatch(pattern) for every pattern that ends in `state`, longest first.
    template <typename OnMatch>
    void forEachMatch(State state, OnMatch&& onMatch) const {
        for (State out = m_nodes[state].output; out != kRoot; out = m_nextOutput[out]) {
            onMatch(m_pattern[out]);
        }
    }

private:
    struct Node {
        std::uint32_t firstChild = 0; // children are consecutive and sorted by their symbol id
        std::uint32_t childCount = 0;
        State fail = kRoot;
        State output = kRoot; // this node if a pattern ends here, else the nearest such node on the failure chain
    };

    State child(State node, std::uint16_t id) const {
        const Node& n = m_nodes[node];
        const std::uint16_t* first = m_label.data() + n.firstChild;
        if (n.childCount <= 1) { // most nodes of a large library have one child
            return (n.childCount == 1 && *first == id) ? n.firstChild : kRoot;
        }
        std::uint32_t low = 0;
        std::uint32_t high = n.childCount;
        while (low < high) {
            const std::uint32_t mid = (low + high) / 2;
            if (first[mid] < id) {
                low = mid + 1;
            } else {
                high = mid;
            }
        }
        return (low < n.childCount && first[low] == id) ? n.firstChild + low : kRoot;
    }

    void buildTrie(const std::vector<std::uint16_t>& ids, const std::vector<std::uint32_t>& begins,
                   const std::vector<std::uint32_t>& patternKey);
    void buildFailureLinks();

    std::vector<std::uint16_t> m_symbolId; // per symbol, its dense id; 0 for a symbol that no key holds
    std::vector<State> m_rootChild;        // per symbol id
    std::vector<Node> m_nodes;             // breadth-first order
    std::vector<std::uint16_t> m_label;    // per node, the symbol id on the edge into it
    std::vector<std::uint32_t> m_pattern;  // per node, the pattern that ends here
    std::vector<State> m_nextOutput;       // per node with a pattern, the next such node on its failure chain

    std::vector<std::uint32_t> m_keyBegin; // per pattern, into m_keys; one extra at the end
    std::vector<std::uint32_t> m_keys;
    std::vector<std::uint32_t> m_patternLength; // in symbols
};

} // namespace qingtan
