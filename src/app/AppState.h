#pragma once

#include "CheckState.h"
#include "WordLibrary.h"
#include "WordMatcher.h"

#include <optional>

namespace qingtan {

// Everything the program holds in memory while it runs: the loaded library, its matcher and the check state.
// Made once by the application object and handed to the windows by reference.
class AppState {
public:
    WordLibrary library;
    TextArray libraryLines;
    CheckState check;

    // The matcher of the current library. Built on first use: indexing a large library takes longer than loading
    // it, and the window should not wait for that at start-up.
    const WordMatcher& matcher() {
        if (!m_matcher) {
            m_matcher.emplace(library);
        }
        return *m_matcher;
    }

    // After every load, so the next check indexes the new words.
    void libraryLoaded() { m_matcher.reset(); }

private:
    std::optional<WordMatcher> m_matcher;
};

} // namespace qingtan
