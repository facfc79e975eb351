// Library text of any shape: the loader must not crash, and must load only a text of exactly seven lines.
#include "TextUtilities.h"
#include "WordLibrary.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    WordLibrary library;
    TextArray lines;
    const bool loaded = ParseLibraryText(text, library, lines);
    if (loaded != (lines.size() == kCategoryCount)) {
        std::abort();
    }
    for (const WordList& words : library.lists) {
        for (const AnsiText& word : words) {
            if (word.empty() || FindAtCharacterStart(word, "|") != std::string_view::npos) {
                std::abort(); // words are never empty and never hold a separator
            }
        }
    }
    return 0;
}
