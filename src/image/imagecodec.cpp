#include "image/imagecodec.h"

#include "image/bands.h"
#include "image/codecs.h"
#include "image/fieldmap.h"
#include "image/tones.h"

namespace {

// Power is read from its two bits: 0 Low, 1 High, 2 Middle; 3 (never written) is taken as High.
int powerFromBits(std::uint8_t flags, const BitField &f) {
    static const int positions[4] = {0, 1, 2, 1};
    return positions[getField(flags, f)];
}

// A list position taken from the image: a control refuses a position beyond its list and keeps its own.
int listPosition(int stored, int listSize, int current) {
    return stored >= 0 && stored < listSize ? stored : current;
}

// A whole-byte general setting: out of its accepted range it shows its fallback; the list may still refuse.
int rangedPosition(const MemoryImage &image, const BitField &f, int current) {
    const int stored = getField(image, f);
    return listPosition(stored <= f.maxAccepted ? stored : f.fallback, f.listSize, current);
}

QString channelNumberText(const MemoryImage &image, const BitField &f) {
    const int stored = getField(image, f);
    return stored <= f.maxAccepted ? QString::number(stored) : QString();
}

int storedTonePosition(std::uint8_t low, std::uint8_t high) {
    return toneIndex(toneText(low, high));
}

void decodeChannel(const MemoryImage &image, int n, Channel &channel) {
    const std::uint8_t *r = image.data() + mem::channelOffset(n);
    channel = Channel{};
    if (r[mem::ChRx] == mem::Empty)
        return;
    channel.rx = freqText(r + mem::ChRx);
    channel.tx = r[mem::ChTx] != mem::Empty ? freqText(r + mem::ChTx) : QString();
    channel.rxTone =
        r[mem::ChRxTone] == mem::Empty ? 0 : storedTonePosition(r[mem::ChRxTone], r[mem::ChRxTone + 1]);
    channel.txTone =
        r[mem::ChTxTone] == mem::Empty ? 0 : storedTonePosition(r[mem::ChTxTone], r[mem::ChTxTone + 1]);
    const std::uint8_t flags = r[mem::ChFlags];
    channel.power = powerFromBits(flags, field::ChPower);
    channel.busyLock = getField(flags, field::ChBusyLock);
    channel.scanAdd = getField(flags, field::ChScanAdd);
    channel.bandwidth = getField(flags, field::ChBandwidth);
    channel.txProhibit = getField(flags, field::ChTxProhibit);
}

void decodeGeneral(const MemoryImage &image, const RadioConfig &current, RadioConfig &out) {
    const GeneralSettings &cur = current.general;
    GeneralSettings &g = out.general;
    g.aDisplayMode = rangedPosition(image, field::ADisplayMode, cur.aDisplayMode);
    out.vfoA.step = rangedPosition(image, field::AStep, current.vfoA.step);
    g.bDisplayMode = rangedPosition(image, field::BDisplayMode, cur.bDisplayMode);
    g.squelchLevel = rangedPosition(image, field::SquelchLevel, cur.squelchLevel);
    g.aChannel = channelNumberText(image, field::AChannel);

    g.beep = getField(image, field::Beep);
    g.dualStandby = getField(image, field::DualStandby);
    g.batterySave = getField(image, field::BatterySave);
    g.keyLock = getField(image, field::KeyLock);
    g.radioMonitor = getField(image, field::RadioMonitor);
    g.scanMode = getField(image, field::ScanMode);
    g.radioSearchMode = getField(image, field::RadioSearchMode);

    g.keyLockMode = getField(image, field::KeyLockMode);
    g.rogerBeep = getField(image, field::RogerBeep);
    g.powerOnPassword = getField(image, field::PowerOnPassword);
    g.mainChannel = getField(image, field::MainChannel);
    g.squelchTail = getField(image, field::SquelchTail);
    g.backlight = listPosition(getField(image, field::Backlight), field::Backlight.listSize, cur.backlight);

    g.voxGain = getField(image, field::VoxGain);
    g.voxDelay = getField(image, field::VoxDelay);
    g.voxInhibitOnReceive = getField(image, field::VoxInhibitOnReceive) != 0;
    g.voxSwitch = getField(image, field::VoxSwitch);

    g.openDisplayMode = rangedPosition(image, field::OpenDisplayMode, cur.openDisplayMode);
    g.memoryDisplayMode = rangedPosition(image, field::MemoryDisplayMode, cur.memoryDisplayMode);
    g.bChannel = channelNumberText(image, field::BChannel);
    g.autoPowerOff = rangedPosition(image, field::AutoPowerOff, cur.autoPowerOff);
    out.vfoB.step = rangedPosition(image, field::BStep, current.vfoB.step);
    g.channelNameEditable = rangedPosition(image, field::NameEditable, cur.channelNameEditable);
    g.timeoutTimer = rangedPosition(image, field::TimeoutTimer, cur.timeoutTimer);

    g.displayCharacters = bytesToText(image.data() + mem::PowerOnText, mem::PowerOnTextSize);
    g.password = bytesToText(image.data() + mem::Password, mem::PasswordSize);
    g.allowCancel = cur.allowCancel; // not in the image
}

void decodeVfo(const MemoryImage &image, std::size_t base, bool sideA, const VfoSettings &cur,
               VfoSettings &v) {
    const std::uint8_t *s = image.data() + base;
    v.freq = freqText(s + mem::VfoFreq);
    v.offset = offsetText(s + mem::VfoOffset);
    // No empty test here: FF FF decodes to a text that is not in the tone list, hence position 0.
    v.rxTone = storedTonePosition(s[mem::VfoRxTone], s[mem::VfoRxTone + 1]);
    v.txTone = storedTonePosition(s[mem::VfoTxTone], s[mem::VfoTxTone + 1]);
    const std::uint8_t flags = s[mem::VfoFlags];
    v.power = powerFromBits(flags, field::VfoPower);
    v.busyLock = getField(flags, field::VfoBusyLock);
    v.scanAdd = getField(flags, field::VfoScanAdd);
    v.bandwidth = getField(flags, field::VfoBandwidth);
    v.txProhibit = getField(flags, field::VfoTxProhibit);
    if (sideA) {
        v.scramble = getField(flags, field::VfoScramble);
        v.companding = getField(flags, field::VfoCompanding);
    } else {
        v.scramble = cur.scramble;
        v.companding = cur.companding;
    }
    v.shift = listPosition(getField(image, field::VfoShift, base), field::VfoShift.listSize, cur.shift);
}

void decodeFm(const MemoryImage &image, FmSettings &fm) {
    for (int k = 0; k < mem::FmChannelCount; ++k) {
        const std::size_t at = mem::FmChannels + std::size_t(k) * 2;
        fm.channels[std::size_t(k)] = fmText(image[at], image[at + 1]);
    }
    fm.channel = image[mem::FmChannel];
    // The FM store takes the bytes as they are, also outside the lists (a fresh radio holds 0xFF), so that
    // they are written back unchanged; only the FM window's lists refuse such a value.
    fm.displayMode = image[mem::FmDisplayMode];
    fm.step = image[mem::FmStep];
    fm.vfo = fmText(image[mem::FmVfo], image[mem::FmVfo + 1]);
}

// ---- encode helpers ----

// Assigns a value to a byte; a value that does not fit a byte leaves the byte as it was.
void put(MemoryImage &w, std::size_t at, long long value) {
    if (value >= 0 && value <= 255)
        w[at] = std::uint8_t(value);
}

void fill(MemoryImage &w, std::size_t from, std::size_t to, std::uint8_t value) {
    for (std::size_t i = from; i <= to; ++i)
        w[i] = value;
}

void putBytes(MemoryImage &w, std::size_t at, const std::array<std::uint8_t, 4> &bytes) {
    for (std::size_t i = 0; i < 4; ++i)
        w[at + i] = bytes[i];
}

// A tone position: 0 is FF FF; a position the list does not have leaves both bytes as they were.
void putTone(MemoryImage &w, std::size_t at, int position) {
    if (position == 0) {
        w[at] = w[at + 1] = mem::Empty;
        return;
    }
    if (position < 0 || position >= ToneCount)
        return;
    const ToneBytes t = toneCode(toneEntry(position));
    w[at] = t.low;
    w[at + 1] = t.high;
}

// Text characters one per byte, 0xFF where the text is shorter; a character beyond Latin-1 does not fit a
// byte and leaves that byte as it was.
void putText(MemoryImage &w, std::size_t at, std::size_t size, const QString &text) {
    for (std::size_t i = 0; i < size; ++i) {
        if (i < std::size_t(text.size()))
            put(w, at + i, text[qsizetype(i)].unicode());
        else
            w[at + i] = mem::Empty;
    }
}

// The value of a text's leading digits (after blanks and a sign); 0 when there are none.
long long leadingInteger(const QString &text) {
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    long long v = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        v = v * 10 + (t[i].unicode() - '0');
        if (v > 1000000)
            break; // far beyond a byte already
    }
    return negative ? -v : v;
}

