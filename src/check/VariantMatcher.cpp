#include "VariantMatcher.h"

#include "GbkCodec.h"
#include "TextUtilities.h"

#include <algorithm>

namespace qingtan {

VariantMatcher::VariantMatcher(const WordLibrary& library, const VariantNormalizer& normalizer)
    : m_library(library), m_normalizer(normalizer) {
    std::vector<std::uint16_t> symbols;
    std::vector<std::uint32_t> begins{0};
    NormalizedText normalized;
    for (const Category category : kAllCategories) {
        const WordList& words = library[category];
        for (std::size_t index = 0; index < words.size(); ++index) {
            if (words[index].empty()) {
                continue;
            }
            normalizer.normalize(GbkCodec::toWide(words[index]), normalized);
            // A word of separators alone would stand everywhere; one with a long run of them nowhere.
            if (normalized.symbols.empty() || std::find(normalized.symbols.begin(), normalized.symbols.end(),
                                                        VariantNormalizer::kBreak) != normalized.symbols.end()) {
                continue;
            }
            symbols.insert(symbols.end(), normalized.symbols.begin(), normalized.symbols.end());
            begins.push_back(static_cast<std::uint32_t>(symbols.size()));
            m_entries.push_back({category, static_cast<std::uint32_t>(index)});
        }
    }
    m_automaton.build(symbols, begins);
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

void VariantMatcher::find(std::u16string_view title, std::string_view gbkTitle, MatchScratch& scratch) const {
    scratch.m_variants.clear();
    title = title.substr(0, title.find(u'\0'));
    NormalizedText& normalized = scratch.m_normalized;
    m_normalizer.normalize(title, normalized);
    if (normalized.symbols.empty() || m_automaton.patternCount() == 0) {
        return;
    }
    mapToGbk(title, gbkTitle, scratch.m_gbkOffset);
    const std::size_t count = normalized.symbols.size();
    if (scratch.m_candidates.size() < count) {
        scratch.m_candidates.resize(count);
    }
    const std::size_t marked =
        m_automaton.markBeginnings(normalized.symbols.data(), count, scratch.m_candidates.data());
    m_automaton.scan(normalized.symbols.data(), count, scratch.m_candidates.data(), marked,
                     [&](std::uint32_t pattern, std::size_t after) {
                         const std::size_t begin =
                             scratch.m_gbkOffset[normalized.from[after - m_automaton.lengthOf(pattern)]];
                         const std::size_t end = scratch.m_gbkOffset[normalized.to[after - 1]];
                         for (const std::uint32_t key : m_automaton.keysOf(pattern)) {
                             const Entry& entry = m_entries[key];
                             if (!coveredByExact(scratch, entry, begin, end)) {
                                 scratch.m_variants.push_back({entry.category, entry.index, begin, end});
                             }
                         }
                     });
    // Two places of the normalised title can lead back to one span where a conversion changed a text's length.
    std::sort(scratch.m_variants.begin(), scratch.m_variants.end());
    scratch.m_variants.erase(std::unique(scratch.m_variants.begin(), scratch.m_variants.end()),
                             scratch.m_variants.end());
}

} // namespace qingtan
