#pragma once
// What a write of our image would change in a radio: the fields in which the radio's image and ours differ
// (decoded from the start state and compared as diff compares two data files), and the written bytes that
// differ where no field shows it. Only what a write sends counts: the calibration blocks only when they are
// written (calibration mode), the filler at 0x07C0..0x07DF never.

#include "files/configdiff.h"
#include "image/memoryimage.h"

#include <QList>
#include <QStringList>

namespace radiocompare {

struct Result {
    QList<configdiff::Difference> fields; // a: the radio's value, b: ours
    QList<configdiff::ByteRange> bytes;   // written bytes that differ where no field shows it

    bool equal() const { return fields.isEmpty() && bytes.isEmpty(); }
    int count() const { return int(fields.size() + bytes.size()); }
    // "channels[5].rx: 446.01250 -> 446.00625" (radio -> ours), then "byte 0x0700 differs".
    QStringList lines() const;
};

Result compare(const MemoryImage &radio, const MemoryImage &ours, bool withCalibration);

} // namespace radiocompare
