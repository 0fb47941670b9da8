#include "editors/fmfreqcheck.h"

#include "image/codecs.h"

namespace {
constexpr double FmLowest = 87.0;
constexpr double FmHighest = 107.9;

// Only digits and one "." make a number here, as the key filter allows. A pasted text such as "9.8e1" or
// "nan" would pass a general number parser and then be cut into a wrong frequency by the normalisation.
bool isPlainDecimal(const QString &text) {
    for (QChar c : text)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            return false;
    return isNumber(text);
}

FmFreqCheck check(const QString &typed, bool highestAllowed) {
    if (typed.isEmpty())
        return {FmFreqCheck::Empty, QString()};
    if (!isPlainDecimal(typed))
        return {FmFreqCheck::NotNumber, QString()};
    const double mhz = leadingNumber(typed);
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
