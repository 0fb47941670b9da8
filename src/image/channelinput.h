#pragma once
// What the channel table takes from a person: the key filter and length of a name, and the band check and
// raster of a frequency. The table and every import of channels use these, so both end with the same values.

#include <QString>

// The name box takes at most six characters by typing (a stored name may hold eight).
inline constexpr int ChannelNameTypedLength = 6;

// One character typed into the name box: small letters become capitals; only "#" (35) to "z" (122) are
// taken; any other character gives a null QChar (dropped).
QChar channelNameChar(QChar c);
// A text as the name box holds it after the text is typed into it: each character through channelNameChar,
// the first six that are taken.
QString typedChannelName(const QString &text);

struct TypedFrequency {
    enum Status {
        Stored,    // `text` holds the frequency on the raster, "146.52500"
        Empty,     // nothing typed
        NotNumber, // not a number of digits and at most one "." (no message in the table)
        OutOfBand, // outside the selected band
    };
    Status status = Empty;
    QString text;
};
// A frequency typed into a channel's RX or TX cell: checked against band position `band` with exclusive
// upper edges ("469.995MHz" is the last UHF step of band 0) and brought down onto the 5 kHz / 6.25 kHz
// raster.
TypedFrequency typedChannelFrequency(const QString &text, int band);
