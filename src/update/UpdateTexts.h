#pragma once

#include "TextTypes.h"

#include <string_view>

namespace qingtan {

// The updater's status texts in code page 936, as the status line shows them. Written once, in UTF-8, in
// UpdateTexts.cpp.

// "已加载过在线字库且版本符合，无需更新"
const AnsiText& UpToDateText();
// "已经更新在线词库"
const AnsiText& LibraryRestoredText();
// "已经更新在线词库，当前版本为：" + version + "如果你有其他建议也可以加QQ群：" + group + "反馈给我们"
AnsiText VersionChangedText(std::string_view serverVersion);
// "已经更新在线词库,当前版本:" + version + " 如果你有其他建议也可以加QQ群:" + group + " 反馈给我们"
AnsiText FullRefreshText(std::string_view serverVersion);
// "词库更新失败，继续使用本地词库"
const AnsiText& UpdateFailedText();
// "当前使用本地词库，未自动更新"
const AnsiText& LocalLibraryKeptText();

} // namespace qingtan
