#pragma once

#include <QIcon>
#include <QString>

#include <string_view>

class QWidget;

namespace qingtan {

// The program's icon, drawn rather than shipped: a white tick on a green disc.
QIcon AppIcon();

// The window's one title bar, drawn in the band at the top: the window-frame control at (4, 4) with the icon, the
// title beside it, a close button (and a minimise button) at the right. The window has no system frame, so the
// title shows once whether or not a window manager draws frames; dragging the band moves the window.
void AddWindowHeader(QWidget& window, std::string_view frameName, const QString& title, bool minimisable);

} // namespace qingtan
