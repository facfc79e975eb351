#pragma once

#include "CheckState.h"
#include "VariantNormalizer.h"
#include "WordLibrary.h"
#include "WordMatcher.h"

#include <filesystem>
#include <optional>

namespace qingtan {

// Everything the program holds in memory while it runs: the loaded library, its matcher and the check state.
// Made once by the application object and handed to the windows by reference. Not copyable: the matcher refers
// to the library beside it, and a copy's matcher would read the original's words.
class AppState {
public:
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // Loads douyin_ck.txt from `directory` and drops the matcher of the words it replaced, so the next check
    // indexes the new ones.
    LibraryLoadResult loadLibrary(const std::filesystem::path& directory, const ShowStatusFn& showStatus);

    const WordLibrary& library() const { return m_library; }

    // The matcher of the current library. Built on first use: indexing a large library takes longer than loading
    // it, and the window should not wait for that at start-up.
    const WordMatcher& matcher();

    CheckState check;

private:
    WordLibrary m_library;
    TextArray m_libraryLines;
    std::optional<VariantNormalizer> m_normalizer; // loaded with the first matcher: OpenCC's dictionaries take a while
    std::optional<WordMatcher> m_matcher;
};

} // namespace qingtan
