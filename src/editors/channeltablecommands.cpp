#include "editors/channeltablecommands.h"

#include "editors/channelgridview.h"
#include "editors/channeltablemodel.h"
#include "files/tsvtext.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QMenu>

namespace {
struct ActionText {
    const char *name;
    const char *chinese;
    const char *english;
};
const ActionText actionTexts[] = {
    {"actCut", "剪切", "Cut"},
    {"actCopy", "复制", "Copy"},
    {"actPaste", "粘贴", "Paste"},
    {"actClearCells", "清除单元格", "Clear Cells"},
    {"actSelectAll", "全选", "Select All"},
    {"actInsertChannel", "在上方插入频道", "Insert Channel Above"},
    {"actDeleteChannels", "删除频道", "Delete Channels"},
    {"actClearChannels", "清除频道", "Clear Channels"},
    {"actMoveUp", "上移频道", "Move Channels Up"},
    {"actMoveDown", "下移频道", "Move Channels Down"},
    {"actSortRx", "按接收频率排序", "Sort by RX Frequency"},
    {"actSortName", "按名称排序", "Sort by Name"},
};
// More refused cells than this are counted, not listed.
constexpr int ListedRefusals = 15;
} // namespace

ChannelTableCommands::ChannelTableCommands(Document &document, ChannelTableModel &model,
                                           ChannelGridView &grid)
    : QObject(&grid), m_document(document), m_model(model), m_grid(grid) {
    m_menu = new QMenu(&grid);
    m_menu->setObjectName(QStringLiteral("ChannelMenu"));
    m_menu->addAction(addAction("actCut", QKeySequence::Cut, &ChannelTableCommands::cut));
    m_menu->addAction(addAction("actCopy", QKeySequence::Copy, &ChannelTableCommands::copy));
    m_menu->addAction(addAction("actPaste", QKeySequence::Paste, &ChannelTableCommands::paste));
    m_menu->addAction(
        addAction("actClearCells", QKeySequence(Qt::Key_Delete), &ChannelTableCommands::clearCells));
    m_menu->addSeparator();
    m_menu->addAction(addAction("actSelectAll", QKeySequence(), &ChannelTableCommands::selectAll));
    m_menu->addSeparator();
    m_menu->addAction(
        addAction("actInsertChannel", QKeySequence(Qt::Key_Insert), &ChannelTableCommands::insertChannel));
    m_menu->addAction(addAction("actDeleteChannels", QKeySequence(Qt::CTRL | Qt::Key_Delete),
                                &ChannelTableCommands::deleteChannels));
    m_menu->addAction(addAction("actClearChannels", QKeySequence(), &ChannelTableCommands::clearChannels));
    m_menu->addAction(addAction("actMoveUp", QKeySequence(Qt::CTRL | Qt::Key_Up), nullptr));
    m_menu->addAction(addAction("actMoveDown", QKeySequence(Qt::CTRL | Qt::Key_Down), nullptr));
    m_menu->addSeparator();
    m_menu->addAction(addAction("actSortRx", QKeySequence(), nullptr));
    m_menu->addAction(addAction("actSortName", QKeySequence(), nullptr));
    auto find = [this](const char *name) { return m_grid.findChild<QAction *>(QLatin1String(name)); };
    connect(find("actMoveUp"), &QAction::triggered, this, [this] { moveChannels(-1); });
    connect(find("actMoveDown"), &QAction::triggered, this, [this] { moveChannels(1); });
    connect(find("actSortRx"), &QAction::triggered, this,
            [this] { sortChannels(channelrows::SortKey::RxFrequency); });
    connect(find("actSortName"), &QAction::triggered, this,
            [this] { sortChannels(channelrows::SortKey::Name); });

    // The actions follow the clipboard and the selection, so that their keys act only when they can.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &ChannelTableCommands::updateActions);
    connect(m_grid.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelTableCommands::updateActions);
    connect(m_grid.selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ChannelTableCommands::updateActions);
    updateActions();

    m_grid.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&m_grid, &QWidget::customContextMenuRequested, this, &ChannelTableCommands::showMenu);
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &ChannelTableCommands::retranslate);
}

QAction *ChannelTableCommands::addAction(const char *name, const QKeySequence &shortcut,
                                         void (ChannelTableCommands::*slot)()) {
    auto *action = new QAction(&m_grid);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    // Only while the table itself has the focus: an open editor keeps its own keys.
    action->setShortcutContext(Qt::WidgetShortcut);
    m_grid.addAction(action);
    if (slot)
        connect(action, &QAction::triggered, this, slot);
    m_actions << action;
    return action;
}

void ChannelTableCommands::retranslate() {
    for (QAction *action : m_actions)
        for (const ActionText &t : actionTexts)
            if (action->objectName() == QLatin1String(t.name))
                action->setText(lang::pick(t.chinese, t.english));
}

