#include "SymbolAutomaton.h"

#include <algorithm>

namespace qingtan {
namespace {

constexpr std::uint32_t kNoPattern = UINT32_MAX;

} // namespace

void SymbolAutomaton::build(std::span<const std::uint16_t> symbols, std::span<const std::uint32_t> begins) {
    const std::size_t keyCount = begins.empty() ? 0 : begins.size() - 1;

    // Dense ids in symbol order, so that sorting by id sorts by symbol. Code page 936 has far fewer than 65,535
    // characters, and the normalised forms of its words no more.
    std::vector<std::uint16_t> symbolId(0x10000, 0);
    for (const std::uint16_t symbol : symbols) {
        symbolId[symbol] = 1;
    }
    std::uint16_t idCount = 0;
    std::vector<std::uint16_t> symbolOf{0};
    for (std::size_t symbol = 0; symbol < symbolId.size(); ++symbol) {
        if (symbolId[symbol] != 0) {
            symbolId[symbol] = ++idCount;
            symbolOf.push_back(static_cast<std::uint16_t>(symbol));
        }
    }
    std::vector<std::uint16_t> ids(symbols.size());
    std::transform(symbols.begin(), symbols.end(), ids.begin(), [&symbolId](std::uint16_t s) { return symbolId[s]; });

    // Keys sorted by their ids, ties in given order: a counting sort by the first id, then a comparison sort of each
    // bucket, which is small, over the rest.
    std::vector<std::uint32_t> bucketBegin(std::size_t{idCount} + 2, 0);
    for (std::size_t k = 0; k < keyCount; ++k) {
        ++bucketBegin[ids[begins[k]] + 1u];
    }
    for (std::size_t b = 1; b < bucketBegin.size(); ++b) {
        bucketBegin[b] += bucketBegin[b - 1];
    }
    std::vector<std::uint32_t> order(keyCount);
    {
        std::vector<std::uint32_t> fill(bucketBegin.begin(), bucketBegin.end() - 1);
        for (std::uint32_t k = 0; k < keyCount; ++k) {
            order[fill[ids[begins[k]]]++] = k;
        }
    }
    const auto keyLess = [&](std::uint32_t a, std::uint32_t b) {
        const auto aFirst = ids.begin() + begins[a];
        const auto bFirst = ids.begin() + begins[b];
        const auto aLast = ids.begin() + begins[a + 1];
        const auto bLast = ids.begin() + begins[b + 1];
        const auto [aStop, bStop] = std::mismatch(aFirst, aLast, bFirst, bLast);
        if (aStop == aLast) {
            return bStop != bLast || a < b;
        }
        return bStop != bLast && (*aStop < *bStop);
    };
    for (std::size_t b = 1; b + 1 < bucketBegin.size(); ++b) {
        if (bucketBegin[b + 1] - bucketBegin[b] > 1) {
            std::sort(order.begin() + bucketBegin[b], order.begin() + bucketBegin[b + 1], keyLess);
        }
    }

    // Equal keys stand together: each run is one pattern, its keys in given order.
    const auto sameKey = [&](std::uint32_t a, std::uint32_t b) {
        return std::equal(ids.begin() + begins[a], ids.begin() + begins[a + 1], ids.begin() + begins[b],
                          ids.begin() + begins[b + 1]);
    };
    std::vector<std::uint32_t> patternKey; // a key of each pattern, in sorted order
    m_keyBegin.clear();
    m_patternLength.clear();
    for (std::size_t i = 0; i < keyCount; ++i) {
        if (i == 0 || !sameKey(order[i], order[i - 1])) {
            patternKey.push_back(order[i]);
            m_keyBegin.push_back(static_cast<std::uint32_t>(i));
            m_patternLength.push_back(begins[order[i] + 1] - begins[order[i]]);
        }
    }
    m_keyBegin.push_back(static_cast<std::uint32_t>(keyCount));
    m_keys = std::move(order);

    m_rootChild.assign(0x10000, kRoot);
    buildTrie(ids, symbolOf, std::vector<std::uint32_t>(begins.begin(), begins.end()), patternKey);
    buildFailureLinks();
    m_rootChildCount = m_nodes[kRoot].childCount;

    // About 32 bits of filter per pattern keep false passes to a few in a hundred; at most 2^22 bits (512 KiB).
    m_hashBits = 7;
    while (m_hashBits < 11 && (std::size_t{1} << (2 * m_hashBits)) < patternKey.size() * 32) {
        ++m_hashBits;
    }
    const std::size_t row = std::size_t{1} << m_hashBits; // the bits of one first symbol, whole words
    m_pairs.assign(row * row / 64, 0);
    const PairFilter filter = pairFilter();
    m_single.assign(0x10000 / 64, 0);
    for (const std::uint32_t key : patternKey) {
        const std::uint16_t first = symbols[begins[key]];
        if (begins[key + 1] - begins[key] == 1) {
            m_single[first >> 6] |= std::uint64_t{1} << (first & 63);
            // Whatever follows a one-symbol pattern, the scan must stop there.
            std::fill_n(m_pairs.begin() + static_cast<std::ptrdiff_t>(filter.hash(first) * row / 64), row / 64,
                        ~std::uint64_t{0});
            continue;
        }
        const std::uint32_t bit = filter.hash(first) << m_hashBits | filter.hash(symbols[begins[key] + 1]);
        m_pairs[bit >> 6] |= std::uint64_t{1} << (bit & 63);
    }
}

// Builds the trie level by level from the sorted patterns: the patterns below a node form one consecutive range,
// and its children split that range by the id at the node's depth, so each node's children get consecutive ids.
void SymbolAutomaton::buildTrie(const std::vector<std::uint16_t>& ids, const std::vector<std::uint16_t>& symbolOf,
                                const std::vector<std::uint32_t>& begins,
                                const std::vector<std::uint32_t>& patternKey) {
    struct Pending {
        State node;
        std::uint32_t begin;
        std::uint32_t end;
    };
    const auto idAt = [&](std::uint32_t pattern, std::uint32_t depth) {
        return ids[begins[patternKey[pattern]] + depth];
    };

    m_nodes.assign(1, Node{});
    m_label.assign(1, 0);
    m_pattern.assign(1, kNoPattern);
    std::vector<Pending> level{{kRoot, 0, static_cast<std::uint32_t>(patternKey.size())}};
    std::vector<Pending> next;
    for (std::uint32_t depth = 0; !level.empty(); ++depth) {
        next.clear();
        for (const Pending& pending : level) {
            std::uint32_t i = pending.begin;
            // Sorted order puts the pattern that ends here first in its range.
            if (i < pending.end && m_patternLength[i] == depth) {
                m_pattern[pending.node] = i;
                ++i;
            }
            m_nodes[pending.node].firstChild = static_cast<std::uint32_t>(m_nodes.size());
            while (i < pending.end) {
                const std::uint16_t id = idAt(i, depth);
                std::uint32_t groupEnd = i + 1;
                while (groupEnd < pending.end && idAt(groupEnd, depth) == id) {
                    ++groupEnd;
                }
                const State node = static_cast<State>(m_nodes.size());
                m_nodes.push_back(Node{});
                m_label.push_back(symbolOf[id]);
                m_pattern.push_back(kNoPattern);
                next.push_back({node, i, groupEnd});
                Node& parent = m_nodes[pending.node];
                if (parent.childCount++ == 0) {
                    parent.firstLabel = symbolOf[id];
                }
                i = groupEnd;
            }
        }
        std::swap(level, next);
    }
    const Node& root = m_nodes[kRoot];
    for (State c = root.firstChild; c < root.firstChild + root.childCount; ++c) {
        m_rootChild[m_label[c]] = c;
    }
}

// Breadth-first ids mean every node's failure target, being shallower, is finished before the node itself.
void SymbolAutomaton::buildFailureLinks() {
    m_nextOutput.assign(m_nodes.size(), kRoot);
    for (State node = 0; node < m_nodes.size(); ++node) {
        const Node parent = m_nodes[node];
        for (State c = parent.firstChild; c < parent.firstChild + parent.childCount; ++c) {
            State target = kRoot;
            if (node != kRoot) {
                for (State fallback = parent.fail;; fallback = m_nodes[fallback].fail) {
                    target = fallback == kRoot ? m_rootChild[m_label[c]] : child(fallback, m_label[c]);
                    if (target != kRoot || fallback == kRoot) {
                        break;
                    }
                }
            }
            Node& n = m_nodes[c];
            n.fail = target;
            const State inherited = m_nodes[target].output;
            if (m_pattern[c] != kNoPattern) {
                n.output = c;
                m_nextOutput[c] = inherited;
            } else {
                n.output = inherited;
            }
        }
    }
}

} // namespace qingtan
