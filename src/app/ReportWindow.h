#pragma once

#include "TextTypes.h"

#include <QWidget>

#include <functional>

class QPlainTextEdit;

namespace qingtan {

// Shows a check report beside the main window: not modal, owned by the main window (in front of it and destroyed
// with it), closed by Esc. Deletes itself when closed and runs `onDestroyed` then, which empties the check state.
class ReportWindow : public QWidget {
    Q_OBJECT
public:
    ReportWindow(QWidget* owner, const AnsiText& report, std::function<void()> onDestroyed);
    ~ReportWindow() override;

    // Replaces the shown report, for a check made while the window is open.
    void setReport(const AnsiText& report);

    // Restores the window if minimised and brings it in front.
    void bringForward();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeBeside(QWidget* owner);
    void emphasiseFindings();

    QPlainTextEdit* m_reportBox;
    std::function<void()> m_onDestroyed;
};

} // namespace qingtan
