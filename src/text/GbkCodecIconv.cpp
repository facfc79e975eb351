#include "GbkCodec.h"
#include "IconvConverter.h"

#include <bit>
#include <cstring>

namespace qingtan {
namespace {

constexpr const char* kUtf16 = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

enum class Direction : std::size_t { GbkToWide, WideToGbk };

// One descriptor per direction and thread, opened on first use: opening costs far more than a short title.
IconvConverter& converter(Direction direction) {
    thread_local IconvConverter converters[] = {{kUtf16, "CP936"}, {"CP936", kUtf16}};
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
    return converter(Direction::GbkToWide).ok() && converter(Direction::WideToGbk).ok();
}

WideText GbkCodec::toWide(std::string_view gbk) {
    return asWide(converter(Direction::GbkToWide).convert(gbk, InputUnit::GbkCharacter, kWideQuestionMark));
}

AnsiText GbkCodec::fromWide(std::u16string_view wide) {
    std::u16string storage;
    return converter(Direction::WideToGbk)
        .convert(asBytes(withTagCharactersReplaced(wide, storage)), InputUnit::Utf16, "?");
}

} // namespace qingtan
