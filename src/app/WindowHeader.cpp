#include "WindowHeader.h"

#include "AppTexts.h"
#include "ControlNames.h"

#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>

namespace qingtan {

QIcon AppIcon() {
    // Drawn from shapes, not a glyph: loading a font just for the icon would delay the first window.
    constexpr int kSize = 64;
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2E, 0x7D, 0x32));
    painter.drawEllipse(QRectF(0.5, 0.5, kSize - 1.0, kSize - 1.0));
    QPen tick(Qt::white, kSize / 9.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(tick);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({QPointF(kSize * 0.27, kSize * 0.52), QPointF(kSize * 0.44, kSize * 0.69),
                                    QPointF(kSize * 0.74, kSize * 0.35)}));
    painter.end();
    return QIcon(picture);
}

void AddWindowHeader(QWidget& window, std::string_view frameName, const QString& title) {
    const QIcon icon = AppIcon();
    window.setWindowIcon(icon);
    auto* frame = new QLabel(&window);
    frame->setObjectName(names::Q(frameName));
    frame->setGeometry(4, 4, 24, 24);
    frame->setPixmap(icon.pixmap(24, 24));
    auto* caption = new QLabel(title, &window);
    caption->setGeometry(34, 4, window.width() - 38, 24);
    caption->setTextFormat(Qt::PlainText);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
}

} // namespace qingtan
