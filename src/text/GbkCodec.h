#pragma once

#include "TextTypes.h"

#include <string>
#include <string_view>

namespace qingtan {

// The one conversion point between code page 936 (GBK), UTF-16 and UTF-8, with the same results on every system:
// iconv on Linux and the native calls on Windows for code page 936, one portable converter for UTF-8.
// In code page 936 a lead byte (IsLeadByte) and the byte after it are one character. A character that code page 936
// cannot represent, an invalid sequence and the private-use code points (which only Windows gives to the
// user-defined areas and to byte 0xFF) become "?"; no character is mapped to a similar one. In UTF-8 and UTF-16 an
// ill-formed sequence (a lone surrogate, each maximal ill-formed part of UTF-8) becomes U+FFFD. Never throws; when
// the system lacks the conversions every result is empty, which each program checks once at start.
class GbkCodec {
public:
    // False when this system cannot convert between code page 936 and UTF-16.
    static bool available();

    static WideText toWide(std::string_view gbk);
    static AnsiText fromWide(std::u16string_view wide);
    static WideText utf8ToWide(std::string_view utf8);
    static std::string wideToUtf8(std::u16string_view wide);

    static AnsiText fromUtf8(std::string_view utf8) { return fromWide(utf8ToWide(utf8)); }
    static std::string toUtf8(std::string_view gbk) { return wideToUtf8(toWide(gbk)); }
};

} // namespace qingtan
