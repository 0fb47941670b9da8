#include "files/datfile.h"
#include "image/imagecodec.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

QString cliPath() {
    return QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QStringLiteral("orlex-k7-cli"));
}

Run finish(QProcess &p) {
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Run runCli(const QStringList &args) {
    QProcess p;
    p.start(cliPath(), args);
    return finish(p);
}

// The CLI under a file-size limit of one block (512 or 1024 bytes): writing a data file fails as on a full
// disk.
Run runCliWithFileSizeLimit(const QStringList &args) {
    QProcess p;
    p.start(
        QStringLiteral("sh"),
        QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -f 1 && exec \"$0\" \"$@\""), cliPath()} +
            args);
    return finish(p);
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// What Open followed by Save gives in a freshly started program.
QByteArray openThenSave(const QByteArray &fileContents) {
    const auto image = datfile::imageFromBytes(fileContents);
    return datfile::fileBytes(encode(decode(*image, RadioConfig{}), MemoryImage{}));
}

void expectFailure(const Run &r) {
    QVERIFY2(r.exitCode > 0, r.err.constData());
    QVERIFY(r.out.isEmpty());
    QVERIFY(r.err.startsWith("orlex-k7-cli: "));
    QCOMPARE(r.err.count('\n'), 1);
}

} // namespace

