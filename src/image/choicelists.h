#pragma once
// How many entries each choice list has. A stored position beyond its list cannot be selected: decoding
// keeps the previous value. The entries' texts, in both languages, are in src/texts/listtables.h, which
// checks its tables against these sizes.

namespace lists {
inline constexpr int Power = 3;           // Low, High, Middle
inline constexpr int TwoChoices = 2;      // every on/off style list
inline constexpr int KeyLockMode = 4;     // K+S, PTT, KEY, ALL
inline constexpr int AutoPowerOff = 16;   // Off, 1..15 Hour
inline constexpr int OpenDisplayMode = 3; // OFF, DC, MSG
inline constexpr int SquelchLevel = 10;   // 0..9
inline constexpr int TimeoutTimer = 8;    // Off, 1..7 Minute
inline constexpr int Backlight = 3;       // OFF, KEY, CONT
inline constexpr int VoxGain = 8;         // 1..8
inline constexpr int VoxDelay = 4;        // 1 S..4 S
inline constexpr int Shift = 3;           // Plus, Minus, Off
inline constexpr int Step = 8;            // 5K..100K
inline constexpr int FmChannelList = 25;  // "1".."25"
inline constexpr int FmDisplayMode = 2;   // Channel, Frequency
inline constexpr int FmStep = 3;          // 50K, 100K, 200K
inline constexpr int DtmfAniSending = 3;
inline constexpr int DtmfFirstDelay = 10;
inline constexpr int DtmfGroupCall = 7;
} // namespace lists
