#pragma once

#include "Category.h"
#include "LibraryFiles.h"
#include "TextTypes.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace qingtan {

// One category's words, in file order; a word may stand more than once.
using WordList = TextArray;

// The seven word lists, indexed by Category.
struct WordLibrary {
    std::array<WordList, kCategoryCount> lists;

    WordList& operator[](Category category) { return lists[IndexOf(category)]; }
    const WordList& operator[](Category category) const { return lists[IndexOf(category)]; }
};

// Parses library text into `library`; `libraryLines` receives its non-empty CR LF lines. Only with exactly seven
// lines are word lists replaced (each by the line naming its category); otherwise nothing changes and it returns
// false.
bool ParseLibraryText(std::string_view text, WordLibrary& library, TextArray& libraryLines);

// What a load did.
struct LibraryLoadResult {
    bool loaded = false;              // the words of at least one category's line were taken
    std::optional<std::string> fault; // why the file is not a whole library (UTF-8, naming the line); nothing if it is

    explicit operator bool() const { return loaded; }
};

// Reads douyin_ck.txt from `directory` (GBK, or UTF-8 as LibraryFileText reads it) and parses it. Whenever the file
// is not a whole library (LibraryFault), whether or not some words were taken, it shows the red load error through
// `showStatus`: a damaged library is never used in silence. A whole library shows nothing.
LibraryLoadResult LoadWordLibrary(const std::filesystem::path& directory, WordLibrary& library, TextArray& libraryLines,
                                  const ShowStatusFn& showStatus);

// The same for a library file at any path, as the command-line tools take it.
LibraryLoadResult LoadWordLibraryFile(const std::filesystem::path& file, WordLibrary& library, TextArray& libraryLines,
                                      const ShowStatusFn& showStatus);

// "加载词库可能出错，请联系作者，Q群：" followed by the support group number, in code page 936.
const AnsiText& LibraryLoadErrorText();

} // namespace qingtan
