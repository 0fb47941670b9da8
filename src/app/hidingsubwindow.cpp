#include "app/hidingsubwindow.h"

#include <QCloseEvent>

HidingSubWindow::HidingSubWindow(QWidget *editor, QWidget *parent) : QMdiSubWindow(parent) {
    setObjectName(editor->objectName() + QStringLiteral("Frame"));
    setWidget(editor);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void HidingSubWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    hide();
}
