// The channel CSV codec: hand-written files in the common format import to channels written out by hand
// here; an export of a hand-made configuration equals a hand-written file.

#include "files/channelcsv.h"
#include "files/csvtable.h"
#include "image/tones.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

QByteArray dataFile(const QString &name) {
    QFile f(QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR"))
                .filePath(QStringLiteral("tests/files/data/") + name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A channel as an import makes it: busy lock Off (the value of a newly typed channel).
Channel ch(const char *rx, const char *tx, const char *txTone = "", const char *rxTone = "", int power = 1,
           int scanAdd = 1, int bandwidth = 1, int txProhibit = 1, const char *name = "") {
    Channel c;
    c.rx = QString::fromLatin1(rx);
    c.tx = QString::fromLatin1(tx);
    c.txTone = toneIndex(QString::fromLatin1(txTone));
    c.rxTone = toneIndex(QString::fromLatin1(rxTone));
    c.power = power;
    c.busyLock = 1;
    c.scanAdd = scanAdd;
    c.bandwidth = bandwidth;
    c.txProhibit = txProhibit;
    c.name = QString::fromUtf8(name);
    return c;
}

Channel named(const char *name) {
    return ch("146.52000", "146.52000", "", "", 1, 1, 1, 1, name);
}

struct Expect {
    int line;
    int channel;     // 0: refused
    Channel value;   // when taken
    QString refusal; // when refused
    QStringList warnings;
};

Expect take(int line, int channel, const Channel &c, const QStringList &warnings = {}) {
    return {line, channel, c, QString(), warnings};
}
Expect refuse(int line, const char *why) {
    return {line, 0, Channel{}, QString::fromUtf8(why), {}};
}

const char Band0[] = "A:136-173.995MHz B:400-469.995MHz";

} // namespace

Q_DECLARE_METATYPE(QList<Expect>)

class TstChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void importFile_data();
    void importFile();
    void keepsWhatTheRowsDoNotName();
    void notSuchCsv_data();
    void notSuchCsv();
    void exportHandMade();
    void exportThenImport();
    void csvFields_data();
    void csvFields();
};

void TstChannelCsv::importFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("first"); // 0: by Location
    QTest::addColumn<QList<Expect>>("expected");

    QTest::newRow("BOM, CRLF") << "crlf_bom.csv" << 0 << 0
                               << QList<Expect>{
                                      take(2, 1, ch("146.52000", "146.52000", "", "", 1, 1, 1, 1, "CALL")),
                                      take(3, 2,
                                           ch("146.94000", "146.34000", "100.0", "", 0, 1, 1, 1, "RPT2M")),
                                      take(4, 5, ch("446.00625", "446.00625", "", "", 2, 0, 0, 1, "UHF")),
                                  };
    QTest::newRow("quoted, reordered, unknown columns")
        << "quoted_reordered.csv" << 0 << 0
        << QList<Expect>{
               take(2, 3, ch("145.50000", "145.50000", "67.0", "", 1, 1, 1, 1, "A,B")),
               take(4, 4, ch("147.00000", "147.60000", "", "", 0, 0, 0, 1, "QT"),
                    {QStringLiteral("Name \"Q\\\"T\" becomes \"QT\"")}),
           };
    const QString outOfBand = QStringLiteral(" is outside the band ") + QLatin1String(Band0);
    QTest::newRow("every Duplex")
        << "duplex.csv" << 0 << 0
        << QList<Expect>{
               take(2, 1, ch("146.52000", "146.52000")),
               take(3, 2, ch("146.94000", "146.34000")),
               take(4, 3, ch("444.10000", "449.10000")),
               take(5, 4, ch("146.52000", "446.50000")),
               take(6, 5, ch("146.52000", "146.52000", "", "", 1, 1, 1, 0)),
               refuse(7, "Duplex \"x\" is not empty, +, -, split or off"),
               refuse(8, "Offset \"\" is not a number of MHz"),
               {9, 0, Channel{}, QStringLiteral("transmit frequency \"174.10000\"") + outOfBand, {}},
               {10,
                0,
                Channel{},
                QStringLiteral("Offset (split transmit frequency) \"180.000000\"") + outOfBand,
                {}},
               // The receive frequency is put on the raster first (146.523 -> 146.52000).
               take(11, 10, ch("146.52000", "145.92000")),
               take(12, 11, ch("146.52000", "146.52000", "", "", 1, 1, 1, 0)),
               take(13, 12, ch("433.00000", "146.00000")),
               refuse(14, "Offset \"-0.600000\" is not a number of MHz"),
           };
    const char crossRefusal[] = "is not one of Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->, Tone->, ->Tone, "
                                "->DTCS, DTCS->DTCS";
    QTest::newRow("tone modes, Cross in every form")
        << "tones.csv" << 0 << 0
        << QList<Expect>{
               take(2, 1, ch("146.52000", "146.52000", "100.0", "")),
               take(3, 2, ch("146.52000", "146.52000", "123.0", "123.0")),
               take(4, 3, ch("146.52000", "146.52000", "D023N", "D023N")),
               take(5, 4, ch("146.52000", "146.52000", "D754N", "D754I")),
               take(6, 5, ch("146.52000", "146.52000", "D025I", "D025N")),
               take(7, 6, ch("146.52000", "146.52000", "67.0", "254.1")),
               take(8, 7, ch("146.52000", "146.52000", "67.0", "D411I")),
               take(9, 8, ch("146.52000", "146.52000", "D023I", "88.5")),
               take(10, 9, ch("146.52000", "146.52000", "D125N", "")),
               take(11, 10, ch("146.52000", "146.52000", "71.9", "")),
               take(12, 11, ch("146.52000", "146.52000", "", "79.7")),
               take(13, 12, ch("146.52000", "146.52000", "", "D244I")),
               take(14, 13, ch("146.52000", "146.52000", "D023I", "D754I")),
               {15, 0, Channel{}, QStringLiteral("CrossMode \"->\" ") + QLatin1String(crossRefusal), {}},
               {16,
                0,
                Channel{},
                QStringLiteral("CrossMode \"Tone->DCS\" ") + QLatin1String(crossRefusal),
                {}},
               refuse(17, "rToneFreq \"69.0\" is not a CTCSS tone of the radio's list"),
               refuse(18, "cToneFreq \"88.55\" is not a CTCSS tone of the radio's list"),
               refuse(19, "DtcsCode \"024\" is not a DCS code of the radio's list"),
               refuse(20, "DtcsPolarity \"NX\" is not two letters N (normal) or R (inverted)"),
               refuse(21, "Tone \"DTCS-R\" is not empty, Tone, TSQL, DTCS or Cross"),
               refuse(22, "RxDtcsCode \"999\" is not a DCS code of the radio's list"),
               take(23, 22, ch("146.52000", "146.52000", "100.0", "")),
               take(24, 23, ch("146.52000", "146.52000")),
               take(25, 24, ch("146.52000", "146.52000", "85.4", "85.4")),
               {26, 0, Channel{}, QStringLiteral("CrossMode \"\" ") + QLatin1String(crossRefusal), {}},
           };
    QTest::newRow("modes, skip, power words and watts")
        << "modes_power.csv" << 0 << 0
        << QList<Expect>{
               take(2, 1, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(3, 2, ch("146.52000", "146.52000", "", "", 1, 0, 0)),
               take(4, 3, ch("146.52000", "146.52000", "", "", 2, 0, 1)),
               take(5, 4, ch("146.52000", "146.52000", "", "", 2, 1, 1)),
               take(6, 5, ch("146.52000", "146.52000", "", "", 2, 1, 0)),
               take(7, 6, ch("146.52000", "146.52000", "", "", 0, 1, 1)),
               take(8, 7, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(9, 8, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(10, 9, ch("146.52000", "146.52000", "", "", 2, 1, 1)),
               take(11, 10, ch("146.52000", "146.52000", "", "", 2, 1, 1)),
               take(12, 11, ch("146.52000", "146.52000", "", "", 0, 1, 1)),
               take(13, 12, ch("146.52000", "146.52000", "", "", 0, 1, 1)),
               take(14, 13, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               refuse(15, "Power \"Turbo\" is not High, Mid, Low or a figure in watts"),
               refuse(16, "Mode \"AM\" is not FM or NFM"),
               refuse(17, "Mode \"DV\" is not FM or NFM"),
               refuse(18, "Mode \"\" is not FM or NFM"),
           };
    QTest::newRow("from channel 120: refused rows take no channel")
        << "modes_power.csv" << 0 << 120
        << QList<Expect>{
               take(2, 120, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(3, 121, ch("146.52000", "146.52000", "", "", 1, 0, 0)),
               take(4, 122, ch("146.52000", "146.52000", "", "", 2, 0, 1)),
               take(5, 123, ch("146.52000", "146.52000", "", "", 2, 1, 1)),
               take(6, 124, ch("146.52000", "146.52000", "", "", 2, 1, 0)),
               take(7, 125, ch("146.52000", "146.52000", "", "", 0, 1, 1)),
               take(8, 126, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(9, 127, ch("146.52000", "146.52000", "", "", 1, 1, 1)),
               take(10, 128, ch("146.52000", "146.52000", "", "", 2, 1, 1)),
               refuse(11, "no channel is left after channel 128"),
               refuse(12, "no channel is left after channel 128"),
               refuse(13, "no channel is left after channel 128"),
               refuse(14, "no channel is left after channel 128"),
               refuse(15, "Power \"Turbo\" is not High, Mid, Low or a figure in watts"),
               refuse(16, "Mode \"AM\" is not FM or NFM"),
               refuse(17, "Mode \"DV\" is not FM or NFM"),
               refuse(18, "Mode \"\" is not FM or NFM"),
           };
    QTest::newRow("band 0 edges, raster, locations")
        << "bands.csv" << 0 << 0
        << QList<Expect>{
               take(2, 1, ch("136.00000", "136.00000")),
               {3, 0, Channel{}, QStringLiteral("Frequency \"135.99999\"") + outOfBand, {}},
               take(4, 3, ch("173.99500", "173.99500")),
               {5, 0, Channel{}, QStringLiteral("Frequency \"173.996\"") + outOfBand, {}},
               take(7, 5, ch("469.99500", "469.99500")),
               {8, 0, Channel{}, QStringLiteral("Frequency \"470.000\"") + outOfBand, {}},
               {9, 0, Channel{}, QStringLiteral("Frequency \"180\"") + outOfBand, {}},
               take(10, 8, ch("145.51250", "145.51250")),
               take(11, 9, ch("145.51875", "145.51875")),
               refuse(12, "Frequency is empty"),
               refuse(13, "Frequency \"abc\" is not a frequency in MHz"),
               take(14, 12, ch("145.50000", "145.50000")),
               refuse(15, "Location \"0\" is not a channel 1..128"),
               refuse(16, "Location \"129\" is not a channel 1..128"),
               refuse(17, "Location \"abc\" is not a channel 1..128"),
               refuse(18, "channel 1 is already taken by line 2"),
               take(19, 128, ch("146.52000", "146.52000")),
               refuse(21, "a quoted field that begins in this row is never closed"),
           };
    QTest::newRow("band 1")
        << "bands.csv" << 1 << 0
        << QList<Expect>{
               refuse(2, "Frequency \"136\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(3, "Frequency \"135.99999\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(4, "Frequency \"173.995\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(5, "Frequency \"173.996\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(7, "Frequency \"469.995\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(8, "Frequency \"470.000\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(9, "Frequency \"180\" is outside the band A:144-146MHz B:430-440MHz"),
               take(10, 8, ch("145.51250", "145.51250")),
               take(11, 9, ch("145.51875", "145.51875")),
               refuse(12, "Frequency is empty"),
               refuse(13, "Frequency \"abc\" is not a frequency in MHz"),
               take(14, 12, ch("145.50000", "145.50000")),
               refuse(15, "Location \"0\" is not a channel 1..128"),
               refuse(16, "Location \"129\" is not a channel 1..128"),
               refuse(17, "Location \"abc\" is not a channel 1..128"),
               refuse(18, "Frequency \"146.52\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(19, "Frequency \"146.52\" is outside the band A:144-146MHz B:430-440MHz"),
               refuse(21, "a quoted field that begins in this row is never closed"),
           };
    QTest::newRow("names as the name box takes them")
        << "names.csv" << 0 << 0
        << QList<Expect>{
               take(2, 1, named("ABC"), {QStringLiteral("Name \"abc\" becomes \"ABC\"")}),
               take(3, 2, named("FIREDE"), {QStringLiteral("Name \"Fire dept\" becomes \"FIREDE\"")}),
               take(4, 3, named("TOOLON"), {QStringLiteral("Name \"TOOLONGNAME\" becomes \"TOOLON\"")}),
               take(5, 4, named("OK")),
               take(6, 5, named("N"), {QStringLiteral("Name \"Ünï\" becomes \"N\"")}),
               take(7, 6, named("")),
               take(8, 7, named("AB"), {QStringLiteral("Name \"a{b}\" becomes \"AB\"")}),
               take(9, 8, named("#`Z"), {QStringLiteral("Name \"#`z\" becomes \"#`Z\"")}),
               take(10, 9, named("SP")),
           };
}

void TstChannelCsv::importFile() {
    QFETCH(QString, file);
    QFETCH(int, band);
    QFETCH(int, first);
    QFETCH(QList<Expect>, expected);
    const QByteArray text = dataFile(file);
    QVERIFY(!text.isEmpty());
    RadioConfig current;
    current.band = band;
    const channelcsv::ImportResult r = channelcsv::importChannels(
        text, current, first > 0 ? channelcsv::Placement::FromChannel : channelcsv::Placement::ByLocation,
        first);
    QCOMPARE(r.error, QString());
    QCOMPARE(r.rows.size(), expected.size());
    RadioConfig config = current;
    for (int i = 0; i < expected.size(); ++i) {
        const channelcsv::RowOutcome &row = r.rows.at(i);
        const Expect &e = expected.at(i);
        QCOMPARE(row.line, e.line);
        QCOMPARE(row.refusal, e.refusal);
        QCOMPARE(row.channel, e.channel);
        QCOMPARE(row.warnings, e.warnings);
        if (e.channel > 0) {
            QCOMPARE(row.value.rx, e.value.rx);
            QCOMPARE(row.value.tx, e.value.tx);
            QCOMPARE(toneEntry(row.value.txTone), toneEntry(e.value.txTone));
            QCOMPARE(toneEntry(row.value.rxTone), toneEntry(e.value.rxTone));
            QCOMPARE(row.value.power, e.value.power);
            QCOMPARE(row.value.scanAdd, e.value.scanAdd);
            QCOMPARE(row.value.bandwidth, e.value.bandwidth);
            QCOMPARE(row.value.txProhibit, e.value.txProhibit);
            QCOMPARE(row.value.name, e.value.name);
            QCOMPARE(row.value, e.value); // busy lock too
            config.channels[std::size_t(e.channel - 1)] = e.value;
        }
    }
    QVERIFY(r.config == config);
}

void TstChannelCsv::keepsWhatTheRowsDoNotName() {
    RadioConfig current;
    current.band = 2;
    current.general.beep = 0;
    current.channels[0] = ch("150.00000", "150.00000", "67.0", "", 0, 0, 0, 1, "OLD");
    current.channels[9] = ch("175.00000", "175.00000", "", "", 0, 0, 0, 1, "TEN");
    current.channels[9].busyLock = 0;
    const channelcsv::ImportResult r = channelcsv::importChannels(dataFile(QStringLiteral("crlf_bom.csv")),
                                                                  current, channelcsv::Placement::ByLocation);
    QCOMPARE(r.takenCount(), 3);
    RadioConfig expected = current;
    expected.channels[0] = ch("146.52000", "146.52000", "", "", 1, 1, 1, 1, "CALL");
    expected.channels[1] = ch("146.94000", "146.34000", "100.0", "", 0, 1, 1, 1, "RPT2M");
    expected.channels[4] = ch("446.00625", "446.00625", "", "", 2, 0, 0, 1, "UHF");
    QVERIFY(r.config == expected);
}

void TstChannelCsv::notSuchCsv_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("error");
    QTest::newRow("other columns") << dataFile(QStringLiteral("not_channels.csv")) << 0
                                   << "not a channel CSV: line 1 has no column \"Frequency\"";
    QTest::newRow("no Frequency") << dataFile(QStringLiteral("header_only_location.csv")) << 0
                                  << "not a channel CSV: line 1 has no column \"Frequency\"";
    QTest::newRow("by Location without Location")
        << dataFile(QStringLiteral("no_location.csv")) << 0
        << "line 1 has no column \"Location\"; give the first channel instead";
    QTest::newRow("empty") << QByteArray() << 0 << "the file is empty";
    QTest::newRow("blank lines") << QByteArray("\r\n\n ,\n") << 3 << "the file is empty";
    QTest::newRow("binary") << QByteArray::fromHex("5057422D374BFFFF0000") << 0
                            << "not a channel CSV: line 1 has no column \"Frequency\"";
}

void TstChannelCsv::notSuchCsv() {
    QFETCH(QByteArray, text);
    QFETCH(int, first);
    QFETCH(QString, error);
    RadioConfig current;
    current.channels[3] = ch("146.00000", "146.00000");
    const channelcsv::ImportResult r = channelcsv::importChannels(
        text, current, first > 0 ? channelcsv::Placement::FromChannel : channelcsv::Placement::ByLocation,
        first);
    QCOMPARE(r.error, error);
    QVERIFY(r.rows.isEmpty());
    QVERIFY(r.config == current);
}

void TstChannelCsv::exportHandMade() {
    RadioConfig config;
    config.channels[0] = ch("146.52000", "146.52000", "", "", 1, 1, 1, 1, "CALL");
    config.channels[1] = ch("146.94000", "146.34000", "100.0", "", 0, 1, 1, 1, "RPT");
    config.channels[2] = ch("444.10000", "449.10000", "123.0", "123.0", 2, 0, 0, 1, "UHF");
    config.channels[3] = ch("146.52000", "446.50000", "D023N", "D023I", 1, 1, 1, 1, "X");
    config.channels[4] = ch("147.00000", "147.60000", "67.0", "D411I", 1, 1, 1, 0, "NOTX");
    config.channels[5] = ch("446.00625", "", "", "", 0, 1, 0, 1, "A,B");
    config.channels[5].busyLock = 0; // no column carries it
    config.channels[6] = ch("145.50000", "145.50000", "D025N", "D754N", 1, 1, 1, 1, "Q\"T");
    config.channels[7] = ch("145.50000", "145.50000", "", "79.7");
    config.channels[8] = ch("145.50000", "145.50000", "71.9", "67.0");
    config.channels[9].name = QStringLiteral("UNUSED"); // no frequency: not a row
    config.channels[10] = ch("FFF.FFFFF", "FFF.FFFFF");
    config.channels[11] = ch("430.00000", "FFF.FFFFF", "", "", 1, 1, 1, 1, " 8CHARS ");
    config.channels[127] = ch("439.99375", "439.39375", "D754I", "D754I", 0, 0, 1, 1, "LAST");

    const channelcsv::ExportResult r = channelcsv::exportChannels(config);
    QCOMPARE(QString::fromUtf8(r.text), QString::fromUtf8(dataFile(QStringLiteral("export_expected.csv"))));
    QCOMPARE(
        r.warnings,
        QStringList({QStringLiteral("channel 11: the receive frequency \"FFF.FFFFF\" is not a frequency; the "
                                    "channel is left out"),
                     QStringLiteral("channel 12: the transmit frequency \"FFF.FFFFF\" is not a frequency; "
                                    "written as Duplex off")}));
}

void TstChannelCsv::exportThenImport() {
    // Every kind of value each column carries, in channels spread over the table.
    RadioConfig config;
    config.band = 2;
    const char *tones[] = {"", "67.0", "254.1", "D017N", "D754I", "D023I"};
    int n = 0;
    for (const char *tx : tones) {
        for (const char *rx : tones) {
            Channel c = ch(n % 2 ? "174.99000" : "400.00625", n % 3 ? "479.99375" : "136.00000", tx, rx,
                           n % 3, n % 2, (n / 2) % 2, (n / 3) % 2, n % 4 ? "A#Z`9" : "");
            if (n % 5 == 0)
                c.tx = c.rx;
            config.channels[std::size_t(n * 3)] = c;
            ++n;
        }
    }
    const channelcsv::ExportResult out = channelcsv::exportChannels(config);
    QVERIFY(out.warnings.isEmpty());
    RadioConfig current;
    current.band = 2;
    const channelcsv::ImportResult in =
        channelcsv::importChannels(out.text, current, channelcsv::Placement::ByLocation);
    QCOMPARE(in.error, QString());
    QCOMPARE(in.takenCount(), n);
    for (int i = 0; i < 128; ++i) {
        Channel expected = config.channels[std::size_t(i)];
        if (expected.isUsed()) {
            expected.busyLock = 1; // not carried: a newly typed channel's value
            if (expected.txProhibit == 0)
                expected.tx = expected.rx; // Duplex off carries no transmit frequency
        }
        QCOMPARE(in.config.channels[std::size_t(i)], expected);
    }
}

void TstChannelCsv::csvFields_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QList<QStringList>>("records");
    QTest::newRow("plain LF") << "a,b\nc,d\n"
                              << QList<int>{1, 2} << QList<QStringList>{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR LF, no last line end")
        << "a,b\r\nc," << QList<int>{1, 2} << QList<QStringList>{{"a", "b"}, {"c", ""}};
    QTest::newRow("lone CR") << "a\rb\r" << QList<int>{1, 2} << QList<QStringList>{{"a"}, {"b"}};
    QTest::newRow("quoted comma, quote, line breaks")
        << "\"a,b\",\"say \"\"hi\"\"\",\"x\r\ny\nz\"\nnext" << QList<int>{1, 4}
        << QList<QStringList>{{"a,b", "say \"hi\"", "x\r\ny\nz"}, {"next"}};
    QTest::newRow("quote inside a field") << "ab\"c,\"d\"e\n"
                                          << QList<int>{1} << QList<QStringList>{{"ab\"c", "de"}};
    QTest::newRow("empty line") << "a\n\nb\n"
                                << QList<int>{1, 2, 3} << QList<QStringList>{{"a"}, {""}, {"b"}};
}

void TstChannelCsv::csvFields() {
    QFETCH(QString, text);
    QFETCH(QList<int>, lines);
    QFETCH(QList<QStringList>, records);
    const QList<csv::Record> parsed = csv::parse(text);
    QCOMPARE(parsed.size(), records.size());
    for (int i = 0; i < records.size(); ++i) {
        QCOMPARE(parsed.at(i).line, lines.at(i));
        QCOMPARE(parsed.at(i).fields, records.at(i));
        QVERIFY(!parsed.at(i).unclosedQuote);
    }
}

QTEST_GUILESS_MAIN(TstChannelCsv)
#include "tst_channelcsv.moc"
