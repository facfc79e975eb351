#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace qingtan {

ChineseTranslations::ChineseTranslations() {
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    m_loaded = m_qtbase.load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&m_qtbase);
}

ChineseTranslations::~ChineseTranslations() {
    if (m_loaded) {
        QCoreApplication::removeTranslator(&m_qtbase);
    }
}

} // namespace qingtan
