#pragma once
// The channel table's eleven columns: the channel number, then the ten fields of a channel. Their headers and
// the text each cell shows are functions of the channel's values, shared by the channel window and the
// report.

#include "image/radioconfig.h"
#include "texts/listtables.h"

namespace channelcolumns {

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

inline constexpr ListEntry Headers[Count] = {
    {"频道", "Channel"},           {"接收频率", "RXFreq"},       {"发射频率", "TXFreq"},
    {"接收亚音频", "QT/DQT Dec"},  {"发射亚音频", "QT/DQT Enc"}, {"功率", "Power"},
    {"繁忙信道锁定", "Busy Lock"}, {"扫描添加", "Add Scan"},     {"宽窄带", "Band"},
    {"发射禁止", "TX Prohibit"},   {"频道名称", "Channel Name"},
};

QString headerText(int column, int language);
// The list that edits a column (3..9); an empty list for the other columns.
ChoiceList list(int column);
// The position a channel holds for a list column (3..9); 0 for the other columns.
int choice(const Channel &channel, int column);
int &choice(Channel &channel, int column);
// What a cell shows for channel `row` (0..127). `newChannelBandText`: the Band cell shows the text of a newly
// typed channel rather than the list's entry.
QString cellText(const Channel &channel, int row, int column, bool newChannelBandText, int language);

} // namespace channelcolumns
