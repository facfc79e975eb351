#pragma once

#include <QString>

#include <string_view>

namespace qingtan::names {

// The object names by which the code finds the controls; UTF-8.
inline constexpr std::string_view kTabs = "选择夹EX";
inline constexpr std::string_view kTitleBox = "编辑框EX检测标题";
inline constexpr std::string_view kCheckAll = "选全部检测";
inline constexpr std::string_view kCheckAllHint = "标签EX2";
inline constexpr std::string_view kCategoryBoxes[] = {
    "选不文明用语", "选疑似欺骗", "选刺激消费", "选歧视用语", "选通用", "选化妆品", "选普通商品",
};
inline constexpr std::string_view kOnlineButton = "单选框在线词库";
inline constexpr std::string_view kLocalButton = "单选框本地词库";
inline constexpr std::string_view kCheckButton = "按钮检测";
inline constexpr std::string_view kEditLibraryButton = "按钮词库编辑";
inline constexpr std::string_view kStatusGroup = "分组框EX3";
inline constexpr std::string_view kStatusLabel = "标签运行状态";
inline constexpr std::string_view kOfficialGroup = "分组框EX1";
inline constexpr std::string_view kThirdPartyGroup = "分组框EX2";
inline constexpr std::string_view kOfficialButtons[] = {"按钮EX2", "按钮EX3", "按钮EX4", "按钮EX5"};
inline constexpr std::string_view kThirdPartyButtons[] = {"按钮EX9", "按钮EX8", "按钮EX7", "按钮EX6"};
inline constexpr std::string_view kOfficialPending = "标签EX3";
inline constexpr std::string_view kThirdPartyPending = "标签EX1";
inline constexpr std::string_view kMainFrame = "主窗口EX";
inline constexpr std::string_view kReportBox = "编辑框报告";
inline constexpr std::string_view kReportFrame = "窗口EX1";
// The title bar's buttons, in each window that has them.
inline constexpr std::string_view kCloseButton = "按钮关闭窗口";
inline constexpr std::string_view kMinimiseButton = "按钮最小化窗口";
// The library's state beside the status line: words, version, whether it loaded and how the update went.
inline constexpr std::string_view kLibraryStateLabel = "标签词库状态";

inline QString Q(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace qingtan::names
