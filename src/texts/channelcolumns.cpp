#include "texts/channelcolumns.h"

namespace channelcolumns {

QString headerText(int column, int language) {
    return column >= 0 && column < Count ? Headers[column].text(language) : QString();
}

ChoiceList list(int column) {
    switch (column) {
    case RxTone:
    case TxTone:
        return listtables::Tones;
    case Power:
        return listtables::Power;
    case BusyLock:
        return listtables::BusyLock;
    case ScanAdd:
        return listtables::ScanAdd;
    case Bandwidth:
        return listtables::ChannelBandwidth;
    case TxProhibit:
        return listtables::TxProhibit;
    }
    return {};
}

int &choice(Channel &c, int column) {
    switch (column) {
    case RxTone:
        return c.rxTone;
    case TxTone:
        return c.txTone;
    case Power:
        return c.power;
    case BusyLock:
        return c.busyLock;
    case ScanAdd:
        return c.scanAdd;
    case Bandwidth:
        return c.bandwidth;
    default:
        return c.txProhibit;
    }
}

int choice(const Channel &channel, int column) {
    if (column < RxTone || column > TxProhibit)
        return 0;
    Channel c = channel;
    return choice(c, column);
}

QString cellText(const Channel &c, int row, int column, bool newChannelBandText, int language) {
    if (column == Number)
        return QString::number(row + 1);
    // Names live apart from the record: an unused channel may still carry one from an image.
    if (column == Name)
        return c.name;
    if (!c.isUsed())
        return {};
    switch (column) {
    case Rx:
        return c.rx;
    case Tx:
        return c.tx;
    default: {
        const int position = choice(c, column);
        if (column == Bandwidth && position == 1 && newChannelBandText)
            return listtables::NewChannelBandwidth.text(language);
        return list(column).text(position, language);
    }
    }
}

} // namespace channelcolumns
