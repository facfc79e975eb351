#include "TraditionalToSimplified.h"

#include <algorithm>
#include <cstring>
#include <opencc/Config.hpp>
#include <opencc/Conversion.hpp>
#include <opencc/ConversionChain.hpp>
#include <opencc/Converter.hpp>
#include <opencc/Dict.hpp>
#include <opencc/DictEntry.hpp>
#include <opencc/DictGroup.hpp>
#include <opencc/Exception.hpp>
#include <opencc/Lexicon.hpp>
#include <opencc/Segmentation.hpp>
#include <opencc/Segments.hpp>

namespace qingtan {
namespace {

constexpr std::uint8_t kChanges = 1;      // the character dictionary turns it into something else
constexpr std::uint8_t kStartsPhrase = 2; // a phrase of m_phrases begins with it

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// OpenCC reads and writes well-formed UTF-8, so no check for ill-formed input is needed here.
std::u32string fromUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : length == 2 ? (lead & 0x1Fu) : length == 3 ? (lead & 0x0Fu) : (lead & 0x07u);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        }
        out += c;
        i += length;
    }
    return out;
}

std::string toUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        appendUtf8(out, c);
    }
    return out;
}

std::size_t codePointCount(const char* utf8) {
    std::size_t count = 0;
    for (; *utf8 != '\0'; ++utf8) {
        count += (static_cast<unsigned char>(*utf8) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

// Every dictionary below `dict`, in the order a group consults them.
void collectDictionaries(const opencc::DictPtr& dict, std::vector<opencc::DictPtr>& out) {
    if (const auto group = std::dynamic_pointer_cast<opencc::DictGroup>(dict)) {
        for (const opencc::DictPtr& member : group->GetDicts()) {
            collectDictionaries(member, out);
        }
    } else {
        out.push_back(dict);
    }
}

} // namespace

struct TraditionalToSimplified::OpenCC {
    opencc::ConverterPtr converter;
};

std::unique_ptr<TraditionalToSimplified> TraditionalToSimplified::Load(const std::string& config) {
    try {
        opencc::Config loader;
        auto openCC = std::make_unique<OpenCC>(OpenCC{loader.NewFromFile(config)});
        std::unique_ptr<TraditionalToSimplified> converter(new TraditionalToSimplified(std::move(openCC)));
        converter->readDictionaries();
        return converter;
    } catch (const std::exception&) { // opencc::Exception for a missing or broken file, std::bad_alloc
        return nullptr;
    }
}

TraditionalToSimplified::TraditionalToSimplified(std::unique_ptr<OpenCC> openCC) : m_openCC(std::move(openCC)) {}

TraditionalToSimplified::~TraditionalToSimplified() = default;

// OpenCC converts by longest match over its dictionaries. Where no phrase whose conversion differs from its
// characters' occurs, that gives exactly what converting character by character gives; so the character table and
// the list of such phrases decide quickly, and OpenCC itself converts only the titles that hold such a phrase.
void TraditionalToSimplified::readDictionaries() {
    m_bmpFlags.assign(0x10000, 0);
    const auto conversions = m_openCC->converter->GetConversionChain()->GetConversions();
    if (conversions.size() != 1) {
        m_alwaysOpenCC = true; // a chain of conversions does not reduce to one table
        return;
    }
    std::vector<opencc::DictPtr> dictionaries;
    collectDictionaries(conversions.front()->GetDict(), dictionaries);

    std::vector<std::pair<std::u32string, std::u32string>> phrases;
    for (const opencc::DictPtr& dict : dictionaries) {
        for (const auto& entry : *dict->GetLexicon()) {
            std::u32string key = fromUtf8(entry->Key());
            std::u32string target = fromUtf8(entry->GetDefault());
            if (key.size() == 1) {
                m_characters.emplace_back(key[0], std::move(target));
            } else if (!key.empty()) {
                phrases.emplace_back(std::move(key), std::move(target));
            }
        }
    }
    // The first dictionary of a group that holds a key decides.
    std::stable_sort(m_characters.begin(), m_characters.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_characters.erase(std::unique(m_characters.begin(), m_characters.end(),
                                   [](const auto& a, const auto& b) { return a.first == b.first; }),
                       m_characters.end());
    std::erase_if(m_characters, [](const auto& c) { return c.second == std::u32string(1, c.first); });
    for (const auto& [codePoint, target] : m_characters) {
        if (codePoint < 0x10000) {
            m_bmpFlags[codePoint] |= kChanges;
        }
    }

    for (const auto& [key, target] : phrases) {
        std::u32string byCharacters;
        for (const char32_t c : key) {
            const std::u32string* changed = characterTarget(c);
            byCharacters += changed != nullptr ? *changed : std::u32string(1, c);
        }
        if (byCharacters != target) {
            m_phrases.push_back(key);
        }
    }
    std::sort(m_phrases.begin(), m_phrases.end());
    for (const std::u32string& phrase : m_phrases) {
        if (phrase[0] < 0x10000) {
            m_bmpFlags[phrase[0]] |= kStartsPhrase;
        }
    }
}

std::uint8_t TraditionalToSimplified::flagsOf(char32_t codePoint) const {
    if (codePoint < 0x10000) {
        return m_bmpFlags[codePoint];
    }
    std::uint8_t flags = characterTarget(codePoint) != nullptr ? kChanges : 0;
    const auto phrase = std::lower_bound(m_phrases.begin(), m_phrases.end(), std::u32string(1, codePoint));
    if (phrase != m_phrases.end() && (*phrase)[0] == codePoint) {
        flags |= kStartsPhrase;
    }
    return flags;
}

const std::u32string* TraditionalToSimplified::characterTarget(char32_t codePoint) const {
    const auto it = std::lower_bound(m_characters.begin(), m_characters.end(), codePoint,
                                     [](const auto& entry, char32_t c) { return entry.first < c; });
    return (it != m_characters.end() && it->first == codePoint) ? &it->second : nullptr;
}

bool TraditionalToSimplified::phraseAt(std::u32string_view text, std::size_t pos) const {
    const std::u32string_view rest = text.substr(pos);
    // Phrases beginning with text[pos] stand together in sorted order.
    auto it = std::lower_bound(m_phrases.begin(), m_phrases.end(), rest.substr(0, 1),
                               [](const std::u32string& phrase, std::u32string_view first) { return phrase < first; });
    for (; it != m_phrases.end() && (*it)[0] == text[pos]; ++it) {
        if (rest.starts_with(*it)) {
            return true;
        }
    }
    return false;
}

bool TraditionalToSimplified::convert(std::u32string_view text, std::vector<ConvertedCharacter>& out) const {
    if (m_alwaysOpenCC) {
        convertWithOpenCC(text, out);
        return true;
    }
    bool changes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint8_t flags = flagsOf(text[i]);
        if ((flags & kStartsPhrase) != 0 && phraseAt(text, i)) {
            convertWithOpenCC(text, out);
            return true;
        }
        changes = changes || (flags & kChanges) != 0;
    }
    if (!changes) {
        return false;
    }
    out.clear();
    for (std::uint32_t i = 0; i < text.size(); ++i) {
        const std::u32string* target = (flagsOf(text[i]) & kChanges) != 0 ? characterTarget(text[i]) : nullptr;
        if (target == nullptr) {
            out.push_back({text[i], i, i + 1});
            continue;
        }
        for (const char32_t c : *target) {
            out.push_back({c, i, i + 1});
        }
    }
    return true;
}

// OpenCC converts segment by segment; a segment that keeps its number of characters is traced character by
// character, one that does not is traced as a whole.
void TraditionalToSimplified::convertWithOpenCC(std::u32string_view text, std::vector<ConvertedCharacter>& out) const {
    out.clear();
    const opencc::ConverterPtr& converter = m_openCC->converter;
    const opencc::SegmentsPtr segments = converter->GetSegmentation()->Segment(toUtf8(text));
    const opencc::SegmentsPtr converted = converter->GetConversionChain()->Convert(segments);
    std::uint32_t first = 0;
    for (std::size_t s = 0; s < segments->Length() && s < converted->Length(); ++s) {
        const auto length = static_cast<std::uint32_t>(codePointCount(segments->At(s)));
        const std::u32string result = fromUtf8(converted->At(s));
        for (std::uint32_t k = 0; k < result.size(); ++k) {
            if (result.size() == length) {
                out.push_back({result[k], first + k, first + k + 1});
            } else {
                out.push_back({result[k], first, first + length});
            }
        }
        first += length;
    }
}

} // namespace qingtan
