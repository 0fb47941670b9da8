#include "gui/clock.h"

#include <QTime>

#include <cmath>

namespace {
std::function<double()> &source() {
    static std::function<double()> s;
    return s;
}
} // namespace

double appclock::secondsSinceMidnight() {
    if (source())
        return source()();
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

int appclock::wholeSecondsSinceMidnight() { return int(std::lround(secondsSinceMidnight())); }

void appclock::setSource(std::function<double()> s) { source() = std::move(s); }
