#include "VariantFinding.h"

#include "TextUtilities.h"

namespace qingtan {

CharacterSpan CharacterPositions(std::string_view gbkTitle, std::size_t begin, std::size_t end) {
    CharacterSpan span{0, 0};
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < end && pos < gbkTitle.size(); pos += CharacterLength(gbkTitle, pos)) {
        ++count;
        if (pos == begin) {
            span.first = count;
        }
    }
    span.last = count;
    return span;
}

} // namespace qingtan
