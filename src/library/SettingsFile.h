#pragma once

#include "TextTypes.h"

#include <filesystem>

namespace qingtan {

// 配置.ini beside the executable: a profile (INI) file in code page 936 holding the library source under section
// and key 词库配置. Other sections, keys and comments in the file are kept when it is written.
class SettingsFile {
public:
    explicit SettingsFile(std::filesystem::path directory);

    const std::filesystem::path& path() const { return m_path; }
    bool exists() const;

    // The stored value, byte for byte; empty when the file, the section or the key is missing.
    AnsiText read() const;

    // Creates the file or the section when missing and replaces the value. The file is replaced through a
    // temporary file and a rename, so a crash never leaves half a file. Returns false when that failed.
    bool write(const AnsiText& value) const;

private:
    std::filesystem::path m_path;
};

} // namespace qingtan
