#include "texts/channelcells.h"

#include "image/channelinput.h"
#include "texts/channelcolumns.h"

namespace {

// Position of a list text in either language, -1 when neither list has it.
int listPosition(int column, const QString &text) {
    for (int language = 0; language < 2; ++language) {
        const QStringList entries = channelcolumns::list(column).texts(language);
        for (int i = 0; i < entries.size(); ++i)
            if (entries.at(i).compare(text, Qt::CaseInsensitive) == 0)
                return i;
    }
    return -1;
}

CellRefusal setFrequency(Channel &c, int column, const QString &text, int band) {
    if (text.isEmpty()) {
        if (column == channelcolumns::Rx) {
            c = Channel{};
            return CellRefusal::None;
        }
        return c.tx.isEmpty() ? CellRefusal::None : CellRefusal::TxNotErasable;
    }
    if (column == channelcolumns::Tx && !c.isUsed())
        return CellRefusal::ChannelNotUsed;
    const TypedFrequency typed = typedChannelFrequency(text, band);
    switch (typed.status) {
    case TypedFrequency::Stored:
        break;
    case TypedFrequency::OutOfBand:
        return CellRefusal::OutOfBand;
    default:
        return CellRefusal::NotFrequency;
    }
    if (column == channelcolumns::Tx)
        c.tx = typed.text;
    else if (c.isUsed())
        c.rx = typed.text;
    else
        c = newChannel(typed.text, c.name);
    return CellRefusal::None;
}

CellRefusal setName(Channel &c, const QString &text) {
    if (text == c.name)
        return CellRefusal::None; // a stored name pasted back as it is shown
    if (!c.isUsed())
        return text.isEmpty() ? CellRefusal::None : CellRefusal::ChannelNotUsed;
    const QString typed = typedChannelName(text);
    if (typed.isEmpty() && !text.isEmpty())
        return CellRefusal::NameNotTypeable;
    c.name = typed;
    return CellRefusal::None;
}

} // namespace

QString refusalText(CellRefusal reason, int language) {
    const bool en = language == 1;
    switch (reason) {
    case CellRefusal::None:
        break;
    case CellRefusal::OutOfBand:
        return en ? QStringLiteral("Beyond the scope of frequency band") : QStringLiteral("超出频段范围");
    case CellRefusal::NotFrequency:
        return en ? QStringLiteral("not a frequency") : QStringLiteral("不是频率");
    case CellRefusal::TxNotErasable:
        return en ? QStringLiteral("a transmit frequency cannot be erased")
                  : QStringLiteral("发射频率不能清除");
    case CellRefusal::NotInList:
        return en ? QStringLiteral("not an entry of the list") : QStringLiteral("不是列表中的选项");
    case CellRefusal::ChannelNotUsed:
        return en ? QStringLiteral("the channel has no RX frequency") : QStringLiteral("该频道没有接收频率");
    case CellRefusal::NameNotTypeable:
        return en ? QStringLiteral("no character of the name can be typed")
                  : QStringLiteral("名称中没有可输入的字符");
    }
    return {};
}

CellRefusal setCellText(Channel &channel, int column, const QString &text, int band) {
    const QString t = text.trimmed();
    switch (column) {
    case channelcolumns::Rx:
    case channelcolumns::Tx:
        return setFrequency(channel, column, t, band);
    case channelcolumns::Name:
        return setName(channel, t);
    default:
        break;
    }
    if (column < channelcolumns::RxTone || column > channelcolumns::TxProhibit)
        return CellRefusal::None;
    // An empty list cell is what a channel not in use shows; a list has no empty entry to pick.
    if (t.isEmpty())
        return CellRefusal::None;
    if (!channel.isUsed())
        return CellRefusal::ChannelNotUsed;
    const int position = listPosition(column, t);
    if (position < 0)
        return CellRefusal::NotInList;
    channelcolumns::choice(channel, column) = position;
    return CellRefusal::None;
}

PasteOutcome pasteCells(const ChannelList &channels, int band, const QList<CellText> &cells) {
    PasteOutcome out{channels, {}};
    // Rows in the order they come, each from left to right: the RX cell is a row's first editable one.
    QList<CellText> ordered;
    ordered.reserve(cells.size());
    QList<int> rows;
    for (const CellText &cell : cells)
        if (!rows.contains(cell.row))
            rows << cell.row;
    for (int row : rows) {
        QList<CellText> inRow;
        for (const CellText &cell : cells)
            if (cell.row == row)
                inRow << cell;
        std::stable_sort(inRow.begin(), inRow.end(),
                         [](const CellText &a, const CellText &b) { return a.column < b.column; });
        ordered << inRow;
    }
    for (const CellText &cell : ordered) {
        if (cell.row < 0 || cell.row >= int(out.channels.size()))
            continue;
        Channel &channel = out.channels[std::size_t(cell.row)];
        const CellRefusal reason = setCellText(channel, cell.column, cell.text, band);
        if (reason != CellRefusal::None)
            out.refused << RefusedCell{cell.row, cell.column, reason};
    }
    return out;
}

PlacedBlock placeBlock(const QList<QStringList> &block, int row, int column) {
    PlacedBlock placed;
    qsizetype width = 0;
    for (const QStringList &cells : block)
        width = std::max(width, cells.size());
    if (width == channelcolumns::Count)
        column = channelcolumns::Number; // whole rows with their channel numbers, wherever they are put
    else if (column == channelcolumns::Number)
        column = channelcolumns::Rx;
    const int rows = int(std::tuple_size_v<ChannelList>);
    for (qsizetype i = 0; i < block.size(); ++i) {
        const QStringList &cells = block.at(i);
        for (qsizetype j = 0; j < cells.size(); ++j) {
            const int r = row + int(i);
            const int c = column + int(j);
            if (r >= rows || c >= channelcolumns::Count) {
                ++placed.outside;
                continue;
            }
            if (c != channelcolumns::Number)
                placed.cells << CellText{r, c, cells.at(j)};
        }
    }
    return placed;
}

ChannelList clearCells(const ChannelList &channels, const QList<CellText> &cells) {
    ChannelList out = channels;
    for (const CellText &cell : cells) {
        if (cell.row < 0 || cell.row >= int(out.size()))
            continue;
        Channel &c = out[std::size_t(cell.row)];
        switch (cell.column) {
        case channelcolumns::Rx:
            c = Channel{};
            break;
        case channelcolumns::Name:
            c.name.clear();
            break;
        case channelcolumns::RxTone:
            c.rxTone = 0;
            break;
        case channelcolumns::TxTone:
            c.txTone = 0;
            break;
        default:
            break;
        }
    }
    return out;
}
