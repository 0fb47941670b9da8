// orlex-k7-cli diff: one line per differing field in decode's member names, a line for differing bytes that
// no field shows, and diff's exit statuses.

#include "clirun.h"
#include "files/datfile.h"
#include "image/imagecodec.h"
#include "image/tones.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace clirun;

namespace {
using Change = std::function<void(RadioConfig &)>;
using Patches = QList<QPair<int, int>>; // file offset, new byte

constexpr int Image = datfile::HeaderSize; // file offset of image byte 0

RadioConfig sample() {
    const datfile::ReadResult r = datfile::read(sourceFile(QStringLiteral("examples/sample.dat")));
    return decode(r.image, RadioConfig{});
}
} // namespace

Q_DECLARE_METATYPE(Change)

class TstCliDiff : public QObject {
    Q_OBJECT
private slots:
    void everyKindOfField_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<Patches>("patches");
        QTest::addColumn<QByteArray>("expected");
        const Patches none;
        const auto row = [&](const char *name, Change change, const char *expected, const Patches &p = {}) {
            QTest::newRow(name) << change << p << QByteArray(expected);
        };
        row(
            "band", [](RadioConfig &c) { c.band = 2; }, "band: 0 -> 2\n");
        row(
            "channel rx", [](RadioConfig &c) { c.channels[1].rx = QStringLiteral("145.75000"); },
            "channels[1].rx: 145.72500 -> 145.75000\n");
        row(
            "channel tx", [](RadioConfig &c) { c.channels[1].tx = QStringLiteral("145.15000"); },
            "channels[1].tx: 145.12500 -> 145.15000\n");
        row(
            "channel rx tone",
            [](RadioConfig &c) { c.channels[2].rxTone = toneIndex(QStringLiteral("D023I")); },
            "channels[2].rxTone: \"\" -> D023I\n");
        row(
            "channel tx tone",
            [](RadioConfig &c) { c.channels[2].txTone = toneIndex(QStringLiteral("254.1")); },
            "channels[2].txTone: 67.0 -> 254.1\n");
        row(
            "channel power", [](RadioConfig &c) { c.channels[0].power = 0; }, "channels[0].power: 1 -> 0\n");
        row(
            "channel busy lock", [](RadioConfig &c) { c.channels[5].busyLock = 1; },
            "channels[5].busyLock: 0 -> 1\n");
        row(
            "channel scan", [](RadioConfig &c) { c.channels[3].scanAdd = 1; },
            "channels[3].scanAdd: 0 -> 1\n");
        row(
            "channel bandwidth", [](RadioConfig &c) { c.channels[2].bandwidth = 1; },
            "channels[2].bandwidth: 0 -> 1\n");
        row(
            "channel tx prohibit", [](RadioConfig &c) { c.channels[6].txProhibit = 1; },
            "channels[6].txProhibit: 0 -> 1\n");
        row(
            "channel name", [](RadioConfig &c) { c.channels[0].name = QStringLiteral("A B"); },
            "channels[0].name: CALL2M -> A B\n");
        row(
            "name of an unused channel", [](RadioConfig &c) { c.channels[8].name.clear(); },
            "channels[8].name: SPARE -> \"\"\n");
        row(
            "new channel", [](RadioConfig &c) { c.channels[20] = newChannel(QStringLiteral("146.00000")); },
            "channels[20].bandwidth: 0 -> 1\n"
            "channels[20].busyLock: 0 -> 1\n"
            "channels[20].power: 0 -> 1\n"
            "channels[20].rx: \"\" -> 146.00000\n"
            "channels[20].scanAdd: 0 -> 1\n"
            "channels[20].tx: \"\" -> 146.00000\n"
            "channels[20].txProhibit: 0 -> 1\n"
            // The empty record's flags byte is 0xFF, the new channel's 0xFD: bit 1 belongs to no field.
            "byte 0x0110 differs\n");
        row(
            "general choice", [](RadioConfig &c) { c.general.beep = 1; }, "general.beep: 0 -> 1\n");
        row(
            "general bit pair", [](RadioConfig &c) { c.general.keyLockMode = 3; },
            "general.keyLockMode: 0 -> 3\n");
        row(
            "general channel number", [](RadioConfig &c) { c.general.aChannel = QStringLiteral("12"); },
            "general.aChannel: 2 -> 12\n");
        row(
            "general empty channel number", [](RadioConfig &c) { c.general.aChannel.clear(); },
            "general.aChannel: 2 -> \"\"\n");
        row(
            "general text", [](RadioConfig &c) { c.general.displayCharacters = QStringLiteral(" HI"); },
            "general.displayCharacters: ORLEX7 -> \" HI\"\n");
        row(
            "general password", [](RadioConfig &c) { c.general.password = QStringLiteral("9"); },
            "general.password: 1234 -> 9\n");
        row("general read-only bit", [](RadioConfig &) {}, "general.voxInhibitOnReceive: true -> false\n",
            {{Image + 1800, 0x92}});
        row(
            "vfo frequency", [](RadioConfig &c) { c.vfoA.freq = QStringLiteral("146.00000"); },
            "vfoA.frequency: 145.00000 -> 146.00000\n");
        row(
            "vfo offset", [](RadioConfig &c) { c.vfoB.offset = QStringLiteral("10"); },
            "vfoB.offset: 5.00000 -> 10.00000\n");
        row(
            "vfo tone", [](RadioConfig &c) { c.vfoA.rxTone = 0; }, "vfoA.rxTone: 88.5 -> \"\"\n");
        row(
            "vfo shift", [](RadioConfig &c) { c.vfoB.shift = 2; }, "vfoB.shift: 0 -> 2\n");
        row(
            "vfo step", [](RadioConfig &c) { c.vfoA.step = 7; }, "vfoA.step: 2 -> 7\n");
        row(
            "vfo hidden", [](RadioConfig &c) { c.vfoA.scramble = 0; }, "vfoA.scramble: 1 -> 0\n");
        row(
            "vfo power", [](RadioConfig &c) { c.vfoB.power = 0; }, "vfoB.power: 2 -> 0\n");
        row(
            "fm channel", [](RadioConfig &c) { c.fm.channels[5] = QStringLiteral("87.50"); },
            "fm.channels[5]: \"\" -> 87.50\n");
        row(
            "fm vfo", [](RadioConfig &c) { c.fm.vfo = QStringLiteral("108.00"); },
            "fm.vfo: 96.40 -> 108.00\n");
        row(
            "fm settings", [](RadioConfig &c) { c.fm.channel = 25, c.fm.displayMode = 0, c.fm.step = 2; },
            "fm.channel: 3 -> 25\nfm.displayMode: 1 -> 0\nfm.step: 1 -> 2\n");
        row(
            "calibration", [](RadioConfig &c) { c.calibration[4] = 0; }, "calibration[4]: 205 -> 0\n");
        row(
            "several parts", [](RadioConfig &c) { c.band = 1, c.calibration[0] = 1, c.general.beep = 1; },
            "band: 0 -> 1\ncalibration[0]: 220 -> 1\ngeneral.beep: 0 -> 1\n");
        row("unused area", [](RadioConfig &) {}, "bytes 0x0680..0x0681 differ\n",
            {{Image + 1664, 0x00}, {Image + 1665, 0x12}});
        row("flag bits no field holds", [](RadioConfig &) {}, "byte 0x000C differs\n", {{Image + 12, 0xBD}});
        row("record of an unused channel", [](RadioConfig &) {}, "byte 0x005F differs\n",
            {{Image + 95, 0x00}});
        row("value outside its list that reads as the same position", [](RadioConfig &) {},
            "byte 0x0709 differs\n", {{Image + 1801, 9}});
        row("header", [](RadioConfig &) {}, "header bytes 0x0A..0x0B differ\n", {{10, 'X'}, {11, 'Y'}});
        row("field and bytes", [](RadioConfig &c) { c.channels[0].power = 0; },
            "channels[0].power: 1 -> 0\nheader byte 0x2F differs\nbyte 0x07FF differs\n",
            {{47, 0}, {Image + 2047, 0}});
    }
    void everyKindOfField() {
        QFETCH(Change, change);
        QFETCH(Patches, patches);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        // A and B as Save writes them, so that only the change differs.
        RadioConfig config = sample();
        const QByteArray a = datfile::fileBytes(encode(config, MemoryImage{}));
        change(config);
        QByteArray b = datfile::fileBytes(encode(config, MemoryImage{}));
        for (const auto &[offset, value] : patches)
            b[offset] = char(value);
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("a.dat")), a));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("b.dat")), b));
        const Run r = run({"diff", "a.dat", "b.dat"}, dir.path());
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.out, expected);
        QCOMPARE(r.exitCode, 1);
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("err");
        QTest::newRow("same file") << QStringList{"diff", "a.dat", "a.dat"} << 0 << QByteArray();
        QTest::newRow("equal files") << QStringList{"diff", "a.dat", "copy.dat"} << 0 << QByteArray();
        QTest::newRow("bytes past the end are not data")
            << QStringList{"diff", "a.dat", "long.dat"} << 0 << QByteArray();
        QTest::newRow("from standard input") << QStringList{"diff", "-", "a.dat"} << 0 << QByteArray();
        QTest::newRow("different") << QStringList{"diff", "a.dat", "b.dat"} << 1 << QByteArray();
        QTest::newRow("missing") << QStringList{"diff", "a.dat", "none.dat"} << 2
                                 << QByteArray("orlex-k7-cli: none.dat: the file does not exist\n");
        QTest::newRow("not a data file")
            << QStringList{"diff", "text.dat", "a.dat"} << 2
            << QByteArray("orlex-k7-cli: text.dat: not an ORLEX-K7 data file (it does "
                          "not begin with \"PWB-7K\")\n");
        QTest::newRow("one file") << QStringList{"diff", "a.dat"} << 2
                                  << QByteArray("orlex-k7-cli: usage: orlex-k7-cli diff A.dat B.dat\n");
        QTest::newRow("option") << QStringList{"diff", "a.dat", "b.dat", "--brief"} << 2
                                << QByteArray("orlex-k7-cli: usage: orlex-k7-cli diff A.dat B.dat\n");
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QByteArray, err);
        QTemporaryDir dir;
        const QByteArray a = readRaw(sourceFile(QStringLiteral("examples/sample.dat")));
        QByteArray b = a;
        b[Image + 1792] = 1; // general.aDisplayMode
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("a.dat")), a));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("copy.dat")), a));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("long.dat")), a + "more"));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("b.dat")), b));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("text.dat")), "Location,Frequency\n"));
        const Run r = run(args, dir.path(), dir.filePath(QStringLiteral("a.dat")));
        QCOMPARE(r.exitCode, status);
        QCOMPARE(r.err, err);
        QCOMPARE(r.out, status == 1 ? QByteArray("general.aDisplayMode: 0 -> 1\n") : QByteArray());
    }
};

QTEST_GUILESS_MAIN(TstCliDiff)
#include "tst_clidiff.moc"
