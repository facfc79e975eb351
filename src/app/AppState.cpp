#include "AppState.h"

#include "TraditionalToSimplified.h"

namespace qingtan {

LibraryLoadResult AppState::loadLibrary(const std::filesystem::path& directory, const ShowStatusFn& showStatus) {
    m_matcher.reset();
    return LoadWordLibrary(directory, m_library, m_libraryLines, showStatus);
}

const WordMatcher& AppState::matcher() {
    if (!m_normalizer) {
        // Without OpenCC's data traditional characters are not matched as variants; everything else still is.
        m_normalizer.emplace(TraditionalToSimplified::Load());
    }
    if (!m_matcher) {
        m_matcher.emplace(m_library, &*m_normalizer);
    }
    return *m_matcher;
}

} // namespace qingtan
