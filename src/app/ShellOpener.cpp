#include "ShellOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace qingtan {

void OpenWithDesktop(const std::filesystem::path& file) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
}

} // namespace qingtan
