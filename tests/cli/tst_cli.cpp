#include "files/datfile.h"
#include "image/imagecodec.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

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

// The CLI with standard input and output connected to files (an empty name: the test reads them), in `dir`.
Run runCliWithFiles(const QStringList &args, const QString &stdinPath, const QString &stdoutPath,
                    const QString &dir) {
    QProcess p;
    p.setWorkingDirectory(dir);
    if (!stdinPath.isEmpty())
        p.setStandardInputFile(stdinPath);
    if (!stdoutPath.isEmpty())
        p.setStandardOutputFile(stdoutPath);
    p.start(cliPath(), args);
    return finish(p);
}

QString sourceFile(const char *relative) {
    return QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR")).filePath(QLatin1String(relative));
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

    // Inputs that are not regular files are refused at once: nothing waits for a pipe's writer or reads a
    // device without end.
    void notRegularInputs_data() {
        QTest::addColumn<QStringList>("args"); // IN stands for the input
        QTest::addColumn<QString>("input");    // "pipe", "directory" or a device
        const QStringList decodeArgs{"decode", "IN"};
        const QStringList encodeArgs{"encode", "IN", "-o", "out.dat"};
        const QStringList writeArgs{"write", "--port", "/nonexistent/tty", "IN"};
        QTest::newRow("decode pipe") << decodeArgs << "pipe";
        QTest::newRow("decode /dev/zero") << decodeArgs << "/dev/zero";
        QTest::newRow("decode directory") << decodeArgs << "directory";
        QTest::newRow("encode pipe") << encodeArgs << "pipe";
        QTest::newRow("encode /dev/zero") << encodeArgs << "/dev/zero";
        QTest::newRow("write pipe") << writeArgs << "pipe";
        QTest::newRow("write /dev/zero") << writeArgs << "/dev/zero";
    }
    void notRegularInputs() {
        QFETCH(QStringList, args);
        QFETCH(QString, input);
        QTemporaryDir dir;
        QString path = input;
        if (input == QLatin1String("pipe")) {
            path = dir.filePath(QStringLiteral("pipe"));
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (input == QLatin1String("directory")) {
            path = dir.filePath(QStringLiteral("folder"));
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
        }
        args.replaceInStrings(QRegularExpression(QStringLiteral("^IN$")), path);
        const Run r = runCliWithFiles(args, QString(), QString(), dir.path());
        expectFailure(r);
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.err, "orlex-k7-cli: " + path.toUtf8() + ": not a regular file\n");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.dat"))));
    }

    void jsonSizeBound_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("1 MiB") << 1048576;
        QTest::newRow("1 MiB and one byte") << 1048577;
    }
    void jsonSizeBound() {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString json = dir.filePath(QStringLiteral("big.json"));
        const QString out = dir.filePath(QStringLiteral("big.dat"));
        QVERIFY(writeRaw(json, "{}" + QByteArray(size - 2, ' ')));
        const Run r = runCli({QStringLiteral("encode"), json, QStringLiteral("-o"), out});
        if (size <= 1048576) {
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(readRaw(out).size(), 3120);
        } else {
            expectFailure(r);
            QCOMPARE(r.err, "orlex-k7-cli: " + json.toUtf8() +
                                ": larger than 1048576 bytes, too large for a configuration\n");
            QVERIFY(!QFile::exists(out));
        }
    }

    // Standard output that cannot take the output (a full disk) is a failure with a message.
    void standardOutputFull_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("decode") << QStringList{"decode", sourceFile("examples/sample.dat")};
        QTest::newRow("encode -o -") << QStringList{"encode", sourceFile("examples/sample.json"), "-o", "-"};
        QTest::newRow("--help") << QStringList{"--help"};
    }
    void standardOutputFull() {
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        const Run r = runCliWithFiles(args, QString(), QStringLiteral("/dev/full"), dir.path());
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.startsWith("orlex-k7-cli: cannot write to standard output: "), r.err);
        QCOMPARE(r.err.count('\n'), 1);
    }

    // "-" is standard input for decode and encode, and standard output for encode's -o; read refuses -o -.
    void standardStreams() {
        QTemporaryDir dir;
        const QByteArray sampleDat = readRaw(sourceFile("examples/sample.dat"));
        const Run byName = runCli({QStringLiteral("decode"), sourceFile("examples/sample.dat")});
        QCOMPARE(byName.exitCode, 0);
        const Run fromStdin = runCliWithFiles({QStringLiteral("decode"), QStringLiteral("-")},
                                              sourceFile("examples/sample.dat"), QString(), dir.path());
        QCOMPARE(fromStdin.exitCode, 0);
        QCOMPARE(fromStdin.out, byName.out);

        const Run toStdout = runCliWithFiles({"encode", sourceFile("examples/sample.json"), "-o", "-"},
                                             QString(), QString(), dir.path());
        QCOMPARE(toStdout.exitCode, 0);
        QVERIFY(toStdout.err.isEmpty());
        QCOMPARE(toStdout.out, sampleDat);
        const Run bothStreams = runCliWithFiles({"encode", "-", "--output=-"},
                                                sourceFile("examples/sample.json"), QString(), dir.path());
        QCOMPARE(bothStreams.exitCode, 0);
        QCOMPARE(bothStreams.out, sampleDat);

        const Run read = runCliWithFiles({"read", "--port", "/nonexistent/tty", "-o", "-"}, QString(),
                                         QString(), dir.path());
        expectFailure(read);
        QCOMPARE(read.exitCode, 2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    // Qt's parser would silently keep one of two members with the same name: they are refused by name.
    void duplicateMembers_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("member"); // empty: accepted
        QTest::newRow("band twice") << QByteArray(R"({"band": 1, "band": 2})") << "band";
        QTest::newRow("same value twice") << QByteArray(R"({"band": 1, "band": 1})") << "band";
        QTest::newRow("written with an escape")
            << QByteArray("{\"general\": {\"beep\": 1, \"be\\u0065p\": 0}}") << "general.beep";
        QTest::newRow("in a channel")
            << QByteArray(R"({"channels": [null, {"rx": "146.52500", "name": "A", "name": "B"}]})")
            << "channels[1].name";
        QTest::newRow("in fm") << QByteArray(R"({"fm": {"step": 1, "channels": ["88.00"], "step": 2}})")
                               << "fm.step";
        QTest::newRow("an object twice")
            << QByteArray(R"({"general": {"beep": 1}, "general": {"keyLock": 0}})") << "general";
        QTest::newRow("one name in two objects")
            << QByteArray(R"({"vfoA": {"step": 1}, "vfoB": {"step": 2}})") << QString();
        QTest::newRow("a name as a value")
            << QByteArray(R"({"channels": [{"name": "name", "rx": "146.52500"}, {"name": "rx"}]})")
            << QString();
        QTest::newRow("escaped quote in a name")
            << QByteArray("{\"general\": {\"a\\\"b\": 1, \"a\\\"b\": 2}}") << "general.a\"b";
    }
    void duplicateMembers() {
        QFETCH(QByteArray, json);
        QFETCH(QString, member);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("dup.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(writeRaw(path, json));
        const Run r = runCli({QStringLiteral("encode"), path, QStringLiteral("-o"), out});
        if (member.isEmpty()) {
            QCOMPARE(r.exitCode, 0);
            return;
        }
        expectFailure(r);
        QCOMPARE(
            QString::fromUtf8(r.err),
            QStringLiteral("orlex-k7-cli: %1: %2: the member is given more than once\n").arg(path, member));
        QVERIFY(!QFile::exists(out));
    }

    // Text from the input reaches the terminal with its control characters escaped, and cut.
    void inputTextInMessages_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message"); // after "orlex-k7-cli: <json file>: "
        QTest::newRow("escape sequence in a value")
            << QByteArray("{\"channels\": [{\"rx\": \"\\u001b[2J\"}]}")
            << QStringLiteral("channels[0].rx: \"\\x1b[2J\" is not a frequency in MHz such as \"146.52500\"");
        QTest::newRow("title sequence in a member name")
            << QByteArray("{\"general\": {\"\\u001b]0;x\\u0007\": 1}}")
            << QStringLiteral("general.\\x1b]0;x\\x07: unknown field");
        QTest::newRow("new line in a name") << QByteArray("{\"vfoA\": {\"shift\\nstep\": 1}}")
                                            << QStringLiteral("vfoA.shift\\x0astep: unknown field");
        QTest::newRow("long value") << QByteArray("{\"channels\": [{\"rx\": \"") + QByteArray(1000000, 'A') +
                                           QByteArray("\"}]}")
                                    << QStringLiteral(
                                           "channels[0].rx: \"%1…\" is not a frequency in MHz such as "
                                           "\"146.52500\"")
                                           .arg(QString(200, QLatin1Char('A')));
        QTest::newRow("long member name")
            << QByteArray("{\"") + QByteArray(1000000, 'b') + "\": 1}"
            << QStringLiteral("%1…: unknown field").arg(QString(200, QLatin1Char('b')));
    }
    void inputTextInMessages() {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("in.json"));
        QVERIFY(writeRaw(path, json));
        const Run r = runCli({QStringLiteral("encode"), path, QStringLiteral("-o"), dir.filePath("out.dat")});
        expectFailure(r);
        QCOMPARE(QString::fromUtf8(r.err), QStringLiteral("orlex-k7-cli: %1: %2\n").arg(path, message));
    }

    void fileNameInMessages() {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("a\x1b[31m\nb"));
        const Run r = runCli({QStringLiteral("decode"), name});
        expectFailure(r);
        QCOMPARE(
            QString::fromUtf8(r.err),
            QStringLiteral("orlex-k7-cli: %1/a\\x1b[31m\\x0ab: the file does not exist\n").arg(dir.path()));
        const QString longName = QString(3000, QLatin1Char('n'));
        const Run cut =
            runCliWithFiles({QStringLiteral("decode"), longName}, QString(), QString(), dir.path());
        expectFailure(cut);
        QVERIFY2(cut.err.startsWith("orlex-k7-cli: " + QByteArray(200, 'n') + "…: "), cut.err);
        QVERIFY(cut.err.size() < 300);
    }

    // --used: channel positions stay (a left-out channel is null), the trailing empty ones go, and the JSON
    // encodes to the same file.
    void decodeUsed() {
        QTemporaryDir dir;
        const Run used =
            runCli({QStringLiteral("decode"), QStringLiteral("--used"), sourceFile("examples/sample.dat")});
        QCOMPARE(used.exitCode, 0);
        QVERIFY(used.err.isEmpty());
        const QJsonArray channels = QJsonDocument::fromJson(used.out).object().value("channels").toArray();
        QCOMPARE(channels.size(), 10);
        for (int i = 0; i < channels.size(); ++i)
            QCOMPARE(channels.at(i).isNull(), i == 7);
        // A channel without frequency that holds a name is not left out.
        QCOMPARE(channels.at(8).toObject().value("name").toString(), QStringLiteral("SPARE"));
        QCOMPARE(channels.at(8).toObject().value("rx").toString(), QString());
        QCOMPARE(channels.at(9).toObject().value("rx").toString(), QStringLiteral("162.55000"));

        const QString json = dir.filePath(QStringLiteral("used.json"));
        const QString out = dir.filePath(QStringLiteral("used.dat"));
        QVERIFY(writeRaw(json, used.out));
        const Run encoded = runCli({QStringLiteral("encode"), json, QStringLiteral("-o"), out});
        QCOMPARE(encoded.exitCode, 0);
        QVERIFY(encoded.err.isEmpty());
        QCOMPARE(readRaw(out), readRaw(sourceFile("examples/sample.dat")));

        const QString fresh = dir.filePath(QStringLiteral("fresh.dat"));
        QVERIFY(writeRaw(fresh, QByteArray("PWB-7K") + QByteArray(42 + 3072, char(0xFF))));
        const Run none = runCli({QStringLiteral("decode"), fresh, QStringLiteral("--used")});
        QCOMPARE(none.exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(none.out).object().value("channels"), QJsonValue(QJsonArray()));
    }

    // Warnings go to stderr and the file is written; --strict writes nothing and ends with 1.
    void encodeWarningsAndStrict_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("err");      // "FILE" stands for the JSON's path
        QTest::addColumn<QByteArray>("channel1"); // the record of channel 1 written, empty for no file
        const QByteArray tooLong = R"({"channels": [{"rx": 146.525, "power": "Low", "name": "TOOLONG"}]})";
        const QByteArray warning =
            "orlex-k7-cli: FILE: channels[0].name: warning: \"TOOLONG\" is longer than the "
            "6 characters the channel table takes\n";
        QTest::newRow("warning") << tooLong << false << 0 << warning
                                 << QByteArray::fromHex("00256514 00256514 FFFF FFFF FC");
        QTest::newRow("strict") << tooLong << true << 1
                                << warning + "orlex-k7-cli: FILE: 1 value the windows would refuse; nothing "
                                             "written (--strict)\n"
                                << QByteArray();
        QTest::newRow("strict, two")
            << QByteArray(R"({"channels": [{"rx": 146.525, "name": "TOOLONG"}], "vfoB": {"frequency": 480}})")
            << true << 1
            << warning + "orlex-k7-cli: FILE: vfoB.frequency: warning: \"480.00000\" is outside the band "
                         "A:136-173.995MHz B:400-469.995MHz\n"
                         "orlex-k7-cli: FILE: 2 values the windows would refuse; nothing written (--strict)\n"
            << QByteArray();
        QTest::newRow("strict, all taken")
            << QByteArray(R"({"channels": [{"rx": "146.525", "power": "low", "name": "SIXCHR"}]})") << true
            << 0 << QByteArray() << QByteArray::fromHex("00256514 00256514 FFFF FFFF FC");
        QTest::newRow("an error is not a warning")
            << QByteArray(R"({"channels": [{"rx": 300, "power": "loud"}]})") << false << 1
            << QByteArray("orlex-k7-cli: FILE: channels[0].power: \"loud\" is not an entry of the list (Low, "
                          "High, Middle)\n")
            << QByteArray();
    }
    void encodeWarningsAndStrict() {
        QFETCH(QByteArray, json);
        QFETCH(bool, strict);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, err);
        QFETCH(QByteArray, channel1);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("in.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        QVERIFY(writeRaw(in, json));
        QStringList args{QStringLiteral("encode"), in, QStringLiteral("-o"), out};
        if (strict)
            args << QStringLiteral("--strict");
        const Run r = runCli(args);
        QCOMPARE(r.exitCode, exitCode);
        QCOMPARE(r.err, QByteArray(err).replace("FILE", in.toUtf8()));
        QCOMPARE(QFile::exists(out), !channel1.isEmpty());
        if (!channel1.isEmpty())
            QCOMPARE(readRaw(out).mid(48, 13), channel1);
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

    // Every summary starts in column 36; a usage that would run into it has its summary on the next line.
    void helpColumns() {
        const Run help = runCli({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        const QByteArray expected =
            "Usage: orlex-k7-cli COMMAND [ARGUMENTS]\n"
            "\n"
            "Commands:\n"
            "  decode FILE.dat [--used]         print the configuration held by a data file as JSON\n"
            "  encode FILE.json -o OUT.dat [--strict]\n"
            "                                   write the data file of a JSON configuration\n"
            "  export-csv FILE.dat [-o OUT.csv]\n"
            "                                   write the used channels as CSV (standard output by default)\n"
            "  import-csv IN.csv -o OUT.dat [--into BASE.dat] [--first N] [--strict]\n"
            "                                   put CSV rows into channels and write the data file\n"
            "  diff A.dat B.dat                 list the fields in which two data files differ (exit 0 same, "
            "1 "
            "different)\n"
            "  print FILE.dat -o OUT.pdf [--lang zh|en]\n"
            "                                   write the programming-data report as a PDF (no display)\n"
            "  read --port DEVICE_OR_NUMBER -o OUT.dat [--no-backup]\n"
            "                                   read the radio into a data file (and a backup)\n"
            "  write --port DEVICE_OR_NUMBER FILE.dat [--force-band] [--calibration] [--verify]\n"
            "                                   write a data file into the radio\n"
            "  verify --port DEVICE_OR_NUMBER FILE.dat [--calibration]\n"
            "                                   compare the radio with what a write of the file would send (exit "
            "0 same, 1 different)\n"
            "  --help                           show this help\n"
            "  --version                        show the version\n"
            "\n"
            "The JSON format is described in README.md (section \"Command-line tool\").\n";
        QCOMPARE(help.out, expected);
    }
};

QTEST_GUILESS_MAIN(TstCli)
#include "tst_cli.moc"
