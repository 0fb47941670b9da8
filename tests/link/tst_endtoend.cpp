// orlex-k7-cli against orlex-k7-sim on a pseudo-terminal, and SerialLink in-process against the simulator.

#include "files/datfile.h"
#include "image/imagecodec.h"
#include "link/portnumbering.h"
#include "link/readtransaction.h"
#include "link/seriallink.h"
#include "link/writetransaction.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {
constexpr int Patience = 15000; // only a guard against hanging; no timing is asserted

QString binary(const char *name) {
    return qEnvironmentVariable("ORLEX_K7_BIN_DIR") + QLatin1Char('/') + name;
}

MemoryImage patternImage() {
    MemoryImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t((i * 13 + 5) & 0xFF);
    return image;
}

struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readSavesTheRadioImage();
    void readByPortNumber();
    void writeSendsTheFile_data();
    void writeSendsTheFile();
    void bandMismatch();
    void silentRadio();
    void pulledCable();
    void invalidPort_data();
    void invalidPort();
    void linkCancelAndRepeat();
    void linkBandQuestion();
    void findComListsOpenablePorts();

private:
    QString startSim(const QStringList &options);
    CliResult runCli(const QStringList &args,
                     const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment());
    QString writeDat(const QString &name, const MemoryImage &image);
    MemoryImage readDat(const QString &path);

    QTemporaryDir *m_dir = nullptr;
    QList<QProcess *> m_sims;
};

void TestEndToEnd::init() {
    m_dir = new QTemporaryDir;
}

void TestEndToEnd::cleanup() {
    for (QProcess *sim : m_sims) {
        sim->terminate();
        sim->waitForFinished(Patience);
        delete sim;
    }
    m_sims.clear();
    delete m_dir;
}

QString TestEndToEnd::startSim(const QStringList &options) {
    auto *sim = new QProcess;
    sim->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_sims.append(sim);
    const QString link = m_dir->filePath(QStringLiteral("radio%1").arg(m_sims.size()));
    sim->start(binary("orlex-k7-sim"), options + QStringList{"--link", link});
    if (!sim->waitForReadyRead(Patience))
        return {};
    const QString device = QString::fromLocal8Bit(sim->readLine()).trimmed();
    return device.startsWith(QLatin1String("/dev/")) ? link : QString();
}

CliResult TestEndToEnd::runCli(const QStringList &args, const QProcessEnvironment &env) {
    QProcess cli;
    cli.setProcessEnvironment(env);
    cli.start(binary("orlex-k7-cli"), args);
    CliResult result;
    if (!cli.waitForFinished(Patience)) {
        cli.kill();
        cli.waitForFinished();
        return result;
    }
    result.exitCode = cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -2;
    result.out = cli.readAllStandardOutput();
    result.err = cli.readAllStandardError();
    return result;
}

QString TestEndToEnd::writeDat(const QString &name, const MemoryImage &image) {
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(datfile::fileBytes(image));
    return path;
}

MemoryImage TestEndToEnd::readDat(const QString &path) {
    const datfile::ReadResult result = datfile::read(path);
    return result.error == datfile::ReadError::None ? result.image : filledImage(0xEE);
}

void TestEndToEnd::readSavesTheRadioImage() {
    const QString radio = startSim({"--image", writeDat("radio.dat", patternImage())});
    QVERIFY(!radio.isEmpty());
    const QString out = m_dir->filePath("out.dat");
    const CliResult result = runCli({"read", "--port", radio, "-o", out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("Reading Frequency Successful!\n"));
    QVERIFY(readDat(out) == patternImage());
    QCOMPARE(QFileInfo(out).size(), 3120);
    // The simulator serves the next transaction too.
    QCOMPARE(runCli({"read", "--port", radio, "-o", out}).exitCode, 0);
}

void TestEndToEnd::readByPortNumber() {
    const QString radio = startSim({"--image", writeDat("radio.dat", patternImage())});
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORLEX_K7_PORTS"), QStringLiteral("/nonexistent/tty:") + radio);
    const QString out = m_dir->filePath("out.dat");
    QCOMPARE(runCli({"read", "--port", "2", "-o", out}, env).exitCode, 0);
    QVERIFY(readDat(out) == patternImage());
    QCOMPARE(runCli({"read", "--port", "1", "-o", out}, env).exitCode, 3);
}

void TestEndToEnd::writeSendsTheFile_data() {
    QTest::addColumn<bool>("calibration");
    QTest::newRow("normal") << false;
    QTest::newRow("calibration") << true;
}

void TestEndToEnd::writeSendsTheFile() {
    QFETCH(bool, calibration);
    const QString sample =
        qEnvironmentVariable("ORLEX_K7_SOURCE_DIR") + QStringLiteral("/examples/sample.dat");
    const MemoryImage fileImage = readDat(sample);
    const QString dump = m_dir->filePath("dump.dat");
    const QString radio = startSim({"--dump", dump, "--band", QString::number(fileImage[1814])});
    QStringList args{"write", "--port", radio, sample};
    if (calibration)
        args << "--calibration";
    const CliResult result = runCli(args);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QByteArray("Writing Frequency Successful!\n"));

    m_sims.first()->terminate();
    QVERIFY(m_sims.first()->waitForFinished(Patience));
    const MemoryImage inRadio = readDat(dump);
    const MemoryImage expected = encode(decode(fileImage, RadioConfig{}), filledImage(0x00));
    for (std::size_t i = 0; i < inRadio.size(); ++i) {
        const bool neverWritten = (i >= 1984 && i < 2016) || (!calibration && i >= 2016 && i < 2048);
        QCOMPARE(inRadio[i], neverWritten ? std::uint8_t(0xFF) : expected[i]);
    }
}

