#pragma once
// The one 265-entry tone list shared by the channel grid and the VFO tone boxes.

#include <QString>
#include <QStringList>

inline constexpr int ToneCount = 265;
inline constexpr int CtcssCount = 50;
inline constexpr int DcsCount = 107;

// Entry texts in list order; position 0 is the "off" entry, whose text depends on the language (offText).
QStringList toneList(const QString &offText);
// Text of a non-zero position ("67.0", "D017N", ...); empty for 0 or out of range.
QString toneEntry(int position);
// Position of a tone text in the list (exact match), 0 when absent.
int toneIndex(const QString &text);
