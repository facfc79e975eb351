#pragma once

#include "LibraryState.h"
#include "TextTypes.h"

#include <QString>
#include <QStringList>

namespace qingtan {

// The desktop program's Chinese texts. Each is written once, in UTF-8, in AppTexts.cpp; widgets take the QString
// form, the status line the code page 936 form.

QString MainWindowTitle();   // 青檀工具箱
QString ReportWindowTitle(); // 青檀词镜报告[按Esc键可以快速关闭]
QString TitleCheckTab();     // 标题检测
QString HotListTab();        // 热榜查询
QString StatusGroup();       // 运行状态
QString CheckAllBox();       // 全部检测
QString CheckAllHint();      // （默认全部检测）
QString OnlineButton();      // 在线词库
QString LocalButton();       // 本地词库
QString CheckButton();       // 检测
QString EditLibraryButton(); // 词库编辑
QString OfficialListsGroup();
QString ThirdPartyListsGroup();
QString HotListButton(int index); // 0..3: 热点榜, 今日热门视频, 娱乐明星榜, 体育热力榜
QString PendingText();            // 等待添加……
QString SwitchCaption();          // 是否需要切换词库
QString SwitchToLocalQuestion();
QString SwitchToOnlineQuestion();
QString UpdatingText();      // shown on the splash while the library is refreshed
QString CodecMissingText();  // the system cannot convert GBK text: the program cannot run
QString CloseWindowTip();    // 关闭
QString MinimiseWindowTip(); // 最小化
// The line beside the status line, e.g. "词库 1032 词 · 版本 2024-06"; says when the library is damaged or the
// update failed. Its tooltip: the words of each category, the version, the load and update state.
QString LibraryStateLine(const LibraryState& state);
QString LibraryStateDetails(const LibraryState& state);
QString CannotOpenLibraryText(const QString& path); // 无法打开词库文件： + path

// 微软雅黑 first; where it is not installed, a CJK family that the platform has.
QStringList ReportFontFamilies();

AnsiText StartedStatus(); // 程序已启动, code page 936

} // namespace qingtan
