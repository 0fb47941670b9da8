#pragma once
// The in-place editors of the channel grid: Text1 (frequencies), Text2 (name), Combo1 (tones) and
// Combo5_5..Combo5_9 (the other choices). Frequencies and names are taken when the editor loses the focus;
// a list stores only a pick, and losing the focus without a pick just hides it. Escape closes an editor and
// leaves the cell as it was before the edit.

#include <QPointer>
#include <QStyledItemDelegate>

class ChannelTableModel;
class QAbstractItemView;

class ChannelItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChannelItemDelegate(ChannelTableModel &model, QAbstractItemView &view);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const override;
    void destroyEditor(QWidget *editor, const QModelIndex &index) const override;

    // The editor now open, or null.
    QWidget *openEditor() const { return m_editor; }
    // Ends the open edit as a focus loss does: a text is checked and stored, a list is only hidden.
    void finishEdit();
    // Closes the open editor without storing anything.
    void cancelEdit();

signals:
    // Tab (forwards) or Shift+Tab (backwards) ended an edit.
    void tabbed(bool backwards);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QWidget *createList(QWidget *parent, int row, int column) const;
    void retranslateOpenList();

    ChannelTableModel &m_model;
    QAbstractItemView &m_view;
    mutable QPointer<QWidget> m_editor;
    mutable int m_column = -1;
    mutable int m_row = -1;
    // What the open text box started with, put back by Escape.
    mutable QString m_startText;
};
