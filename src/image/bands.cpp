#include "image/bands.h"

namespace {
struct BandEntry {
    const char *text;
    BandLimits limits;
};
const BandEntry bands[BandCount] = {
    {"A:136-173.995MHz B:400-469.995MHz", {136.0, 173.99501, 400.0, 470}},
    {"A:144-146MHz B:430-440MHz", {144.0, 146.0, 430.0, 440}},
    {"A:136-174.995MHz B:400-479.995MHz", {136.0, 174.99501, 400.0, 480}},
};
} // namespace

QString bandText(int position) {
    if (position < 0 || position >= BandCount)
        return {};
    return QString::fromLatin1(bands[position].text);
}

BandLimits bandLimits(int position) {
    if (position < 0 || position >= BandCount)
        position = 0;
    return bands[position].limits;
}

bool inBandInclusive(double f, const BandLimits &l) {
    return (f >= l.vhfLower && f <= l.vhfUpper) || (f >= l.uhfLower && f <= l.uhfUpper);
}

bool inBandStrict(double f, const BandLimits &l) {
    return (f >= l.vhfLower && f < l.vhfUpper) || (f >= l.uhfLower && f < l.uhfUpper);
}
