#include "gui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

Language &Language::instance() {
    static Language language;
    return language;
}

void Language::setIndex(int index) {
    if (index != 0 && index != 1)
        return;
    m_index = index;
    // Qt's own dialogs (file dialogs, print dialogs) speak Chinese through Qt's translation of itself.
    if (QCoreApplication::instance()) {
        if (index == 0 && !m_qtTranslator) {
            auto *translator = new QTranslator(QCoreApplication::instance());
            if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(translator);
                m_qtTranslator = translator;
            } else {
                delete translator;
            }
        } else if (index == 1 && m_qtTranslator) {
            QCoreApplication::removeTranslator(m_qtTranslator);
            delete m_qtTranslator;
            m_qtTranslator = nullptr;
        }
    }
    emit changed();
}
