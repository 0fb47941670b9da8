#pragma once
// The rules for an FM frequency typed into a channel cell or the FM VFO box.

#include <QString>

struct FmFreqCheck {
    enum Outcome {
        Empty,      // the field becomes empty
        NotNumber,  // nothing changes
        OutOfRange, // refused: the message is shown
        Accepted,   // the field takes `text`
    };
    Outcome outcome;
    QString text; // the normalised frequency when accepted
};

// Channel cells take 87 to 107.9 inclusive.
FmFreqCheck checkFmChannelFreq(const QString &typed);
// The VFO box takes 87 up to, but not including, 107.9.
FmFreqCheck checkFmVfoFreq(const QString &typed);
