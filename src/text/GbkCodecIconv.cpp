#include "GbkCodec.h"
#include "IconvConverter.h"

#include <bit>
#include <cstring>

namespace qingtan {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

// One descriptor per direction and thread, opened on first use: opening costs far more than a short title.
IconvConverter& gbkToWide() {
    thread_local IconvConverter converter(kUtf16, "CP936");
    return converter;
}
IconvConverter& wideToGbk() {
    thread_local IconvConverter converter("CP936", kUtf16);
    return converter;
}
IconvConverter& utf8ToWideConverter() {
    thread_local IconvConverter converter(kUtf16, "UTF-8");
    return converter;
}
IconvConverter& wideToUtf8Converter() {
    thread_local IconvConverter converter("UTF-8", kUtf16);
    return converter;
}

std::string asBytes(std::u16string_view wide) {
    return std::string(reinterpret_cast<const char*>(wide.data()), wide.size() * sizeof(char16_t));
}

WideText asWide(const std::string& bytes) {
    WideText wide(bytes.size() / sizeof(char16_t), u'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(char16_t));
    return wide;
}

const std::string kWideQuestionMark = asBytes(u"?");

// iconv drops the tag characters U+E0000-U+E007F (high surrogate DB40, low DC00-DC7F) without a trace, the only code
// points it drops into code page 936; they become "?" like every other character the code page lacks.
std::u16string_view withTagCharactersReplaced(std::u16string_view wide, std::u16string& storage) {
    std::size_t at = wide.find(u'\xDB40');
    if (at == std::u16string_view::npos) {
        return wide;
    }
    storage.assign(wide);
    for (; at != std::u16string::npos && at + 1 < storage.size(); at = storage.find(u'\xDB40', at + 1)) {
        if (storage[at + 1] >= 0xDC00 && storage[at + 1] <= 0xDC7F) {
            storage.replace(at, 2, u"?");
        }
    }
    return storage;
}

} // namespace

bool GbkCodec::available() {
    return gbkToWide().ok() && wideToGbk().ok() && utf8ToWideConverter().ok() && wideToUtf8Converter().ok();
}

WideText GbkCodec::toWide(std::string_view gbk) {
    return asWide(gbkToWide().convert(gbk, 1, kWideQuestionMark));
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    std::u16string storage;
    return wideToGbk().convert(asBytes(withTagCharactersReplaced(wide, storage)), 2, "?");
}

WideText GbkCodec::utf8ToWide(std::string_view utf8) {
    return asWide(utf8ToWideConverter().convert(utf8, 1, kWideQuestionMark));
}

std::string GbkCodec::wideToUtf8(std::u16string_view wide) {
    return wideToUtf8Converter().convert(asBytes(wide), 2, "?");
}

} // namespace qingtan