class TstCli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("ORLEX_K7_BIN_DIR").isEmpty()); }

    void decodeEncodeEqualsOpenSave_data() {
        QTest::addColumn<QByteArray>("file");
        const QByteArray header = QByteArray("PWB-7K") + QByteArray(42, char(0xFF));
        QTest::newRow("all FF") << header + QByteArray(3072, char(0xFF));
        QTest::newRow("all 00") << header + QByteArray(3072, char(0x00));
        QTest::newRow("short") << header + QByteArray::fromHex("0025651400256514700623 80FA");
        QRandomGenerator rng(7);
        for (int i = 0; i < 4; ++i) {
            QByteArray image(3072, '\0');
            for (char &b : image)
                b = char(rng.bounded(256));
            QTest::newRow(qPrintable(QStringLiteral("random %1").arg(i))) << header + image;
        }
        QTest::newRow("sample") << readRaw(QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR"))
                                               .filePath(QStringLiteral("examples/sample.dat")));
    }
    void decodeEncodeEqualsOpenSave() {
        QFETCH(QByteArray, file);
        QVERIFY(datfile::hasMagic(file));
        QTemporaryDir dir;
        const QString dat = dir.filePath(QStringLiteral("in.dat"));
        const QString json = dir.filePath(QStringLiteral("config.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(writeRaw(dat, file));
        const Run decoded = runCli({QStringLiteral("decode"), dat});
        QCOMPARE(decoded.exitCode, 0);
        QVERIFY(decoded.err.isEmpty());
        QVERIFY(writeRaw(json, decoded.out));
        const Run encoded = runCli({QStringLiteral("encode"), json, QStringLiteral("-o"), out});
        QVERIFY2(encoded.exitCode == 0, encoded.err.constData());
        QCOMPARE(readRaw(out), openThenSave(file));
    }

    void encodeLiteralChannel() {
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("c.json"));
        const QString out = dir.filePath(QStringLiteral("c.dat"));
        QVERIFY(writeRaw(json, R"({"channels": [{"rx": "146.525", "tx": "146.52500", "rxTone": "67.0",
            "txTone": "D023N", "power": 1, "busyLock": 0, "scanAdd": 1, "bandwidth": 1, "txProhibit": 1,
            "name": "ABC"}], "fm": {"channels": ["98.15", "98.25"]}, "calibration": [1, 2, 3, 4, 5, 6]})"));
        QCOMPARE(runCli({QStringLiteral("encode"), json, QStringLiteral("-o"), out}).exitCode, 0);
        const QByteArray bytes = readRaw(out);
        QCOMPARE(bytes.size(), 3120);
        QCOMPARE(bytes.left(15), QByteArray::fromHex("5057422D374B FFFFFFFF 5630313030"));
        QCOMPARE(bytes.mid(48, 13), QByteArray::fromHex("00256514 00256514 7006 2380 F9"));
        QCOMPARE(bytes.mid(48 + 2048, 8), QByteArray::fromHex("414243FFFFFFFFFF"));
        QCOMPARE(bytes.mid(48 + 1888, 4), QByteArray::fromHex("00700070"));
        QCOMPARE(bytes.mid(48 + 2016, 3), QByteArray::fromHex("040506"));
        QCOMPARE(bytes.mid(48 + 2032, 3), QByteArray::fromHex("010203"));
        QCOMPARE(bytes.mid(48 + 1938, 14), QByteArray(14, '\0'));
    }

    // FM display mode and step bytes outside the lists (a fresh radio holds FF) are shown and taken as
    // stored.
    void fmModeAndStepOutsideLists() {
        QTemporaryDir dir;
        const QString dat = dir.filePath(QStringLiteral("fresh.dat"));
        QByteArray file = QByteArray("PWB-7K") + QByteArray(42 + 3072, char(0xFF));
        file[48 + 1954] = char(0x07);
        QVERIFY(writeRaw(dat, file));
        const Run decoded = runCli({QStringLiteral("decode"), dat});
        QCOMPARE(decoded.exitCode, 0);
        const QJsonObject fm = QJsonDocument::fromJson(decoded.out).object().value("fm").toObject();
        QCOMPARE(fm.value("displayMode").toInt(-1), 255);
        QCOMPARE(fm.value("step").toInt(-1), 7);

        const QString json = dir.filePath(QStringLiteral("fm.json"));
        const QString out = dir.filePath(QStringLiteral("fm.dat"));
        QVERIFY(writeRaw(json, R"({"fm": {"channel": 4, "displayMode": 255, "step": 7}})"));
        QCOMPARE(runCli({QStringLiteral("encode"), json, QStringLiteral("-o"), out}).exitCode, 0);
        QCOMPARE(readRaw(out).mid(48 + 1952, 4), QByteArray::fromHex("04FF07FF"));
    }

    void emptyJsonIsStartState() {
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("e.json"));
        const QString out = dir.filePath(QStringLiteral("e.dat"));
        QVERIFY(writeRaw(json, "{}"));
        QCOMPARE(runCli({QStringLiteral("encode"), json, QStringLiteral("--output"), out}).exitCode, 0);
        QCOMPARE(readRaw(out), datfile::fileBytes(encode(RadioConfig{}, MemoryImage{})));
    }

    void badJson_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("malformed") << QByteArray(R"({"band": 1,)");
        QTest::newRow("not an object") << QByteArray("[1, 2]");
        QTest::newRow("band out of range") << QByteArray(R"({"band": 3})");
        QTest::newRow("power out of range")
            << QByteArray(R"({"channels": [{"rx": "146.52500", "power": 3}]})");
        QTest::newRow("unknown tone")
            << QByteArray(R"({"channels": [{"rx": "146.52500", "rxTone": "60.0"}]})");
        QTest::newRow("bad frequency") << QByteArray(R"({"channels": [{"rx": "abc"}]})");
        QTest::newRow("name too long")
            << QByteArray(R"({"channels": [{"rx": "146.52500", "name": "ABCDEFGHI"}]})");
        QTest::newRow("name not one byte") << QByteArray(R"({"channels": [{"name": "中"}]})");
        QTest::newRow("too many channels")
            << QByteArray(R"({"channels": [)") + QByteArray("null,").repeated(128) + QByteArray("null]}");
        QTest::newRow("calibration 256") << QByteArray(R"({"calibration": [256]})");
        QTest::newRow("fm step 256") << QByteArray(R"({"fm": {"step": 256}})");
        QTest::newRow("fm display mode -1") << QByteArray(R"({"fm": {"displayMode": -1}})");
        QTest::newRow("fm below 87") << QByteArray(R"({"fm": {"channels": ["86.90"]}})");
        QTest::newRow("channel number 129") << QByteArray(R"({"general": {"aChannel": "129"}})");
        QTest::newRow("unknown field") << QByteArray(R"({"general": {"beeep": 1}})");
        QTest::newRow("fraction") << QByteArray(R"({"general": {"beep": 0.5}})");
        QTest::newRow("text for number") << QByteArray(R"({"vfoA": {"step": "4"}})");
        QTest::newRow("number beyond any integer") << QByteArray(R"({"band": 1e300})");
        QTest::newRow("channel number beyond any integer")
            << QByteArray(R"({"general": {"bChannel": -1e300}})");
    }
    void badJson() {
        QFETCH(QByteArray, json);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("bad.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(writeRaw(path, json));
        QVERIFY(writeRaw(out, "previous"));
        expectFailure(runCli({QStringLiteral("encode"), path, QStringLiteral("-o"), out}));
        QCOMPARE(readRaw(out), QByteArray("previous")); // nothing written
    }

    void badFiles() {
        QTemporaryDir dir;
        const QString notDat = dir.filePath(QStringLiteral("text.dat"));
        QVERIFY(writeRaw(notDat, "hello, this is not a data file"));
        expectFailure(runCli({QStringLiteral("decode"), notDat}));
        expectFailure(runCli({QStringLiteral("decode"), dir.filePath(QStringLiteral("missing.dat"))}));
        const QString missingJson = dir.filePath(QStringLiteral("missing.json"));
        const QString out = dir.filePath(QStringLiteral("never.dat"));
        expectFailure(runCli({QStringLiteral("encode"), missingJson, QStringLiteral("-o"), out}));
        QVERIFY(!QFile::exists(out));

        const QString json = dir.filePath(QStringLiteral("ok.json"));
        QVERIFY(writeRaw(json, "{}"));
        expectFailure(runCli({QStringLiteral("encode"), json, QStringLiteral("-o"),
                              dir.filePath(QStringLiteral("no/such/dir/x.dat"))}));
    }

    void encodeOnFullDisk_data() {
        QTest::addColumn<bool>("existing");
        QTest::newRow("over an existing file") << true;
        QTest::newRow("new file") << false;
    }
    void encodeOnFullDisk() {
        QFETCH(bool, existing);
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("c.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(writeRaw(json, "{}"));
        const QByteArray old = QByteArray("PWB-7K") + QByteArray(3114, char(0x22));
        if (existing)
            QVERIFY(writeRaw(out, old));
        const Run r = runCliWithFileSizeLimit({QStringLiteral("encode"), json, QStringLiteral("-o"), out});
        expectFailure(r);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith("orlex-k7-cli: " + out.toUtf8() + ": cannot write the file: "), r.err);
        QCOMPARE(readRaw(out), existing ? old : QByteArray());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 existing ? QStringList({QStringLiteral("c.json"), QStringLiteral("out.dat")})
                          : QStringList{QStringLiteral("c.json")});
    }

    void usage() {
        QCOMPARE(runCli({}).exitCode, 2);
        QCOMPARE(runCli({QStringLiteral("frobnicate")}).exitCode, 2);
        QCOMPARE(runCli({QStringLiteral("encode"), QStringLiteral("x.json")}).exitCode, 2); // no -o
        const Run help = runCli({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains("decode"));
        QVERIFY(help.out.contains("encode"));
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
