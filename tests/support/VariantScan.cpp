#include "VariantScan.h"

#include "GbkCodec.h"
#include "TextUtilities.h"
#include "WordScan.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <opencc/SimpleConverter.hpp>
#include <string>
#include <unicode/uchar.h>
#include <unicode/uscript.h>
#include <unicode/ustring.h>

namespace qingtan::test {
namespace {

struct CodePoint {
    char32_t value;
    std::size_t unit;  // where it begins in the UTF-16 text
    std::size_t units; // 1 or 2
};

std::vector<CodePoint> codePoints(std::u16string_view text) {
    std::vector<CodePoint> out;
    for (std::size_t i = 0; i < text.size();) {
        const char16_t u = text[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            out.push_back({0x10000 + ((u - 0xD800u) << 10) + (text[i + 1] - 0xDC00u), i, 2});
            i += 2;
        } else {
            out.push_back({(u >= 0xD800 && u < 0xE000) ? char32_t{0xFFFD} : char32_t{u}, i, 1});
            i += 1;
        }
    }
    return out;
}

std::string utf8Of(const std::vector<CodePoint>& text) {
    std::u16string wide;
    for (const CodePoint& c : text) {
        if (c.value >= 0x10000) {
            wide += static_cast<char16_t>(0xD7C0 + (c.value >> 10));
            wide += static_cast<char16_t>(0xDC00 | (c.value & 0x3FF));
        } else {
            wide += static_cast<char16_t>(c.value);
        }
    }
    return GbkCodec::wideToUtf8(wide);
}

// OpenCC's conversion, one converted character per character of the text (as Debian's dictionaries give).
std::vector<char32_t> traditionalToSimplified(const std::vector<CodePoint>& text) {
    static const opencc::SimpleConverter converter("t2s.json");
    const std::vector<CodePoint> converted = codePoints(GbkCodec::utf8ToWide(converter.Convert(utf8Of(text))));
    if (converted.size() != text.size()) {
        std::fprintf(stderr, "ScanVariants: OpenCC changed the number of characters\n");
        std::abort();
    }
    std::vector<char32_t> out;
    for (const CodePoint& c : converted) {
        out.push_back(c.value);
    }
    return out;
}

bool isSeparator(char32_t c) {
    const auto u = static_cast<UChar32>(c);
    const std::int8_t type = u_charType(u);
    const bool separatorType = type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR ||
                               type == U_CONTROL_CHAR || type == U_FORMAT_CHAR || type == U_ENCLOSING_MARK ||
                               (U_GET_GC_MASK(u) & (U_GC_P_MASK | U_GC_S_MASK)) != 0;
    return separatorType || u_hasBinaryProperty(u, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
}

char32_t folded(char32_t c) {
    if (c >= 0xFF01 && c <= 0xFF5E) {
        c -= 0xFEE0;
    }
    UErrorCode error = U_ZERO_ERROR;
    const bool latin = uscript_getScript(static_cast<UChar32>(c), &error) == USCRIPT_LATIN;
    return latin ? static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)) : c;
}

// A character of a word or title as the comparison sees it: folded, with the number of separators before it
// since the previous such character.
struct Folded {
    char32_t value;
    std::size_t origin; // index of the code point it came from
    std::size_t separatorsBefore;
};

std::vector<Folded> foldedCharacters(std::u16string_view text, bool traditional, std::vector<CodePoint>& points) {
    points = codePoints(text.substr(0, text.find(u'\0')));
    std::vector<char32_t> values;
    for (const CodePoint& c : points) {
        values.push_back(c.value);
    }
    if (traditional) {
        values = traditionalToSimplified(points);
    }
    std::vector<Folded> out;
    std::size_t separators = 0;
    bool afterJoiner = false;
    bool halfFlag = false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const char32_t c = values[i];
        const auto gcb = u_getIntPropertyValue(static_cast<UChar32>(c), UCHAR_GRAPHEME_CLUSTER_BREAK);
        if (!isSeparator(c)) {
            out.push_back({folded(c), i, separators});
            separators = 0;
            afterJoiner = false;
            halfFlag = false;
            continue;
        }
        const bool regional = gcb == U_GCB_REGIONAL_INDICATOR;
        const bool joins = gcb == U_GCB_EXTEND || gcb == U_GCB_SPACING_MARK || gcb == U_GCB_ZWJ || afterJoiner ||
                           (regional && halfFlag);
        separators += joins ? 0 : 1;
        halfFlag = regional && !halfFlag;
        afterJoiner = gcb == U_GCB_ZWJ;
    }
    return out;
}

} // namespace

std::vector<VariantFinding> ScanVariants(const WordLibrary& library, std::u16string_view title, bool traditional) {
    std::vector<CodePoint> points;
    const std::vector<Folded> text = foldedCharacters(title, traditional, points);
    const AnsiText gbkTitle = WideToOemText(title);
    std::vector<std::size_t> gbkStart{0}; // per code point, and one past the last
    for (const CodePoint& c : points) {
        gbkStart.push_back(gbkStart.back() + GbkCodec::fromWide(title.substr(c.unit, c.units)).size());
    }
    const std::vector<bool> starts = CharacterStarts(gbkTitle);

    std::vector<VariantFinding> found;
    for (const Category category : kAllCategories) {
        const WordList& words = library[category];
        for (std::size_t entry = 0; entry < words.size(); ++entry) {
            const AnsiText& word = words[entry];
            if (word.empty()) {
                continue;
            }
            std::vector<CodePoint> wordPoints;
            const std::vector<Folded> pattern = foldedCharacters(GbkCodec::toWide(word), traditional, wordPoints);
            const bool longRun = std::any_of(pattern.begin() + (pattern.empty() ? 0 : 1), pattern.end(),
                                             [](const Folded& f) { return f.separatorsBefore > 3; });
            if (pattern.empty() || longRun) {
                continue;
            }
            for (std::size_t i = 0; i + pattern.size() <= text.size(); ++i) {
                bool same = true;
                for (std::size_t k = 0; k < pattern.size() && same; ++k) {
                    same = text[i + k].value == pattern[k].value && (k == 0 || text[i + k].separatorsBefore <= 3);
                }
                if (!same) {
                    continue;
                }
                const std::size_t begin = gbkStart[text[i].origin];
                const std::size_t end = gbkStart[text[i + pattern.size() - 1].origin + 1];
                bool exact = false;
                for (std::size_t at = gbkTitle.find(word); at != std::string::npos && !exact;
                     at = gbkTitle.find(word, at + 1)) {
                    exact = starts[at] && at <= begin && at + word.size() >= end;
                }
                if (!exact) {
                    found.push_back({category, entry, begin, end});
                }
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace qingtan::test
