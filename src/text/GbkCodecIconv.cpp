#include "GbkCodec.h"
#include "IconvConverter.h"

#include <bit>
#include <cstring>

namespace qingtan {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

enum class Direction : std::size_t { GbkToWide, WideToGbk, Utf8ToWide, WideToUtf8 };

// One descriptor per direction and thread, opened on first use: opening costs far more than a short title.
IconvConverter& converter(Direction direction) {
    thread_local IconvConverter converters[] = {
        {kUtf16, "CP936"}, {"CP936", kUtf16}, {kUtf16, "UTF-8"}, {"UTF-8", kUtf16}};
    return converters[static_cast<std::size_t>(direction)];
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
    return converter(Direction::GbkToWide).ok() && converter(Direction::WideToGbk).ok() &&
           converter(Direction::Utf8ToWide).ok() && converter(Direction::WideToUtf8).ok();
}

WideText GbkCodec::toWide(std::string_view gbk) {
    return asWide(converter(Direction::GbkToWide).convert(gbk, 1, kWideQuestionMark));
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    std::u16string storage;
    return converter(Direction::WideToGbk).convert(asBytes(withTagCharactersReplaced(wide, storage)), 2, "?");
}

WideText GbkCodec::utf8ToWide(std::string_view utf8) {
    return asWide(converter(Direction::Utf8ToWide).convert(utf8, 1, kWideQuestionMark));
}

std::string GbkCodec::wideToUtf8(std::u16string_view wide) {
    return converter(Direction::WideToUtf8).convert(asBytes(wide), 2, "?");
}

} // namespace qingtan
