#include "editors/fmfreqdelegate.h"

#include "editors/fmkeyfilter.h"

#include <QLineEdit>

FmFreqDelegate::FmFreqDelegate(QObject *parent) : QStyledItemDelegate(parent) {
    // However an edit ends, the editor is no longer the open one.
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget *editor) {
        if (editor == m_editor)
            m_editor = nullptr;
    });
}

void FmFreqDelegate::finishOpenEdit() {
    if (QLineEdit *editor = m_editor) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void FmFreqDelegate::cancelOpenEdit() {
    if (QLineEdit *editor = m_editor)
        emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

QWidget *FmFreqDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                      const QModelIndex &) const {
    auto *editor = new QLineEdit(parent);
    editor->setObjectName(QStringLiteral("Text1"));
    editor->setAlignment(Qt::AlignCenter);
    editor->setFrame(false);
    // Enter ends the edit through the delegate; the filter only keeps it from typing.
    editor->installEventFilter(new FmKeyFilter(editor));
    m_editor = editor;
    return editor;
}

void FmFreqDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        box->setText(index.data(Qt::EditRole).toString());
}

void FmFreqDelegate::setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const {
    if (auto *box = qobject_cast<QLineEdit *>(editor))
        emit frequencyTyped(index.row(), box->text());
}