void ChannelTableCommands::showMenu(const QPoint &pos) {
    updateActions();
    m_menu->popup(m_grid.viewport()->mapToGlobal(pos));
}

void ChannelTableCommands::updateActions() {
    const QList<int> rows = selectedRows();
    const bool canPaste = !QApplication::clipboard()->text().isEmpty();
    for (QAction *action : m_actions) {
        const QString name = action->objectName();
        if (name == QLatin1String("actPaste"))
            action->setEnabled(canPaste);
        else if (name == QLatin1String("actMoveUp"))
            action->setEnabled(!rows.isEmpty() && rows.first() > 0);
        else if (name == QLatin1String("actMoveDown"))
            action->setEnabled(!rows.isEmpty() && rows.last() < ChannelTableModel::RowCount - 1);
        else if (name.startsWith(QLatin1String("actSort")))
            action->setEnabled(rows.size() > 1);
    }
}

QList<int> ChannelTableCommands::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex &index : m_grid.selectionModel()->selectedIndexes())
        rows << index.row();
    if (rows.isEmpty() && m_grid.currentIndex().isValid())
        rows << m_grid.currentIndex().row();
    return channelrows::normalizedRows(rows);
}

QList<CellText> ChannelTableCommands::selectedCells() const {
    QModelIndexList indexes = m_grid.selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && m_grid.currentIndex().isValid())
        indexes << m_grid.currentIndex();
    std::sort(indexes.begin(), indexes.end());
    QList<CellText> cells;
    for (const QModelIndex &index : indexes)
        cells << CellText{index.row(), index.column(), {}};
    return cells;
}

void ChannelTableCommands::commit(const ChannelList &after, const char *chinese, const char *english) {
    const ChannelList &before = m_document.config().channels;
    if (before == after)
        return;
    // A channel put here by an operation shows its Band list entry, not the text of a newly typed one.
    for (std::size_t row = 0; row < after.size(); ++row)
        if (!(before[row] == after[row]))
            m_document.setNewChannelBandText(int(row), false);
    RadioConfig config = m_document.config();
    config.channels = after;
    m_document.apply(ChangeText(chinese, english), config);
}

void ChannelTableCommands::copy() {
    const QList<CellText> cells = selectedCells();
    if (cells.isEmpty())
        return;
    // The rectangle around the selection, as the cells show it.
    int top = cells.first().row, bottom = top, left = cells.first().column, right = left;
    for (const CellText &c : cells) {
        top = std::min(top, c.row);
        bottom = std::max(bottom, c.row);
        left = std::min(left, c.column);
        right = std::max(right, c.column);
    }
    QList<QStringList> rows;
    for (int row = top; row <= bottom; ++row) {
        QStringList texts;
        for (int column = left; column <= right; ++column)
            texts << m_model.index(row, column).data().toString();
        rows << texts;
    }
    QApplication::clipboard()->setText(tsv::format(rows));
}

void ChannelTableCommands::cut() {
    m_grid.finishEdit();
    copy();
    commit(::clearCells(m_document.config().channels, selectedCells()), "剪切", "Cut");
}

void ChannelTableCommands::clearCells() {
    m_grid.finishEdit();
    commit(::clearCells(m_document.config().channels, selectedCells()), "清除单元格", "Clear Cells");
}

void ChannelTableCommands::paste() {
    m_grid.finishEdit();
    const QList<QStringList> block = tsv::parse(QApplication::clipboard()->text());
    if (block.isEmpty())
        return;
    const QList<CellText> selected = selectedCells();
    if (selected.isEmpty())
        return;
    PlacedBlock placed;
    if (block.size() == 1 && block.first().size() == 1 && selected.size() > 1) {
        // One value into every selected cell.
        for (const CellText &cell : selected)
            if (cell.column != ChannelTableModel::NumberColumn)
                placed.cells << CellText{cell.row, cell.column, block.first().first()};
    } else {
        int top = selected.first().row, left = selected.first().column;
        for (const CellText &c : selected) {
            top = std::min(top, c.row);
            left = std::min(left, c.column);
        }
        placed = placeBlock(block, top, left);
    }
    const PasteOutcome outcome =
        pasteCells(m_document.config().channels, m_document.config().band, placed.cells);
    commit(outcome.channels, "粘贴", "Paste");
    if (!placed.cells.isEmpty()) {
        QItemSelection pasted;
        for (const CellText &c : placed.cells)
            pasted.select(m_model.index(c.row, c.column), m_model.index(c.row, c.column));
        m_grid.selectionModel()->select(pasted, QItemSelectionModel::ClearAndSelect);
        m_grid.selectionModel()->setCurrentIndex(
            m_model.index(placed.cells.first().row, placed.cells.first().column),
            QItemSelectionModel::NoUpdate);
    }
    if (!outcome.refused.isEmpty() || placed.outside > 0)
        reportRefused(outcome.refused, placed.outside);
}

