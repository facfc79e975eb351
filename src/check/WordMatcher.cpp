#include "WordMatcher.h"

#include "WordScan.h"

namespace qingtan {

WordMatcher::WordMatcher(const WordLibrary& library) : m_library(library) {}

TitleMatches WordMatcher::match(std::string_view title) const {
    TitleMatches matches;
    for (const Category category : kAllCategories) {
        matches[IndexOf(category)] = ScanWordList(m_library[category], title);
    }
    return matches;
}

} // namespace qingtan
