#include "ReportWindow.h"

#include "AppTexts.h"
#include "ControlNames.h"
#include "TextUtilities.h"
#include "WindowHeader.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace qingtan {

ReportWindow::ReportWindow(QWidget* owner, const AnsiText& report, std::function<void()> onDestroyed)
    // A dialog of its owner: the window manager keeps it in front of the main window and minimises it with it.
    : QWidget(owner, Qt::Dialog), m_reportBox(new QPlainTextEdit(this)), m_onDestroyed(std::move(onDestroyed)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(500, 600);
    AddWindowHeader(*this, names::kReportFrame, ReportWindowTitle(), false);
    placeBeside(owner);

    m_reportBox->setObjectName(names::Q(names::kReportBox));
    m_reportBox->setGeometry(2, 31, 496, 566);
    QFont font = m_reportBox->font();
    font.setFamilies(ReportFontFamilies());
    m_reportBox->setFont(font);
    setReport(report);
}

void ReportWindow::placeBeside(QWidget* owner) {
    // Beside the main window when the screen has room, so the title stays in view for the next check.
    move(50, 50);
    if (!owner || !owner->screen()) {
        return;
    }
    const QRect available = owner->screen()->availableGeometry();
    const QPoint besideOwner = owner->frameGeometry().topRight() + QPoint(8, 0);
    if (available.contains(QRect(besideOwner, frameSize()))) {
        move(besideOwner);
    }
}

ReportWindow::~ReportWindow() {
    if (m_onDestroyed) {
        m_onDestroyed();
    }
}

void ReportWindow::setReport(const AnsiText& report) {
    // The report's lines end in CR LF; the edit box breaks lines on LF alone.
    QString text = QString::fromStdU16String(AnsiToWide(report));
    text.remove(QLatin1Char('\r'));
    m_reportBox->setPlainText(text);
}

void ReportWindow::bringForward() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void ReportWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qingtan
