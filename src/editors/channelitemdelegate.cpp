#include "editors/channelitemdelegate.h"

#include "editors/channeltablemodel.h"
#include "editors/charfiltervalidator.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"
#include "image/channelinput.h"
#include "image/codecs.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {
const QColor EditorBackground(255, 255, 192);

QChar frequencyChar(QChar c) {
    return (c.isDigit() && c.unicode() < 128) || c == QLatin1Char('.') ? c : QChar();
}

QLineEdit *textEditor(QWidget *parent, const char *name, int maxLength, CharFilterValidator::Filter filter) {
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(maxLength);
    edit->setFrame(false);
    edit->setAlignment(Qt::AlignCenter);
    edit->setValidator(new CharFilterValidator(filter, maxLength, edit));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, EditorBackground);
    // A light box needs dark text also when the palette is dark.
    palette.setColor(QPalette::Text, Qt::black);
    edit->setPalette(palette);
    return edit;
}
} // namespace

ChannelItemDelegate::ChannelItemDelegate(ChannelTableModel &model, QAbstractItemView &view)
    : QStyledItemDelegate(&view), m_model(model), m_view(view) {
    connect(&Language::instance(), &Language::changed, this, &ChannelItemDelegate::retranslateOpenList);
}

QWidget *ChannelItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                           const QModelIndex &index) const {
    const int row = index.row();
    const int column = index.column();
    QWidget *editor = nullptr;
    switch (column) {
    case ChannelTableModel::RxColumn:
    case ChannelTableModel::TxColumn:
        editor = textEditor(parent, "Text1", 9, frequencyChar);
        break;
    case ChannelTableModel::NameColumn: {
        QLineEdit *edit = textEditor(parent, "Text2", ChannelNameTypedLength, channelNameChar);
        // The name follows every change of the text at once, not only when the edit ends.
        connect(edit, &QLineEdit::textChanged, this,
                [this, row](const QString &text) { m_model.setName(row, removeFF(text)); });
        editor = edit;
        break;
    }
    case ChannelTableModel::NumberColumn:
        return nullptr;
    default:
        editor = createList(parent, row, column);
        break;
    }
    m_editor = editor;
    m_column = column;
    m_row = row;
    return editor;
}

QWidget *ChannelItemDelegate::createList(QWidget *parent, int row, int column) const {
    auto *combo = new QComboBox(parent);
    const bool tone = column == ChannelTableModel::RxToneColumn || column == ChannelTableModel::TxToneColumn;
    combo->setObjectName(tone ? QStringLiteral("Combo1") : QStringLiteral("Combo5_%1").arg(column));
    combo->addItems(ChannelTableModel::listEntries(column));
    auto *self = const_cast<ChannelItemDelegate *>(this);
    // activated comes only from the user's pick (mouse or keys), never from setting the position in code.
    connect(combo, &QComboBox::activated, self, [self, combo, row, column](int position) {
        self->m_model.setChoice(row, column, position);
        emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
        self->m_view.setFocus();
    });
    return combo;
}

void ChannelItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    // An open editor keeps what the user has typed or highlighted, whatever changes around it.
    if (editor->property("loaded").toBool())
        return;
    editor->setProperty("loaded", true);
    if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        // The box starts with the cell's text exactly: the key filter and the length limit are for typing
        // (a name from an image may hold small letters, blanks, other bytes and up to eight characters).
        const QString text = index.data(Qt::EditRole).toString();
        m_startText = text;
        edit->setMaxLength(std::max(edit->maxLength(), int(text.size())));
        if (auto *validator = edit->findChild<CharFilterValidator *>())
            validator->setStartText(text);
        edit->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        combo->setCurrentIndex(m_model.choice(index.row(), index.column()));
    }
}

void ChannelItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *,
                                       const QModelIndex &index) const {
    auto *edit = qobject_cast<QLineEdit *>(editor);
    if (!edit)
        return; // a list stores its pick when it is made
    if (index.column() == ChannelTableModel::NameColumn) {
        m_model.setName(index.row(), removeFF(edit->text()));
        return;
    }
    const auto result = m_model.commitFrequency(index.row(), index.column(), edit->text());
    if (result == ChannelTableModel::FreqResult::OutOfBand) {
        LocalizedMsgBox(lang::pick("超出频段范围", "Beyond the scope of frequency band"), msgbox::StyleOk,
                        QString());
        m_view.setFocus();
    }
}

void ChannelItemDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                               const QModelIndex &) const {
    if (qobject_cast<QComboBox *>(editor)) {
        // A list keeps its own height.
        editor->setGeometry(
            QRect(option.rect.topLeft(), QSize(option.rect.width(), editor->sizeHint().height())));
        return;
    }
    editor->setGeometry(option.rect);
}

void ChannelItemDelegate::destroyEditor(QWidget *editor, const QModelIndex &index) const {
    if (editor == m_editor) {
        m_editor = nullptr;
        m_column = -1;
        m_model.endEdit();
    }
    QStyledItemDelegate::destroyEditor(editor, index);
}

void ChannelItemDelegate::finishEdit() {
    QPointer<QWidget> editor = m_editor;
    if (!editor)
        return;
    if (qobject_cast<QLineEdit *>(editor))
        emit commitData(editor);
    if (editor)
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ChannelItemDelegate::cancelEdit() {
    if (m_editor)
        emit closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
}

bool ChannelItemDelegate::eventFilter(QObject *object, QEvent *event) {
    if (event->type() == QEvent::KeyPress && object == m_editor) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool text = qobject_cast<QLineEdit *>(m_editor) != nullptr;
        if (text && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            finishEdit();
            m_view.setFocus();
            return true;
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const bool backwards =
                key == Qt::Key_Backtab || (static_cast<QKeyEvent *>(event)->modifiers() & Qt::ShiftModifier);
            finishEdit();
            m_view.setFocus();
            emit tabbed(backwards);
            return true;
        }
        if (text && key == Qt::Key_Escape) {
            // The name follows every key, so the name the box started with is put back.
            if (m_column == ChannelTableModel::NameColumn)
                m_model.setName(m_row, m_startText);
            cancelEdit();
            m_view.setFocus();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void ChannelItemDelegate::retranslateOpenList() {
    auto *combo = qobject_cast<QComboBox *>(m_editor);
    if (!combo)
        return;
    const QStringList entries = ChannelTableModel::listEntries(m_column);
    for (int i = 0; i < entries.size() && i < combo->count(); ++i)
        combo->setItemText(i, entries.at(i));
}
