#include "GbkCodec.h"

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

WideText multiByteToWide(UINT codePage, std::string_view input) {
    if (input.empty() || !fitsInt(input.size())) {
        return {};
    }
    const int length = static_cast<int>(input.size());
    const int needed = MultiByteToWideChar(codePage, 0, input.data(), length, nullptr, 0);
    if (needed <= 0) {
        return {};
    }
    WideText wide(static_cast<std::size_t>(needed), u'\0');
    MultiByteToWideChar(codePage, 0, input.data(), length, reinterpret_cast<wchar_t*>(wide.data()), needed);
    return wide;
}

std::string wideToMultiByte(UINT codePage, std::u16string_view input) {
    if (input.empty() || !fitsInt(input.size())) {
        return {};
    }
    const int length = static_cast<int>(input.size());
    const auto* source = reinterpret_cast<const wchar_t*>(input.data());
    const int needed = WideCharToMultiByte(codePage, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) {
        return {};
    }
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, source, length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

} // namespace

bool GbkCodec::available() {
    return IsValidCodePage(kGbk) != 0;
}

WideText GbkCodec::toWide(std::string_view gbk) {
    return multiByteToWide(kGbk, gbk);
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    return wideToMultiByte(kGbk, wide);
}

WideText GbkCodec::utf8ToWide(std::string_view utf8) {
    return multiByteToWide(CP_UTF8, utf8);
}

std::string GbkCodec::wideToUtf8(std::u16string_view wide) {
    return wideToMultiByte(CP_UTF8, wide);
}

} // namespace qingtan
