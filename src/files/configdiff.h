#pragma once
// What differs between two data files, in the words of decode: one line per JSON member whose value differs
// ("channels[5].rx: 146.52000 -> 146.54000"), and the bytes that differ where no member shows it.

#include "image/memoryimage.h"

#include <QJsonValue>
#include <QStringList>

namespace configdiff {

// A member whose value differs: its path ("channels[5].rx", "general.beep") and both values.
struct Difference {
    QString path;
    QJsonValue a;
    QJsonValue b;
};

// Every member that differs, recursing into objects and arrays, in the order decode writes them.
QList<Difference> differences(const QJsonValue &a, const QJsonValue &b, const QString &path = QString());
// "path: old -> new".
QString differenceLine(const Difference &difference);
// The line of every member that differs.
QStringList jsonDifferences(const QJsonValue &a, const QJsonValue &b, const QString &path = QString());

struct ByteRange {
    int first;
    int last; // inclusive
    bool operator==(const ByteRange &) const = default;
};

// Image offsets whose bytes differ although no decoded value shows it: a byte counts as shown when putting
// the other image's byte in its place changes what either image decodes to.
QList<ByteRange> unshownBytes(const MemoryImage &a, const MemoryImage &b);

// "byte 0x0700 differs" / "bytes 0x0680..0x06FF differ", with `prefix` before "byte".
QString rangeLine(const ByteRange &range, const QString &prefix, int digits);

} // namespace configdiff
