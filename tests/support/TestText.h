#pragma once

#include "GbkCodec.h"
#include "TextTypes.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace qingtan::test {

// Test texts are written in UTF-8 and compared in code page 936, as the product holds them.
inline AnsiText gbk(std::string_view utf8) {
    return GbkCodec::fromUtf8(utf8);
}

inline std::string utf8(std::string_view gbkText) {
    return GbkCodec::toUtf8(gbkText);
}

// "D6 D0 CE C4": bytes as upper-case hex pairs, for failure messages that show every byte.
inline std::string hex(std::string_view bytes) {
    std::string out;
    for (const unsigned char byte : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, out.empty() ? "%02X" : " %02X", byte);
        out += pair;
    }
    return out;
}

} // namespace qingtan::test
