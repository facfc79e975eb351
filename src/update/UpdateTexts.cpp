// The library update's texts, written once here in UTF-8 and handed out in code page 936.
#include "UpdateTexts.h"

#include "GbkCodec.h"
#include "GbkLiteral.h"
#include "SupportGroup.h"

namespace qingtan {
namespace {

// Two wordings carry the version: the one after a version change uses full-width punctuation and no blanks, the
// one after a full refresh ASCII punctuation and a blank before 如果 and before 反馈.
AnsiText withVersion(std::string_view before, std::string_view version, std::string_view middle,
                     std::string_view after) {
    return GbkCodec::fromUtf8(before) + AnsiText(version) + GbkCodec::fromUtf8(middle) + AnsiText(SupportGroupNumber) +
           GbkCodec::fromUtf8(after);
}

} // namespace

const AnsiText& UpToDateText() {
    return GbkText<"已加载过在线字库且版本符合，无需更新">();
}

const AnsiText& LibraryRestoredText() {
    return GbkText<"已经更新在线词库">();
}

AnsiText VersionChangedText(std::string_view serverVersion) {
    return withVersion("已经更新在线词库，当前版本为：", serverVersion, "如果你有其他建议也可以加QQ群：", "反馈给我们");
}

AnsiText FullRefreshText(std::string_view serverVersion) {
    return withVersion("已经更新在线词库,当前版本:", serverVersion, " 如果你有其他建议也可以加QQ群:", " 反馈给我们");
}

const AnsiText& UpdateFailedText() {
    return GbkText<"词库更新失败，继续使用本地词库">();
}

const AnsiText& LocalLibraryKeptText() {
    return GbkText<"当前使用本地词库，未自动更新">();
}

} // namespace qingtan
