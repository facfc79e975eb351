#pragma once

#include "Category.h"
#include "TextTypes.h"

#include <array>
#include <filesystem>

namespace qingtan {

// One category's words, in file order; a word may stand more than once.
using WordList = TextArray;

// The seven word lists, indexed by Category.
struct WordLibrary {
    std::array<WordList, kCategoryCount> lists;

    WordList& operator[](Category category) { return lists[IndexOf(category)]; }
    const WordList& operator[](Category category) const { return lists[IndexOf(category)]; }
};

inline constexpr const char* kLibraryFileName = "douyin_ck.txt";

// Parses library text into `library`; `libraryLines` receives its non-empty CR LF lines. Only with exactly seven
// lines are word lists replaced (each by the line naming its category); otherwise nothing changes and it returns
// false.
bool ParseLibraryText(std::string_view text, WordLibrary& library, TextArray& libraryLines);

// Reads douyin_ck.txt from `directory` and parses it. When the file does not hold exactly seven non-empty lines it
// shows the red load error through `showStatus` and returns false; a successful load shows nothing.
bool LoadWordLibrary(const std::filesystem::path& directory, WordLibrary& library, TextArray& libraryLines,
                     const ShowStatusFn& showStatus);

// The same for a library file at any path, as the command-line tools take it.
bool LoadWordLibraryFile(const std::filesystem::path& file, WordLibrary& library, TextArray& libraryLines,
                         const ShowStatusFn& showStatus);

// "加载词库可能出错，请联系作者，Q群：" followed by the support group number, in code page 936.
const AnsiText& LibraryLoadErrorText();

} // namespace qingtan
