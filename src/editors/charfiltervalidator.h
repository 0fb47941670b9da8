#pragma once
// A validator that never refuses and filters only what the user puts into the box: each typed or pasted
// character goes through a filter, which may replace it or drop it (by returning a null QChar), and no more
// characters are taken than the typing limit leaves room for. The text the box was given (setStartText)
// passes untouched, however long it is and whatever it holds, so a value that is only looked at stays as
// stored.

#include <QSet>
#include <QValidator>

class CharFilterValidator : public QValidator {
    Q_OBJECT
public:
    using Filter = QChar (*)(QChar);
    // typingLimit: the most characters the user can bring the text to by typing; 0 for no limit.
    CharFilterValidator(Filter filter, int typingLimit, QObject *parent = nullptr);

    // Call before the box gets the text it starts with.
    void setStartText(const QString &text);

    State validate(QString &input, int &pos) const override;

private:
    Filter m_filter;
    int m_typingLimit;
    // The box asks with every change; what it held last tells which characters are new. Texts the box held
    // before come back unchanged (undo and redo).
    mutable QString m_current;
    mutable QSet<QString> m_held;
};
