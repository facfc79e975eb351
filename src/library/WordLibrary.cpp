#include "WordLibrary.h"

#include "FileHelpers.h"
#include "TextUtilities.h"

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

bool LoadWordLibrary(const std::filesystem::path& directory, WordLibrary& library, TextArray& libraryLines,
                     const ShowStatusFn& showStatus) {
    return LoadWordLibraryFile(directory / kLibraryFileName, library, libraryLines, showStatus);
}

bool LoadWordLibraryFile(const std::filesystem::path& file, WordLibrary& library, TextArray& libraryLines,
                         const ShowStatusFn& showStatus) {
    const ByteBuffer bytes = ReadWholeFile(file);
    if (!ParseLibraryText(bytes, library, libraryLines)) {
        // Fewer lines and more lines both mean a damaged library: say so rather than load nothing in silence.
        showStatus(LibraryLoadErrorText(), kRed);
        return false;
    }
    return true;
}

} // namespace qingtan
