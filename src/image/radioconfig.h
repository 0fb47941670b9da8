#pragma once
// Everything the editor windows hold, as plain values. List choices are list positions (0 = first entry);
// -1 stands for a typed text that matches no entry of an editable list. Texts are what the text boxes show.
// A default-constructed RadioConfig is the program's state right after start-up.

#include <QString>

#include <array>

struct Channel {
    QString rx; // receive frequency text "000.00000"; empty = channel not in use
    QString tx; // transmit frequency text; empty = none
    int rxTone = 0; // position in the tone list, 0 = off
    int txTone = 0;
    int power = 0;      // 0 Low, 1 High, 2 Middle
    int busyLock = 0;   // 0 Carry, 1 Off
    int scanAdd = 0;    // 0 Off, 1 On
    int bandwidth = 0;  // 0 Narrow, 1 Wide
    int txProhibit = 0; // 0 On, 1 Off
    QString name;       // up to 6 characters shown (8 stored); independent of the record

    bool isUsed() const { return !rx.isEmpty(); }
    bool operator==(const Channel &) const = default;
};

// The defaults a channel gets when its receive frequency is first entered: TX = RX, Off, Off, High, Off, On,
// Wide, Off.
inline Channel newChannel(const QString &rx, const QString &name = QString()) {
    Channel c;
    c.rx = rx;
    c.tx = rx;
    c.power = 1;
    c.busyLock = 1;
    c.scanAdd = 1;
    c.bandwidth = 1;
    c.txProhibit = 1;
    c.name = name;
    return c;
}

// One frequency-mode (VFO) side.
struct VfoSettings {
    QString freq;           // Text20 / Text3, as shown
    QString offset = "10";  // Text21 / Text4, as shown
    int rxTone = 0;         // Combo22 / Combo46
    int txTone = 0;         // Combo23 / Combo47
    int power = 1;          // Combo24 / Combo48: 0 Low, 1 High, 2 Middle
    int busyLock = 1;       // Combo25 / Combo51: 0 Carry, 1 Off
    int scanAdd = 1;        // Combo26 / Combo52: 0 Off, 1 On
    int bandwidth = 1;      // Combo27 / Combo50: 0 Narrow, 1 Wide
    int txProhibit = 1;     // Combo28 / Combo53: 0 On, 1 Off
    int shift = 1;          // Combo30 / Combo49: 0 Plus, 1 Minus, 2 Off
    int step = 4;           // Combo3 / Combo36: 5K 6.25K 10K 12.5K 25K 37.5K 50K 100K
    int scramble = 1;       // Combo12 (A side only, hidden): 0 On, 1 Off
    int companding = 1;     // Combo29 (A side only, hidden): 0 Off, 1 On

    bool operator==(const VfoSettings &) const = default;
};

struct GeneralSettings {
    int aDisplayMode = 0;        // Combo1: Frequency, Freq & Channel
    int bDisplayMode = 1;        // Combo17 (editable)
    int beep = 1;                // Combo7: Off, On
    int keyLock = 1;             // Combo9: Lock, Normal
    int scanMode = 1;            // ComboMod (editable): Carrier, Time
    int keyLockMode = 0;         // Combo18: K+S, PTT, KEY, ALL
    int radioSearchMode = 0;     // Combo13 (editable): Manual, Auto
    int radioMonitor = 1;        // Combo6: Off, On
    int squelchTail = 1;         // Combo20 (editable): Off, On
    int autoPowerOff = 0;        // Combo35: Off, 1..15 Hour
    int openDisplayMode = 1;     // Combo32: OFF, DC, MSG
    int channelNameEditable = 1; // Combo11: On, Off
    QString aChannel = "1";      // Text6: channel number text, 1..128 or empty
    QString bChannel = "1";      // Text2
    int squelchLevel = 5;        // Combo5: 0..9
    int batterySave = 1;         // Combo8: Off, On
    int timeoutTimer = 2;        // Combo19: Off, 1..7 Minute
    int rogerBeep = 0;           // Combo16 (editable): On, Off
    int mainChannel = 1;         // Combo33: B Group, A Group
    int backlight = 1;           // Combo21: OFF, KEY, CONT
    int powerOnPassword = 1;     // Combo2 (editable): On, Off
    QString displayCharacters;   // Text31: up to 6 characters
    QString password;            // Text1: up to 4 digits
    int dualStandby = 0;         // Combo10: Off, On
    int memoryDisplayMode = 1;   // Combo34 (editable): Channel, Frequency
    int voxSwitch = 1;           // Combo31: On, Off
    int voxGain = 1;             // Combo14: 1..8
    int voxDelay = 1;            // Combo15: 1 S..4 S
    bool voxInhibitOnReceive = false; // Check13 (hidden): read from the image, always written 1
    bool allowCancel = false;         // Check12 (hidden): stored nowhere, printed in the report

    bool operator==(const GeneralSettings &) const = default;
};

struct FmSettings {
    std::array<QString, 25> channels; // "98.10" or empty
    QString vfo;                      // FM VFO frequency text, empty = none
    int channel = 1;                  // present channel (the stored byte; 1..25 in practice)
    int displayMode = 0;              // 0 Channel, 1 Frequency; another stored byte (0..255) is kept as it is
    int step = 0;                     // 0 50K, 1 100K, 2 200K; likewise

    bool operator==(const FmSettings &) const = default;
};

// DTMF signalling: kept only in the DTMF window; never stored in the image or a file.
struct DtmfSettings {
    std::array<QString, 8> autodial;
    QString aniStart;
    QString aniEnd;
    QString ownCode;
    int aniSending = 0;  // Start Send, End Send, Both
    int rate = 0;        // Fast, Slow
    int firstDelay = 6;  // n x 200 ms
    int groupCall = 0;   // Empty, *, #, A, B, C, D

    bool operator==(const DtmfSettings &) const = default;
};

struct RadioConfig {
    int band = 0; // band list position 0..2
    std::array<Channel, 128> channels; // index 0 is channel 1
    GeneralSettings general;
    VfoSettings vfoA;
    VfoSettings vfoB;
    FmSettings fm;
    std::array<int, 6> calibration{218, 218, 116, 218, 218, 116}; // by slider: A high, middle, low, B high...
    DtmfSettings dtmf;

    RadioConfig() {
        vfoA.freq = "136.00000";
        vfoB.freq = "400.00000";
    }
    bool operator==(const RadioConfig &) const = default;
};
