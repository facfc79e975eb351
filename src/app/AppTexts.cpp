// Every Chinese text of the desktop program, written once here in UTF-8.
#include "AppTexts.h"

#include "GbkCodec.h"
#include "LibraryFiles.h"
#include "TextUtilities.h"

#include <QStringList>

#include <array>

namespace qingtan {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<std::string_view, 4> kHotListButtons{"热点榜", "今日热门视频", "娱乐明星榜", "体育热力榜"};

constexpr qsizetype kVersionShown = 20; // a long version text is cut in the line, shown whole in the tooltip

QString versionText(const LibraryState& state) {
    return state.version.empty() ? fromUtf8("无") : QString::fromStdU16String(AnsiToWide(state.version)).trimmed();
}

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

QString CannotOpenLibraryText(const QString& path) {
    return fromUtf8("无法打开词库文件，请用文本编辑器打开：") + path;
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

QString LibraryStateLine(const LibraryState& state) {
    QString version = versionText(state);
    if (version.size() > kVersionShown) {
        version = version.left(kVersionShown - 1) + fromUtf8("…");
    }
    QString line = (state.whole ? fromUtf8("词库 ") : fromUtf8("词库有误 ")) + QString::number(state.totalWords()) +
                   fromUtf8(" 词 · 版本 ") + version;
    if (state.updated == false) {
        line += fromUtf8(" · 更新失败");
    }
    return line;
}

QString LibraryStateDetails(const LibraryState& state) {
    QStringList lines;
    for (const Category category : kAllCategories) {
        lines.append(fromUtf8(CategoryNameUtf8(category)) + fromUtf8("：") +
                     QString::number(state.wordCounts[IndexOf(category)]) + fromUtf8(" 个词"));
    }
    lines.append(fromUtf8("版本：") + versionText(state));
    lines.append(state.whole ? fromUtf8("词库：已完整加载")
                             : fromUtf8("词库：文件有误，部分或全部分类没有词，检测结果不可靠"));
    if (state.updated.has_value()) {
        lines.append(*state.updated ? fromUtf8("在线更新：成功") : fromUtf8("在线更新：失败，使用本地词库"));
    } else {
        lines.append(fromUtf8("在线更新：未进行（本地词库）"));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace qingtan
