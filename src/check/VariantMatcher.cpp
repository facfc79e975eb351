#include "VariantMatcher.h"

#include "GbkCodec.h"
#include "TextUtilities.h"

#include <algorithm>

namespace qingtan {

VariantMatcher::VariantMatcher(const WordLibrary& library, const VariantNormalizer& normalizer)
    : m_library(library), m_normalizer(normalizer) {
    std::vector<std::uint16_t> symbols[2];
    std::vector<std::uint32_t> begins[2] = {{0}, {0}};
    Words* const words[2] = {&m_plain, &m_other};
    NormalizedText normalized;
    for (const Category category : kAllCategories) {
        const WordList& list = library[category];
        for (std::size_t index = 0; index < list.size(); ++index) {
            if (list[index].empty()) {
                continue;
            }
            const WideText wide = GbkCodec::toWide(list[index]);
            normalizer.normalize(wide, normalized);
            // A word of separators alone would stand everywhere; one with a long run of them nowhere.
            const auto first = normalized.symbols.begin();
            const auto last = first + static_cast<std::ptrdiff_t>(normalized.length);
            if (normalized.length == 0 || std::find(first, last, VariantNormalizer::kBreak) != last) {
                continue;
            }
            const bool plain =
                std::equal(first, last, wide.begin(), wide.end()) && GbkCodec::fromWide(wide) == list[index];
            if (plain) {
                m_plainLongest = std::max(m_plainLongest, normalized.length);
            }
            symbols[plain ? 0 : 1].insert(symbols[plain ? 0 : 1].end(), first, last);
            begins[plain ? 0 : 1].push_back(static_cast<std::uint32_t>(symbols[plain ? 0 : 1].size()));
            words[plain ? 0 : 1]->entries.push_back({category, static_cast<std::uint32_t>(index)});
        }
    }
    for (int k = 0; k < 2; ++k) {
        words[k]->automaton.build(symbols[k], begins[k]);
    }
}

// Each code point of the title became one character of the GBK title ("?" for one that code page 936 lacks).
// Characters of the BMP take their length from the GBK bytes; the rest, which code page 936 never holds, are asked
// of the codec, which may give them one "?" or more.
void VariantMatcher::mapToGbk(std::u16string_view title, std::string_view gbkTitle,
                              std::vector<std::uint32_t>& offsets) const {
    offsets.resize(title.size() + 1);
    std::size_t pos = 0;
    for (std::size_t i = 0; i < title.size();) {
        const char16_t unit = title[i];
        offsets[i] = static_cast<std::uint32_t>(pos);
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            const bool pair =
                unit <= 0xDBFF && i + 1 < title.size() && title[i + 1] >= 0xDC00 && title[i + 1] <= 0xDFFF;
            const std::size_t units = pair ? 2 : 1;
            if (pair) {
                offsets[i + 1] = static_cast<std::uint32_t>(pos);
            }
            pos += GbkCodec::fromWide(title.substr(i, units)).size();
            i += units;
        } else {
            pos += pos < gbkTitle.size() ? CharacterLength(gbkTitle, pos) : 1;
            ++i;
        }
    }
    offsets[title.size()] = static_cast<std::uint32_t>(pos);
}

bool VariantMatcher::coveredByExact(const MatchScratch& scratch, const Entry& entry, std::size_t begin,
                                    std::size_t end) const {
    const std::size_t length = m_library[entry.category][entry.index].size();
    return std::any_of(scratch.m_occurrences.begin(), scratch.m_occurrences.end(), [&](const WordOccurrence& o) {
        return o.category == entry.category && o.entry == entry.index && o.byteOffset <= begin &&
               o.byteOffset + length >= end;
    });
}

void VariantMatcher::findWords(const Words& words, std::size_t marked, std::u16string_view title,
                               std::string_view gbkTitle, MatchScratch& scratch, bool& mapped) const {
    const NormalizedText& normalized = scratch.m_normalized;
    const SymbolAutomaton& automaton = words.automaton;
    automaton.scan(normalized.symbols.data(), normalized.length, scratch.m_candidates.data(), marked,
                   [&](std::uint32_t pattern, std::size_t after) {
                       if (!mapped) { // most titles hold no variant and need no map to code page 936
                           mapToGbk(title, gbkTitle, scratch.m_gbkOffset);
                           mapped = true;
                       }
                       const std::size_t begin =
                           scratch.m_gbkOffset[normalized.from[after - automaton.lengthOf(pattern)]];
                       const std::size_t end = scratch.m_gbkOffset[normalized.to[after - 1]];
                       for (const std::uint32_t key : automaton.keysOf(pattern)) {
                           const Entry& entry = words.entries[key];
                           if (!coveredByExact(scratch, entry, begin, end)) {
                               scratch.m_variants.push_back({entry.category, entry.index, begin, end});
                           }
                       }
                   });
}

void VariantMatcher::find(std::u16string_view title, std::string_view gbkTitle, MatchScratch& scratch) const {
    scratch.m_variants.clear();
    title = title.substr(0, title.find(u'\0'));
    NormalizedText& normalized = scratch.m_normalized;
    m_normalizer.normalize(title, normalized);
    const std::size_t count = normalized.length;
    if (count == 0) {
        return;
    }
    if (scratch.m_candidates.size() < count) {
        scratch.m_candidates.resize(count);
    }
    if (scratch.m_nextChanged.size() < count + 1) {
        scratch.m_nextChanged.resize(count + 1);
    }
    std::uint32_t* const marks = scratch.m_candidates.data();
    bool mapped = false;
    if (m_other.automaton.patternCount() != 0) {
        findWords(m_other, m_other.automaton.markBeginnings(normalized.symbols.data(), count, marks), title, gbkTitle,
                  scratch, mapped);
    }
    if (m_plain.automaton.patternCount() != 0) {
        // A plain word's place must hold a changed symbol, so it begins fewer than m_plainLongest symbols before one.
        std::uint32_t* const nextChanged = scratch.m_nextChanged.data();
        nextChanged[count] = UINT32_MAX;
        for (std::size_t i = count; i-- > 0;) {
            nextChanged[i] = normalized.changed[i] != 0 ? static_cast<std::uint32_t>(i) : nextChanged[i + 1];
        }
        if (nextChanged[0] != UINT32_MAX) {
            const std::size_t marked = m_plain.automaton.markBeginnings(normalized.symbols.data(), count, marks);
            std::size_t kept = 0;
            for (std::size_t m = 0; m < marked; ++m) {
                marks[kept] = marks[m];
                kept += nextChanged[marks[m]] - marks[m] < m_plainLongest ? 1 : 0;
            }
            findWords(m_plain, kept, title, gbkTitle, scratch, mapped);
        }
    }
    // Two places of the normalised title can lead back to one span where a conversion changed a text's length.
    std::sort(scratch.m_variants.begin(), scratch.m_variants.end());
    scratch.m_variants.erase(std::unique(scratch.m_variants.begin(), scratch.m_variants.end()),
                             scratch.m_variants.end());
}

} // namespace qingtan
