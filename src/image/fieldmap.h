#pragma once
// Every setting stored in the image, described once: the byte, the first bit, the width, the choice list
// whose position it holds, and for whole-byte settings the stored values shown as they are. Decode and
// encode both work from these descriptions, so a setting cannot be read from one place and written to
// another.

#include "image/choicelists.h"
#include "image/memoryimage.h"

#include <cstddef>
#include <cstdint>

struct BitField {
    std::size_t offset; // byte: absolute for general settings, within the record for channels and VFO sides
    unsigned shift;     // first bit
    unsigned width;     // bits
    int listSize = 0;   // entries of the list whose position the field holds; 0 for none
    // Whole-byte settings: stored values above maxAccepted read as the fallback position (-1: no limit).
    int maxAccepted = -1;
    int fallback = 0;

    constexpr unsigned valueMask() const { return (1u << width) - 1u; }
    constexpr unsigned byteMask() const { return valueMask() << shift; }
};

// The field's value inside a byte.
constexpr int getField(std::uint8_t byte, const BitField &f) {
    return int((unsigned(byte) >> f.shift) & f.valueMask());
}
// The field's value read from an image; `base` is the start of the record (0 for general settings).
inline int getField(const MemoryImage &image, const BitField &f, std::size_t base = 0) {
    return getField(image[base + f.offset], f);
}
// The field's part of a byte: the low bits of the value, in place. Other fields' bits stay clear.
constexpr std::uint8_t fieldBits(const BitField &f, int value) {
    return std::uint8_t((unsigned(value) & f.valueMask()) << f.shift);
}
// The value's contribution to a byte that is assembled as the sum of its fields' values, each weighted by
// its first bit (2^shift). A position outside its field then carries into the neighbours or makes the sum
// leave the byte's range, as the radio's own programming tool computed it.
constexpr long long fieldTerm(const BitField &f, long long value) {
    return value * (1LL << f.shift);
}
namespace field {

// Channel record, byte 12. Power position 3 is never written and reads as High.
inline constexpr BitField ChPower{mem::ChFlags, 0, 2, lists::Power};
inline constexpr BitField ChBusyLock{mem::ChFlags, 2, 1, lists::TwoChoices};
inline constexpr BitField ChScanAdd{mem::ChFlags, 3, 1, lists::TwoChoices};
inline constexpr BitField ChBandwidth{mem::ChFlags, 4, 1, lists::TwoChoices};
inline constexpr BitField ChTxProhibit{mem::ChFlags, 5, 1, lists::TwoChoices};
inline constexpr BitField ChFixed{mem::ChFlags, 6, 2}; // always written 11
inline constexpr int ChFixedValue = 3;

// VFO sides (record at mem::VfoA / mem::VfoB), byte 12: the channel layout in bits 0..5; bits 6 and 7 hold
// scramble and companding on the A side and are written 11 on the B side.
inline constexpr BitField VfoPower{mem::VfoFlags, 0, 2, lists::Power};
inline constexpr BitField VfoBusyLock{mem::VfoFlags, 2, 1, lists::TwoChoices};
inline constexpr BitField VfoScanAdd{mem::VfoFlags, 3, 1, lists::TwoChoices};
inline constexpr BitField VfoBandwidth{mem::VfoFlags, 4, 1, lists::TwoChoices};
inline constexpr BitField VfoTxProhibit{mem::VfoFlags, 5, 1, lists::TwoChoices};
inline constexpr BitField VfoScramble{mem::VfoFlags, 6, 1, lists::TwoChoices};   // A side
inline constexpr BitField VfoCompanding{mem::VfoFlags, 7, 1, lists::TwoChoices}; // A side
inline constexpr BitField VfoFixed{mem::VfoFlags, 6, 2};                         // B side: written 11
inline constexpr int VfoFixedValue = 3;
inline constexpr BitField VfoShift{mem::VfoShift, 0, 8, lists::Shift};

// General settings, whole bytes.
inline constexpr BitField ADisplayMode{mem::GenADisplayMode, 0, 8, lists::TwoChoices, 3, 1};
inline constexpr BitField AStep{mem::GenAStep, 0, 8, lists::Step, 7, 1};
inline constexpr BitField BDisplayMode{mem::GenBDisplayMode, 0, 8, lists::TwoChoices, 1, 0};
inline constexpr BitField SquelchLevel{mem::GenSquelch, 0, 8, lists::SquelchLevel, 9, 5};
inline constexpr BitField AChannel{mem::GenAChannel, 0, 8, 0, 128}; // above 128: no channel (empty text)
inline constexpr BitField OpenDisplayMode{mem::GenOpenDisplay, 0, 8, lists::OpenDisplayMode, 2, 1};
inline constexpr BitField MemoryDisplayMode{mem::GenMemoryDisplay, 0, 8, lists::TwoChoices, 1, 1};
inline constexpr BitField BChannel{mem::GenBChannel, 0, 8, 0, 128};
inline constexpr BitField AutoPowerOff{mem::GenAutoPowerOff, 0, 8, lists::AutoPowerOff, 15, 0};
inline constexpr BitField BStep{mem::GenBStep, 0, 8, lists::Step, 7, 1};
inline constexpr BitField NameEditable{mem::GenNameEditable, 0, 8, lists::TwoChoices, 2, 0};
inline constexpr BitField TimeoutTimer{mem::GenTimeout, 0, 8, lists::TimeoutTimer, 7, 2};

// General settings, byte 1798.
inline constexpr BitField Beep{mem::GenBits1, 0, 1, lists::TwoChoices};
inline constexpr BitField DualStandby{mem::GenBits1, 1, 1, lists::TwoChoices};
inline constexpr BitField BatterySave{mem::GenBits1, 2, 1, lists::TwoChoices};
inline constexpr BitField KeyLock{mem::GenBits1, 3, 1, lists::TwoChoices};
inline constexpr BitField RadioMonitor{mem::GenBits1, 4, 1, lists::TwoChoices};
inline constexpr BitField Bits1Fixed{mem::GenBits1, 5, 1}; // always written 1
inline constexpr BitField ScanMode{mem::GenBits1, 6, 1, lists::TwoChoices};
inline constexpr BitField RadioSearchMode{mem::GenBits1, 7, 1, lists::TwoChoices};

// General settings, byte 1799. Backlight positions beyond KEY are written as CONT.
inline constexpr BitField KeyLockMode{mem::GenBits2, 0, 2, lists::KeyLockMode};
inline constexpr BitField RogerBeep{mem::GenBits2, 2, 1, lists::TwoChoices};
inline constexpr BitField PowerOnPassword{mem::GenBits2, 3, 1, lists::TwoChoices};
inline constexpr BitField MainChannel{mem::GenBits2, 4, 1, lists::TwoChoices};
inline constexpr BitField SquelchTail{mem::GenBits2, 5, 1, lists::TwoChoices};
inline constexpr BitField Backlight{mem::GenBits2, 6, 2, lists::Backlight};

// General settings, byte 1800: VOX. Bits 1 and 2 (inhibit on receive) are always written 1.
inline constexpr BitField VoxSwitch{mem::GenBits3, 0, 1, lists::TwoChoices};
inline constexpr BitField Bits3Fixed{mem::GenBits3, 1, 1};
inline constexpr BitField VoxInhibitOnReceive{mem::GenBits3, 2, 1};
inline constexpr BitField VoxDelay{mem::GenBits3, 3, 2, lists::VoxDelay};
inline constexpr BitField VoxGain{mem::GenBits3, 5, 3, lists::VoxGain};

} // namespace field

// Each list fits the bits that hold its positions.
static_assert(field::ChPower.valueMask() + 1 >= unsigned(lists::Power));
static_assert(field::KeyLockMode.valueMask() + 1 == unsigned(lists::KeyLockMode));
static_assert(field::Backlight.valueMask() + 1 >= unsigned(lists::Backlight));
static_assert(field::VoxDelay.valueMask() + 1 == unsigned(lists::VoxDelay));
static_assert(field::VoxGain.valueMask() + 1 == unsigned(lists::VoxGain));
