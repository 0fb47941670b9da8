#include "app/hidingsubwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include <algorithm>

HidingSubWindow::HidingSubWindow(QWidget *editor, QWidget *parent) : QMdiSubWindow(parent) {
    setObjectName(editor->objectName() + QStringLiteral("Frame"));
    // The editor's designed size (or else its layout's size) is what the frame shows it at.
    m_designedSize = editor->testAttribute(Qt::WA_Resized) ? editor->size() : editor->sizeHint();
    setWidget(editor);

    setAttribute(Qt::WA_DeleteOnClose, false);
    // The frame's own Close shortcuts include Ctrl+W, which is the Write command's: keep only Ctrl+F4, so
    // that Ctrl+W is not ambiguous (Qt triggers neither action on an ambiguous shortcut).
    if (QMenu *menu = systemMenu()) {
        for (QAction *action : menu->actions()) {
            if (action->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
                action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
        }
    }
}

void HidingSubWindow::fitEditor() {
    const QMargins borders = contentsMargins(); // the title bar and the frame, known once inside the area
    resize(m_designedSize.expandedTo(widget()->minimumSizeHint()) +
           QSize(borders.left() + borders.right(), borders.top() + borders.bottom()));
}

bool HidingSubWindow::event(QEvent *event) {
    const bool handled = QMdiSubWindow::event(event);
    // When the editor needs more room (English captions are longer), the frame grows so that nothing is cut.
    if (event->type() == QEvent::LayoutRequest) {
        const QSize needed = minimumSizeHint();
        if (width() < needed.width() || height() < needed.height()) {
            resize(size().expandedTo(needed));
            keepInsideArea();
        }
    }
    return handled;
}

void HidingSubWindow::keepInsideArea() {
    const QWidget *area = parentWidget();
    if (!area || isMaximized() || isMinimized())
        return;
    // Left and up as far as the grown frame needs, but never past the area's top-left corner.
    QRect frame = geometry();
    const QRect client = area->rect();
    if (frame.right() > client.right())
        frame.moveRight(client.right());
    if (frame.bottom() > client.bottom())
        frame.moveBottom(client.bottom());
    frame.moveTopLeft(QPoint(std::max(frame.left(), client.left()), std::max(frame.top(), client.top())));
    if (frame.topLeft() != pos())
        move(frame.topLeft());
}

void HidingSubWindow::closeEvent(QCloseEvent *event) {
    event->ignore();
    hide();
}