void encodeChannel(MemoryImage &w, int n, const Channel &c) {
    const std::size_t b = mem::channelOffset(n);
    if (c.rx.isEmpty()) {
        fill(w, b, b + mem::ChannelRecordSize - 1, mem::Empty);
        return;
    }
    putBytes(w, b + mem::ChRx, freqBytes(c.rx));
    if (c.tx.isEmpty())
        fill(w, b + mem::ChTx, b + mem::ChTx + 3, mem::Empty);
    else
        putBytes(w, b + mem::ChTx, freqBytes(c.tx));
    putTone(w, b + mem::ChRxTone, c.rxTone);
    putTone(w, b + mem::ChTxTone, c.txTone);
    put(w, b + mem::ChFlags,
        fieldTerm(field::ChPower, c.power) + fieldTerm(field::ChBusyLock, c.busyLock) +
            fieldTerm(field::ChScanAdd, c.scanAdd) + fieldTerm(field::ChBandwidth, c.bandwidth) +
            fieldTerm(field::ChTxProhibit, c.txProhibit) + fieldTerm(field::ChFixed, field::ChFixedValue));
}

void encodeGeneral(MemoryImage &w, const RadioConfig &config) {
    const GeneralSettings &g = config.general;
    put(w, field::ADisplayMode.offset, g.aDisplayMode);
    w[mem::GenFixedOne] = 1;
    put(w, field::AStep.offset, config.vfoA.step);
    put(w, field::BDisplayMode.offset, g.bDisplayMode);
    put(w, field::SquelchLevel.offset, g.squelchLevel);
    if (g.aChannel.isEmpty())
        w[field::AChannel.offset] = mem::Empty;
    else
        put(w, field::AChannel.offset, leadingInteger(g.aChannel));
    put(w, mem::GenBits1,
        fieldTerm(field::Beep, g.beep) + fieldTerm(field::DualStandby, g.dualStandby) +
            fieldTerm(field::BatterySave, g.batterySave) + fieldTerm(field::KeyLock, g.keyLock) +
            fieldTerm(field::RadioMonitor, g.radioMonitor) + fieldTerm(field::Bits1Fixed, 1) +
            fieldTerm(field::ScanMode, g.scanMode) + fieldTerm(field::RadioSearchMode, g.radioSearchMode));
    const int backlight = (g.backlight == 0 || g.backlight == 1) ? g.backlight : 2;
    put(w, mem::GenBits2,
        fieldTerm(field::KeyLockMode, g.keyLockMode) + fieldTerm(field::RogerBeep, g.rogerBeep) +
            fieldTerm(field::PowerOnPassword, g.powerOnPassword) +
            fieldTerm(field::MainChannel, g.mainChannel) + fieldTerm(field::SquelchTail, g.squelchTail) +
            fieldTerm(field::Backlight, backlight));
    // Assembled from the low bits of each field, so it always fits.
    w[mem::GenBits3] = fieldBits(field::VoxGain, g.voxGain) | fieldBits(field::VoxDelay, g.voxDelay) |
                       fieldBits(field::VoxInhibitOnReceive, 1) | fieldBits(field::Bits3Fixed, 1) |
                       fieldBits(field::VoxSwitch, g.voxSwitch);
    put(w, field::OpenDisplayMode.offset, g.openDisplayMode);
    put(w, field::MemoryDisplayMode.offset, g.memoryDisplayMode);
    put(w, field::BChannel.offset, g.bChannel.isEmpty() ? 0 : leadingInteger(g.bChannel));
    put(w, field::AutoPowerOff.offset, g.autoPowerOff);
    put(w, field::BStep.offset, config.vfoB.step);
    put(w, field::NameEditable.offset, g.channelNameEditable);
    put(w, field::TimeoutTimer.offset, g.timeoutTimer);
}

