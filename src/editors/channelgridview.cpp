#include "editors/channelgridview.h"

#include "editors/channelitemdelegate.h"
#include "editors/channeltablemodel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

ChannelGridView::ChannelGridView(QWidget *parent) : QTableView(parent) {
    setObjectName(QStringLiteral("Grid1"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setTabKeyNavigation(false);
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
    setCurrentIndex(index);
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

void ChannelGridView::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::RightButton) {
        m_editArmed = false;
        finishEdit();
        return;
    }
    m_editArmed = event->button() == Qt::LeftButton;
    QTableView::mousePressEvent(event);
}

void ChannelGridView::mouseReleaseEvent(QMouseEvent *event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_editArmed)
        return;
    m_editArmed = false;
    if (indexAt(event->position().toPoint()).isValid())
        openCell(currentIndex());
}

void ChannelGridView::mouseMoveEvent(QMouseEvent *event) {
    // No drag selection: a press selects one cell and the release opens its editor.
    if (event->buttons() & Qt::LeftButton)
        return;
    QTableView::mouseMoveEvent(event);
}

void ChannelGridView::mouseDoubleClickEvent(QMouseEvent *event) {
    // The second press of a double click is a press like any other.
    mousePressEvent(event);
}

void ChannelGridView::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        openCell(currentIndex());
        return;
    }
    QTableView::keyPressEvent(event);
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
