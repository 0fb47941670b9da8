#pragma once
// What the channel table does with its selection: copy, cut and paste as tab-separated text, Select All,
// emptying cells, and the channel operations (insert an empty channel above, delete, clear, move up or down,
// sort by RX frequency or by name). Each is an action of the table, in its context menu and on its keys,
// and each change of the channels is one step taken through commit().

#include "texts/channelcells.h"

#include <QObject>

class ChannelGridView;
class ChannelTableModel;
class Document;
class QAction;
class QMenu;

class ChannelTableCommands : public QObject {
    Q_OBJECT
public:
    ChannelTableCommands(Document &document, ChannelTableModel &model, ChannelGridView &grid);

    QMenu *menu() const { return m_menu; }

    void copy();
    void cut();
    void paste();
    void selectAll();
    void clearCells();
    void insertChannel();
    void deleteChannels();
    void clearChannels();
    void moveChannels(int step);
    void sortChannels(channelrows::SortKey key);

private:
    QAction *addAction(const char *name, const QKeySequence &shortcut, void (ChannelTableCommands::*slot)());
    void retranslate();
    void showMenu(const QPoint &pos);
    void updateActions();
    // The rows touched by the selection (the current row when nothing is selected), ascending.
    QList<int> selectedRows() const;
    // The selected cells, row by row; the current cell when nothing is selected.
    QList<CellText> selectedCells() const;
    // The channels after an operation become the document's as one undo step, named in both languages.
    void commit(const ChannelList &after, const char *chinese, const char *english);
    void reportRefused(const QList<RefusedCell> &refused, int outside);
    void selectRows(const QList<int> &rows);

    Document &m_document;
    ChannelTableModel &m_model;
    ChannelGridView &m_grid;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_actions;
};
