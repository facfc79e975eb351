#include "ConfirmationBox.h"

#include <QMessageBox>

namespace qingtan {

bool ConfirmationBox::ask(QWidget* owner, const QString& text, const QString& caption) {
    m_asked.append(text);
    if (m_nextAnswer) {
        const bool answer = *m_nextAnswer;
        m_nextAnswer.reset();
        return answer;
    }
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Ok | QMessageBox::Cancel, owner);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace qingtan
