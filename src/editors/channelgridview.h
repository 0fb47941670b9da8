#pragma once
// Grid1: the channel table. The user never types into the grid itself: a click or Enter or F2 opens the
// editor of the cell (the RX frequency editor on an empty channel), a character typed on a cell opens it with
// that character, a right click ends an open edit, and the wheel moves the table exactly one channel per
// wheel event. Cells are selected in rectangles (drag, Shift+click, Shift+arrows, Ctrl+click adds), whole
// channels from the channel number column; Tab and Shift+Tab move across the cells.

#include <QTableView>

class ChannelItemDelegate;

class ChannelGridView : public QTableView {
    Q_OBJECT
public:
    explicit ChannelGridView(QWidget *parent = nullptr);

    void setChannelDelegate(ChannelItemDelegate *delegate);
    // Opens the editor for a cell as a click on it does.
    void openCell(const QModelIndex &index);
    // Ends an open edit as a focus loss does and gives the grid the focus.
    void finishEdit();
    // The cell becomes the current one and the only one selected, whatever keys are held.
    void selectCell(const QModelIndex &index);
    // The next (step 1) or previous (step -1) editable cell, row by row, becomes the current one.
    void moveAcross(int step);

    void keyboardSearch(const QString &) override {}

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void typeIntoCell(QKeyEvent *event);
    void selectChannels(int from, int to, bool add);

    ChannelItemDelegate *m_delegate = nullptr;
    bool m_editArmed = false;
    bool m_opening = false;
    QPersistentModelIndex m_pressed;
    // A press on the channel number column selects whole channels; dragging extends them.
    int m_channelAnchor = -1;
    bool m_selectingCell = false;
};
