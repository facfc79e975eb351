#include "GbkCodec.h"
#include "TextUtilities.h"

#include <climits>
#include <windows.h>

namespace qingtan {
namespace {

constexpr UINT kGbk = 936;

// The calls count in int: a longer text (over 2 GiB, far beyond any library or title) converts to nothing rather
// than to a part of itself.
bool fitsInt(std::size_t size) {
    return size <= static_cast<std::size_t>(INT_MAX);
}

bool isPrivateUse(char16_t unit) {
    return unit >= 0xE000 && unit <= 0xF8FF;
}

bool isSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

// The whole text, or nothing when any of it is not code page 936.
WideText strictlyToWide(std::string_view gbk) {
    const int length = static_cast<int>(gbk.size());
    const int needed = MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), length, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    WideText wide(static_cast<std::size_t>(needed), u'\0');
    MultiByteToWideChar(kGbk, MB_ERR_INVALID_CHARS, gbk.data(), length, reinterpret_cast<wchar_t*>(wide.data()),
                        needed);
    return wide;
}

} // namespace

bool GbkCodec::available() {
    return IsValidCodePage(kGbk) != 0;
}

WideText GbkCodec::toWide(std::string_view gbk) {
    if (gbk.empty() || !fitsInt(gbk.size())) {
        return {};
    }
    WideText wide = strictlyToWide(gbk);
    if (wide.empty()) {
        // Character by character, so that a bad character takes as many bytes as the text operations give it
        // (Windows' own replacement decides that by itself).
        for (std::size_t pos = 0; pos < gbk.size();) {
            const std::size_t length = IsLeadByte(gbk[pos]) && pos + 1 < gbk.size() ? 2 : 1;
            const WideText character = strictlyToWide(gbk.substr(pos, length));
            wide += character.empty() ? u"?" : character;
            pos += length;
        }
    }
    for (char16_t& unit : wide) {
        if (isPrivateUse(unit)) {
            unit = u'?';
        }
    }
    return wide;
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    if (wide.empty() || !fitsInt(wide.size())) {
        return {};
    }
    // Code page 936 holds no character beyond U+FFFF: a surrogate pair is one "?", as a lone surrogate is, where
    // Windows would give one per unit. Private-use code points would become user-defined GBK bytes.
    std::u16string filtered;
    filtered.reserve(wide.size());
    for (std::size_t pos = 0; pos < wide.size(); ++pos) {
        const char16_t unit = wide[pos];
        if (isSurrogate(unit)) {
            const bool pair =
                unit <= 0xDBFF && pos + 1 < wide.size() && wide[pos + 1] >= 0xDC00 && wide[pos + 1] <= 0xDFFF;
            pos += pair ? 1 : 0;
        }
        filtered.push_back(isSurrogate(unit) || isPrivateUse(unit) ? u'?' : unit);
    }
    const int length = static_cast<int>(filtered.size());
    const auto* source = reinterpret_cast<const wchar_t*>(filtered.data());
    // No best fit: ² must not become 2, nor U+F900 become 豈, or a title would show words that nobody wrote.
    const int needed = WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, source, length, nullptr, 0, "?", nullptr);
    if (needed <= 0) {
        return {};
    }
    AnsiText bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(kGbk, WC_NO_BEST_FIT_CHARS, source, length, bytes.data(), needed, "?", nullptr);
    return bytes;
}

} // namespace qingtan
