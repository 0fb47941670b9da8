#pragma once
// The value-level translations between a channel and the columns of the common channel CSV: frequencies in
// whole units of 10 Hz, the tone columns, the power words. Used by both directions (channelcsv.h).

#include <QString>

#include <optional>

namespace channelcsv {

// "146.525" -> 14652500: digits with at most one "."; decimals past the fifth are cut (as the frequency box
// does). nullopt for anything else, also "" and a number above 999.99999.
std::optional<qint64> tenHertz(const QString &text);
// 14652500 -> "146.52500", 60000 -> "0.60000".
QString megahertz(qint64 tenHertz);

// The seven tone columns of one row.
struct ToneColumns {
    QString mode;         // Tone: "", "Tone", "TSQL", "DTCS", "Cross"
    QString rToneFreq;    // CTCSS sent ("88.5")
    QString cToneFreq;    // CTCSS listened for
    QString dtcsCode;     // DCS sent ("023"); also listened for with DTCS
    QString dtcsPolarity; // "NN": sent, listened for; N normal, R inverted
    QString rxDtcsCode;   // DCS listened for with Cross
    QString crossMode;    // "Tone->Tone", "Tone->DTCS", "DTCS->Tone", "DTCS->", "Tone->", "->Tone", "->DTCS",
                          // "DTCS->DTCS"
};

// Tone list positions (0 = off) as columns. Columns the mode does not use carry the neutral 88.5, 023, N and
// Tone->Tone.
ToneColumns toneColumns(int txTone, int rxTone);

struct Tones {
    int tx = 0;
    int rx = 0;
    QString refusal; // why the columns cannot be taken; empty when they can
};
// The columns as tone list positions; a tone the list does not have refuses them.
Tones tonesFromColumns(const ToneColumns &columns);

// Power list position (0 Low, 1 High, 2 Middle) as written: "Low", "High", "Mid".
QString powerWord(int power);
// "High", "Mid"/"Middle"/"Med", "Low" in any case, or watts ("5", "5W", "0.5 W"): 4 W and more is High,
// 1.5 W up to 4 W is Middle, less is Low. nullopt for anything else.
std::optional<int> powerFromText(const QString &text);

// A value quoted for a message: "AM", with quotes, backslashes and control characters escaped and a long
// value cut.
QString quoteValue(const QString &value);

} // namespace channelcsv
