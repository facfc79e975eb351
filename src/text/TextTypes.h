#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace qingtan {

// Code page 936 (GBK) bytes without NUL: the form all logic, files and comparisons use.
using AnsiText = std::string;
// UTF-16: the form in which controls take and give text.
using WideText = std::u16string;
// Raw bytes as read from a file or the network; may hold NUL bytes.
using ByteBuffer = std::string;
// An ordered array of texts, indexed from 0.
using TextArray = std::vector<AnsiText>;

// A Windows COLORREF, 0x00BBGGRR.
using ColorRef = std::uint32_t;
inline constexpr ColorRef kGreen = 0x8000;
inline constexpr ColorRef kRed = 255;
inline constexpr ColorRef kBlack = 0;

// Where status texts go: the main window's status line, or standard error in the command-line tools.
using ShowStatusFn = std::function<void(const AnsiText& text, ColorRef colour)>;

// The text that a buffer holds: its bytes up to the first NUL.
inline AnsiText AnsiFromBuffer(std::string_view bytes) {
    return AnsiText(bytes.substr(0, bytes.find('\0')));
}

} // namespace qingtan
