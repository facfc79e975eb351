#pragma once

#include "CheckState.h"
#include "WordLibrary.h"
#include "WordMatcher.h"

#include <optional>

namespace qingtan {

// Everything the program holds in memory while it runs: the loaded library, its matcher and the check state.
// Made once by the application object and handed to the windows by reference.
struct AppState {
    WordLibrary library;
    TextArray libraryLines;
    std::optional<WordMatcher> matcher{std::in_place, library};
    CheckState check;

    // The matcher indexes the library, so it is rebuilt after every load.
    void rebuildMatcher() { matcher.emplace(library); }
};

} // namespace qingtan
