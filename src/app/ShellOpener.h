#pragma once

#include <filesystem>
#include <functional>

namespace qingtan {

// Opens a file in the program the desktop associates with it; false when nothing could open it. A seam, so tests
// can record what would be opened instead of starting an editor.
using ShellOpenerFn = std::function<bool(const std::filesystem::path& file)>;

// The real opener, through QDesktopServices.
bool OpenWithDesktop(const std::filesystem::path& file);

} // namespace qingtan
