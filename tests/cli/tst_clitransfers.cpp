// orlex-k7-cli's transfers around the read and write: verify, write --verify, several ports at once, the
// trace. Against orlex-k7-sim on pseudo-terminals.

#include "clirun.h"
#include "files/datfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
constexpr int Patience = 60000; // only a guard against hanging; no timing is asserted

QString binary(const char *name) {
    return QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QLatin1String(name));
}

QString sampleDat() {
    return QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR")).filePath(QStringLiteral("examples/sample.dat"));
}

MemoryImage imageOf(const QString &path) {
    const datfile::ReadResult file = datfile::read(path);
    return file.error == datfile::ReadError::None ? file.image : filledImage(0xEE);
}

QByteArray bytes(const MemoryImage &image, int from, int to) {
    return QByteArray(reinterpret_cast<const char *>(image.data()) + from, to - from + 1);
}

using CliResult = clirun::Run;
} // namespace

class TstCliTransfers : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_DATA_HOME", m_dir->filePath(QStringLiteral("data")).toLocal8Bit());
    }
    void cleanup() {
        for (auto &sim : m_sims) {
            sim->terminate();
            sim->waitForFinished(Patience);
        }
        m_sims.clear();
        m_dir.reset();
    }

    // verify reads the radio and lists every field a write of the file would change, in the JSON names.
    void verifyListsTheDifferences_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("calibration");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("equal") << "none" << false << 0 << QByteArray("no differences\n");
        QTest::newRow("equal, with the calibration") << "none" << true << 0 << QByteArray("no differences\n");
        QTest::newRow("channel") << "channel" << false << 1
                                 << QByteArray("channels[5].rx: 446.01250 -> 446.00625\n");
        QTest::newRow("setting") << "setting" << false << 1 << QByteArray("general.squelchLevel: 5 -> 3\n");
        QTest::newRow("name") << "name" << false << 1 << QByteArray("channels[5].name: PMR2 -> PMR1\n");
        // A write sends the calibration blocks only with --calibration.
        QTest::newRow("calibration, not written")
            << "calibration" << false << 0 << QByteArray("no differences\n");
        QTest::newRow("calibration") << "calibration" << true << 1
                                     << QByteArray("calibration[5]: 112 -> 110\n");
    }
    void verifyListsTheDifferences() {
        QFETCH(QString, change);
        QFETCH(bool, calibration);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        // examples/sample.dat: channel 6 (index 5) is PMR1 on 446.00625 (record at 65: 25 06 60 44, name at
        // 2088), squelch level 3 (byte 1796), calibration byte 2018 is 110 (0x6E).
        MemoryImage radio = imageOf(sampleDat());
        if (change == QLatin1String("channel"))
            radio[65] = 0x50, radio[66] = 0x12;
        if (change == QLatin1String("setting"))
            radio[1796] = 5;
        if (change == QLatin1String("name"))
            radio[2048 + 5 * 8 + 3] = '2';
        if (change == QLatin1String("calibration"))
            radio[2018] = 0x70;
        const QString device = startSim({"--image", writeDat("radio.dat", radio)});
        QStringList args{"verify", "--port", device, sampleDat()};
        if (calibration)
            args.append(QStringLiteral("--calibration"));
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, exitCode);
        QCOMPARE(result.out, out);
        QCOMPARE(result.err, QByteArray());
    }

    // write --verify reads the radio back; a radio that drops one block's change is reported, and the
    // success line is printed only when the radio holds what was sent.
    void writeVerify_data() {
        QTest::addColumn<bool>("dropBlock");
        QTest::newRow("the radio takes every block") << false;
        QTest::newRow("the radio drops block 0x0040") << true;
    }
    void writeVerify() {
        QFETCH(bool, dropBlock);
        QStringList options;
        if (dropBlock)
            options << QStringLiteral("--drop-write") << QStringLiteral("0x0040");
        const QString device = startSim(options);
        const CliResult result = runCli({"write", "--port", device, sampleDat(), "--verify"});
        if (!dropBlock) {
            QCOMPARE(result.exitCode, 0);
            QCOMPARE(result.out, QByteArray("Writing Frequency Successful!\n"));
            QCOMPARE(result.err, QByteArray());
            return;
        }
        // Block 0x0040 holds bytes 64..79: the flags of channel 5, all of channel 6 and the start of channel
        // 7; the radio (all FF) keeps FF there, so channels 6 and 7 are empty in it.
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QByteArray());
        const QList<QByteArray> lines = result.err.split('\n');
        QCOMPARE(
            lines.first(),
            QByteArray("orlex-k7-cli: the radio does not hold what was written (15 fields differ; radio -> "
                       "file):"));
        // Byte 64 is the flags byte of channel 5 (power Middle in the file).
        QVERIFY2(result.err.contains("\norlex-k7-cli: channels[4].power: 1 -> 2\n"), result.err);
        QVERIFY2(result.err.contains("\norlex-k7-cli: channels[5].rx: \"\" -> 446.00625\n"), result.err);
        QVERIFY2(result.err.contains("\norlex-k7-cli: channels[6].rx: \"\" -> 433.50000\n"), result.err);
        QVERIFY(!result.err.contains("Successful"));
        QVERIFY(!result.err.contains("channels[3]."));
        QVERIFY(!result.err.contains("channels[7]."));
    }

    // Four radios written at once all hold the file afterwards; one result line each.
    void fourRadiosWrittenAtOnce() {
        QStringList devices;
        QStringList args{"write"};
        for (int i = 1; i <= 4; ++i) {
            devices << startSim({"--pace", "--dump", m_dir->filePath(QStringLiteral("dump%1.dat").arg(i))});
            args << QStringLiteral("--port") << devices.last();
        }
        args << sampleDat();
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, 0);
        QByteArray expected;
        for (const QString &device : devices)
            expected += device.toUtf8() + ": Writing Frequency Successful!\n";
        QCOMPARE(result.out, expected);
        QCOMPARE(result.err, QByteArray());
        stopSims();
        const MemoryImage sample = imageOf(sampleDat());
        for (int i = 1; i <= 4; ++i) {
            const MemoryImage dump = imageOf(m_dir->filePath(QStringLiteral("dump%1.dat").arg(i)));
            // The channel records and the names are written as the file holds them.
            QCOMPARE(bytes(dump, 0, 1663), bytes(sample, 0, 1663));
            QCOMPARE(bytes(dump, 2048, 3071), bytes(sample, 2048, 3071));
            // Outside calibration mode the calibration blocks are not written.
            QCOMPARE(bytes(dump, 2016, 2047), QByteArray(32, char(0xFF)));
        }
    }

    // read with several ports: one file per port, the port put before the extension.
    void severalRadiosRead() {
        MemoryImage first = filledImage(0x11);
        MemoryImage second = filledImage(0x22);
        const QString a = startSim({"--image", writeDat("a.dat", first)});
        const QString b = startSim({"--image", writeDat("b.dat", second)});
        const QString out = m_dir->filePath(QStringLiteral("out.dat"));
        const CliResult result = runCli({"read", "--port", a, "-p", b, "-o", out, "--no-backup"});
        QCOMPARE(result.exitCode, 0);
        const QString outA = m_dir->filePath(QStringLiteral("out-1.dat"));
        const QString outB = m_dir->filePath(QStringLiteral("out-2.dat"));
        QCOMPARE(result.out, (a + ": Reading Frequency Successful! (" + outA + ")\n" + b +
                              ": Reading Frequency Successful! (" + outB + ")\n")
                                 .toUtf8());
        QVERIFY(imageOf(outA) == first);
        QVERIFY(imageOf(outB) == second);
        QVERIFY(!QFile::exists(out));
    }

    // One port fails, the other succeeds: a line for each, and the status of the failure.
    void onePortOfTwoFails() {
        const QString good = startSim({});
        const CliResult result =
            runCli({"write", "--port", good, "--port", "/nonexistent/ttyUSB7", sampleDat()});
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.out, (good + ": Writing Frequency Successful!\n").toUtf8());
        QCOMPARE(result.err,
                 QByteArray("orlex-k7-cli: /nonexistent/ttyUSB7: The serial port is invalid: no such "
                            "device (is the cable plugged in?)\n"));
    }

    // One port: the message as it always was, then the device and the reason on a second line.
    void reasonsOnStandardError() {
        const QString device = startSim({});
        QSerialPort holder(device);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        CliResult result = runCli({"read", "--port", device, "-o", m_dir->filePath(QStringLiteral("o.dat"))});
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, ("orlex-k7-cli: The serial port is invalid\norlex-k7-cli: " + device +
                              ": in use by another program\n")
                                 .toUtf8());
        holder.close();
        result = runCli({"write", "--port", "/nonexistent/ttyUSB7", sampleDat()});
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err, QByteArray("orlex-k7-cli: The serial port is invalid\norlex-k7-cli: "
                                        "/nonexistent/ttyUSB7: no such device (is the cable plugged in?)\n"));
        qputenv("ORLEX_K7_PORTS", "/nonexistent/ttyUSB7");
        result = runCli({"verify", "--port", "2", sampleDat()});
        qunsetenv("ORLEX_K7_PORTS");
        QCOMPARE(result.exitCode, 3);
        QCOMPARE(result.err,
                 QByteArray("orlex-k7-cli: The serial port is invalid\norlex-k7-cli: COM2: no device is "
                            "assigned to this port number; choose one under Communication Port\n"));
    }

    // A radio of another model: the communication error, and which model answered.
    void foreignModel() {
        const QString device = startSim({"--model", "UV-5R"});
        const CliResult result =
            runCli({"read", "--port", device, "-o", m_dir->filePath(QStringLiteral("o.dat"))});
        QCOMPARE(result.exitCode, 4);
        QCOMPARE(result.err,
                 QByteArray("orlex-k7-cli: Communication error, check the line and the serial connection "
                            "selection!\norlex-k7-cli: The radio answered as model \"UV-5R\", not as an "
                            "ORLEX-K7 (LQ-H4).\n"));
    }

    void verifyTwoRadios() {
        MemoryImage changed = imageOf(sampleDat());
        changed[1796] = 5;
        const QString same = startSim({"--image", sampleDat()});
        const QString other = startSim({"--image", writeDat("radio.dat", changed)});
        const CliResult result = runCli({"verify", "--port", same, "--port", other, sampleDat()});
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, (same + ": no differences\n" + other + ": 1 field differs\n" + other +
                              ": general.squelchLevel: 5 -> 3\n")
                                 .toUtf8());
    }

    // Every successful read keeps a backup in the data folder, unless --no-backup; verify reads too.
    void readsKeepBackups() {
        MemoryImage radio = filledImage(0x33);
        const QString device = startSim({"--image", writeDat("radio.dat", radio)});
        const QString folder = m_dir->filePath(QStringLiteral("data/ORLEX-K7/backups"));
        const auto backups = [&folder] {
            return QDir(folder).entryList({QStringLiteral("*.dat")}, QDir::Files, QDir::Name);
        };
        QCOMPARE(runCli({"read", "--port", device, "-o", m_dir->filePath("a.dat"), "--no-backup"}).exitCode,
                 0);
        QCOMPARE(backups().size(), 0);
        QCOMPARE(runCli({"read", "--port", device, "-o", m_dir->filePath("b.dat")}).exitCode, 0);
        QCOMPARE(backups().size(), 1);
        static const QRegularExpression name(
            QStringLiteral("^\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2}(_\\d+)?\\.dat$"));
        QVERIFY2(name.match(backups().first()).hasMatch(), qPrintable(backups().first()));
        QVERIFY(imageOf(QDir(folder).filePath(backups().first())) == radio);
        QCOMPARE(runCli({"verify", "--port", device, writeDat("other.dat", filledImage(0x44))}).exitCode, 1);
        QCOMPARE(backups().size(), 2);
        // A failed read keeps nothing.
        QCOMPARE(runCli({"read", "--port", "/nonexistent/ttyUSB7", "-o", m_dir->filePath("c.dat")}).exitCode,
                 3);
        QCOMPARE(backups().size(), 2);
    }

    // --trace FILE: every frame sent and every piece received, with the time in milliseconds.
    void traceHoldsEveryFrame() {
        const QString device = startSim({});
        const QString trace = m_dir->filePath(QStringLiteral("trace.txt"));
        const CliResult result = runCli(
            {"read", "--port", device, "-o", m_dir->filePath(QStringLiteral("out.dat")), "--trace", trace});
        QCOMPARE(result.exitCode, 0);
        QFile file(trace);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.first().startsWith("# orlex-k7 transfer trace, started "));
        static const QRegularExpression shape(
            QStringLiteral("^ *(\\d+\\.\\d{3}) (\\S+) (>> [0-9A-F ]+|<< [0-9A-F ]+|open|end success)$"));
        QStringList events;
        double last = 0;
        for (const QByteArray &line : lines.mid(1)) {
            if (line.isEmpty())
                continue;
            const QRegularExpressionMatch m = shape.match(QString::fromUtf8(line));
            QVERIFY2(m.hasMatch(), line.constData());
            QCOMPARE(m.captured(2), device);
            QVERIFY(m.captured(1).toDouble() >= last);
            last = m.captured(1).toDouble();
            events << m.captured(3);
        }
        QCOMPARE(events.first(), QStringLiteral("open"));
        QCOMPARE(events.at(1), QStringLiteral(">> 50 52 4F 47 52 41 4D"));
        QCOMPARE(events.at(2), QStringLiteral("<< 06"));
        QCOMPARE(events.at(3), QStringLiteral(">> 02"));
        QVERIFY(events.contains(QStringLiteral(">> 52 07 F0 10")));
        QCOMPARE(events.last(), QStringLiteral("end success"));
        // 976 bytes go out in a read: their frames, each whole, in the trace.
        int sent = 0;
        for (const QString &e : events) {
            if (e.startsWith(QLatin1String(">> ")))
                sent += int(e.mid(3).split(QLatin1Char(' ')).size());
        }
        QCOMPARE(sent, 976);
    }

    void traceThatCannotBeWritten() {
        const QString device = startSim({});
        const CliResult result =
            runCli({"read", "--port", device, "-o", m_dir->filePath(QStringLiteral("o.dat")), "--trace",
                    m_dir->filePath(QStringLiteral("no/such/dir/t.txt"))});
        QCOMPARE(result.exitCode, 1);
        QVERIFY2(result.err.startsWith("orlex-k7-cli: cannot write the trace "), result.err);
    }

    void usage_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("verify without a port") << QStringList{"verify", "f.dat"};
        QTest::newRow("verify without a file") << QStringList{"verify", "--port", "1"};
        QTest::newRow("write with an empty port") << QStringList{"write", "--port=", "f.dat"};
        QTest::newRow("read, --trace without a file")
            << QStringList{"read", "--port", "1", "-o", "x.dat", "--trace"};
    }
    void usage() {
        QFETCH(QStringList, args);
        const CliResult result = runCli(args);
        QCOMPARE(result.exitCode, 2);
        QVERIFY2(result.err.startsWith("orlex-k7-cli: usage: "), result.err);
    }

private:
    QString startSim(const QStringList &options) {
        auto sim = std::make_unique<QProcess>();
        const QString link = m_dir->filePath(QStringLiteral("radio%1").arg(m_sims.size() + 1));
        sim->setStandardErrorFile(QProcess::nullDevice());
        sim->start(binary("orlex-k7-sim"), options + QStringList{"--link", link});
        const bool started = sim->waitForReadyRead(Patience);
        m_sims.push_back(std::move(sim));
        return started ? link : QString();
    }
    void stopSims() {
        for (auto &sim : m_sims) {
            sim->terminate();
            sim->waitForFinished(Patience);
        }
    }
    QString writeDat(const QString &name, const MemoryImage &image) {
        const QString path = m_dir->filePath(name);
        return datfile::write(path, image).isEmpty() ? path : QString();
    }
    static CliResult runCli(const QStringList &args) { return clirun::run(args); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::vector<std::unique_ptr<QProcess>> m_sims;
};

QTEST_GUILESS_MAIN(TstCliTransfers)
#include "tst_clitransfers.moc"
