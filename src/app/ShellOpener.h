#pragma once

#include <filesystem>
#include <functional>

namespace qingtan {

// Opens a file in the program the desktop associates with it; failures are silent. A seam, so tests can record
// what would be opened instead of starting an editor.
using ShellOpenerFn = std::function<void(const std::filesystem::path& file)>;

// The real opener, through QDesktopServices.
void OpenWithDesktop(const std::filesystem::path& file);

} // namespace qingtan
