#pragma once

#include "TextTypes.h"

#include <string>
#include <string_view>

namespace qingtan {

// The one conversion point between code page 936 (GBK), UTF-16 and UTF-8. iconv on Linux, the native calls on
// Windows. A character that the target cannot represent, or an invalid input sequence, becomes "?". Never throws;
// when the system lacks the conversions every result is empty, which each program checks once at start.
class GbkCodec {
public:
    // False when this system cannot convert between code page 936, UTF-16 and UTF-8.
    static bool available();

    static WideText toWide(std::string_view gbk);
    static AnsiText fromWide(std::u16string_view wide);
    static WideText utf8ToWide(std::string_view utf8);
    static std::string wideToUtf8(std::u16string_view wide);

    static AnsiText fromUtf8(std::string_view utf8) { return fromWide(utf8ToWide(utf8)); }
    static std::string toUtf8(std::string_view gbk) { return wideToUtf8(toWide(gbk)); }
};

} // namespace qingtan
