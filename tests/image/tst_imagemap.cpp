// The memory map checked against expectations written out by hand: every tone with its stored bytes, every
// general-setting and frequency-mode field in its own byte and bits (the password included), and every filler
// and constant region. A round trip cannot see two fields that trade places in decode and encode alike; these
// tests can.

#include "tonetable.h"

#include "image/codecs.h"
#include "image/imagecodec.h"
#include "image/tones.h"

#include <QTest>

#include <functional>

namespace {

QByteArray slice(const MemoryImage &image, std::size_t at, std::size_t size) {
    return QByteArray(reinterpret_cast<const char *>(image.data() + at), qsizetype(size));
}

void put(MemoryImage &image, std::size_t at, const QByteArray &bytes) {
    for (qsizetype i = 0; i < bytes.size(); ++i)
        image[at + std::size_t(i)] = std::uint8_t(bytes[i]);
}

// Bytes 1792..1855 of the base configuration below: every setting at position 0 (channel numbers "0"), VFO A
// on 145.00000, VFO B on 435.00000, no offset, no tones, band 0, no power-on text.
const char *const BaseHex =
    "00 01 00 00 00 00 20 00 06 00 00 00 00 00 00 00"  // 1792 general settings
    "52 56 4D 2D 35 50 00 FF FF FF FF FF FF FF FF FF"  // 1808 RVM-5P, band, FF, text, FF FF
    "00 00 50 14 00 00 00 00 FF FF FF FF 00 FF 00 FF"  // 1824 VFO A
    "00 00 50 43 00 00 00 00 FF FF FF FF C0 FF 00 FF"; // 1840 VFO B
constexpr std::size_t BaseAt = 1792;
constexpr std::size_t BaseSize = 64;

QByteArray baseBytes() {
    return QByteArray::fromHex(QByteArray(BaseHex).replace(' ', ""));
}

VfoSettings baseVfo(const char *freq) {
    VfoSettings v;
    v.freq = QString::fromLatin1(freq);
    v.offset = QStringLiteral("0.00000");
    v.rxTone = v.txTone = 0;
    v.power = v.busyLock = v.scanAdd = v.bandwidth = v.txProhibit = 0;
    v.shift = 0;
    v.step = 0;
    v.scramble = v.companding = 0;
    return v;
}

RadioConfig baseConfig() {
    RadioConfig c;
    c.band = 0;
    GeneralSettings &g = c.general;
    g.aDisplayMode = g.bDisplayMode = g.beep = g.keyLock = g.scanMode = g.keyLockMode = 0;
    g.radioSearchMode = g.radioMonitor = g.squelchTail = g.autoPowerOff = g.openDisplayMode = 0;
    g.channelNameEditable = g.squelchLevel = g.batterySave = g.timeoutTimer = g.rogerBeep = 0;
    g.mainChannel = g.backlight = g.powerOnPassword = g.dualStandby = g.memoryDisplayMode = 0;
    g.voxSwitch = g.voxGain = g.voxDelay = 0;
    g.aChannel = g.bChannel = QStringLiteral("0");
    g.displayCharacters.clear();
    g.password.clear();
    g.voxInhibitOnReceive = true; // bit 2 of 1800 is always written 1
    g.allowCancel = false;
    c.vfoA = baseVfo("145.00000");
    c.vfoB = baseVfo("435.00000");
    // B has no scramble or companding bits: decoding keeps what the window held (start values 1, 1).
    c.vfoB.scramble = c.vfoB.companding = 1;
    return c;
}

struct FieldRow {
    const char *name;
    int offset;        // where the field's bytes are
    const char *bytes; // what they hold for the value below (the rest of the base stays as it is)
    std::function<void(RadioConfig &)> set;
    bool encoded = true; // false: read only (the byte is written as a constant)
};

const std::vector<FieldRow> &fieldRows() {
    using C = RadioConfig;
    static const std::vector<FieldRow> rows = {
        {"1792 A display mode (Combo1)", 1792, "01", [](C &c) { c.general.aDisplayMode = 1; }},
        {"1794 A step (Combo3)", 1794, "06", [](C &c) { c.vfoA.step = 6; }},
        {"1795 B display mode (Combo17)", 1795, "01", [](C &c) { c.general.bDisplayMode = 1; }},
        {"1796 squelch level (Combo5)", 1796, "07", [](C &c) { c.general.squelchLevel = 7; }},
        {"1797 A channel (Text6)", 1797, "64", [](C &c) { c.general.aChannel = QStringLiteral("100"); }},
        {"1798 bit 0 beep (Combo7)", 1798, "21", [](C &c) { c.general.beep = 1; }},
        {"1798 bit 1 dual standby (Combo10)", 1798, "22", [](C &c) { c.general.dualStandby = 1; }},
        {"1798 bit 2 battery save (Combo8)", 1798, "24", [](C &c) { c.general.batterySave = 1; }},
        {"1798 bit 3 key lock (Combo9)", 1798, "28", [](C &c) { c.general.keyLock = 1; }},
        {"1798 bit 4 radio monitor (Combo6)", 1798, "30", [](C &c) { c.general.radioMonitor = 1; }},
        {"1798 bit 6 scan mode (ComboMod)", 1798, "60", [](C &c) { c.general.scanMode = 1; }},
        {"1798 bit 7 radio search (Combo13)", 1798, "A0", [](C &c) { c.general.radioSearchMode = 1; }},
        {"1799 bits 0-1 key lock mode 1 (Combo18)", 1799, "01", [](C &c) { c.general.keyLockMode = 1; }},
        {"1799 bits 0-1 key lock mode 2 (Combo18)", 1799, "02", [](C &c) { c.general.keyLockMode = 2; }},
        {"1799 bit 2 roger beep (Combo16)", 1799, "04", [](C &c) { c.general.rogerBeep = 1; }},
        {"1799 bit 3 power-on password (Combo2)", 1799, "08", [](C &c) { c.general.powerOnPassword = 1; }},
        {"1799 bit 4 main channel (Combo33)", 1799, "10", [](C &c) { c.general.mainChannel = 1; }},
        {"1799 bit 5 squelch tail (Combo20)", 1799, "20", [](C &c) { c.general.squelchTail = 1; }},
        {"1799 bits 6-7 backlight 1 (Combo21)", 1799, "40", [](C &c) { c.general.backlight = 1; }},
        {"1799 bits 6-7 backlight 2 (Combo21)", 1799, "80", [](C &c) { c.general.backlight = 2; }},
        {"1800 bits 7-5 VOX gain 6 (Combo14)", 1800, "C6", [](C &c) { c.general.voxGain = 6; }},
        {"1800 bits 7-5 VOX gain 1 (Combo14)", 1800, "26", [](C &c) { c.general.voxGain = 1; }},
        {"1800 bits 4-3 VOX delay 2 (Combo15)", 1800, "16", [](C &c) { c.general.voxDelay = 2; }},
        {"1800 bits 4-3 VOX delay 1 (Combo15)", 1800, "0E", [](C &c) { c.general.voxDelay = 1; }},
        {"1800 bit 0 VOX switch (Combo31)", 1800, "07", [](C &c) { c.general.voxSwitch = 1; }},
        {"1800 bit 2 VOX inhibit clear (Check13)", 1800, "02",
         [](C &c) { c.general.voxInhibitOnReceive = false; }, false},
        {"1801 open display mode (Combo32)", 1801, "02", [](C &c) { c.general.openDisplayMode = 2; }},
        {"1802 memory display mode (Combo34)", 1802, "01", [](C &c) { c.general.memoryDisplayMode = 1; }},
        {"1803 B channel (Text2)", 1803, "25", [](C &c) { c.general.bChannel = QStringLiteral("37"); }},
        {"1804 auto power off (Combo35)", 1804, "0D", [](C &c) { c.general.autoPowerOff = 13; }},
        {"1805 B step (Combo36)", 1805, "05", [](C &c) { c.vfoB.step = 5; }},
        {"1806 channel name editable (Combo11)", 1806, "01", [](C &c) { c.general.channelNameEditable = 1; }},
        {"1807 timeout timer (Combo19)", 1807, "06", [](C &c) { c.general.timeoutTimer = 6; }},
        {"1814 band", 1814, "02", [](C &c) { c.band = 2; }},
        {"1816 power-on text (Text31)", 1816, "4F 52 4C 45 58 37",
         [](C &c) { c.general.displayCharacters = QStringLiteral("ORLEX7"); }},

        {"1824 A frequency (Text20)", 1824, "00 25 65 14",
         [](C &c) { c.vfoA.freq = QStringLiteral("146.52500"); }},
        {"1828 A offset (Text21)", 1828, "00 00 06 00",
         [](C &c) { c.vfoA.offset = QStringLiteral("0.60000"); }},
        {"1832 A receive tone (Combo22)", 1832, "95 19", [](C &c) { c.vfoA.rxTone = 40; }},
        {"1834 A transmit tone (Combo23)", 1834, "23 C0", [](C &c) { c.vfoA.txTone = 159; }},
        {"1836 bits 0-1 A power High (Combo24)", 1836, "01", [](C &c) { c.vfoA.power = 1; }},
        {"1836 bits 0-1 A power Middle (Combo24)", 1836, "02", [](C &c) { c.vfoA.power = 2; }},
        {"1836 bit 2 A busy lock (Combo25)", 1836, "04", [](C &c) { c.vfoA.busyLock = 1; }},
        {"1836 bit 3 A scan add (Combo26)", 1836, "08", [](C &c) { c.vfoA.scanAdd = 1; }},
        {"1836 bit 4 A bandwidth (Combo27)", 1836, "10", [](C &c) { c.vfoA.bandwidth = 1; }},
        {"1836 bit 5 A TX prohibit (Combo28)", 1836, "20", [](C &c) { c.vfoA.txProhibit = 1; }},
        {"1836 bit 6 A scramble (Combo12)", 1836, "40", [](C &c) { c.vfoA.scramble = 1; }},
        {"1836 bit 7 A companding (Combo29)", 1836, "80", [](C &c) { c.vfoA.companding = 1; }},
        {"1838 A shift (Combo30)", 1838, "02", [](C &c) { c.vfoA.shift = 2; }},

        {"1840 B frequency (Text3)", 1840, "50 72 43 43",
         [](C &c) { c.vfoB.freq = QStringLiteral("434.37250"); }},
        {"1844 B offset (Text4)", 1844, "00 00 50 00",
         [](C &c) { c.vfoB.offset = QStringLiteral("5.00000"); }},
        {"1848 B receive tone (Combo46)", 1848, "54 08", [](C &c) { c.vfoB.rxTone = 8; }},
        {"1850 B transmit tone (Combo47)", 1850, "54 87", [](C &c) { c.vfoB.txTone = 157; }},
        {"1852 bits 0-1 B power High (Combo48)", 1852, "C1", [](C &c) { c.vfoB.power = 1; }},
        {"1852 bits 0-1 B power Middle (Combo48)", 1852, "C2", [](C &c) { c.vfoB.power = 2; }},
        {"1852 bit 2 B busy lock (Combo51)", 1852, "C4", [](C &c) { c.vfoB.busyLock = 1; }},
        {"1852 bit 3 B scan add (Combo52)", 1852, "C8", [](C &c) { c.vfoB.scanAdd = 1; }},
        {"1852 bit 4 B bandwidth (Combo50)", 1852, "D0", [](C &c) { c.vfoB.bandwidth = 1; }},
        {"1852 bit 5 B TX prohibit (Combo53)", 1852, "E0", [](C &c) { c.vfoB.txProhibit = 1; }},
        {"1854 B shift (Combo49)", 1854, "01", [](C &c) { c.vfoB.shift = 1; }},
    };
    return rows;
}

} // namespace

