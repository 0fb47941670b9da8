#pragma once
// Conversions between the texts the editors show and the bytes the image stores.

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Numeric value of the leading number in a text, as a text box's number parser reads it: optional blanks and
// sign, digits, one ".", digits; "12.7x" gives 12.7, "abc" gives 0.
double leadingNumber(const QString &text);
// True when the whole text (blanks around it allowed) is a number: "1.2.3" and "" are not.
bool isNumber(const QString &text);

// A typed frequency brought to five decimals and rounded down onto the 5 kHz / 6.25 kHz raster.
QString normalizeFreq(const QString &text);
// A typed FM frequency brought to two decimals on the 0.05 MHz step, rounded down.
QString normalizeFmFreq(const QString &text);

// One BCD byte of a normalised frequency text; selector 1 = the hundreds/tens of MHz pair ... 4 = the
// last pair. Any other selector gives 0; a pair that is not hexadecimal gives 0.
std::uint8_t freqByte(const QString &text, int selector);
// The four stored bytes (least significant pair first) of a frequency text.
std::array<std::uint8_t, 4> freqBytes(const QString &text);
// Four stored bytes to "000.00000"; non-BCD nibbles show as hex letters (FF FF FF FF gives "FFF.FFFFF").
QString freqText(const std::uint8_t *bytes);
// An offset frequency: the stored bytes shown as a plain number with format "0.00000" ("0.60000").
QString offsetText(const std::uint8_t *bytes);
// The stored bytes of an offset text (formatted "000.00000" first).
std::array<std::uint8_t, 4> offsetBytes(const QString &text);

struct ToneBytes {
    std::uint8_t low;
    std::uint8_t high;
    bool operator==(const ToneBytes &) const = default;
};
// Tone text ("67.0", "D023N", "D754I") to its two stored bytes.
ToneBytes toneCode(const QString &text);
// Two stored bytes to the tone text; a CTCSS high byte of 0x08 (85.4 Hz) is not taken for DCS.
QString toneText(std::uint8_t low, std::uint8_t high);

// The text without characters of code 255.
QString removeFF(const QString &text);
// Stored bytes to text, one Latin-1 character per byte, 0xFF bytes skipped.
QString bytesToText(const std::uint8_t *bytes, std::size_t count);

// FM frequency: stored 16-bit value (high byte first) to text, or empty for FF FF and above 108 MHz.
QString fmText(std::uint8_t high, std::uint8_t low);
// FM frequency text to the stored 16-bit value ((MHz - 87) x 10, halves to even); nullopt when it does not
// fit two bytes.
std::optional<std::uint16_t> fmValue(const QString &text);
