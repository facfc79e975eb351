// The check's and the report's texts, written once here in UTF-8 and handed out in code page 936.
#include "CheckTexts.h"

#include "GbkCodec.h"
#include "GbkLiteral.h"

#include <array>

namespace qingtan {
namespace {

struct SectionTexts {
    AnsiText nothingFound;
    AnsiText heading;
};

// The report names 不文明用语 and 歧视用语 once; the other five carry their name followed by 用语.
constexpr std::array<std::string_view, kCategoryCount> kSectionTitlesUtf8{
    "不文明用语", "疑似欺骗用语", "刺激消费用语", "歧视用语", "通用用语", "化妆品用语", "普通商品用语",
};

const std::array<SectionTexts, kCategoryCount>& sectionTexts() {
    static const std::array<SectionTexts, kCategoryCount> texts = [] {
        std::array<SectionTexts, kCategoryCount> gbk;
        for (std::size_t i = 0; i < kCategoryCount; ++i) {
            const std::string title(kSectionTitlesUtf8[i]);
            gbk[i].nothingFound = GbkCodec::fromUtf8(title + "检测结果：\r\n未发现违规词\r\n\r\n\r\n");
            gbk[i].heading = GbkCodec::fromUtf8(title + "检测结果：（发现违规词）\r\n");
        }
        return gbk;
    }();
    return texts;
}

} // namespace

const AnsiText& TitlePlaceholderText() {
    return GbkText<"请在此输入你要检测的标题！">();
}

const AnsiText& NothingEnteredText() {
    return GbkText<"错误提示：尚未输入内容！">();
}

const AnsiText& CheckCompletedText() {
    return GbkText<"检测完成，请查收检测报告！">();
}

const AnsiText& NothingFoundText(Category category) {
    return sectionTexts()[IndexOf(category)].nothingFound;
}

const AnsiText& FoundHeading(Category category) {
    return sectionTexts()[IndexOf(category)].heading;
}

} // namespace qingtan
