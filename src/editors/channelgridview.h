#pragma once
// Grid1: the channel table. The user never types into it: a left click or Enter opens the editor of the
// cell (the RX frequency editor on an empty channel), a right click only ends an open edit, and the wheel
// moves the table exactly one channel per wheel event.

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

    void keyboardSearch(const QString &) override {}

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    ChannelItemDelegate *m_delegate = nullptr;
    bool m_editArmed = false;
    bool m_opening = false;
};
