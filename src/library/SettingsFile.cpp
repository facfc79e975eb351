#include "SettingsFile.h"

#include "FileHelpers.h"
#include "LibraryFiles.h"

// The values are code page 936 bytes and must pass through untouched, on every platform. Debian's header keeps
// the template bodies behind SI_IMPLEMENTATION; this is the one file that includes it.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace qingtan {
namespace {

bool load(const std::filesystem::path& path, CSimpleIniA& ini) {
    ini.SetUnicode(false);
    ini.SetMultiKey(false);
    ini.SetSpaces(false); // key=value, as the platform's profile functions write it
    const ByteBuffer bytes = ReadWholeFile(path);
    return ini.LoadData(bytes.data(), bytes.size()) >= 0;
}

} // namespace

SettingsFile::SettingsFile(std::filesystem::path directory) : m_path(std::move(directory) / SettingsFileName()) {}

bool SettingsFile::exists() const {
    return NameExists(m_path);
}

AnsiText SettingsFile::read() const {
    CSimpleIniA ini;
    if (!load(m_path, ini)) {
        return {};
    }
    return ini.GetValue(SettingsSectionName().c_str(), SettingsKeyName().c_str(), "");
}

bool SettingsFile::write(const AnsiText& value) const {
    CSimpleIniA ini;
    load(m_path, ini); // an unreadable file is replaced by one holding just our section
    if (ini.SetValue(SettingsSectionName().c_str(), SettingsKeyName().c_str(), value.c_str()) < 0) {
        return false;
    }
    std::string bytes;
    if (ini.Save(bytes) < 0) {
        return false;
    }
    return WriteFileAtomically(m_path, bytes);
}

} // namespace qingtan
