#pragma once
// The interface language: 0 Simplified Chinese, 1 English. Windows connect to changed() and set their
// texts again; Qt's own dialogs follow through Qt's translation of its own texts.

#include <QObject>
#include <QString>

class QTranslator;

class Language : public QObject {
    Q_OBJECT
public:
    static Language &instance();

    int index() const { return m_index; }
    // Sets the index and tells every window; values other than 0 and 1 change nothing.
    void setIndex(int index);

signals:
    void changed();

private:
    Language() = default;
    int m_index = 0;
    QTranslator *m_qtTranslator = nullptr;
};

namespace lang {
inline int index() { return Language::instance().index(); }
inline bool english() { return index() == 1; }
// The text of the current language.
inline QString pick(const char *chinese, const char *english) {
    return QString::fromUtf8(lang::english() ? english : chinese);
}
inline QString pick(const QString &chinese, const QString &english) { return lang::english() ? english : chinese; }
} // namespace lang
