#include "editors/fmkeyfilter.h"

#include <QKeyEvent>

bool FmKeyFilter::eventFilter(QObject *, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit enterPressed();
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || key->key() == Qt::Key_Backspace)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false; // shortcuts (select all, copy, paste) keep their meaning
    const char16_t c = text.at(0).unicode();
    if (c < 0x20 || c == 0x7F)
        return false; // Tab and Escape keep their usual meaning
    return !((c >= '0' && c <= '9') || c == '.');
}
