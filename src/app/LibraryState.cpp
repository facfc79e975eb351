#include "LibraryState.h"

#include <numeric>

namespace qingtan {

std::size_t LibraryState::totalWords() const {
    return std::accumulate(wordCounts.begin(), wordCounts.end(), std::size_t{0});
}

bool LibraryStateNeedsAttention(const LibraryState& state) {
    return !state.whole || state.totalWords() == 0 || state.updated == false;
}

} // namespace qingtan
