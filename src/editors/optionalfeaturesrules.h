#pragma once
// The input rules of the optional-features window's text boxes: which typed characters each box takes and
// how a box rewrites its text while typing and when the user leaves it. All corrections are silent.

#include "image/bands.h"

#include <QChar>
#include <QString>

namespace optionrules {
// Key filters: the character the box inserts for a typed character, or a null QChar to drop the key.
QChar channelNumberKey(QChar c);    // digits
QChar frequencyKey(QChar c);        // digits and "."
QChar passwordKey(QChar c);         // digits
QChar displayCharacterKey(QChar c); // a..z raised; 0-9 A-Z * # -

// A channel number above 128 becomes "128" at once.
QString channelNumberWhileTyping(const QString &text);
// On leaving: the integer part as a plain number; below 1 the box is emptied.
QString channelNumberOnLeave(const QString &text);
// On leaving a VFO frequency box: a value within the band's limits (both edges included) is brought onto
// the channel raster; anything else, an empty text too, becomes `fallback`.
QString frequencyOnLeave(const QString &text, const BandLimits &limits, const QString &fallback);
// On leaving an offset box: above 99.995 becomes 99.995; the value is brought onto the raster and shown
// as a plain number without trailing zeros ("10", "0.6", "12.345"); empty becomes "0".
QString offsetOnLeave(const QString &text);
} // namespace optionrules
