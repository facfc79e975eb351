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
        for (;;) {
            if (state == kRoot) {
                return m_rootChild[symbol];
            }
            if (const State next = child(state, symbol); next != kRoot) {
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

    // Whether a pattern may begin with a symbol followed by another, or the first alone is one. Most symbols of a
    // title begin no pattern together with the symbol after them: the filter, a bit per pair of hashed symbols,
    // tells those apart without a branch, so that the automaton needs to run only where something may begin.
    // A copy, so that a scan keeps it in registers.
    struct PairFilter {
        const std::uint64_t* bits;
        unsigned hashBits;

        std::uint32_t hash(std::uint16_t symbol) const {
            return (std::uint32_t{symbol} * 0x9E3779B1u) >> (32 - hashBits); // Fibonacci hashing
        }
        std::uint32_t mayBegin(std::uint32_t firstHash, std::uint32_t secondHash) const {
            const std::uint32_t bit = firstHash << hashBits | secondHash;
            return static_cast<std::uint32_t>(bits[bit >> 6] >> (bit & 63)) & 1u;
        }
    };
    PairFilter pairFilter() const { return {m_pairs.data(), m_hashBits}; }
    std::uint32_t mayBegin(std::uint16_t first, std::uint16_t second) const {
        const PairFilter filter = pairFilter();
        return filter.mayBegin(filter.hash(first), filter.hash(second));
    }
    // Whether `symbol` alone is a pattern: the filter of the last symbol, which has none after it.
    std::uint32_t isSingle(std::uint16_t symbol) const {
        return static_cast<std::uint32_t>(m_single[symbol >> 6] >> (symbol & 63)) & 1u;
    }

    // Fills `marks` with the places of symbols[0, count) that pass the filter and returns how many there are;
    // `marks` must hold `count` places.
    std::size_t markBeginnings(const std::uint16_t* symbols, std::size_t count, std::uint32_t* marks) const {
        const PairFilter filter = pairFilter();
        std::size_t marked = 0;
        std::uint32_t hash = count > 0 ? filter.hash(symbols[0]) : 0;
        for (std::size_t i = 0; i + 1 < count; ++i) {
            const std::uint32_t next = filter.hash(symbols[i + 1]);
            marks[marked] = static_cast<std::uint32_t>(i);
            marked += filter.mayBegin(hash, next);
            hash = next;
        }
        if (count > 0) {
            marks[marked] = static_cast<std::uint32_t>(count - 1);
            marked += isSingle(symbols[count - 1]);
        }
        return marked;
    }

    // Calls onMatch(pattern, end) for every pattern that ends in symbols[0, count), `end` being the index after
    // its last symbol; ordered by end, longest first. The automaton runs from each of the `marked` places that
    // passed the filter, in order. Between them the state is the root: where no pattern begins with a symbol and
    // the one after it, the state after the second is the one reached from the root, and nothing ends in between.
    template <typename OnMatch>
    void scan(const std::uint16_t* symbols, std::size_t count, const std::uint32_t* marks, std::size_t marked,
              OnMatch&& onMatch) const {
        std::size_t pos = 0;
        for (std::size_t m = 0; m < marked; ++m) {
            if (marks[m] < pos) {
                continue; // read already by the run from an earlier place
            }
            pos = marks[m];
            State state = kRoot;
            do {
                state = step(state, symbols[pos]);
                ++pos;
                forEachMatch(state, [&](std::uint32_t pattern) { onMatch(pattern, pos); });
                if (state - 1 < m_rootChildCount && pos < count && !mayBegin(symbols[pos - 1], symbols[pos])) {
                    state = kRoot; // a node right below the root whose pair begins nothing
                }
            } while (state != kRoot && pos < count);
        }
    }

private:
    struct Node {
        std::uint32_t firstChild = 0; // children are consecutive and sorted by their symbol
        std::uint16_t childCount = 0; // at most one per distinct symbol
        std::uint16_t firstLabel = 0; // the symbol into the first child, which most nodes of a large library have alone
        State fail = kRoot;
        State output = kRoot; // this node if a pattern ends here, else the nearest such node on the failure chain
    };

    State child(State node, std::uint16_t symbol) const {
        const Node& n = m_nodes[node];
        if (n.childCount == 0 || symbol < n.firstLabel) {
            return kRoot;
        }
        if (symbol == n.firstLabel) {
            return n.firstChild;
        }
        const std::uint16_t* labels = m_label.data() + n.firstChild;
        std::uint32_t low = 1;
        std::uint32_t high = n.childCount;
        while (low < high) {
            const std::uint32_t mid = (low + high) / 2;
            if (labels[mid] < symbol) {
                low = mid + 1;
            } else {
                high = mid;
            }
        }
        return (low < n.childCount && labels[low] == symbol) ? n.firstChild + low : kRoot;
    }

    void buildTrie(const std::vector<std::uint16_t>& ids, const std::vector<std::uint16_t>& symbolOf,
                   const std::vector<std::uint32_t>& begins, const std::vector<std::uint32_t>& patternKey);
    void buildFailureLinks();

    std::vector<std::uint64_t> m_pairs; // per pair of hashed symbols, whether a pattern may begin with it
    unsigned m_hashBits = 7;
    std::vector<std::uint64_t> m_single; // per symbol, whether it alone is a pattern
    std::uint32_t m_rootChildCount = 0;
    std::vector<State> m_rootChild;       // per symbol
    std::vector<Node> m_nodes;            // breadth-first order
    std::vector<std::uint16_t> m_label;   // per node, the symbol on the edge into it
    std::vector<std::uint32_t> m_pattern; // per node, the pattern that ends here
    std::vector<State> m_nextOutput;      // per node with a pattern, the next such node on its failure chain

    std::vector<std::uint32_t> m_keyBegin; // per pattern, into m_keys; one extra at the end
    std::vector<std::uint32_t> m_keys;
    std::vector<std::uint32_t> m_patternLength; // in symbols
};

} // namespace qingtan
