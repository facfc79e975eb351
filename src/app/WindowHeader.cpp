#include "WindowHeader.h"

#include "AppTexts.h"
#include "ControlNames.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

namespace qingtan {

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x2E, 0x7D, 0x32));
        painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        QFont font = painter.font();
        font.setPixelSize(size * 5 / 8);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(picture.rect(), Qt::AlignCenter, ui::IconCharacter());
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

void AddWindowHeader(QWidget& window, std::string_view frameName, const QString& title) {
    window.setWindowIcon(AppIcon());
    auto* frame = new QLabel(&window);
    frame->setObjectName(names::Q(frameName));
    frame->setGeometry(4, 4, 24, 24);
    frame->setPixmap(AppIcon().pixmap(24, 24));
    auto* caption = new QLabel(title, &window);
    caption->setGeometry(34, 4, window.width() - 38, 24);
    caption->setTextFormat(Qt::PlainText);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
}

} // namespace qingtan
