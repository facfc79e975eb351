#include "StatusLine.h"

#include "TextUtilities.h"

#include <QColor>
#include <QLabel>
#include <QPalette>

namespace qingtan {

std::uint32_t ColorRefToArgb(ColorRef colour, std::uint8_t opacity) {
    const std::uint32_t red = colour & 0xFFu;
    const std::uint32_t green = (colour >> 8) & 0xFFu;
    const std::uint32_t blue = (colour >> 16) & 0xFFu;
    return (std::uint32_t{opacity} << 24) | (red << 16) | (green << 8) | blue;
}

void ShowStatus(QLabel& label, const AnsiText& text, ColorRef colour) {
    label.setText(QString::fromStdU16String(AnsiToWide(text)));
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgba(ColorRefToArgb(colour)));
    label.setPalette(palette);
}

} // namespace qingtan