void encodeVfo(MemoryImage &w, std::size_t base, const VfoSettings &v, bool sideA) {
    putBytes(w, base + mem::VfoFreq, freqBytes(v.freq));
    putBytes(w, base + mem::VfoOffset, offsetBytes(v.offset));
    putTone(w, base + mem::VfoRxTone, v.rxTone);
    putTone(w, base + mem::VfoTxTone, v.txTone);
    const long long high =
        sideA ? fieldTerm(field::VfoScramble, v.scramble) + fieldTerm(field::VfoCompanding, v.companding)
              : fieldTerm(field::VfoFixed, field::VfoFixedValue);
    put(w, base + mem::VfoFlags,
        fieldTerm(field::VfoPower, v.power) + fieldTerm(field::VfoBusyLock, v.busyLock) +
            fieldTerm(field::VfoScanAdd, v.scanAdd) + fieldTerm(field::VfoBandwidth, v.bandwidth) +
            fieldTerm(field::VfoTxProhibit, v.txProhibit) + high);
    w[base + mem::VfoPad1] = mem::Empty;
    put(w, base + field::VfoShift.offset, v.shift);
    w[base + mem::VfoPad2] = mem::Empty;
}

void putFm(MemoryImage &w, std::size_t at, const QString &text) {
    if (text.isEmpty() || leadingNumber(text) == 0) {
        w[at] = w[at + 1] = mem::Empty;
        return;
    }
    if (const auto v = fmValue(text)) {
        w[at] = std::uint8_t(*v >> 8);
        w[at + 1] = std::uint8_t(*v & 0xFF);
    }
}

