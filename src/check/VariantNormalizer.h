#pragma once

#include "TraditionalToSimplified.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace qingtan {

// A text brought to the form in which variants of a word look alike, each symbol traced back to the original.
// The text is the first `length` members of symbols, from and to: the vectors keep their size from text to text, so
// that normalising allocates nothing once they have grown.
struct NormalizedText {
    std::size_t length = 0;
    std::vector<std::uint16_t> symbols; // UTF-16 units of the normalised characters; kBreak for a long separator run
    std::vector<std::uint32_t> from;    // per symbol, the UTF-16 index where its original character begins
    std::vector<std::uint32_t> to;      // per symbol, the UTF-16 index one past where it ends
    // Per symbol, 1 where normalising changed the text: its character was converted or folded, or separators stood
    // between it and the character before.
    std::vector<std::uint8_t> changed;

    std::u32string codePoints; // working memory

    std::vector<std::uint32_t> unitOf; // per code point (and one past the last), its UTF-16 index
    std::vector<ConvertedCharacter> converted;
};

// The rules of variant forms. A text is converted from traditional to simplified characters (when a converter is
// given), full-width forms of ASCII become ASCII, Latin letters lower case, and separators (blanks, punctuation,
// symbols, emoji, zero-width and other invisible characters, never letters, digits or CJK characters) are dropped.
// More than three separators between two characters break the text there; the marks that join an emoji, a
// variation selector or the second half of a flag do not count as separators of their own.
class VariantNormalizer {
public:
    static constexpr std::uint16_t kBreak = 0xFFFF; // a noncharacter: no word holds it

    explicit VariantNormalizer(std::unique_ptr<const TraditionalToSimplified> traditional = nullptr);

    // False in a build without ICU and OpenCC (QINGTAN_VARIANTS off), whose normaliser finds no variants.
    static bool Available();

    bool convertsTraditional() const { return m_traditional != nullptr; }

    // Normalises `text` up to its first NUL into `out`.
    void normalize(std::u16string_view text, NormalizedText& out) const;

private:
    // What the rules make of one character, for the table and for characters beyond it.
    enum class Kind : std::uint8_t { Word, Separator, JoiningSeparator, ZeroWidthJoiner, RegionalIndicator };
    static Kind KindOf(char32_t codePoint);
    static char32_t Fold(char32_t codePoint);

    Kind kindOf(char32_t codePoint) const;
    char32_t fold(char32_t codePoint) const;

    std::unique_ptr<const TraditionalToSimplified> m_traditional;
    std::vector<std::uint8_t> m_bmp; // per BMP code point: its Kind, and kFolds when fold() changes it
};

} // namespace qingtan
