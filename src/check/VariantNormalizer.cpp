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

void appendUtf16(std::vector<std::uint16_t>& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<std::uint16_t>(c));
    } else {
        out.push_back(static_cast<std::uint16_t>(0xD7C0 + (c >> 10)));
        out.push_back(static_cast<std::uint16_t>(0xDC00 | (c & 0x3FF)));
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

void VariantNormalizer::normalize(std::u16string_view text, NormalizedText& out) const {
    text = text.substr(0, text.find(u'\0'));
    out.symbols.clear();
    out.from.clear();
    out.to.clear();
    out.codePoints.clear();
    out.unitOf.clear();
    for (std::size_t i = 0; i < text.size();) {
        char32_t c = text[i];
        std::size_t units = 1;
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            units = 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement; // a lone surrogate, "?" in code page 936
        }
        out.codePoints += c;
        out.unitOf.push_back(static_cast<std::uint32_t>(i));
        i += units;
    }
    out.unitOf.push_back(static_cast<std::uint32_t>(text.size()));

    const bool converted = m_traditional != nullptr && m_traditional->convert(out.codePoints, out.converted);
    const std::size_t count = converted ? out.converted.size() : out.codePoints.size();

    bool wordSeen = false;
    std::size_t separators = 0; // since the last character of a word
    Kind previous = Kind::Word;
    bool flagHalf = false; // a regional indicator that waits for its partner
    for (std::size_t k = 0; k < count; ++k) {
        const char32_t c = converted ? out.converted[k].codePoint : out.codePoints[k];
        const std::uint32_t first = converted ? out.converted[k].first : static_cast<std::uint32_t>(k);
        const std::uint32_t last = converted ? out.converted[k].last : static_cast<std::uint32_t>(k + 1);
        const Kind kind = kindOf(c);
        if (kind == Kind::Word) {
            if (wordSeen && separators > kMostSeparators) {
                out.symbols.push_back(kBreak);
                out.from.push_back(out.unitOf[first]);
                out.to.push_back(out.unitOf[first]);
            }
            appendUtf16(out.symbols, fold(c));
            out.from.resize(out.symbols.size(), out.unitOf[first]);
            out.to.resize(out.symbols.size(), out.unitOf[last]);
            wordSeen = true;
            separators = 0;
            flagHalf = false;
        } else {
            const bool joins = kind == Kind::JoiningSeparator || kind == Kind::ZeroWidthJoiner ||
                               previous == Kind::ZeroWidthJoiner || (kind == Kind::RegionalIndicator && flagHalf);
            flagHalf = kind == Kind::RegionalIndicator && !flagHalf;
            if (!joins) {
                ++separators;
            }
        }
        previous = kind;
    }
}

} // namespace qingtan
