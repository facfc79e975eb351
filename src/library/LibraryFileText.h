#pragma once

#include "TextTypes.h"

#include <string_view>

namespace qingtan {

// The library text that a library file's bytes hold, in code page 936. Most editors save UTF-8 today: a file that
// begins with the UTF-8 byte-order mark, or that is valid UTF-8 and names a category in UTF-8, is converted
// (characters outside code page 936 become "?"). Any other file is taken byte for byte, as GBK.
AnsiText LibraryFileText(std::string_view bytes);

// True when LibraryFileText would read these bytes as UTF-8.
bool IsUtf8LibraryFile(std::string_view bytes);

} // namespace qingtan
