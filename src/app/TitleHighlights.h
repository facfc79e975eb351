#pragma once

#include "CheckState.h"
#include "WordLibrary.h"

#include <QColor>
#include <QString>

#include <string_view>
#include <vector>

class QPlainTextEdit;

namespace qingtan {

// Where one word found by a check stands in the title box's text, in UTF-16 positions of that text.
struct HighlightSpan {
    int start;
    int end; // one past the last position
    Category category;
    QString word;
    bool variant = false; // the word written otherwise (case, full-width, separators, traditional characters)
};

// The background of a category's words, one fixed palette; see-through, so overlapping words show both.
QColor CategoryColour(Category category);

// The check's occurrences mapped from the GBK title back to `title`, the box text the check read. Empty when the
// state holds no title (a refused check).
std::vector<HighlightSpan> HighlightSpans(std::u16string_view title, const CheckState& state,
                                          const WordLibrary& library);

// Shows the spans in the box, exact words as backgrounds and variants as a dashed underline in the category's
// colour; formatting only, the text is not touched.
void ApplyHighlights(QPlainTextEdit& box, const std::vector<HighlightSpan>& spans);

// The words that stand at `position` and their categories, one line each; empty when none does.
QString HighlightToolTip(const std::vector<HighlightSpan>& spans, int position);

} // namespace qingtan
