#include "AppState.h"

namespace qingtan {

LibraryLoadResult AppState::loadLibrary(const std::filesystem::path& directory, const ShowStatusFn& showStatus) {
    m_matcher.reset();
    return LoadWordLibrary(directory, m_library, m_libraryLines, showStatus);
}

const WordMatcher& AppState::matcher() {
    if (!m_matcher) {
        m_matcher.emplace(m_library);
    }
    return *m_matcher;
}

} // namespace qingtan
