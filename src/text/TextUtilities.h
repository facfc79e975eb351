#pragma once

#include "TextTypes.h"

#include <cstddef>
#include <string_view>

namespace qingtan {

// True when the byte begins a two-byte GBK character (it and the byte after it are one character): 0x81 to 0xFE.
// 0x80 (the euro sign in code page 936) and 0xFF are characters of one byte.
inline bool IsLeadByte(char byte) {
    return static_cast<unsigned char>(static_cast<unsigned char>(byte) - 0x81) < 0x7E;
}

// Bytes of the character that begins at `pos`: 2 for a lead byte, else 1.
inline std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    return IsLeadByte(text[pos]) ? 2 : 1;
}

// The byte with an ASCII letter changed to small or capital; every other byte as it is. Byte by byte: a trail byte
// may look like a letter, so callers that keep double-byte characters whole apply it where characters begin.
inline char LowerAsciiLetter(char byte) {
    return (byte >= 'A' && byte <= 'Z') ? static_cast<char>(byte - 'A' + 'a') : byte;
}
inline char UpperAsciiLetter(char byte) {
    return (byte >= 'a' && byte <= 'z') ? static_cast<char>(byte - 'a' + 'A') : byte;
}

// First occurrence of `needle` at or after `from` (0-based) that begins where a character begins, scanning from
// `from`; std::string_view::npos when there is none. An empty needle is found at `from` inside a non-empty text.
// With ignoreCase, ASCII letters compare without case.
std::size_t FindAtCharacterStart(std::string_view text, std::string_view needle, std::size_t from = 0,
                                 bool ignoreCase = false);

// The text between the first start marker (from startPosition, 1-based) and the next end marker after it, both
// found where a character begins; empty when either is missing. "#引号" in a marker stands for a double quote.
AnsiText TextBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                     int startPosition = 1, bool ignoreCase = false);

// TextBetween without the "#引号" token and without a copy: a view into `text`, from byte `from` (0-based).
std::string_view ViewBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                             std::size_t from = 0, bool ignoreCase = false);

// Fills `pieces` with the non-empty pieces of `text` between delimiters (default ","), found where a character
// begins; a positive pieceLimit stops after that many pieces, empty ones included. Returns the number of members.
int SplitNonEmpty(std::string_view text, std::string_view delimiter, int pieceLimit, TextArray& pieces);
inline int SplitNonEmpty(std::string_view text, std::string_view delimiter, TextArray& pieces) {
    return SplitNonEmpty(text, delimiter, 0, pieces);
}

// 1-based byte position of the first occurrence of `needle` at or after startPosition, at any byte; -1 when
// either text is empty or there is none. caseFold lower-cases ASCII letters of both texts first.
int FindTextFrom(std::string_view text, std::string_view needle, int startPosition = 1, bool caseFold = false);

// The text up to its first NUL, as UTF-16.
WideText AnsiToWide(std::string_view text);

// The UTF-16 text up to its first NUL, in code page 936; unrepresentable characters become "?".
AnsiText WideToOemText(std::u16string_view text);

} // namespace qingtan