void ChannelTableCommands::reportRefused(const QList<RefusedCell> &refused, int outside) {
    const int language = lang::index();
    QStringList lines;
    if (!refused.isEmpty())
        lines << lang::pick("以下单元格未粘贴：", "These cells were not pasted:");
    for (int i = 0; i < refused.size() && i < ListedRefusals; ++i) {
        const RefusedCell &r = refused.at(i);
        const QString column = ChannelTableModel::headerText(r.column);
        const QString reason = refusalText(r.reason, language);
        lines << (language == 1 ? QStringLiteral("Channel %1, %2: %3").arg(r.row + 1).arg(column, reason)
                                : QStringLiteral("频道%1，%2：%3").arg(r.row + 1).arg(column, reason));
    }
    if (refused.size() > ListedRefusals) {
        const qsizetype more = refused.size() - ListedRefusals;
        lines << (language == 1 ? QStringLiteral("... and %1 more").arg(more)
                                : QStringLiteral("……另有%1个").arg(more));
    }
    if (outside > 0)
        lines << (language == 1
                      ? QStringLiteral("%1 cells fell outside the table and were not pasted.").arg(outside)
                      : QStringLiteral("%1个单元格超出表格，未粘贴。").arg(outside));
    LocalizedMsgBox(lines.join(QLatin1Char('\n')), msgbox::StyleExclamation, QString());
    m_grid.setFocus();
}

void ChannelTableCommands::selectAll() {
    m_grid.finishEdit();
    m_grid.selectAll();
}

void ChannelTableCommands::selectRows(const QList<int> &rows) {
    const QModelIndex current = m_grid.currentIndex();
    const int column = current.isValid() ? current.column() : ChannelTableModel::RxColumn;
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_model.index(row, 0), m_model.index(row, ChannelTableModel::ColumnCount - 1));
    if (rows.isEmpty())
        return;
    m_grid.selectionModel()->setCurrentIndex(m_model.index(rows.first(), column),
                                             QItemSelectionModel::NoUpdate);
    m_grid.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_grid.scrollTo(m_model.index(rows.first(), column));
}

void ChannelTableCommands::insertChannel() {
    m_grid.finishEdit();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    const std::optional<ChannelList> after =
        channelrows::insertEmpty(m_document.config().channels, rows.first());
    if (!after) {
        LocalizedMsgBox(lang::pick("频道128不是空的。请先删除或清除一个频道，再插入。",
                                   "Channel 128 is not empty. Delete or clear a channel first, then insert."),
                        msgbox::StyleExclamation, QString());
        m_grid.setFocus();
        return;
    }
    commit(*after, "插入频道", "Insert Channel");
    selectRows({rows.first()});
}

void ChannelTableCommands::deleteChannels() {
    m_grid.finishEdit();
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    commit(channelrows::remove(m_document.config().channels, rows), "删除频道", "Delete Channels");
    selectRows({rows.first()});
}

void ChannelTableCommands::clearChannels() {
    m_grid.finishEdit();
    commit(channelrows::clear(m_document.config().channels, selectedRows()), "清除频道", "Clear Channels");
}

void ChannelTableCommands::moveChannels(int step) {
    m_grid.finishEdit();
    const QList<int> rows = selectedRows();
    const std::optional<ChannelList> after = channelrows::move(m_document.config().channels, rows, step);
    if (!after)
        return;
    commit(*after, step < 0 ? "上移频道" : "下移频道", step < 0 ? "Move Channels Up" : "Move Channels Down");
    // The selection goes with the channels, cell for cell.
    QItemSelection moved;
    for (const QModelIndex &index : m_grid.selectionModel()->selectedIndexes())
        moved.select(m_model.index(index.row() + step, index.column()),
                     m_model.index(index.row() + step, index.column()));
    const QModelIndex current = m_grid.currentIndex();
    const int column = current.isValid() ? current.column() : ChannelTableModel::RxColumn;
    const int row = current.isValid() && rows.contains(current.row()) ? current.row() : rows.first();
    m_grid.selectCell(m_model.index(row + step, column));
    m_grid.selectionModel()->select(moved, QItemSelectionModel::Select);
    m_grid.scrollTo(m_grid.currentIndex());
}

void ChannelTableCommands::sortChannels(channelrows::SortKey key) {
    m_grid.finishEdit();
    const QList<int> rows = selectedRows();
    if (rows.size() < 2)
        return;
    const bool byName = key == channelrows::SortKey::Name;
    commit(channelrows::sort(m_document.config().channels, rows, key),
           byName ? "按名称排序" : "按接收频率排序", byName ? "Sort by Name" : "Sort by RX Frequency");
}
