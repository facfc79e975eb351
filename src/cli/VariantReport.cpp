#include "VariantReport.h"

#include "GbkCodec.h"

namespace qingtan {

std::string VariantReportText(const CheckState& state, const WordMatcher& matcher, const CategoryTicks& ticked) {
    std::string lines;
    const VariantFinding* previous = nullptr;
    for (const VariantFinding& variant : state.variants) { // ordered by category, entry and span
        if (!ticked[IndexOf(variant.category)]) {
            continue;
        }
        const bool sameWord =
            previous != nullptr && previous->category == variant.category && previous->entry == variant.entry;
        if (sameWord) {
            lines += "、";
        } else {
            if (previous != nullptr) {
                lines += "）\r\n";
            }
            lines += std::string(CategoryNameUtf8(variant.category)) + "：" +
                     GbkCodec::toUtf8(matcher.library()[variant.category][variant.entry]) + "（";
        }
        const CharacterSpan span = CharacterPositions(state.currentTitle, variant.begin, variant.end);
        lines +=
            "第" + std::to_string(span.first) +
            (span.last == span.first ? std::string() : "-" + std::to_string(span.last)) + "字「" +
            GbkCodec::toUtf8(std::string_view(state.currentTitle).substr(variant.begin, variant.end - variant.begin)) +
            "」";
        previous = &variant;
    }
    if (previous == nullptr) {
        return "疑似变体检测结果：\r\n未发现疑似变体\r\n\r\n\r\n";
    }
    return "疑似变体检测结果：（发现疑似变体）\r\n" + lines + "）\r\n\r\n\r\n";
}

} // namespace qingtan
