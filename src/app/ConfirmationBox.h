#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace qingtan {

// The modal OK/Cancel question of the library-source switch. Handlers ask through this object instead of calling
// QMessageBox themselves, so a test can decide the answer without a dialog on screen.
class ConfirmationBox {
public:
    // Shows a modal question box owned by `owner` (question icon, OK and Cancel); true for OK. Esc and the box's
    // close button count as Cancel. With an answer set by setNextAnswer, returns that instead and shows nothing.
    bool ask(QWidget* owner, const QString& text, const QString& caption);

    // Test hook: the next ask() returns `ok` without showing a box.
    void setNextAnswer(bool ok) { m_nextAnswer = ok; }

    // Every text asked so far, in order, whether shown or answered by the hook.
    const QStringList& askedTexts() const { return m_asked; }

private:
    std::optional<bool> m_nextAnswer;
    QStringList m_asked;
};

} // namespace qingtan
