#include "ReportWindow.h"

#include "AppTexts.h"
#include "CheckTexts.h"
#include "ControlNames.h"
#include "TextUtilities.h"
#include "WindowHeader.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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
    emphasiseFindings();
}

// The sections that found words stand out: their heading and word line bold in a strong red. Formatting only;
// the text stays the report.
void ReportWindow::emphasiseFindings() {
    QStringList headings;
    for (const Category category : kAllCategories) {
        QString heading = QString::fromStdU16String(AnsiToWide(FoundHeading(category)));
        heading.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        headings.append(heading);
    }
    QTextCharFormat strong;
    strong.setFontWeight(QFont::Bold);
    strong.setForeground(QColor(0xC6, 0x28, 0x28));
    QTextDocument* document = m_reportBox->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (!headings.contains(block.text())) {
            continue;
        }
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor); // the word line
        cursor.mergeCharFormat(strong);
    }
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
