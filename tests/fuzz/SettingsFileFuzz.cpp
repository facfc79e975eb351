// 配置.ini as a user or another program may have left it: reading never crashes, and writing the library source
// over any such file stores exactly that value.
#include "FileHelpers.h"
#include "LibraryFiles.h"
#include "SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const std::filesystem::path& directory() {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / ("qingtan-fuzz-settings-" + std::to_string(getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qingtan;
    const AnsiText& kLocal = LocalSourceValue();
    const SettingsFile settings(directory());
    WriteWholeFile(settings.path(), std::string_view(reinterpret_cast<const char*>(data), size));
    settings.read();
    if (settings.write(kLocal) && settings.read() != kLocal) {
        std::abort();
    }
    return 0;
}
