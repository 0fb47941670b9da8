#pragma once
// The system clock as seconds since midnight, replaceable so that tests can drive time-based gestures.

#include <functional>

namespace appclock {
// Seconds since local midnight, with fractions.
double secondsSinceMidnight();
// Whole seconds since midnight, rounded to the nearest integer.
int wholeSecondsSinceMidnight();
// Replaces the clock (an empty function restores the system clock).
void setSource(std::function<double()> source);
} // namespace appclock
