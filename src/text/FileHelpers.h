#pragma once

#include "TextTypes.h"

#include <filesystem>
#include <string_view>

namespace qingtan {

// True for an existing file or directory of that name.
bool NameExists(const std::filesystem::path& path);

// The whole file; empty when it is missing or cannot be read.
ByteBuffer ReadWholeFile(const std::filesystem::path& path);

// Creates or truncates the file and writes all bytes. Returns false when that failed.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes all bytes to a temporary file in the same directory, flushes it to disk and renames it over `path`, so a
// reader (or a later start after a crash) sees either the old or the new content, never a part. Returns false and
// leaves `path` untouched when any step fails.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

} // namespace qingtan

namespace qingtan {

// A path given as UTF-8 (a command-line argument), on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The directory of the running executable, where the library and settings files live.
std::filesystem::path ExecutableDirectory();

} // namespace qingtan
