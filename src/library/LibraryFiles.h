#pragma once

#include "TextTypes.h"

#include <filesystem>
#include <string_view>

namespace qingtan {

// The three files the program keeps beside itself, and the settings they hold: the system's file formats, defined
// once here for every part that reads or writes them.

inline constexpr std::string_view kLibraryFileName = "douyin_ck.txt";  // the word library
inline constexpr std::string_view kVersionFileName = "douyin_ver.txt"; // the library version last received

// 配置.ini, the settings file.
std::filesystem::path SettingsFileName();

// The settings file's one section and its one key, both "词库配置", in code page 936.
const AnsiText& SettingsSectionName();
const AnsiText& SettingsKeyName();

// The two values of the library-source setting in UTF-8, as the windows show them, and in code page 936, as the
// settings file holds them.
inline constexpr std::string_view kOnlineSourceUtf8 = "在线词库";
inline constexpr std::string_view kLocalSourceUtf8 = "本地词库";
const AnsiText& OnlineSourceValue();
const AnsiText& LocalSourceValue();

} // namespace qingtan
