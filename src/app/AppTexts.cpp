// Every Chinese text of the desktop program, written once here in UTF-8.
#include "AppTexts.h"

#include "GbkCodec.h"
#include "LibraryFiles.h"

#include <array>

namespace qingtan {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<std::string_view, 4> kHotListButtons{"热点榜", "今日热门视频", "娱乐明星榜", "体育热力榜"};

} // namespace

QString MainWindowTitle() {
    return fromUtf8("青檀工具箱");
}
QString ReportWindowTitle() {
    return fromUtf8("青檀词镜报告[按Esc键可以快速关闭]");
}
QString TitleCheckTab() {
    return fromUtf8("标题检测");
}
QString HotListTab() {
    return fromUtf8("热榜查询");
}
QString StatusGroup() {
    return fromUtf8("运行状态");
}
QString CheckAllBox() {
    return fromUtf8("全部检测");
}
QString CheckAllHint() {
    return fromUtf8("（默认全部检测）");
}
QString OnlineButton() {
    return fromUtf8(kOnlineSourceUtf8);
}
QString LocalButton() {
    return fromUtf8(kLocalSourceUtf8);
}
QString CheckButton() {
    return fromUtf8("检测");
}
QString EditLibraryButton() {
    return fromUtf8("词库编辑");
}
QString OfficialListsGroup() {
    return fromUtf8("官方榜单");
}
QString ThirdPartyListsGroup() {
    return fromUtf8("第三方榜单");
}
QString HotListButton(int index) {
    return fromUtf8(kHotListButtons.at(static_cast<std::size_t>(index)));
}
QString PendingText() {
    return fromUtf8("等待添加……");
}
QString SwitchCaption() {
    return fromUtf8("是否需要切换词库");
}
QString SwitchToLocalQuestion() {
    return fromUtf8("请确认是否要切换到本地词库，如果使用本地词库，将不再自动更新词库");
}
QString SwitchToOnlineQuestion() {
    return fromUtf8("请确认是否要切换到在线词库，如果使用在线词库，将会覆盖本地词库");
}
QString UpdatingText() {
    return fromUtf8("正在检查词库更新……");
}

QString CloseWindowTip() {
    return fromUtf8("关闭");
}
QString MinimiseWindowTip() {
    return fromUtf8("最小化");
}
QString CodecMissingText() {
    return fromUtf8("本系统无法转换GBK编码的文字，词库无法使用，程序不能运行。");
}

QStringList ReportFontFamilies() {
    return {fromUtf8("微软雅黑"), fromUtf8("Microsoft YaHei"), fromUtf8("Noto Sans CJK SC"), fromUtf8("Noto Sans CJK")};
}

AnsiText StartedStatus() {
    return GbkCodec::fromUtf8("程序已启动");
}

} // namespace qingtan
