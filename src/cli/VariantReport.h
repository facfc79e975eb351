#pragma once

#include "CheckState.h"
#include "WordMatcher.h"

#include <string>

namespace qingtan {

// The variant section that qingtan-check --variants prints after a title's report, in UTF-8 with CR LF line ends:
// "疑似变体检测结果：\r\n未发现疑似变体\r\n\r\n\r\n" when none of the ticked categories has one, otherwise
// "疑似变体检测结果：（发现疑似变体）\r\n", one line per word found as a variant, in category and word-list order,
// "通用：第一（第3-5字「第 一」、…）\r\n", and two more CR LF, so that it ends as the report's sections do.
std::string VariantReportText(const CheckState& state, const WordMatcher& matcher, const CategoryTicks& ticked);

} // namespace qingtan
