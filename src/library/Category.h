#pragma once

#include "TextTypes.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace qingtan {

// The seven word categories in the fixed order that the loader, the check, the report and the check boxes follow.
enum class Category : std::size_t {
    Uncivil,        // 不文明用语
    Deception,      // 疑似欺骗
    Consumption,    // 刺激消费
    Discrimination, // 歧视用语
    General,        // 通用
    Cosmetics,      // 化妆品
    Goods,          // 普通商品
};

inline constexpr std::size_t kCategoryCount = 7;

inline constexpr std::array<Category, kCategoryCount> kAllCategories{
    Category::Uncivil, Category::Deception, Category::Consumption, Category::Discrimination,
    Category::General, Category::Cosmetics, Category::Goods,
};

inline constexpr std::size_t IndexOf(Category category) {
    return static_cast<std::size_t>(category);
}

// The category's name as the library file carries it (code page 936).
const AnsiText& CategoryName(Category category);

// The category's name in UTF-8, for the command line and the windows.
std::string_view CategoryNameUtf8(Category category);

// The category whose name equals `gbkName` byte for byte.
std::optional<Category> CategoryFromName(std::string_view gbkName);

} // namespace qingtan
