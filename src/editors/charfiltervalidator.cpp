#include "editors/charfiltervalidator.h"

CharFilterValidator::CharFilterValidator(Filter filter, QObject *parent)
    : QValidator(parent), m_filter(filter) {}

QValidator::State CharFilterValidator::validate(QString &input, int &pos) const {
    QString out;
    out.reserve(input.size());
    int newPos = pos;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = m_filter(input.at(i));
        if (c.isNull()) {
            if (i < pos)
                --newPos;
            continue;
        }
        out += c;
    }
    input = out;
    pos = newPos;
    return Acceptable;
}
