#pragma once

#include "FileHelpers.h"

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

namespace qingtan::test {

// A fresh directory under the system's temporary directory, removed with everything in it at the end of the scope.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() / ("qingtan-test-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    void write(std::string_view name, std::string_view bytes) const { WriteWholeFile(m_path / name, bytes); }
    std::string read(std::string_view name) const { return ReadWholeFile(m_path / name); }

private:
    std::filesystem::path m_path;
};

} // namespace qingtan::test
