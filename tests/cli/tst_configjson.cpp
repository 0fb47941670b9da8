// JSON member names against hand-checked expectations, so that two names swapped in both the writer (decode)
// and the reader (encode) cannot pass as a round trip would: the golden JSON of examples/sample.dat, and one
// row per member with a byte changed by hand.

#include "files/configjson.h"
#include "files/datfile.h"
#include "image/imagecodec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <variant>

namespace {

QString sourceFile(const char *relative) {
    return QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR")).filePath(QLatin1String(relative));
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// "channels[3].power" -> "channels", 3, "power".
QList<std::variant<QString, int>> pathSteps(const QString &path) {
    static const QRegularExpression step(QStringLiteral("([A-Za-z]+)|\\[(\\d+)\\]"));
    QList<std::variant<QString, int>> steps;
    for (auto it = step.globalMatch(path); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).isEmpty())
            steps.append(m.captured(2).toInt());
        else
            steps.append(m.captured(1));
    }
    return steps;
}

QJsonValue withValue(const QJsonValue &root, QList<std::variant<QString, int>> steps,
                     const QJsonValue &value) {
    if (steps.isEmpty())
        return value;
    const auto first = steps.takeFirst();
    if (const QString *name = std::get_if<QString>(&first)) {
        QJsonObject o = root.toObject();
        o[*name] = withValue(o.value(*name), steps, value);
        return o;
    }
    QJsonArray a = root.toArray();
    const int index = std::get<int>(first);
    a[index] = withValue(a.at(index), steps, value);
    return a;
}

// The paths of the leaves in which two JSON values differ.
void differences(const QJsonValue &a, const QJsonValue &b, const QString &path, QStringList &out) {
    if (a.isObject() && b.isObject()) {
        QStringList keys = a.toObject().keys() + b.toObject().keys();
        keys.removeDuplicates();
        for (const QString &key : keys)
            differences(a.toObject().value(key), b.toObject().value(key),
                        path.isEmpty() ? key : path + QLatin1Char('.') + key, out);
    } else if (a.isArray() && b.isArray()) {
        const qsizetype n = std::max(a.toArray().size(), b.toArray().size());
        for (qsizetype i = 0; i < n; ++i)
            differences(a.toArray().at(i), b.toArray().at(i), path + QStringLiteral("[%1]").arg(i), out);
    } else if (a != b) {
        out.append(path);
    }
}

QJsonValue parseValue(const QString &text) {
    return QJsonDocument::fromJson("[" + text.toUtf8() + "]").array().at(0);
}

MemoryImage sampleImage() {
    return *datfile::imageFromBytes(readRaw(sourceFile("examples/sample.dat")));
}

} // namespace

