#pragma once
// The radio's 3072-byte memory image: every region and field offset in one place.
// Offsets are bytes from the start of the image.

#include <cstddef>

namespace mem {

inline constexpr std::size_t ImageSize = 3072;
inline constexpr std::size_t BlockSize = 16;
inline constexpr unsigned char Empty = 0xFF; // unused byte, empty entry, missing value

// Channel records: 13 bytes each, channel n (1..128) at (n - 1) * 13.
inline constexpr int ChannelCount = 128;
inline constexpr std::size_t ChannelBase = 0;
inline constexpr std::size_t ChannelRecordSize = 13;
inline constexpr std::size_t ChRx = 0;      // 4 bytes BCD, byte 0 == 0xFF: channel empty
inline constexpr std::size_t ChTx = 4;      // 4 bytes BCD, byte 4 == 0xFF: no TX frequency
inline constexpr std::size_t ChRxTone = 8;  // 2 bytes, low byte first; 0xFF low byte: off
inline constexpr std::size_t ChTxTone = 10; // 2 bytes
inline constexpr std::size_t ChFlags = 12;  // power, busy lock, scan add, bandwidth, TX prohibit (fieldmap.h)
constexpr std::size_t channelOffset(int n) { return ChannelBase + std::size_t(n - 1) * ChannelRecordSize; }

inline constexpr std::size_t UnusedAfterChannels = 1664; // ..1791, 0xFF
inline constexpr std::size_t UnusedAfterChannelsEnd = 1791;

// General settings 1792..1807.
inline constexpr std::size_t GenADisplayMode = 1792;  // Combo1, 0..3 else 1
inline constexpr std::size_t GenFixedOne = 1793;      // written 1
inline constexpr std::size_t GenAStep = 1794;         // Combo3, 0..7 else 1
inline constexpr std::size_t GenBDisplayMode = 1795;  // Combo17, 0..1 else 0
inline constexpr std::size_t GenSquelch = 1796;       // Combo5, 0..9 else 5
inline constexpr std::size_t GenAChannel = 1797;      // Text6, 0..128, empty written 0xFF
inline constexpr std::size_t GenBits1 = 1798;         // beep, dual standby, battery save, key lock, radio monitor, scan mode, radio search
inline constexpr std::size_t GenBits2 = 1799;         // key-lock mode, roger, password, main channel, squelch tail, backlight
inline constexpr std::size_t GenBits3 = 1800;         // VOX gain, VOX delay, VOX inhibit on receive, VOX switch
inline constexpr std::size_t GenOpenDisplay = 1801;   // Combo32, 0..2 else 1
inline constexpr std::size_t GenMemoryDisplay = 1802; // Combo34, 0..1 else 1
inline constexpr std::size_t GenBChannel = 1803;      // Text2, 0..128, empty written 0
inline constexpr std::size_t GenAutoPowerOff = 1804;  // Combo35, 0..15 else 0
inline constexpr std::size_t GenBStep = 1805;         // Combo36, 0..7 else 1
inline constexpr std::size_t GenNameEditable = 1806;  // Combo11, 0..2 else 0
inline constexpr std::size_t GenTimeout = 1807;       // Combo19, 0..7 else 2

inline constexpr std::size_t ModelText = 1808; // 6 bytes "RVM-5P", written, never read
inline constexpr char ModelTextValue[] = "RVM-5P";
inline constexpr std::size_t ModelTextSize = 6;

inline constexpr std::size_t Band = 1814;
inline constexpr std::size_t AlwaysFF = 1815;
inline constexpr std::size_t PowerOnText = 1816; // 6 bytes, Text31
inline constexpr std::size_t PowerOnTextSize = 6;
inline constexpr std::size_t UnusedAfterPowerOnText = 1822; // ..1823

// VFO sides: A at 1824, B at 1840, same layout.
inline constexpr std::size_t VfoA = 1824;
inline constexpr std::size_t VfoB = 1840;
inline constexpr std::size_t VfoFreq = 0;    // 4 bytes BCD
inline constexpr std::size_t VfoOffset = 4;  // 4 bytes BCD
inline constexpr std::size_t VfoRxTone = 8;  // 2 bytes
inline constexpr std::size_t VfoTxTone = 10; // 2 bytes
inline constexpr std::size_t VfoFlags = 12; // as a channel's, plus scramble and companding (fieldmap.h)
inline constexpr std::size_t VfoPad1 = 13; // 0xFF
inline constexpr std::size_t VfoShift = 14;
inline constexpr std::size_t VfoPad2 = 15; // 0xFF

inline constexpr std::size_t Password = 1856; // 4 bytes, Form3.Text1
inline constexpr std::size_t PasswordSize = 4;
inline constexpr std::size_t UnusedBeforeFm = 1860; // ..1887

inline constexpr std::size_t FmChannels = 1888; // 25 x 2 bytes, high byte first
inline constexpr int FmChannelCount = 25;
inline constexpr std::size_t NeverWritten = 1938; // ..1951, stays 0x00 in the write image
inline constexpr std::size_t NeverWrittenEnd = 1951;
inline constexpr std::size_t FmChannel = 1952;
inline constexpr std::size_t FmDisplayMode = 1953;
inline constexpr std::size_t FmStep = 1954;
inline constexpr std::size_t FmPad = 1955;
inline constexpr std::size_t FmVfo = 1956; // 2 bytes
inline constexpr std::size_t UnusedAfterFm = 1958; // ..2015

// Power calibration: sliders 3..5 at 2016..2018, sliders 0..2 at 2032..2034.
inline constexpr std::size_t CalibrationArea = 2016; // two 16-byte blocks, sent to the radio only in calibration mode
inline constexpr std::size_t CalibrationB = 2016;
inline constexpr std::size_t CalibrationZero = 2019; // written 0x00
inline constexpr std::size_t CalibrationPad1 = 2020; // ..2031 0xFF
inline constexpr std::size_t CalibrationA = 2032;
inline constexpr std::size_t CalibrationPad2 = 2035; // ..2047 0xFF
inline constexpr std::size_t CalibrationAreaEnd = 2047;

inline constexpr std::size_t Names = 2048; // 128 x 8 bytes
inline constexpr std::size_t NameSize = 8;
constexpr std::size_t nameOffset(int n) { return Names + std::size_t(n - 1) * NameSize; }

} // namespace mem
