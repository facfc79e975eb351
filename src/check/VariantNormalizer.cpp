#include "VariantNormalizer.h"

#include <unicode/uchar.h>
#include <unicode/uscript.h>

namespace qingtan {
namespace {

constexpr std::uint8_t kKindMask = 0x7F;
constexpr std::uint8_t kFolds = 0x80;
constexpr std::size_t kMostSeparators = 3;

constexpr char32_t kReplacement = 0xFFFD;

bool isSeparatorCategory(std::int8_t category) {
    switch (category) {
    case U_SPACE_SEPARATOR:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_DASH_PUNCTUATION:
    case U_START_PUNCTUATION:
    case U_END_PUNCTUATION:
    case U_CONNECTOR_PUNCTUATION:
    case U_OTHER_PUNCTUATION:
    case U_INITIAL_PUNCTUATION:
    case U_FINAL_PUNCTUATION:
    case U_MATH_SYMBOL:
    case U_CURRENCY_SYMBOL:
    case U_MODIFIER_SYMBOL:
    case U_OTHER_SYMBOL:
    case U_ENCLOSING_MARK: // the keycap of 1️⃣
        return true;
    default:
        return false;
    }
}

} // namespace

VariantNormalizer::Kind VariantNormalizer::KindOf(char32_t codePoint) {
    const auto c = static_cast<UChar32>(codePoint);
    if (!isSeparatorCategory(u_charType(c)) && !u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT)) {
        return Kind::Word;
    }
    switch (u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK)) {
    case U_GCB_ZWJ:
        return Kind::ZeroWidthJoiner;
    case U_GCB_EXTEND:
    case U_GCB_SPACING_MARK:
        return Kind::JoiningSeparator;
    case U_GCB_REGIONAL_INDICATOR:
        return Kind::RegionalIndicator;
    default:
        return Kind::Separator;
    }
}

char32_t VariantNormalizer::Fold(char32_t codePoint) {
    if (codePoint >= 0xFF01 && codePoint <= 0xFF5E) {
        codePoint -= 0xFEE0; // full-width forms of ASCII
    }
    UErrorCode error = U_ZERO_ERROR;
    if (uscript_getScript(static_cast<UChar32>(codePoint), &error) == USCRIPT_LATIN && U_SUCCESS(error)) {
        return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(codePoint), U_FOLD_CASE_DEFAULT));
    }
    return codePoint;
}

bool VariantNormalizer::Available() {
    return true;
}

VariantNormalizer::VariantNormalizer(std::unique_ptr<const TraditionalToSimplified> traditional)
    : m_traditional(std::move(traditional)), m_bmp(0x10000) {
    for (char32_t c = 0; c < 0x10000; ++c) {
        m_bmp[c] = static_cast<std::uint8_t>(static_cast<std::uint8_t>(KindOf(c)) | (Fold(c) != c ? kFolds : 0));
    }
}

VariantNormalizer::Kind VariantNormalizer::kindOf(char32_t codePoint) const {
    return codePoint < 0x10000 ? static_cast<Kind>(m_bmp[codePoint] & kKindMask) : KindOf(codePoint);
}

char32_t VariantNormalizer::fold(char32_t codePoint) const {
    if (codePoint < 0x10000) {
        return (m_bmp[codePoint] & kFolds) != 0 ? Fold(codePoint) : codePoint;
    }
    return Fold(codePoint);
}

namespace {

template <typename T>
T* atLeast(std::vector<T>& v, std::size_t size) {
    if (v.size() < size) {
        v.resize(size);
    }
    return v.data();
}

} // namespace

void VariantNormalizer::normalize(std::u16string_view text, NormalizedText& out) const {
    text = text.substr(0, text.find(u'\0'));
    if (out.codePoints.size() < text.size()) {
        out.codePoints.resize(text.size());
    }
    char32_t* const codePoints = out.codePoints.data();
    std::uint32_t* const unitOf = atLeast(out.unitOf, text.size() + 1);
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count) {
        char32_t c = text[i];
        std::size_t units = 1;
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
                units = 2;
            } else {
                c = kReplacement; // a lone surrogate, "?" in code page 936
            }
        }
        codePoints[count] = c;
        unitOf[count] = static_cast<std::uint32_t>(i);
        i += units;
    }
    unitOf[count] = static_cast<std::uint32_t>(text.size());

    const bool converted =
        m_traditional != nullptr && m_traditional->convert(std::u32string_view(codePoints, count), out.converted);
    const std::size_t characters = converted ? out.converted.size() : count;
    // A character gives at most two units, and a break may come before it.
    std::uint16_t* const symbols = atLeast(out.symbols, 3 * characters);
    std::uint32_t* const from = atLeast(out.from, 3 * characters);
    std::uint32_t* const to = atLeast(out.to, 3 * characters);
    std::uint8_t* const changed = atLeast(out.changed, 3 * characters);
    std::size_t length = 0;

    bool wordSeen = false;
    std::size_t separators = 0; // since the last character of a word
    bool separated = false;     // by anything, joining marks too
    Kind previous = Kind::Word;
    bool flagHalf = false; // a regional indicator that waits for its partner
    for (std::size_t k = 0; k < characters; ++k) {
        const char32_t c = converted ? out.converted[k].codePoint : codePoints[k];
        const Kind kind = kindOf(c);
        if (kind == Kind::Word) {
            const std::uint32_t begin = unitOf[converted ? out.converted[k].first : k];
            const std::uint32_t end = unitOf[converted ? out.converted[k].last : k + 1];
            if (wordSeen && separators > kMostSeparators) {
                symbols[length] = kBreak;
                from[length] = begin;
                changed[length] = 1;
                to[length++] = begin;
            }
            const char32_t folded = fold(c);
            const bool convertedHere = converted && (out.converted[k].last - out.converted[k].first != 1 ||
                                                     c != codePoints[out.converted[k].first]);
            const std::uint8_t isChanged = (convertedHere || folded != c || separated) ? 1 : 0;
            if (folded < 0x10000) {
                symbols[length] = static_cast<std::uint16_t>(folded);
                from[length] = begin;
                changed[length] = isChanged;
                to[length++] = end;
            } else {
                symbols[length] = static_cast<std::uint16_t>(0xD7C0 + (folded >> 10));
                symbols[length + 1] = static_cast<std::uint16_t>(0xDC00 | (folded & 0x3FF));
                from[length] = from[length + 1] = begin;
                to[length] = to[length + 1] = end;
                changed[length] = changed[length + 1] = isChanged;
                length += 2;
            }
            wordSeen = true;
            separators = 0;
            separated = false;
            flagHalf = false;
        } else {
            const bool joins = kind == Kind::JoiningSeparator || kind == Kind::ZeroWidthJoiner ||
                               previous == Kind::ZeroWidthJoiner || (kind == Kind::RegionalIndicator && flagHalf);
            flagHalf = kind == Kind::RegionalIndicator && !flagHalf;
            separated = true;
            if (!joins) {
                ++separators;
            }
        }
        previous = kind;
    }
    out.length = length;
}

} // namespace qingtan
