#pragma once
// The three frequency bands of the band list and the limits typed frequencies are checked against.

#include <QString>

inline constexpr int BandCount = 3;

struct BandLimits {
    double vhfLower;
    double vhfUpper;
    double uhfLower;
    int uhfUpper; // held as a whole number of MHz: 470, 440, 480
};

// Entry text of band position 0..2 (the same in both languages).
QString bandText(int position);
BandLimits bandLimits(int position); // position must be 0..2
// Inclusive check used by the VFO boxes: within [vhfLower, vhfUpper] or [uhfLower, uhfUpper].
bool inBandInclusive(double f, const BandLimits &limits);
// Strict upper edge used by the channel grid: [vhfLower, vhfUpper) or [uhfLower, uhfUpper).
bool inBandStrict(double f, const BandLimits &limits);
