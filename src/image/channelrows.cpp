#include "image/channelrows.h"

#include "image/codecs.h"

#include <algorithm>

namespace channelrows {

namespace {
constexpr int Count = int(std::tuple_size_v<ChannelList>);
} // namespace

QList<int> normalizedRows(const QList<int> &rows) {
    QList<int> out;
    for (int row : rows)
        if (row >= 0 && row < Count)
            out << row;
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::optional<ChannelList> insertEmpty(const ChannelList &channels, int row) {
    if (row < 0 || row >= Count || !(channels.back() == Channel{}))
        return std::nullopt;
    ChannelList out = channels;
    std::move_backward(out.begin() + row, out.end() - 1, out.end());
    out[std::size_t(row)] = Channel{};
    return out;
}

ChannelList remove(const ChannelList &channels, const QList<int> &rows) {
    const QList<int> gone = normalizedRows(rows);
    ChannelList out{};
    std::size_t next = 0;
    for (int row = 0; row < Count; ++row)
        if (!gone.contains(row))
            out[next++] = channels[std::size_t(row)];
    return out;
}

ChannelList clear(const ChannelList &channels, const QList<int> &rows) {
    ChannelList out = channels;
    for (int row : normalizedRows(rows))
        out[std::size_t(row)] = Channel{};
    return out;
}

std::optional<ChannelList> move(const ChannelList &channels, const QList<int> &rows, int step) {
    const QList<int> moved = normalizedRows(rows);
    if (moved.isEmpty() || (step != -1 && step != 1))
        return std::nullopt;
    if ((step < 0 && moved.first() == 0) || (step > 0 && moved.last() == Count - 1))
        return std::nullopt;
    // Each moved channel swaps with its neighbour; walking from the end it moves towards keeps a block of
    // selected channels together.
    ChannelList out = channels;
    if (step < 0) {
        for (int row : moved)
            std::swap(out[std::size_t(row)], out[std::size_t(row - 1)]);
    } else {
        for (auto it = moved.crbegin(); it != moved.crend(); ++it)
            std::swap(out[std::size_t(*it)], out[std::size_t(*it + 1)]);
    }
    return out;
}

ChannelList sort(const ChannelList &channels, const QList<int> &rows, SortKey key) {
    const QList<int> places = normalizedRows(rows);
    std::vector<Channel> picked;
    picked.reserve(std::size_t(places.size()));
    for (int row : places)
        picked.push_back(channels[std::size_t(row)]);
    auto less = [key](const Channel &a, const Channel &b) {
        if (a.isUsed() != b.isUsed())
            return a.isUsed();
        if (!a.isUsed())
            return false;
        if (key == SortKey::RxFrequency)
            return leadingNumber(a.rx) < leadingNumber(b.rx);
        if (a.name.isEmpty() != b.name.isEmpty())
            return !a.name.isEmpty();
        return a.name < b.name;
    };
    std::stable_sort(picked.begin(), picked.end(), less);
    ChannelList out = channels;
    for (qsizetype i = 0; i < places.size(); ++i)
        out[std::size_t(places.at(i))] = picked[std::size_t(i)];
    return out;
}

} // namespace channelrows
