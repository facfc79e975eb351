#include "TitleHighlights.h"

#include "GbkCodec.h"

#include <QPlainTextEdit>
#include <QTextCursor>

#include <array>

namespace qingtan {
namespace {

constexpr int kOpacity = 110;

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// For each byte offset of the title in code page 936 where a character begins, the UTF-16 position of that
// character in the original text; one more entry for the end. Empty when the two do not correspond.
std::vector<int> unitOfEachByte(std::u16string_view title, std::size_t gbkSize) {
    std::vector<int> unitAt;
    unitAt.reserve(gbkSize + 1);
    for (std::size_t unit = 0; unit < title.size();) {
        const char16_t first = title[unit];
        const bool pair = first >= 0xD800 && first <= 0xDBFF && unit + 1 < title.size() && title[unit + 1] >= 0xDC00 &&
                          title[unit + 1] <= 0xDFFF;
        const std::size_t units = pair ? 2 : 1;
        // ASCII is one byte; any other character takes the bytes the codec gives it ("?" for one GBK lacks).
        const std::size_t bytes = first < 0x80 ? 1 : GbkCodec::fromWide(title.substr(unit, units)).size();
        for (std::size_t b = 0; b < bytes; ++b) {
            unitAt.push_back(static_cast<int>(unit));
        }
        unit += units;
    }
    if (unitAt.size() != gbkSize) {
        return {};
    }
    unitAt.push_back(static_cast<int>(title.size()));
    return unitAt;
}

} // namespace

QColor CategoryColour(Category category) {
    static constexpr std::array<QRgb, kCategoryCount> kPalette{
        0xE53935, // 不文明用语
        0xFB8C00, // 疑似欺骗
        0xFDD835, // 刺激消费
        0x8E24AA, // 歧视用语
        0x1E88E5, // 通用
        0xD81B60, // 化妆品
        0x43A047, // 普通商品
    };
    QColor colour(kPalette[IndexOf(category)]);
    colour.setAlpha(kOpacity);
    return colour;
}

std::vector<HighlightSpan> HighlightSpans(std::u16string_view title, const CheckState& state,
                                          const WordLibrary& library) {
    std::vector<HighlightSpan> spans;
    if (state.occurrences.empty() && state.variants.empty()) {
        return spans;
    }
    const std::vector<int> unitAt = unitOfEachByte(title, state.currentTitle.size());
    if (unitAt.empty()) {
        return spans;
    }
    for (const WordOccurrence& occurrence : state.occurrences) {
        const AnsiText& word = library[occurrence.category][occurrence.entry];
        spans.push_back({unitAt[occurrence.byteOffset], unitAt[occurrence.byteOffset + word.size()],
                         occurrence.category, fromUtf8(GbkCodec::toUtf8(word))});
    }
    for (const VariantFinding& variant : state.variants) {
        if (variant.end < unitAt.size()) {
            spans.push_back({unitAt[variant.begin], unitAt[variant.end], variant.category,
                             fromUtf8(GbkCodec::toUtf8(library[variant.category][variant.entry])), true});
        }
    }
    return spans;
}

void ApplyHighlights(QPlainTextEdit& box, const std::vector<HighlightSpan>& spans) {
    QList<QTextEdit::ExtraSelection> selections;
    for (const HighlightSpan& span : spans) {
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(box.document());
        selection.cursor.setPosition(span.start);
        selection.cursor.setPosition(span.end, QTextCursor::KeepAnchor);
        if (span.variant) {
            QColor line = CategoryColour(span.category);
            line.setAlpha(255);
            selection.format.setUnderlineStyle(QTextCharFormat::DashUnderline);
            selection.format.setUnderlineColor(line);
        } else {
            selection.format.setBackground(CategoryColour(span.category));
        }
        selections.append(selection);
    }
    box.setExtraSelections(selections);
}

QString HighlightToolTip(const std::vector<HighlightSpan>& spans, int position) {
    // One line per word: the word and every category it stands in, in category order.
    QStringList words;
    std::vector<std::array<bool, kCategoryCount>> categoriesOf;
    for (const HighlightSpan& span : spans) {
        if (span.variant || !(span.start <= position && position < span.end)) {
            continue;
        }
        qsizetype index = words.indexOf(span.word);
        if (index < 0) {
            words.append(span.word);
            categoriesOf.push_back({});
            index = words.size() - 1;
        }
        categoriesOf[static_cast<std::size_t>(index)][IndexOf(span.category)] = true;
    }
    QStringList lines;
    for (qsizetype i = 0; i < words.size(); ++i) {
        QStringList names;
        for (const Category category : kAllCategories) {
            if (categoriesOf[static_cast<std::size_t>(i)][IndexOf(category)]) {
                names.append(fromUtf8(CategoryNameUtf8(category)));
            }
        }
        lines.append(words[i] + QStringLiteral("：") + names.join(QStringLiteral("、")));
    }
    for (const HighlightSpan& span : spans) {
        const QString line = QStringLiteral("疑似变体：") + span.word;
        if (span.variant && span.start <= position && position < span.end && !lines.contains(line)) {
            lines.append(line);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace qingtan