void encodeFm(MemoryImage &w, const FmSettings &fm) {
    for (int k = 0; k < mem::FmChannelCount; ++k) {
        const std::size_t at = mem::FmChannels + std::size_t(k) * 2;
        const QString &text = fm.channels[std::size_t(k)];
        if (text.isEmpty()) {
            w[at] = w[at + 1] = mem::Empty;
        } else if (const auto v = fmValue(text)) {
            w[at] = std::uint8_t(*v >> 8);
            w[at + 1] = std::uint8_t(*v & 0xFF);
        }
    }
    put(w, mem::FmChannel, fm.channel);
    put(w, mem::FmDisplayMode, fm.displayMode);
    put(w, mem::FmStep, fm.step);
    w[mem::FmPad] = mem::Empty;
    putFm(w, mem::FmVfo, fm.vfo);
}

} // namespace

RadioConfig decode(const MemoryImage &image, const RadioConfig &current) {
    RadioConfig out = current;
    for (int n = 1; n <= mem::ChannelCount; ++n)
        decodeChannel(image, n, out.channels[std::size_t(n - 1)]);
    decodeGeneral(image, current, out);
    if (image[mem::Band] < BandCount)
        out.band = image[mem::Band];
    decodeVfo(image, mem::VfoA, true, current.vfoA, out.vfoA);
    decodeVfo(image, mem::VfoB, false, current.vfoB, out.vfoB);
    decodeFm(image, out.fm);
    for (std::size_t i = 0; i < 3; ++i) {
        out.calibration[i] = image[mem::CalibrationA + i];
        out.calibration[i + 3] = image[mem::CalibrationB + i];
    }
    // Names are independent of the records: read for every row, used or not.
    for (int n = 1; n <= mem::ChannelCount; ++n)
        out.channels[std::size_t(n - 1)].name = bytesToText(image.data() + mem::nameOffset(n), mem::NameSize);
    out.dtmf = current.dtmf;
    return out;
}

MemoryImage encode(const RadioConfig &config, const MemoryImage &previous) {
    MemoryImage w = previous;
    for (int n = 1; n <= mem::ChannelCount; ++n)
        encodeChannel(w, n, config.channels[std::size_t(n - 1)]);
    fill(w, mem::UnusedAfterChannels, mem::UnusedAfterChannelsEnd, mem::Empty);
    encodeGeneral(w, config);
    for (std::size_t i = 0; i < mem::ModelTextSize; ++i)
        w[mem::ModelText + i] = std::uint8_t(mem::ModelTextValue[i]);
    put(w, mem::Band, config.band);
    w[mem::AlwaysFF] = mem::Empty;
    putText(w, mem::PowerOnText, mem::PowerOnTextSize, config.general.displayCharacters);
    fill(w, mem::UnusedAfterPowerOnText, mem::UnusedAfterPowerOnText + 1, mem::Empty);
    encodeVfo(w, mem::VfoA, config.vfoA, true);
    encodeVfo(w, mem::VfoB, config.vfoB, false);
    putText(w, mem::Password, mem::PasswordSize, config.general.password);
    fill(w, mem::UnusedBeforeFm, mem::FmChannels - 1, mem::Empty);
    encodeFm(w, config.fm); // 1938..1951 are never written
    fill(w, mem::UnusedAfterFm, mem::CalibrationB - 1, mem::Empty);
    for (std::size_t i = 0; i < 3; ++i) {
        put(w, mem::CalibrationB + i, config.calibration[i + 3]);
        put(w, mem::CalibrationA + i, config.calibration[i]);
    }
    w[mem::CalibrationZero] = 0x00;
    fill(w, mem::CalibrationPad1, mem::CalibrationA - 1, mem::Empty);
    fill(w, mem::CalibrationPad2, mem::CalibrationAreaEnd, mem::Empty);
    for (int n = 1; n <= mem::ChannelCount; ++n)
        putText(w, mem::nameOffset(n), mem::NameSize, config.channels[std::size_t(n - 1)].name);
    return w;
}
