// export-csv and import-csv as a user runs them: what they write, the stderr lines, the exit statuses.

#include "clirun.h"
#include "files/datfile.h"
#include "image/imagecodec.h"
#include "image/tones.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clirun;

namespace {

QByteArray csvData(const char *name) {
    return readRaw(sourceFile(QStringLiteral("tests/files/data/") + QLatin1String(name)));
}

// The configuration a freshly started program shows after opening the data file.
RadioConfig opened(const QString &path) {
    const datfile::ReadResult r = datfile::read(path);
    return r.error == datfile::ReadError::None ? decode(r.image, RadioConfig{}) : RadioConfig{};
}

Channel ch(const char *rx, const char *tx, const char *txTone, const char *rxTone, int power, int scanAdd,
           int bandwidth, int txProhibit, const char *name) {
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
    c.name = QString::fromLatin1(name);
    return c;
}

} // namespace

class TstCliCsv : public QObject {
    Q_OBJECT
private slots:
    void exportSample_data() {
        QTest::addColumn<QStringList>("output"); // options after the input
        QTest::newRow("stdout") << QStringList{};
        QTest::newRow("-o -") << QStringList{"-o", "-"};
        QTest::newRow("-o FILE") << QStringList{"-o", "out.csv"};
        QTest::newRow("--output=FILE") << QStringList{"--output=out.csv"};
    }
    void exportSample() {
        QFETCH(QStringList, output);
        QTemporaryDir dir;
        // examples/sample.csv was checked by eye against the channels of examples/sample.dat.
        const QByteArray expected = readRaw(sourceFile(QStringLiteral("examples/sample.csv")));
        QVERIFY(expected.startsWith("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                                    "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                                    "RPT1CALL,RPT2CALL,DVCODE\n"));
        const Run r =
            run(QStringList{"export-csv", sourceFile(QStringLiteral("examples/sample.dat"))} + output,
                dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        if (output.isEmpty() || output.last() == QLatin1String("-")) {
            QCOMPARE(r.out, expected);
        } else {
            QCOMPARE(r.out, QByteArray());
            QCOMPARE(readRaw(dir.filePath(QStringLiteral("out.csv"))), expected);
        }
    }

    void exportWarnsAboutUnreadableFrequency() {
        QTemporaryDir dir;
        MemoryImage image = filledImage(0xFF);
        const QByteArray record = QByteArray::fromHex("00256514 FFFFFFFF FFFF FFFF F9");
        std::copy(record.begin(), record.end(), image.begin() + 13 * 2); // channel 3, no TX frequency
        const QByteArray odd = QByteArray::fromHex("0A256514 00256514 FFFF FFFF F9");
        std::copy(odd.begin(), odd.end(), image.begin()); // channel 1: 146.5250A is no frequency
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("odd.dat")), datfile::fileBytes(image)));
        const Run r = run({"export-csv", "odd.dat"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err,
                 QByteArray("orlex-k7-cli: odd.dat: channel 1: the receive frequency \"146.5250A\" is not a "
                            "frequency; the channel is left out\n"));
        QCOMPARE(
            r.out.mid(r.out.indexOf('\n') + 1),
            QByteArray("3,,146.52500,off,0.00000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"));
    }

    void importReportsEachRefusedRow() {
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("duplex.csv")), csvData("duplex.csv")));
        const Run r = run({"import-csv", "duplex.csv", "-o", "out.dat"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(r.err,
                 QByteArray("duplex.csv:7: Duplex \"x\" is not empty, +, -, split or off\n"
                            "duplex.csv:8: Offset \"\" is not a number of MHz\n"
                            "duplex.csv:9: transmit frequency \"174.10000\" is outside the band "
                            "A:136-173.995MHz B:400-469.995MHz\n"
                            "duplex.csv:10: Offset (split transmit frequency) \"180.000000\" is outside "
                            "the band A:136-173.995MHz B:400-469.995MHz\n"
                            "duplex.csv:14: Offset \"-0.600000\" is not a number of MHz\n"));
        const RadioConfig c = opened(dir.filePath(QStringLiteral("out.dat")));
        QCOMPARE(c.channels[1], ch("146.94000", "146.34000", "", "", 1, 1, 1, 1, ""));
        QCOMPARE(c.channels[3], ch("146.52000", "446.50000", "", "", 1, 1, 1, 1, ""));
        QCOMPARE(c.channels[4], ch("146.52000", "146.52000", "", "", 1, 1, 1, 0, ""));
        QCOMPARE(c.channels[5], Channel{});
    }

    void importWarnsAboutNames() {
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("names.csv"));
        QVERIFY(writeRaw(csv, csvData("names.csv")));
        // From standard input the lines name it so.
        const Run r = run({"import-csv", "-", "-o", "out.dat", "--strict"}, dir.path(), csv);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray("standard input:2: warning: Name \"abc\" becomes \"ABC\"\n"
                                   "standard input:3: warning: Name \"Fire dept\" becomes \"FIREDE\"\n"
                                   "standard input:4: warning: Name \"TOOLONGNAME\" becomes \"TOOLON\"\n"
                                   "standard input:6: warning: Name \"Ünï\" becomes \"N\"\n"
                                   "standard input:8: warning: Name \"a{b}\" becomes \"AB\"\n"
                                   "standard input:9: warning: Name \"#`z\" becomes \"#`Z\"\n"));
        const RadioConfig c = opened(dir.filePath(QStringLiteral("out.dat")));
        QCOMPARE(c.channels[1].name, QStringLiteral("FIREDE"));
    }

    void importIntoBaseFromChannel() {
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("in.csv")), csvData("crlf_bom.csv")));
        const QString sample = sourceFile(QStringLiteral("examples/sample.dat"));
        const Run r =
            run({"import-csv", "in.csv", "--into", sample, "--first", "6", "-o", "out.dat"}, dir.path());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        RadioConfig expected = opened(sample);
        expected.channels[5] = ch("146.52000", "146.52000", "", "", 1, 1, 1, 1, "CALL");
        expected.channels[6] = ch("146.94000", "146.34000", "100.0", "", 0, 1, 1, 1, "RPT2M");
        expected.channels[7] = ch("446.00625", "446.00625", "", "", 2, 0, 0, 1, "UHF");
        const RadioConfig c = opened(dir.filePath(QStringLiteral("out.dat")));
        QVERIFY(c == expected); // the other channels and every setting of the base file stay
        QCOMPARE(c.channels[0].name, QStringLiteral("CALL2M"));
    }

    void exitStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("lastError");
        const QByteArray some = csvData("modes_power.csv");
        QTest::newRow("some refused") << QStringList{"import-csv", "in.csv", "-o", "out.dat"} << some << 0
                                      << true << QByteArray("in.csv:18: Mode \"\" is not FM or NFM\n");
        QTest::newRow("--strict, some refused")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--strict"} << some << 1 << false
            << QByteArray("orlex-k7-cli: in.csv: 4 of 17 rows refused; nothing written (--strict)\n");
        QTest::newRow("--strict, none refused")
            << QStringList{"import-csv", "in.csv", "--strict", "-o", "out.dat"} << csvData("crlf_bom.csv")
            << 0 << true << QByteArray();
        QTest::newRow("none taken") << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--first", "128"}
                                    << QByteArray("Frequency\n180\n") << 1 << false
                                    << QByteArray(
                                           "orlex-k7-cli: in.csv: no row was imported; nothing written\n");
        QTest::newRow("header only") << QStringList{"import-csv", "in.csv", "-o", "out.dat"}
                                     << QByteArray("Location,Frequency\r\n") << 1 << false
                                     << QByteArray(
                                            "orlex-k7-cli: in.csv: no row was imported; nothing written\n");
        QTest::newRow("not such a CSV")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat"} << csvData("not_channels.csv") << 1
            << false
            << QByteArray("orlex-k7-cli: in.csv: not a channel CSV: line 1 has no column \"Frequency\"\n");
        QTest::newRow("no Location, by Location")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat"} << csvData("no_location.csv") << 1
            << false
            << QByteArray("orlex-k7-cli: in.csv: line 1 has no column \"Location\"; give the first channel "
                          "instead\n");
        QTest::newRow("no Location, --first")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--first=1"} << csvData("no_location.csv")
            << 0 << true << QByteArray();
        QTest::newRow("missing input")
            << QStringList{"import-csv", "none.csv", "-o", "out.dat"} << some << 1 << false
            << QByteArray("orlex-k7-cli: none.csv: the file does not exist\n");
        QTest::newRow("base not a data file")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--into", "in.csv"} << some << 1 << false
            << QByteArray(
                   "orlex-k7-cli: in.csv: not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")\n");
        const QByteArray usage(
            "orlex-k7-cli: usage: orlex-k7-cli import-csv IN.csv -o OUT.dat [--into BASE.dat] "
            "[--first N] [--strict]\n");
        QTest::newRow("no -o") << QStringList{"import-csv", "in.csv"} << some << 2 << false << usage;
        QTest::newRow("-o without path")
            << QStringList{"import-csv", "in.csv", "-o"} << some << 2 << false << usage;
        QTest::newRow("two inputs") << QStringList{"import-csv", "in.csv", "in.csv", "-o", "out.dat"} << some
                                    << 2 << false << usage;
        QTest::newRow("unknown option")
            << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--bogus"} << some << 2 << false << usage;
        QTest::newRow("--first 0") << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--first", "0"}
                                   << some << 2 << false
                                   << QByteArray("orlex-k7-cli: --first 0: not a channel 1..128\n");
        QTest::newRow("--first 129") << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--first", "129"}
                                     << some << 2 << false
                                     << QByteArray("orlex-k7-cli: --first 129: not a channel 1..128\n");
        QTest::newRow("--first x") << QStringList{"import-csv", "in.csv", "-o", "out.dat", "--first", "x"}
                                   << some << 2 << false
                                   << QByteArray("orlex-k7-cli: --first x: not a channel 1..128\n");
        QTest::newRow("export: two inputs")
            << QStringList{"export-csv", "a.dat", "b.dat"} << some << 2 << false
            << QByteArray("orlex-k7-cli: usage: orlex-k7-cli export-csv FILE.dat [-o "
                          "OUT.csv]\n");
        QTest::newRow("export: not a data file")
            << QStringList{"export-csv", "in.csv", "-o", "out.dat"} << some << 1 << false
            << QByteArray(
                   "orlex-k7-cli: in.csv: not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")\n");
    }
    void exitStatus() {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, csv);
        QFETCH(int, status);
        QFETCH(bool, written);
        QFETCH(QByteArray, lastError);
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("in.csv")), csv));
        const Run r = run(args, dir.path());
        QCOMPARE(r.exitCode, status);
        QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("out.dat"))), written);
        QVERIFY2(r.err.endsWith(lastError), r.err.constData());
        QCOMPARE(r.out, QByteArray());
    }

    void failedImportKeepsTheOldFile() {
        QTemporaryDir dir;
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("in.csv")), csvData("tones.csv")));
        QVERIFY(writeRaw(dir.filePath(QStringLiteral("out.dat")), "old"));
        const Run r = run({"import-csv", "in.csv", "-o", "out.dat", "--strict"}, dir.path());
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("out.dat"))), QByteArray("old"));
    }
};

QTEST_GUILESS_MAIN(TstCliCsv)
#include "tst_clicsv.moc"
