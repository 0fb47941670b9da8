#pragma once
// The columns of the channel table and the entry texts of their choice lists in both languages. A list
// stores positions; its texts differ by language, its positions never do.

#include <QString>
#include <QStringList>

namespace channelcolumn {
enum Column {
    Number = 0,
    Rx = 1,
    Tx = 2,
    RxTone = 3,
    TxTone = 4,
    Power = 5,
    BusyLock = 6,
    ScanAdd = 7,
    Bandwidth = 8,
    TxProhibit = 9,
    Name = 10,
    Count = 11,
};
}

// Entries of the choice list that edits a column (3..9) in language `language` (0 Chinese, 1 English);
// empty for the other columns.
QStringList channelListEntries(int column, int language);
// The text a newly typed channel's Band cell shows ("Wide"), which the list itself spells "wide".
QString createdBandText(int language);
