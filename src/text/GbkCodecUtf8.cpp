#include "GbkCodec.h"

namespace qingtan {
namespace {

constexpr char16_t kReplacement = u'\xFFFD';

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

// One decoder for every system: the platforms' own converters count the replacements of ill-formed UTF-8
// differently, and a title must give the same character positions everywhere.
WideText GbkCodec::utf8ToWide(std::string_view utf8) {
    WideText wide;
    wide.reserve(utf8.size());
    const auto* const bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    std::size_t pos = 0;
    while (pos < size) {
        const unsigned char lead = bytes[pos];
        if (lead < 0x80) {
            wide.push_back(lead);
            ++pos;
            continue;
        }
        // Sequence length and the range of the second byte, which excludes overlong forms, surrogates and code
        // points above U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        char32_t code = length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        std::size_t next = pos + 1;
        bool whole = length > 0;
        for (std::size_t i = 1; whole && i < length; ++i) {
            whole = next < size && (i == 1 ? bytes[next] >= low && bytes[next] <= high : isContinuation(bytes[next]));
            if (whole) {
                code = (code << 6) | (bytes[next++] & 0x3F);
            }
        }
        if (!whole) {
            // The maximal ill-formed part ends before the first byte that cannot continue it.
            wide.push_back(kReplacement);
            pos = next;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            wide.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            wide.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            wide.push_back(static_cast<char16_t>(code));
        }
        pos = next;
    }
    return wide;
}

std::string GbkCodec::wideToUtf8(std::u16string_view wide) {
    std::string utf8;
    utf8.reserve(wide.size() * 3);
    for (std::size_t pos = 0; pos < wide.size(); ++pos) {
        char32_t code = wide[pos];
        if (code >= 0xD800 && code <= 0xDFFF) {
            const bool pair =
                code <= 0xDBFF && pos + 1 < wide.size() && wide[pos + 1] >= 0xDC00 && wide[pos + 1] <= 0xDFFF;
            code = pair ? 0x10000 + ((code - 0xD800) << 10) + (wide[++pos] - 0xDC00) : kReplacement;
        }
        if (code < 0x80) {
            utf8.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            utf8.push_back(static_cast<char>(0xC0 | (code >> 6)));
            utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            utf8.push_back(static_cast<char>(0xE0 | (code >> 12)));
            utf8.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            utf8.push_back(static_cast<char>(0xF0 | (code >> 18)));
            utf8.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            utf8.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return utf8;
}

} // namespace qingtan
