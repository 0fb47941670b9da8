#include "files/configdiff.h"

#include "files/messagetext.h"
#include "image/imagecodec.h"
#include "image/memorymap.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace configdiff {

namespace {

// A value as a person reads it: texts bare unless they are empty, hold blanks at either end or a quote.
QString shown(const QJsonValue &v) {
    switch (v.type()) {
    case QJsonValue::String: {
        const QString s = v.toString();
        const bool bare = !s.isEmpty() && !s.front().isSpace() && !s.back().isSpace() &&
                          !s.contains(QLatin1Char('"')) && !s.contains(QLatin1String(" -> "));
        if (bare)
            return messageText(s);
        QString quoted = s;
        quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('"'), QLatin1String("\\\""));
        return QLatin1Char('"') + messageText(quoted) + QLatin1Char('"');
    }
    case QJsonValue::Double: {
        const double d = v.toDouble();
        return d == double(qint64(d)) ? QString::number(qint64(d)) : QString::number(d, 'g', 15);
    }
    case QJsonValue::Bool:
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("(absent)");
}

QString member(const QString &path, const QString &key) {
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

// The bytes a byte's decoded values can depend on: its channel record, its name, or the settings between
// them. Each part decodes by itself, so a byte can be judged in an image that holds only its part (all else
// 0xFF, which decodes quickly).
std::pair<std::size_t, std::size_t> partOf(std::size_t at) {
    const std::size_t recordsEnd = mem::channelOffset(mem::ChannelCount) + mem::ChannelRecordSize;
    if (at < recordsEnd) {
        const std::size_t first = at - at % mem::ChannelRecordSize;
        return {first, first + mem::ChannelRecordSize};
    }
    if (at >= mem::Names) {
        const std::size_t first = at - (at - mem::Names) % mem::NameSize;
        return {first, first + mem::NameSize};
    }
    return {recordsEnd, mem::Names};
}

// True when putting other[at] into `image` changes what it decodes to.
bool shows(const MemoryImage &image, const MemoryImage &other, std::size_t at) {
    const auto [first, end] = partOf(at);
    MemoryImage part = filledImage(0xFF);
    std::copy(image.begin() + std::ptrdiff_t(first), image.begin() + std::ptrdiff_t(end),
              part.begin() + std::ptrdiff_t(first));
    const RadioConfig before = decode(part, RadioConfig{});
    part[at] = other[at];
    return !(decode(part, RadioConfig{}) == before);
}

} // namespace

QList<Difference> differences(const QJsonValue &a, const QJsonValue &b, const QString &path) {
    QList<Difference> found;
    if (a.isObject() && b.isObject()) {
        const QJsonObject oa = a.toObject();
        const QJsonObject ob = b.toObject();
        QStringList keys = oa.keys();
        for (const QString &k : ob.keys()) {
            if (!oa.contains(k))
                keys << k;
        }
        keys.sort();
        for (const QString &k : keys)
            found << differences(oa.value(k), ob.value(k), member(path, k));
        return found;
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray aa = a.toArray();
        const QJsonArray ab = b.toArray();
        for (qsizetype i = 0; i < std::max(aa.size(), ab.size()); ++i) {
            const QJsonValue va = i < aa.size() ? aa.at(i) : QJsonValue(QJsonValue::Undefined);
            const QJsonValue vb = i < ab.size() ? ab.at(i) : QJsonValue(QJsonValue::Undefined);
            found << differences(va, vb, QStringLiteral("%1[%2]").arg(path).arg(i));
        }
        return found;
    }
    if (a != b)
        found << Difference{path, a, b};
    return found;
}

QString differenceLine(const Difference &d) {
    return QStringLiteral("%1: %2 -> %3").arg(d.path, shown(d.a), shown(d.b));
}

QStringList jsonDifferences(const QJsonValue &a, const QJsonValue &b, const QString &path) {
    QStringList lines;
    for (const Difference &d : differences(a, b, path))
        lines << differenceLine(d);
    return lines;
}

QList<ByteRange> unshownBytes(const MemoryImage &a, const MemoryImage &b) {
    QList<ByteRange> ranges;
    for (int i = 0; i < int(a.size()); ++i) {
        const std::size_t at = std::size_t(i);
        if (a[at] == b[at] || shows(a, b, at) || shows(b, a, at))
            continue;
        if (!ranges.isEmpty() && ranges.last().last == i - 1)
            ranges.last().last = i;
        else
            ranges << ByteRange{i, i};
    }
    return ranges;
}

QString rangeLine(const ByteRange &range, const QString &prefix, int digits) {
    const auto hex = [digits](int v) {
        return QStringLiteral("0x%1")
            .arg(v, digits, 16, QLatin1Char('0'))
            .toUpper()
            .replace(QLatin1String("0X"), QLatin1String("0x"));
    };
    if (range.first == range.last)
        return QStringLiteral("%1byte %2 differs").arg(prefix, hex(range.first));
    return QStringLiteral("%1bytes %2..%3 differ").arg(prefix, hex(range.first), hex(range.last));
}

} // namespace configdiff
