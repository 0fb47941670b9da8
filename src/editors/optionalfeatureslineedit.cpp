#include "editors/optionalfeatureslineedit.h"

#include <QFocusEvent>
#include <QKeyEvent>

OptionalFeaturesLineEdit::OptionalFeaturesLineEdit(KeyFilter filter, bool enterLeaves, QWidget *parent)
    : QLineEdit(parent), m_filter(filter), m_enterLeaves(enterLeaves) {
    // Composed input would bypass the key filter.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void OptionalFeaturesLineEdit::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_enterLeaves)
            emit left();
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Editing and moving keys (Backspace, Delete, arrows, copy and paste) keep their usual meaning.
    if (event->key() == Qt::Key_Backspace || shortcut || typed.isEmpty() || !typed.front().isPrint()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QString accepted;
    for (QChar c : typed) {
        const QChar mapped = m_filter(c);
        if (!mapped.isNull())
            accepted += mapped;
    }
    if (!accepted.isEmpty())
        insert(accepted);
    event->accept();
}

void OptionalFeaturesLineEdit::focusOutEvent(QFocusEvent *event) {
    // A context menu (to paste) or another application taking the focus does not leave the field.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit left();
    QLineEdit::focusOutEvent(event);
}
