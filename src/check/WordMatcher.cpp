#include "WordMatcher.h"

#include "TextUtilities.h"

#include <algorithm>

namespace qingtan {

WordMatcher::WordMatcher(const WordLibrary& library, const VariantNormalizer* normalizer) : m_library(library) {
    // Each word as a sequence of symbols, one per GBK character: a lead byte and its trail byte make one symbol,
    // any other byte one of its own, as in titles.
    std::vector<std::uint16_t> symbols;
    std::vector<std::uint32_t> begins{0};
    std::size_t bytes = 0;
    for (const WordList& words : library.lists) {
        for (const AnsiText& word : words) {
            bytes += word.size();
        }
    }
    symbols.reserve(bytes);
    for (const Category category : kAllCategories) {
        const WordList& words = library[category];
        for (std::size_t index = 0; index < words.size(); ++index) {
            const std::string_view word = words[index];
            if (word.empty()) { // an empty word never matches
                continue;
            }
            const std::size_t mark = symbols.size();
            std::size_t pos = 0;
            while (pos < word.size() && !(IsLeadByte(word[pos]) && pos + 1 == word.size())) {
                const auto byte = static_cast<unsigned char>(word[pos]);
                if (IsLeadByte(word[pos])) {
                    symbols.push_back(
                        static_cast<std::uint16_t>(byte << 8 | static_cast<unsigned char>(word[pos + 1])));
                    pos += 2;
                } else {
                    symbols.push_back(byte);
                    pos += 1;
                }
            }
            const Entry entry{category, static_cast<std::uint32_t>(index)};
            if (pos < word.size()) {
                m_brokenWords.push_back(entry);
                symbols.resize(mark);
                continue;
            }
            begins.push_back(static_cast<std::uint32_t>(symbols.size()));
            m_entries.push_back(entry);
        }
    }
    m_automaton.build(symbols, begins);
    if (normalizer != nullptr) {
        m_variants.emplace(library, *normalizer);
    }
}

// Calls onMatch(pattern, startByte) for every word that ends at each character of the title. Reading the title
// character by character means every word found begins where a character begins.
// Calls onMatch(pattern, startByte) for every word that ends at each character of the title. Reading the title
// character by character means every word found begins where a character begins.
template <typename OnMatch>
void WordMatcher::scan(std::string_view title, MatchScratch& scratch, OnMatch&& onMatch) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(title.data());
    const std::size_t size = title.size();
    if (scratch.m_symbols.size() < size + 1) {
        scratch.m_symbols.resize(size + 1);
        scratch.m_symbolStart.resize(size + 1);
        scratch.m_candidates.resize(size + 1);
    }
    std::uint16_t* const symbols = scratch.m_symbols.data();
    std::uint32_t* const starts = scratch.m_symbolStart.data();
    std::uint32_t* const marks = scratch.m_candidates.data();
    // One pass reads the characters and marks where the automaton has to run.
    const SymbolAutomaton::PairFilter filter = m_automaton.pairFilter();
    std::size_t count = 0;
    std::size_t marked = 0;
    std::uint32_t previousHash = 0;
    for (std::size_t pos = 0; pos < size; ++count) {
        const unsigned byte = bytes[pos];
        const bool pair = byte - 0x81u < 0x7Eu && pos + 1 < size;
        const auto symbol = static_cast<std::uint16_t>(pair ? (byte << 8 | bytes[pos + 1]) : byte);
        symbols[count] = symbol;
        starts[count] = static_cast<std::uint32_t>(pos);
        pos += pair ? 2 : 1;
        const std::uint32_t hash = filter.hash(symbol);
        if (count > 0) {
            marks[marked] = static_cast<std::uint32_t>(count - 1);
            marked += filter.mayBegin(previousHash, hash);
        }
        previousHash = hash;
    }
    starts[count] = static_cast<std::uint32_t>(size);
    if (count > 0) {
        marks[marked] = static_cast<std::uint32_t>(count - 1);
        marked += m_automaton.isSingle(symbols[count - 1]);
    }
    m_automaton.scan(symbols, count, marks, marked, [&](std::uint32_t pattern, std::size_t end) {
        onMatch(pattern, starts[end - m_automaton.lengthOf(pattern)]);
    });
}

void WordMatcher::match(std::string_view title, MatchScratch& scratch) const {
    scratch.m_occurrences.clear();
    for (auto& entries : scratch.m_found) {
        entries.clear();
    }
    scratch.m_foundPatterns.clear();
    scan(title, scratch, [&](std::uint32_t pattern, std::size_t start) {
        for (const std::uint32_t key : m_automaton.keysOf(pattern)) {
            scratch.m_occurrences.push_back({m_entries[key].category, m_entries[key].index, start});
        }
        scratch.m_foundPatterns.push_back(pattern);
    });
    // A title holds few words, so sorting what it holds is cheaper than marking what the library holds.
    std::sort(scratch.m_foundPatterns.begin(), scratch.m_foundPatterns.end());
    const auto last = std::unique(scratch.m_foundPatterns.begin(), scratch.m_foundPatterns.end());
    for (auto pattern = scratch.m_foundPatterns.begin(); pattern != last; ++pattern) {
        for (const std::uint32_t key : m_automaton.keysOf(*pattern)) {
            scratch.m_found[IndexOf(m_entries[key].category)].push_back(m_entries[key].index);
        }
    }

    if (!m_brokenWords.empty()) {
        const std::size_t scanned = scratch.m_occurrences.size();
        for (const Entry& entry : m_brokenWords) {
            const std::string_view word = m_library[entry.category][entry.index];
            const std::size_t before = scratch.m_occurrences.size();
            for (std::size_t at = FindAtCharacterStart(title, word); at != std::string_view::npos;
                 at = FindAtCharacterStart(title, word, at + CharacterLength(title, at))) {
                scratch.m_occurrences.push_back({entry.category, entry.index, at});
            }
            if (scratch.m_occurrences.size() != before) {
                scratch.m_found[IndexOf(entry.category)].push_back(entry.index);
            }
        }
        if (scratch.m_occurrences.size() != scanned) {
            std::stable_sort(scratch.m_occurrences.begin(), scratch.m_occurrences.end(),
                             [this](const WordOccurrence& a, const WordOccurrence& b) {
                                 return a.byteOffset + m_library[a.category][a.entry].size() <
                                        b.byteOffset + m_library[b.category][b.entry].size();
                             });
        }
    }
    for (auto& entries : scratch.m_found) {
        std::sort(entries.begin(), entries.end());
    }
}

std::vector<WordOccurrence> WordMatcher::occurrences(std::string_view title) const {
    MatchScratch scratch;
    match(title, scratch);
    return std::move(scratch.m_occurrences);
}

void WordMatcher::findVariants(std::u16string_view title, std::string_view gbkTitle, MatchScratch& scratch) const {
    if (m_variants) {
        m_variants->find(title, gbkTitle, scratch);
    } else {
        scratch.m_variants.clear();
    }
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