class TstConfigJson : public QObject {
    Q_OBJECT
private slots:
    // Every value in tests/cli/sample.golden.json was read off the bytes of examples/sample.dat by hand with
    // the memory map (frequencies BCD low byte first, tones low byte first, flags bit by bit).
    void sampleGolden() {
        QProcess cli;
        cli.start(QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QStringLiteral("orlex-k7-cli")),
                  {QStringLiteral("decode"), sourceFile("examples/sample.dat")});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        QJsonParseError error;
        const QJsonDocument decoded = QJsonDocument::fromJson(cli.readAllStandardOutput(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonDocument golden =
            QJsonDocument::fromJson(readRaw(sourceFile("tests/cli/sample.golden.json")));
        QVERIFY(golden.isObject());
        QStringList differ;
        differences(golden.object(), decoded.object(), QString(), differ);
        QCOMPARE(differ, QStringList());
    }

    // sample.dat holds the same value in many members (most settings are 0 or 1), so a swap of two such names
    // would pass the golden file. Each row changes one member's bytes in sample.dat by hand: decoding must
    // change that member alone, and encoding the sample's JSON with that member changed must change those
    // bytes alone.
    void oneMember_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value");      // JSON text
        QTest::addColumn<int>("offset");         // image offset
        QTest::addColumn<QByteArray>("before");  // the sample's bytes there
        QTest::addColumn<QByteArray>("after");   // the changed bytes
        QTest::addColumn<bool>("encodeChanges"); // false: a read-only member, encode writes the same bytes
        auto row = [](const char *member, const char *value, int offset, const char *before,
                      const char *after, bool encodes = true) {
            QTest::newRow(member) << QString::fromLatin1(member) << QString::fromUtf8(value) << offset
                                  << QByteArray::fromHex(before) << QByteArray::fromHex(after) << encodes;
        };
        row("band", "2", 1814, "00", "02");
        // Channel 1: 00 00 55 14 | 00 00 55 14 | FF FF | FF FF | FD, name "CALL2M" at 2048.
        row("channels[0].rx", R"("145.60000")", 2, "55", "56");
        row("channels[0].tx", R"("145.40000")", 6, "55", "54");
        row("channels[0].rxTone", R"("67.0")", 8, "FFFF", "7006");
        row("channels[0].txTone", R"("D023N")", 10, "FFFF", "2380");
        row("channels[0].power", "0", 12, "FD", "FC");
        row("channels[0].busyLock", "0", 12, "FD", "F9");
        row("channels[0].scanAdd", "0", 12, "FD", "F5");
        row("channels[0].bandwidth", "0", 12, "FD", "ED");
        row("channels[0].txProhibit", "0", 12, "FD", "DD");
        row("channels[0].name", R"("KALL2M")", 2048, "43", "4B");
        // General settings 1792..1807: 00 01 02 01 03 02 7E B8 96 01 01 05 02 04 01 03.
        row("general.aDisplayMode", "1", 1792, "00", "01");
        row("general.bDisplayMode", "0", 1795, "01", "00");
        row("general.squelchLevel", "7", 1796, "03", "07");
        row("general.aChannel", R"("17")", 1797, "02", "11");
        row("general.beep", "1", 1798, "7E", "7F");
        row("general.dualStandby", "0", 1798, "7E", "7C");
        row("general.batterySave", "0", 1798, "7E", "7A");
        row("general.keyLock", "0", 1798, "7E", "76");
        row("general.radioMonitor", "0", 1798, "7E", "6E");
        row("general.scanMode", "0", 1798, "7E", "3E");
        row("general.radioSearchMode", "1", 1798, "7E", "FE");
        row("general.keyLockMode", "3", 1799, "B8", "BB");
        row("general.rogerBeep", "1", 1799, "B8", "BC");
        row("general.powerOnPassword", "0", 1799, "B8", "B0");
        row("general.mainChannel", "0", 1799, "B8", "A8");
        row("general.squelchTail", "0", 1799, "B8", "98");
        row("general.backlight", "1", 1799, "B8", "78");
        row("general.voxGain", "7", 1800, "96", "F6");
        row("general.voxDelay", "3", 1800, "96", "9E");
        row("general.voxInhibitOnReceive", "false", 1800, "96", "92", false); // always written set
        row("general.voxSwitch", "1", 1800, "96", "97");
        row("general.openDisplayMode", "2", 1801, "01", "02");
        row("general.memoryDisplayMode", "0", 1802, "01", "00");
        row("general.bChannel", R"("128")", 1803, "05", "80");
        row("general.autoPowerOff", "15", 1804, "02", "0F");
        row("general.channelNameEditable", "0", 1806, "01", "00");
        row("general.timeoutTimer", "7", 1807, "03", "07");
        row("general.displayCharacters", R"("QRLEX7")", 1816, "4F", "51");
        row("general.password", R"("9234")", 1856, "31", "39");
        // VFO A 1824: 00 00 50 14 | 00 00 06 00 | 85 08 | 85 08 | FD | FF | 01 | FF; its step at 1794 (02).
        row("vfoA.frequency", R"("145.20000")", 1826, "50", "52");
        row("vfoA.offset", R"("0.70000")", 1830, "06", "07");
        row("vfoA.rxTone", R"("67.0")", 1832, "8508", "7006");
        row("vfoA.txTone", R"("")", 1834, "8508", "FFFF");
        row("vfoA.power", "2", 1836, "FD", "FE");
        row("vfoA.busyLock", "0", 1836, "FD", "F9");
        row("vfoA.scanAdd", "0", 1836, "FD", "F5");
        row("vfoA.bandwidth", "0", 1836, "FD", "ED");
        row("vfoA.txProhibit", "0", 1836, "FD", "DD");
        row("vfoA.scramble", "0", 1836, "FD", "BD");
        row("vfoA.companding", "0", 1836, "FD", "7D");
        row("vfoA.shift", "2", 1838, "01", "02");
        row("vfoA.step", "7", 1794, "02", "07");
        // VFO B 1840: 00 00 30 43 | 00 00 50 00 | FF FF | FF FF | FE | FF | 00 | FF; its step at 1805 (04).
        row("vfoB.frequency", R"("433.50000")", 1842, "30", "35");
        row("vfoB.offset", R"("2.00000")", 1846, "50", "20");
        row("vfoB.rxTone", R"("127.3")", 1848, "FFFF", "7312");
        row("vfoB.txTone", R"("D754I")", 1850, "FFFF", "54C7");
        row("vfoB.power", "0", 1852, "FE", "FC");
        row("vfoB.busyLock", "0", 1852, "FE", "FA");
        row("vfoB.scanAdd", "0", 1852, "FE", "F6");
        row("vfoB.bandwidth", "0", 1852, "FE", "EE");
        row("vfoB.txProhibit", "0", 1852, "FE", "DE");
        row("vfoB.shift", "2", 1854, "00", "02");
        row("vfoB.step", "0", 1805, "04", "00");
        // FM: channel 1 at 1888 (00 0B = 88.10), settings 1952.. 03 01 01 FF 00 5E.
        row("fm.channels[0]", R"("88.20")", 1888, "000B", "000C");
        row("fm.channel", "25", 1952, "03", "19");
        row("fm.displayMode", "0", 1953, "01", "00");
        row("fm.step", "2", 1954, "01", "02");
        row("fm.vfo", R"("96.50")", 1956, "005E", "005F");
        // Calibration: A high, middle, low at 2032.. (DC C8 78), B at 2016.. (D7 CD 6E).
        row("calibration[0]", "1", 2032, "DC", "01");
        row("calibration[1]", "2", 2033, "C8", "02");
        row("calibration[2]", "3", 2034, "78", "03");
        row("calibration[3]", "4", 2016, "D7", "04");
        row("calibration[4]", "5", 2017, "CD", "05");
        row("calibration[5]", "6", 2018, "6E", "06");
    }
    void oneMember() {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(int, offset);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(bool, encodeChanges);
        const MemoryImage sample = sampleImage();
        for (qsizetype i = 0; i < before.size(); ++i)
            QCOMPARE(sample[std::size_t(offset + i)], std::uint8_t(before[i]));
        const QJsonValue expected = parseValue(value);
        QVERIFY(!expected.isUndefined());

        // Decode: the changed bytes show in this member and no other.
        MemoryImage changed = sample;
        for (qsizetype i = 0; i < after.size(); ++i)
            changed[std::size_t(offset + i)] = std::uint8_t(after[i]);
        const QJsonObject sampleJson = configjson::toJson(decode(sample, RadioConfig{}));
        const QJsonObject changedJson = configjson::toJson(decode(changed, RadioConfig{}));
        QStringList differ;
        differences(sampleJson, changedJson, QString(), differ);
        QCOMPARE(differ, QStringList{member});
        const QJsonObject wanted = withValue(sampleJson, pathSteps(member), expected).toObject();
        QCOMPARE(changedJson, wanted);

        // Encode: the member given in the JSON lands in these bytes and no others.
        RadioConfig base;
        QCOMPARE(configjson::apply(sampleJson, base), QString());
        RadioConfig edited;
        QCOMPARE(configjson::apply(wanted, edited), QString());
        const MemoryImage baseImage = encode(base, MemoryImage{});
        const MemoryImage editedImage = encode(edited, MemoryImage{});
        QList<int> changedOffsets;
        for (std::size_t i = 0; i < editedImage.size(); ++i) {
            if (editedImage[i] != baseImage[i])
                changedOffsets.append(int(i));
        }
        if (!encodeChanges) {
            QCOMPARE(changedOffsets, QList<int>());
            return;
        }
        QList<int> expectedOffsets;
        for (qsizetype i = 0; i < after.size(); ++i) {
            if (after[i] != before[i])
                expectedOffsets.append(offset + int(i));
        }
        QCOMPARE(changedOffsets, expectedOffsets);
        for (qsizetype i = 0; i < after.size(); ++i)
            QCOMPARE(editedImage[std::size_t(offset + i)], std::uint8_t(after[i]));
    }
};

QTEST_GUILESS_MAIN(TstConfigJson)
#include "tst_configjson.moc"
