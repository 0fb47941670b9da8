#include "editors/dtmfkeyfilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool DtmfKeyFilter::isDtmfCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'D') || u == '*' || u == '#';
}

bool DtmfKeyFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Backspace)
        return false;
    const QChar c = text.at(0);
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false; // shortcuts (select all, copy, paste) keep their meaning
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
        return true; // Enter types nothing here
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return false; // Tab and Escape keep their usual meaning
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
        const QChar upper = c.toUpper();
        if (!isDtmfCharacter(upper))
            return true;
        QKeyEvent raised(QEvent::KeyPress, key->key(), key->modifiers(), QString(upper), key->isAutoRepeat(),
                         ushort(key->count()));
        QCoreApplication::sendEvent(watched, &raised);
        return true;
    }
    return !isDtmfCharacter(c);
}
