#pragma once

#include "Category.h"
#include "TextTypes.h"

namespace qingtan {

// The check's and the report's fixed texts, in code page 936.
const AnsiText& TitlePlaceholderText();     // 请在此输入你要检测的标题！
const AnsiText& NothingEnteredText();       // 错误提示：尚未输入内容！
const AnsiText& CheckCompletedText();       // 检测完成，请查收检测报告！
const AnsiText& NothingFoundText(Category); // e.g. 通用用语检测结果：\r\n未发现违规词\r\n\r\n\r\n
const AnsiText& FoundHeading(Category);     // e.g. 通用用语检测结果：（发现违规词）\r\n

} // namespace qingtan
