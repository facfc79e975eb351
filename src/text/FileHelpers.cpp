#include "FileHelpers.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace qingtan {
namespace {

#ifdef _WIN32
bool writeDurably(const std::filesystem::path& path, std::string_view bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool ok = true;
    while (ok && !bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        ok = WriteFile(file, bytes.data(), chunk, &written, nullptr) != 0;
        bytes.remove_prefix(written);
    }
    ok = ok && FlushFileBuffers(file) != 0;
    return CloseHandle(file) != 0 && ok;
}

unsigned long processId() {
    return GetCurrentProcessId();
}

// MOVEFILE_WRITE_THROUGH returns only when the rename is on disk: nothing is left to sync.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool syncDirectory(const std::filesystem::path&) {
    return true;
}
#else
bool writeDurably(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    while (ok && !bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        ok = written > 0;
        if (ok) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

unsigned long processId() {
    return static_cast<unsigned long>(::getpid());
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

// A rename lives in the directory: until the directory itself is synced, a power cut can bring back the old name.
// File systems that cannot sync a directory (EINVAL) keep their renames by other means.
bool syncDirectory(const std::filesystem::path& directory) {
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL;
    return ::close(fd) == 0 && ok;
}
#endif

// A name of its own per process and call, so concurrent writers never share a temporary file.
std::filesystem::path temporarySibling(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temp = path;
    temp += ".part" + std::to_string(processId()) + "-" + std::to_string(++counter);
    return temp;
}

bool allDigits(std::u8string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char8_t c) { return c >= u8'0' && c <= u8'9'; });
}

// "<name>.part<process>-<count>", as temporarySibling makes them.
bool isTemporaryOf(const std::filesystem::path& candidate, const std::filesystem::path& path) {
    const std::u8string name = candidate.filename().u8string();
    const std::u8string prefix = path.filename().u8string() + u8".part";
    if (!name.starts_with(prefix)) {
        return false;
    }
    const std::u8string_view rest = std::u8string_view(name).substr(prefix.size());
    const std::size_t dash = rest.find(u8'-');
    return dash != std::u8string_view::npos && allDigits(rest.substr(0, dash)) && allDigits(rest.substr(dash + 1));
}

} // namespace

bool NameExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

ByteBuffer ReadWholeFile(const std::filesystem::path& path) {
    if (!IsRegularFile(path)) {
        return {};
    }
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        return {};
    }
    // One read of the size the file has now; a file that grows meanwhile is read to its new end below.
    const std::streamoff size = in.tellg();
    ByteBuffer bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in) {
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return in.bad() ? ByteBuffer() : bytes;
}

bool WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temp = temporarySibling(path);
    if (!writeDurably(temp, bytes) || !replaceFile(temp, path)) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return false;
    }
    return syncDirectory(path.parent_path());
}

void RemoveLeftoverTemporaries(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::path directory = path.parent_path().empty() ? "." : path.parent_path();
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (isTemporaryOf(it->path(), path) && it->is_regular_file(ignored)) {
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path ExecutableDirectory() {
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()))) == buffer.size()) {
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(length);
    return std::filesystem::path(buffer).parent_path();
#else
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path(error) : self.parent_path();
#endif
}

} // namespace qingtan
