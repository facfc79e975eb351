#pragma once

#include "GbkCodec.h"
#include "TextTypes.h"

#include <algorithm>
#include <cstddef>

namespace qingtan {

// A UTF-8 string literal as a template argument, so each fixed text gets its own converted copy.
template <std::size_t N>
struct Utf8Literal {
    char text[N];
    constexpr Utf8Literal(const char (&literal)[N]) { std::copy_n(literal, N, text); } // implicit: a literal converts
};

// The code page 936 form of a fixed UTF-8 text, converted once, on first use: the texts of the system are written
// once in UTF-8 and handed out in GBK.
template <Utf8Literal literal>
const AnsiText& GbkText() {
    static const AnsiText text = GbkCodec::fromUtf8(literal.text);
    return text;
}

} // namespace qingtan
