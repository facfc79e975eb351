// Library text of any shape: the loader and the library check must not crash, the loader must load only a text of
// exactly seven lines, and a text the check calls whole must give every category its own line.
#include "LibraryCheck.h"
#include "LibraryFileText.h"
#include "TextUtilities.h"
#include "WordLibrary.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const AnsiText& text : {AnsiText(bytes), LibraryFileText(bytes)}) {
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
        if (!LibraryFault(text)) {
            std::array<bool, kCategoryCount> named{};
            for (const AnsiText& line : lines) {
                const auto category = CategoryFromName(ViewBetween(line, "<", ">|"));
                if (!category || named[IndexOf(*category)] || !line.starts_with('<') || !line.ends_with("|<")) {
                    std::abort(); // a whole library has one line of that form per category
                }
                named[IndexOf(*category)] = true;
            }
            if (!loaded) {
                std::abort();
            }
        }
    }
    return 0;
}
