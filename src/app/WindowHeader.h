#pragma once

#include <QIcon>
#include <QString>

#include <string_view>

class QWidget;

namespace qingtan {

// The program's icon, drawn rather than shipped: a white tick on a green disc.
QIcon AppIcon();

// The band at the top of a window, where the window-frame control sits at (4, 4): the icon, then the title.
// The native title bar stays; the band keeps the controls' places as designed.
void AddWindowHeader(QWidget& window, std::string_view frameName, const QString& title);

} // namespace qingtan
