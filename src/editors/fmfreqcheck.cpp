#include "editors/fmfreqcheck.h"

#include "image/codecs.h"

namespace {
constexpr double FmLowest = 87.0;
constexpr double FmHighest = 107.9;

FmFreqCheck check(const QString &typed, bool highestAllowed) {
    if (typed.isEmpty())
        return {FmFreqCheck::Empty, QString()};
    bool ok = false;
    const double mhz = typed.toDouble(&ok);
    if (!ok)
        return {FmFreqCheck::NotNumber, QString()};
    const bool tooHigh = highestAllowed ? mhz > FmHighest : mhz >= FmHighest;
    if (mhz < FmLowest || tooHigh)
        return {FmFreqCheck::OutOfRange, QString()};
    return {FmFreqCheck::Accepted, normalizeFmFreq(typed)};
}
} // namespace

FmFreqCheck checkFmChannelFreq(const QString &typed) {
    return check(typed, true);
}

FmFreqCheck checkFmVfoFreq(const QString &typed) {
    return check(typed, false);
}
