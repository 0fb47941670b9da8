#pragma once
// Operations on whole rows of the channel list, as the channel table offers them: insert an empty channel,
// delete, clear, move and sort channels. Rows are list indexes 0..127 (channel 1 is row 0). Each operation
// returns the whole list after it, so that the caller can take it as one change.

#include "image/radioconfig.h"

#include <QList>

#include <array>
#include <optional>

using ChannelList = std::array<Channel, 128>;

namespace channelrows {

// An empty channel at `row`; the channels from `row` on move down by one. Refused (nullopt) when the last
// channel is not empty, since it would fall off the end; also for a row outside the list.
std::optional<ChannelList> insertEmpty(const ChannelList &channels, int row);
// The channels at `rows` removed; the channels below move up and empty channels fill the end.
ChannelList remove(const ChannelList &channels, const QList<int> &rows);
// The channels at `rows` emptied, the others left where they are.
ChannelList clear(const ChannelList &channels, const QList<int> &rows);
// The channels at `rows` moved one row up (step -1) or down (step +1) together, each passing over the
// neighbour that is not moved. Refused (nullopt) when a moved channel is already at that end of the list or
// nothing is to be moved. The moved channels end at rows + step.
std::optional<ChannelList> move(const ChannelList &channels, const QList<int> &rows, int step);

enum class SortKey {
    RxFrequency, // by receive frequency, lowest first
    Name,        // by name, in character order; channels without a name after those with one
};
// The channels at `rows` put in order among themselves: the rows keep their places, their channels are
// rearranged. Channels not in use go after those in use; equal keys keep their order.
ChannelList sort(const ChannelList &channels, const QList<int> &rows, SortKey key);

// `rows` without duplicates and rows outside the list, in ascending order.
QList<int> normalizedRows(const QList<int> &rows);

} // namespace channelrows
