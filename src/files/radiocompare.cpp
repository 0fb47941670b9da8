#include "files/radiocompare.h"

#include "files/configjson.h"
#include "image/imagecodec.h"
#include "image/memorymap.h"

#include <QJsonObject>

namespace radiocompare {

namespace {
// The image bytes a write sends: everything but the filler and, outside calibration mode, the calibration.
bool written(int offset, bool withCalibration) {
    // The two blocks before the calibration (0x07C0, 0x07D0) are never sent.
    constexpr int CalibrationFirst = int(mem::CalibrationArea);
    constexpr int FillerFirst = CalibrationFirst - 2 * int(mem::BlockSize);
    constexpr int CalibrationEnd = int(mem::CalibrationAreaEnd) + 1;
    if (offset >= FillerFirst && offset < CalibrationFirst)
        return false;
    if (offset >= CalibrationFirst && offset < CalibrationEnd)
        return withCalibration;
    return true;
}
} // namespace

QStringList Result::lines() const {
    QStringList out;
    for (const configdiff::Difference &d : fields)
        out << configdiff::differenceLine(d);
    for (const configdiff::ByteRange &r : bytes)
        out << configdiff::rangeLine(r, QString(), 4);
    return out;
}

Result compare(const MemoryImage &radio, const MemoryImage &ours, bool withCalibration) {
    QJsonObject a = configjson::toJson(decode(radio, RadioConfig{}));
    QJsonObject b = configjson::toJson(decode(ours, RadioConfig{}));
    if (!withCalibration) {
        a.remove(QStringLiteral("calibration"));
        b.remove(QStringLiteral("calibration"));
    }
    Result result;
    result.fields = configdiff::differences(a, b);
    for (const configdiff::ByteRange &range : configdiff::unshownBytes(radio, ours)) {
        for (int at = range.first; at <= range.last; ++at) {
            if (!written(at, withCalibration))
                continue;
            if (!result.bytes.isEmpty() && result.bytes.last().last == at - 1)
                result.bytes.last().last = at;
            else
                result.bytes << configdiff::ByteRange{at, at};
        }
    }
    return result;
}

} // namespace radiocompare
