#pragma once
// The overlay editor of the FM table (Text1): a line edit over the frequency cell with the FM key filter.
// Leaving it hands the typed text to the window, which applies the frequency rules.

#include <QPointer>
#include <QStyledItemDelegate>

class QLineEdit;

class FmFreqDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit FmFreqDelegate(QObject *parent = nullptr);

    // The editor while it is open, else null.
    QLineEdit *openEditor() const { return m_editor; }
    // Takes the open editor's text as if it had lost the focus, and closes it.
    void finishOpenEdit();
    // Closes the open editor, dropping its text.
    void cancelOpenEdit();

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

signals:
    void frequencyTyped(int row, const QString &text) const;

private:
    mutable QPointer<QLineEdit> m_editor;
};
