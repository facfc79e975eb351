#include "WordLibrary.h"

#include "FileHelpers.h"
#include "LibraryCheck.h"
#include "LibraryFileText.h"
#include "TextUtilities.h"

#include <algorithm>

namespace qingtan {

bool ParseLibraryText(std::string_view text, WordLibrary& library, TextArray& libraryLines) {
    text = text.substr(0, text.find('\0'));
    if (SplitNonEmpty(text, "\r\n", libraryLines) != static_cast<int>(kCategoryCount)) {
        return false;
    }
    for (const AnsiText& line : libraryLines) {
        if (const auto category = CategoryFromName(ViewBetween(line, "<", ">|"))) {
            SplitNonEmpty(ViewBetween(line, ">|", "|<"), "|", library[*category]);
        }
    }
    return true;
}

LibraryLoadResult LoadWordLibrary(const std::filesystem::path& directory, WordLibrary& library, TextArray& libraryLines,
                                  const ShowStatusFn& showStatus) {
    return LoadWordLibraryFile(directory / kLibraryFileName, library, libraryLines, showStatus);
}

LibraryLoadResult LoadWordLibraryFile(const std::filesystem::path& file, WordLibrary& library, TextArray& libraryLines,
                                      const ShowStatusFn& showStatus) {
    const AnsiText text = LibraryFileText(ReadWholeFile(file));
    LibraryLoadResult result;
    result.loaded = ParseLibraryText(text, library, libraryLines) &&
                    std::any_of(libraryLines.begin(), libraryLines.end(), [](const AnsiText& line) {
                        return CategoryFromName(ViewBetween(line, "<", ">|")).has_value();
                    });
    result.fault = LibraryFault(text);
    if (result.fault) {
        showStatus(LibraryLoadErrorText(), kRed);
    }
    return result;
}

} // namespace qingtan
