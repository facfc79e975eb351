#pragma once

#include <QTranslator>

namespace qingtan {

// Qt's own texts (standard buttons, context menus) in Simplified Chinese whatever the system's locale, so no
// English word appears in a Chinese window. Installed for as long as the object lives.
class ChineseTranslations {
public:
    ChineseTranslations();
    ~ChineseTranslations();
    ChineseTranslations(const ChineseTranslations&) = delete;
    ChineseTranslations& operator=(const ChineseTranslations&) = delete;

    // False when Qt's translation files are not installed (the texts then stay Qt's English ones).
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_qtbase;
    bool m_loaded = false;
};

} // namespace qingtan