class TstImageMap : public QObject {
    Q_OBJECT
private slots:
    void toneTable_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(ToneTable)); ++i)
            QTest::newRow(ToneTable[i].text) << i;
    }
    void toneTable() {
        QFETCH(int, row);
        const ToneTableRow &t = ToneTable[row];
        const QString text = QString::fromLatin1(t.text);
        QCOMPARE(t.position, row + 1);
        // Position and text, both ways.
        QCOMPARE(toneEntry(t.position), text);
        QCOMPARE(toneList(QStringLiteral("Off")).at(t.position), text);
        QCOMPARE(toneIndex(text), t.position);
        // Text and stored bytes, both ways.
        QCOMPARE(toneCode(text), (ToneBytes{t.low, t.high}));
        QCOMPARE(toneText(t.low, t.high), text);
        // Position and stored bytes through a channel's receive tone, both ways.
        RadioConfig config;
        config.channels[0] = newChannel(QStringLiteral("145.00000"));
        config.channels[0].rxTone = t.position;
        const MemoryImage image = encode(config, filledImage(0x00));
        QCOMPARE(slice(image, 8, 2), QByteArray(1, char(t.low)) + char(t.high));
        QCOMPARE(decode(image, RadioConfig{}).channels[0].rxTone, t.position);
    }

    void toneListIsWhole() {
        QCOMPARE(int(std::size(ToneTable)), 264);
        const QStringList list = toneList(QStringLiteral("Off"));
        QCOMPARE(list.size(), 265);
        QCOMPARE(list.at(0), QStringLiteral("Off"));
    }

    // The base image and the base configuration stand for each other.
    void baseImage() {
        MemoryImage image = filledImage(0xFF);
        put(image, BaseAt, baseBytes());
        const RadioConfig decoded = decode(image, RadioConfig{});
        const RadioConfig base = baseConfig();
        QCOMPARE(decoded.general, base.general);
        QCOMPARE(decoded.vfoA, base.vfoA);
        QCOMPARE(decoded.vfoB, base.vfoB);
        QCOMPARE(decoded.band, base.band);
        QCOMPARE(slice(encode(base, filledImage(0x00)), BaseAt, BaseSize), baseBytes());
    }

    // One field changed: only its own bytes and bits change, on reading and on writing.
    void oneFieldAtATime_data() {
        QTest::addColumn<int>("row");
        const std::vector<FieldRow> &rows = fieldRows();
        for (int i = 0; i < int(rows.size()); ++i)
            QTest::newRow(rows[std::size_t(i)].name) << i;
    }
    void oneFieldAtATime() {
        QFETCH(int, row);
        const FieldRow &field = fieldRows()[std::size_t(row)];
        QByteArray expectedBytes = baseBytes();
        const QByteArray fieldBytes = QByteArray::fromHex(QByteArray(field.bytes).replace(' ', ""));
        expectedBytes.replace(field.offset - int(BaseAt), fieldBytes.size(), fieldBytes);
        RadioConfig expected = baseConfig();
        field.set(expected);

        MemoryImage image = filledImage(0xFF);
        put(image, BaseAt, expectedBytes);
        const RadioConfig decoded = decode(image, RadioConfig{});
        QCOMPARE(decoded.general, expected.general);
        QCOMPARE(decoded.vfoA, expected.vfoA);
        QCOMPARE(decoded.vfoB, expected.vfoB);
        QCOMPARE(decoded.band, expected.band);

        if (field.encoded)
            QCOMPARE(slice(encode(expected, filledImage(0x00)), BaseAt, BaseSize).toHex(' '),
                     expectedBytes.toHex(' '));
    }

    // The power-on password (Text1) lies past the base bytes, at 1856..1859: one character a byte, FF after
    // it.
    void passwordField_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("four digits") << "1234" << QByteArray::fromHex("31323334");
        QTest::newRow("two digits") << "90" << QByteArray::fromHex("3930FFFF");
        QTest::newRow("none") << "" << QByteArray::fromHex("FFFFFFFF");
    }
    void passwordField() {
        QFETCH(QString, password);
        QFETCH(QByteArray, bytes);
        RadioConfig expected = baseConfig();
        expected.general.password = password;

        MemoryImage image = filledImage(0xFF);
        put(image, BaseAt, baseBytes());
        put(image, 1856, bytes);
        const RadioConfig decoded = decode(image, RadioConfig{});
        QCOMPARE(decoded.general, expected.general);
        QCOMPARE(decoded.vfoA, expected.vfoA);
        QCOMPARE(decoded.vfoB, expected.vfoB);

        const MemoryImage written = encode(expected, filledImage(0x00));
        QCOMPARE(slice(written, 1856, 4).toHex(' '), bytes.toHex(' '));
        QCOMPARE(slice(written, BaseAt, BaseSize).toHex(' '), baseBytes().toHex(' '));
    }

    // Every byte that holds no editor value, after an encode over an image of 5A bytes.
    void constantRegions_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QByteArray>("bytes"); // one byte repeated, or the whole region
        QTest::newRow("1664..1791 unused") << 1664 << 1791 << QByteArray("\xFF");
        QTest::newRow("1793 one") << 1793 << 1793 << QByteArray("\x01");
        QTest::newRow("1808..1813 model text") << 1808 << 1813 << QByteArray("RVM-5P");
        QTest::newRow("1815") << 1815 << 1815 << QByteArray("\xFF");
        QTest::newRow("1822..1823 unused") << 1822 << 1823 << QByteArray("\xFF");
        QTest::newRow("1837 A pad") << 1837 << 1837 << QByteArray("\xFF");
        QTest::newRow("1839 A pad") << 1839 << 1839 << QByteArray("\xFF");
        QTest::newRow("1853 B pad") << 1853 << 1853 << QByteArray("\xFF");
        QTest::newRow("1855 B pad") << 1855 << 1855 << QByteArray("\xFF");
        QTest::newRow("1860..1887 unused") << 1860 << 1887 << QByteArray("\xFF");
        QTest::newRow("1938..1951 never written") << 1938 << 1951 << QByteArray("\x5A");
        QTest::newRow("1955 FM pad") << 1955 << 1955 << QByteArray("\xFF");
        QTest::newRow("1958..2015 unused") << 1958 << 2015 << QByteArray("\xFF");
        QTest::newRow("2019 zero") << 2019 << 2019 << QByteArray(1, '\0');
        QTest::newRow("2020..2031 calibration filler") << 2020 << 2031 << QByteArray("\xFF");
        QTest::newRow("2035..2047 calibration filler") << 2035 << 2047 << QByteArray("\xFF");
    }
    void constantRegions() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QByteArray, bytes);
        const int size = to - from + 1;
        const QByteArray expected = bytes.size() == size ? bytes : bytes.repeated(size);
        RadioConfig config;
        config.channels[0] = newChannel(QStringLiteral("145.00000"), QStringLiteral("A"));
        config.general.displayCharacters = QStringLiteral("AB");
        config.general.password = QStringLiteral("12");
        QCOMPARE(slice(encode(config, filledImage(0x5A)), std::size_t(from), std::size_t(size)).toHex(' '),
                 expected.toHex(' '));
    }

    // The fixed bits of flag bytes whose other bits are editor values.
    void constantBits() {
        RadioConfig config; // every channel empty but the first
        config.channels[0] = newChannel(QStringLiteral("145.00000"));
        config.channels[0].power = config.channels[0].busyLock = config.channels[0].scanAdd = 0;
        config.channels[0].bandwidth = config.channels[0].txProhibit = 0;
        const MemoryImage image = encode(config, filledImage(0x5A));
        QCOMPARE(image[12], std::uint8_t(0xC0)); // channel flags: bits 6 and 7
        QCOMPARE(slice(image, 13, 13), QByteArray(13, char(0xFF)));
    }
};

QTEST_APPLESS_MAIN(TstImageMap)
#include "tst_imagemap.moc"
