#include "WindowHeader.h"

#include "AppTexts.h"
#include "ControlNames.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <QToolButton>
#include <QWindow>

namespace qingtan {
namespace {

constexpr int kBandHeight = 30;

// Moves the window when the band is dragged: through the window manager where there is one, by hand otherwise.
class BandDragger : public QObject {
public:
    explicit BandDragger(QWidget& window) : QObject(&window), m_window(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() != Qt::LeftButton) {
                break;
            }
            m_grabOffset = press->globalPosition().toPoint() - m_window.pos();
            m_movingByHand = !(m_window.windowHandle() && m_window.windowHandle()->startSystemMove());
            return true;
        }
        case QEvent::MouseMove:
            if (m_movingByHand) {
                m_window.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - m_grabOffset);
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            m_movingByHand = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& m_window;
    QPoint m_grabOffset;
    bool m_movingByHand = false;
};

QToolButton* makeBandButton(QWidget& window, std::string_view name, const QString& text, const QString& tip, int x) {
    auto* button = new QToolButton(&window);
    button->setObjectName(names::Q(name));
    button->setText(text);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // the keyboard stays with the window's own controls
    button->setGeometry(x, 4, 24, 22);
    return button;
}

} // namespace

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

void AddWindowHeader(QWidget& window, std::string_view frameName, const QString& title, bool minimisable) {
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setWindowTitle(title); // still the window's name for the task bar and the window manager's lists
    const QIcon icon = AppIcon();
    window.setWindowIcon(icon);

    auto* band = new QWidget(&window);
    band->setGeometry(0, 0, window.width(), kBandHeight);
    band->setAutoFillBackground(true);
    QPalette bandColours = band->palette();
    bandColours.setColor(QPalette::Window, QColor(0xE3, 0xEE, 0xE0));
    band->setPalette(bandColours);
    auto* dragger = new BandDragger(window);
    band->installEventFilter(dragger);

    auto* frame = new QLabel(&window);
    frame->setObjectName(names::Q(frameName));
    frame->setGeometry(4, 4, 24, 24);
    frame->setPixmap(icon.pixmap(24, 24));
    frame->setAccessibleName(title);
    frame->installEventFilter(dragger);

    const int buttonsWidth = minimisable ? 56 : 30;
    auto* caption = new QLabel(title, &window);
    caption->setGeometry(34, 4, window.width() - 38 - buttonsWidth, 24);
    caption->setTextFormat(Qt::PlainText);
    QFont font = caption->font();
    font.setBold(true);
    caption->setFont(font);
    caption->installEventFilter(dragger);

    auto* close =
        makeBandButton(window, names::kCloseButton, QStringLiteral("×"), CloseWindowTip(), window.width() - 28);
    QObject::connect(close, &QToolButton::clicked, &window, &QWidget::close);
    if (minimisable) {
        auto* minimise = makeBandButton(window, names::kMinimiseButton, QStringLiteral("–"), MinimiseWindowTip(),
                                        window.width() - 54);
        QObject::connect(minimise, &QToolButton::clicked, &window, &QWidget::showMinimized);
    }
}

} // namespace qingtan
