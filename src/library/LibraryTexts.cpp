// The word library's own texts, written once here in UTF-8 and handed out in code page 936.
#include "Category.h"
#include "GbkCodec.h"
#include "SupportGroup.h"
#include "WordLibrary.h"

#include <algorithm>

namespace qingtan {
namespace {

constexpr std::array<std::string_view, kCategoryCount> kCategoryNamesUtf8{
    "不文明用语", "疑似欺骗", "刺激消费", "歧视用语", "通用", "化妆品", "普通商品",
};

const std::array<AnsiText, kCategoryCount>& categoryNames() {
    static const std::array<AnsiText, kCategoryCount> names = [] {
        std::array<AnsiText, kCategoryCount> gbk;
        std::transform(kCategoryNamesUtf8.begin(), kCategoryNamesUtf8.end(), gbk.begin(), GbkCodec::fromUtf8);
        return gbk;
    }();
    return names;
}

} // namespace

const AnsiText& CategoryName(Category category) {
    return categoryNames()[IndexOf(category)];
}

std::string_view CategoryNameUtf8(Category category) {
    return kCategoryNamesUtf8[IndexOf(category)];
}

std::optional<Category> CategoryFromName(std::string_view gbkName) {
    const auto& names = categoryNames();
    const auto hit = std::find(names.begin(), names.end(), gbkName);
    if (hit == names.end()) {
        return std::nullopt;
    }
    return kAllCategories[static_cast<std::size_t>(hit - names.begin())];
}

const AnsiText& LibraryLoadErrorText() {
    static const AnsiText text =
        GbkCodec::fromUtf8("加载词库可能出错，请联系作者，Q群：") + AnsiText(SupportGroupNumber);
    return text;
}

} // namespace qingtan
