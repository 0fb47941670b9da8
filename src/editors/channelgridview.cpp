#include "editors/channelgridview.h"

#include "editors/channelitemdelegate.h"
#include "editors/channeltablemodel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

ChannelGridView::ChannelGridView(QWidget *parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Grid1"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Tab comes to keyPressEvent, which moves across the cells.
    setTabKeyNavigation(true);
    setCornerButtonEnabled(false);
    // Any scroll of the table ends an open edit (the editor would otherwise float over another channel).
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!m_opening && m_delegate && m_delegate->openEditor())
            finishEdit();
    });
}

void ChannelGridView::setChannelDelegate(ChannelItemDelegate *delegate) {
    m_delegate = delegate;
    setItemDelegate(delegate);
    connect(delegate, &ChannelItemDelegate::tabbed, this,
            [this](bool backwards) { moveAcross(backwards ? -1 : 1); });
}

void ChannelGridView::openCell(const QModelIndex &clicked) {
    if (!clicked.isValid() || !model())
        return;
    QModelIndex index = clicked;
    // A click anywhere on an empty channel opens its RX frequency editor.
    const QModelIndex rx = model()->index(clicked.row(), ChannelTableModel::RxColumn);
    if (rx.data().toString().isEmpty())
        index = rx;
    m_opening = true;
    selectCell(index);
    scrollTo(index);
    const bool opened = (index.flags() & Qt::ItemIsEditable) && edit(index, AllEditTriggers, nullptr);
    m_opening = false;
    if (!opened || !m_delegate)
        return;
    if (auto *combo = qobject_cast<QComboBox *>(m_delegate->openEditor()))
        combo->showPopup();
}

void ChannelGridView::finishEdit() {
    if (m_delegate)
        m_delegate->finishEdit();
    setFocus();
}

void ChannelGridView::moveAcross(int step) {
    if (!model())
        return;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() : 0;
    int column = current.isValid() ? current.column() : 0;
    column += step;
    if (column > ChannelTableModel::NameColumn) {
        if (row + 1 >= ChannelTableModel::RowCount)
            return;
        ++row;
        column = ChannelTableModel::RxColumn;
    } else if (column < ChannelTableModel::RxColumn) {
        if (row == 0)
            return;
        --row;
        column = ChannelTableModel::NameColumn;
    }
    const QModelIndex next = model()->index(row, column);
    selectCell(next);
    scrollTo(next);
}

void ChannelGridView::selectCell(const QModelIndex &index) {
    // Also the start of a later Shift+arrow selection, as a click makes it.
    m_selectingCell = true;
    setCurrentIndex(index);
    m_selectingCell = false;
}

QItemSelectionModel::SelectionFlags ChannelGridView::selectionCommand(const QModelIndex &index,
                                                                      const QEvent *event) const {
    // Without this the held keys decide (Shift+Tab would extend the selection).
    if (m_selectingCell)
        return QItemSelectionModel::ClearAndSelect;
    return QTableView::selectionCommand(index, event);
}

void ChannelGridView::selectChannels(int from, int to, bool add) {
    const QModelIndex first = model()->index(std::min(from, to), 0);
    const QModelIndex last = model()->index(std::max(from, to), ChannelTableModel::ColumnCount - 1);
    const QItemSelection rows(first, last);
    selectionModel()->setCurrentIndex(model()->index(to, 0), QItemSelectionModel::NoUpdate);
    selectionModel()->select(rows, add ? QItemSelectionModel::Select : QItemSelectionModel::ClearAndSelect);
}

void ChannelGridView::mousePressEvent(QMouseEvent *event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        // Ends an open edit and never opens one; a cell outside the selection becomes the selection, so
        // that the context menu acts on what was clicked.
        m_editArmed = false;
        finishEdit();
        if (index.isValid() && !selectionModel()->isSelected(index))
            selectCell(index);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
    m_editArmed = event->button() == Qt::LeftButton && mods == Qt::NoModifier;
    m_pressed = index;
    m_channelAnchor = -1;
    if (event->button() == Qt::LeftButton && index.isValid() &&
        index.column() == ChannelTableModel::NumberColumn) {
        // The channel number selects the whole channel (Shift: from the current channel, Ctrl: added).
        finishEdit();
        const QModelIndex current = currentIndex();
        const int anchor = (mods & Qt::ShiftModifier) && current.isValid() ? current.row() : index.row();
        selectChannels(anchor, index.row(), mods & Qt::ControlModifier);
        if (mods & Qt::ShiftModifier)
            selectionModel()->setCurrentIndex(model()->index(anchor, 0), QItemSelectionModel::NoUpdate);
        m_channelAnchor = anchor;
        return;
    }
    QTableView::mousePressEvent(event);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent *event) {
    const bool channels = m_channelAnchor >= 0;
    m_channelAnchor = -1;
    if (!channels)
        QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_editArmed)
        return;
    m_editArmed = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index != m_pressed)
        return;
    // The channel number has no editor; on an empty channel it opens the RX frequency editor.
    if (channels && !model()->index(index.row(), ChannelTableModel::RxColumn).data().toString().isEmpty())
        return;
    openCell(index);
}

void ChannelGridView::mouseMoveEvent(QMouseEvent *event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QTableView::mouseMoveEvent(event);
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    // Dragging onto another cell selects a range instead of opening the pressed cell's editor.
    if (m_editArmed && index.isValid() && index != m_pressed)
        m_editArmed = false;
    if (m_channelAnchor >= 0) {
        if (index.isValid())
            selectChannels(m_channelAnchor, index.row(), event->modifiers() & Qt::ControlModifier);
        return;
    }
    if (!m_editArmed)
        QTableView::mouseMoveEvent(event);
}

void ChannelGridView::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void ChannelGridView::keyPressEvent(QKeyEvent *event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || (key == Qt::Key_F2 && mods == Qt::NoModifier)) {
        openCell(currentIndex());
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        moveAcross(key == Qt::Key_Backtab || (mods & Qt::ShiftModifier) ? -1 : 1);
        return;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        // Ctrl+A belongs to the main window (About); Select All is in the context menu.
        event->ignore();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() &&
        !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        typeIntoCell(event);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ChannelGridView::typeIntoCell(QKeyEvent *event) {
    openCell(currentIndex());
    QWidget *editor = m_delegate ? m_delegate->openEditor() : nullptr;
    if (!editor)
        return;
    QKeyEvent typed(QEvent::KeyPress, event->key(), event->modifiers(), event->text());
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        // The box starts empty and takes the key through its own filter.
        edit->clear();
        QApplication::sendEvent(edit, &typed);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        // The open list goes to the first entry that begins with the key; only a pick stores it.
        QApplication::sendEvent(combo->view(), &typed);
    }
}

void ChannelGridView::wheelEvent(QWheelEvent *event) {
    event->accept();
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return; // a sideways tilt
    // One channel per wheel event whatever its size; the selection stays where it is.
    QScrollBar *bar = verticalScrollBar();
    const int top = bar->value() + (delta < 0 ? 1 : -1);
    bar->setValue(std::clamp(top, bar->minimum(), bar->maximum()));
}