void TestEndToEnd::bandMismatch() {
    const QString sample =
        qEnvironmentVariable("ORLEX_K7_SOURCE_DIR") + QStringLiteral("/examples/sample.dat");
    const int otherBand = (readDat(sample)[1814] + 1) % 3;
    const QString radio = startSim({"--band", QString::number(otherBand)});
    const CliResult refused = runCli({"write", "--port", radio, sample});
    QCOMPARE(refused.exitCode, 5);
    QVERIFY2(refused.err.contains("The frequency band is not accorded with, can't write into!"), refused.err);
    const CliResult forced = runCli({"write", "--port", radio, sample, "--force-band"});
    QCOMPARE(forced.exitCode, 0);
}

void TestEndToEnd::silentRadio() {
    const QString radio = startSim({"--silent-from", "1"});
    const QString out = m_dir->filePath("out.dat");
    const CliResult result = runCli({"read", "--port", radio, "-o", out});
    QCOMPARE(result.exitCode, 4);
    QVERIFY2(result.err.contains("Communication error, check the line and the serial connection selection!"),
             result.err);
    QVERIFY(!QFile::exists(out));
    QVERIFY(ports::canOpen(radio)); // released
}

void TestEndToEnd::pulledCable() {
    const QString radio = startSim({"--pace"});
    QProcess cli;
    cli.start(binary("orlex-k7-cli"), {"read", "--port", radio, "-o", m_dir->filePath("out.dat")});
    QVERIFY(cli.waitForStarted(Patience));
    QTest::qWait(800); // well into the block sequence
    QCOMPARE(cli.state(), QProcess::Running);
    m_sims.first()->kill();
    QVERIFY(cli.waitForFinished(Patience));
    QCOMPARE(cli.exitCode(), 4);
    QVERIFY(cli.readAllStandardError().contains("Communication error"));
}

void TestEndToEnd::invalidPort_data() {
    QTest::addColumn<QString>("port");
    QTest::newRow("port 0") << QStringLiteral("0");
    QTest::newRow("port 21") << QStringLiteral("21");
    QTest::newRow("missing device") << QStringLiteral("/nonexistent/ttyUSB9");
}

void TestEndToEnd::invalidPort() {
    QFETCH(QString, port);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORLEX_K7_PORTS"), QStringLiteral("/nonexistent/tty"));
    const CliResult result = runCli({"read", "--port", port, "-o", m_dir->filePath("out.dat")}, env);
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.err.contains("The serial port is invalid"));
}

void TestEndToEnd::linkCancelAndRepeat() {
    const QString radio = startSim({"--pace", "--image", writeDat("radio.dat", patternImage())});
    MemoryImage image = filledImage(0x00);
    SerialLink link;
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy progress(&link, &SerialLink::progress);
    QVERIFY(link.start(radio, std::make_unique<ReadTransaction>(image)));
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 0 && progress.last().at(0).toInt() > 20, Patience);
    link.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).value<LinkOutcome>(), LinkOutcome::Cancelled);
    QVERIFY(!link.isPortOpen());
    QTest::qWait(300); // the radio finishes the block it was sending and answers the 45

    QVERIFY(link.start(radio, std::make_unique<ReadTransaction>(image)));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, Patience);
    QCOMPARE(finished.last().at(0).value<LinkOutcome>(), LinkOutcome::Success);
    QVERIFY(image == patternImage());

    // A clean exchange: sent 7 + 1 + 1 + 193 * 5 + 2, received 1 + 8 + 1 + 193 * 21 + 1 bytes.
    QVERIFY(link.start(radio, std::make_unique<ReadTransaction>(image)));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 3, Patience);
    QCOMPARE(link.bytesSent(), 976);
    QCOMPARE(link.bytesReceived(), 4064);
}

void TestEndToEnd::linkBandQuestion() {
    const QString radio = startSim({"--band", "1"});
    SerialLink link;
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy question(&link, &SerialLink::bandQuestion);
    QVERIFY(
        link.start(radio, std::make_unique<WriteTransaction>(patternImage(), WriteOptions{0, true, false})));
    QTRY_COMPARE_WITH_TIMEOUT(question.size(), 1, Patience);
    QCOMPARE(question.first().at(0).toInt(), 1);
    QTest::qWait(800); // longer than the watchdog: it is stopped while the question is open
    QCOMPARE(finished.size(), 0);
    link.answerBandQuestion(true);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, Patience);
    QCOMPARE(finished.first().at(0).value<LinkOutcome>(), LinkOutcome::Success);
}

void TestEndToEnd::findComListsOpenablePorts() {
    const QString radio = startSim({});
    qputenv("ORLEX_K7_PORTS", QStringLiteral("/nonexistent/a:%1:/nonexistent/b:%1").arg(radio).toLocal8Bit());
    QCOMPARE(ports::findCom(), (QList<int>{2, 4}));
    QCOMPARE(ports::devicePath(2), radio);
    QCOMPARE(ports::devicePath(5), QString());
    qunsetenv("ORLEX_K7_PORTS");
    QCOMPARE(ports::devicePath(1), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(ports::devicePath(9), QStringLiteral("/dev/ttyACM0"));
    QCOMPARE(ports::devicePath(20), QStringLiteral("/dev/ttyS7"));
    QCOMPARE(ports::devicePath(0), QString());
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
