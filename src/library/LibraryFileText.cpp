#include "LibraryFileText.h"

#include "Category.h"
#include "GbkCodec.h"

namespace qingtan {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// "<" cannot be a trail byte in GBK, so this search is quick on a large GBK library that names nothing in UTF-8.
bool namesACategoryInUtf8(std::string_view bytes) {
    for (const Category category : kAllCategories) {
        if (bytes.find("<" + std::string(CategoryNameUtf8(category)) + ">|") != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

bool isValidUtf8(std::string_view bytes) {
    return GbkCodec::wideToUtf8(GbkCodec::utf8ToWide(bytes)) == bytes;
}

} // namespace

bool IsUtf8LibraryFile(std::string_view bytes) {
    return bytes.starts_with(kUtf8ByteOrderMark) || (namesACategoryInUtf8(bytes) && isValidUtf8(bytes));
}

AnsiText LibraryFileText(std::string_view bytes) {
    if (bytes.starts_with(kUtf8ByteOrderMark)) {
        return GbkCodec::fromUtf8(bytes.substr(kUtf8ByteOrderMark.size()));
    }
    if (namesACategoryInUtf8(bytes) && isValidUtf8(bytes)) {
        return GbkCodec::fromUtf8(bytes);
    }
    return AnsiText(bytes);
}

} // namespace qingtan
