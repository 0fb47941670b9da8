#pragma once
// A validator that never refuses: it maps every character of the text (typed or pasted) through a filter,
// which may replace it or drop it (by returning a null QChar).

#include <QValidator>

class CharFilterValidator : public QValidator {
    Q_OBJECT
public:
    using Filter = QChar (*)(QChar);
    explicit CharFilterValidator(Filter filter, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;

private:
    Filter m_filter;
};
