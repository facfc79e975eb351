#include "LibraryFiles.h"

#include "GbkCodec.h"
#include "GbkLiteral.h"

namespace qingtan {
namespace {

const AnsiText& settingsName() {
    return GbkText<"词库配置">();
}

} // namespace

std::filesystem::path SettingsFileName() {
    return std::filesystem::path(u8"配置.ini");
}

const AnsiText& SettingsSectionName() {
    return settingsName();
}

const AnsiText& SettingsKeyName() {
    return settingsName();
}

const AnsiText& OnlineSourceValue() {
    static const AnsiText value = GbkCodec::fromUtf8(kOnlineSourceUtf8);
    return value;
}

const AnsiText& LocalSourceValue() {
    static const AnsiText value = GbkCodec::fromUtf8(kLocalSourceUtf8);
    return value;
}

} // namespace qingtan
