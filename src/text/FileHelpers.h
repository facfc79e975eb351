#pragma once

#include "TextTypes.h"

#include <filesystem>
#include <string_view>

namespace qingtan {

// True for an existing file or directory of that name.
bool NameExists(const std::filesystem::path& path);

// True for an existing regular file (or a link to one); a directory or a device is not one.
bool IsRegularFile(const std::filesystem::path& path);

// The whole file; empty when it is missing, cannot be read or is not a regular file.
ByteBuffer ReadWholeFile(const std::filesystem::path& path);

// Creates or truncates the file and writes all bytes. Returns false when that failed.
bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Writes all bytes to a temporary file in the same directory, flushes it to disk and renames it over `path`, so a
// reader (or a later start after a crash) sees either the old or the new content, never a part. Returns false and
// leaves `path` untouched when any step fails. The directory is synced after the rename, so the new name survives a
// power cut.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Removes the temporary files that WriteFileAtomically of `path` left behind when its process was killed midway
// (regular files named like its own temporaries, nothing else).
void RemoveLeftoverTemporaries(const std::filesystem::path& path);

// A path given as UTF-8 (a command-line argument), on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);

// The directory of the running executable, where the library and settings files live.
std::filesystem::path ExecutableDirectory();

} // namespace qingtan
