#pragma once

#include "TextTypes.h"

#include <string_view>

namespace qingtan {

// The updater's status texts in code page 936, as the status line shows them.
struct UpdateTexts {
    // "已加载过在线字库且版本符合，无需更新"
    static const AnsiText& upToDate();
    // "已经更新在线词库"
    static const AnsiText& libraryRestored();
    // "已经更新在线词库，当前版本为：" + version + "如果你有其他建议也可以加QQ群：" + group + "反馈给我们"
    static AnsiText versionChanged(std::string_view serverVersion);
    // "已经更新在线词库,当前版本:" + version + " 如果你有其他建议也可以加QQ群:" + group + " 反馈给我们"
    static AnsiText fullRefresh(std::string_view serverVersion);
    // "词库更新失败，继续使用本地词库"
    static const AnsiText& updateFailed();
    // "当前使用本地词库，未自动更新"
    static const AnsiText& localLibraryKept();
    // "本地词库": the library-source value that turns the update off
    static const AnsiText& localLibrarySource();
};

} // namespace qingtan
