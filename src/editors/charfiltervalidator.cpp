#include "editors/charfiltervalidator.h"

#include <algorithm>

CharFilterValidator::CharFilterValidator(Filter filter, int typingLimit, QObject *parent)
    : QValidator(parent), m_filter(filter), m_typingLimit(typingLimit) {}

void CharFilterValidator::setStartText(const QString &text) {
    m_current = text;
    m_held = {text};
}

QValidator::State CharFilterValidator::validate(QString &input, int &pos) const {
    if (m_held.contains(input)) {
        m_current = input;
        return Acceptable;
    }
    // The new characters lie between a part kept from the old text before them and one after them. The
    // cursor stands at the end of what was typed or pasted, which tells where the new part ends when the
    // characters around it repeat ("AA" with an "A" typed between them).
    const int oldSize = int(m_current.size());
    const int newSize = int(input.size());
    int suffix = newSize - pos;
    if (pos < 0 || suffix > oldSize || !m_current.endsWith(QStringView(input).mid(pos))) {
        suffix = 0;
        while (suffix < std::min(oldSize, newSize) &&
               m_current.at(oldSize - 1 - suffix) == input.at(newSize - 1 - suffix))
            ++suffix;
    }
    int prefix = 0;
    while (prefix < std::min(oldSize, newSize) - suffix && m_current.at(prefix) == input.at(prefix))
        ++prefix;

    const int insertedEnd = newSize - suffix;
    int room = m_typingLimit > 0 ? std::max(0, m_typingLimit - prefix - suffix) : insertedEnd - prefix;
    QString out = input.left(prefix);
    int newPos = pos;
    for (int i = prefix; i < insertedEnd; ++i) {
        const QChar c = room > 0 ? m_filter(input.at(i)) : QChar();
        if (c.isNull()) {
            if (i < pos)
                --newPos;
            continue;
        }
        out += c;
        --room;
    }
    out += QStringView(input).mid(insertedEnd);
    input = out;
    pos = std::clamp(newPos, 0, int(input.size()));
    m_current = input;
    m_held.insert(input);
    return Acceptable;
}
