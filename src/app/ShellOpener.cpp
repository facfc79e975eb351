#include "ShellOpener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace qingtan {

bool OpenWithDesktop(const std::filesystem::path& file) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
}

} // namespace qingtan
