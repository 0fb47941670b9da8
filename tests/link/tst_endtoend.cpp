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
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr int Patience = 15000; // only a guard against hanging; no timing is asserted
// Tests of transfers that must succeed give the in-process watchdog more time, so that a loaded machine
// cannot fail them; 12 ticks of this are 3 s.
constexpr int PatientTickMs = 250;

QString binary(const char *name) {
    return qEnvironmentVariable("ORLEX_K7_BIN_DIR") + QLatin1Char('/') + name;
}

MemoryImage patternImage() {
    MemoryImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t((i * 13 + 5) & 0xFF);
    return image;
}

// The simulator has answered the last 45 it received, and everything it had to send is on the line.
bool answeredLastEnd(const QByteArray &log) {
    const qsizetype at = log.lastIndexOf("<- 45\n");
    return at >= 0 && log.indexOf("== all sent\n", at) >= 0;
}

// Makes this process's open descriptor of `device` fail as an unplugged USB adapter does: from now on it
// reads EIO (what the serial port reports as a resource error). It becomes a pseudo-terminal master whose
// other side is closed.
bool failLikeUnpluggedAdapter(const QString &device) {
    const QString target = QFileInfo(device).canonicalFilePath();
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
        return false;
    const int slave = ::open(ptsname(master), O_RDWR | O_NOCTTY);
    if (slave >= 0)
        ::close(slave);
    bool replaced = false;
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString &entry : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(entry)).symLinkTarget() == target && entry.toInt() != master)
            replaced = ::dup2(master, entry.toInt()) >= 0 || replaced;
    }
    ::close(master);
    return replaced;
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
    void babblingRadio_data();
    void babblingRadio();
    void pulledCable();
    void linkPulledCable_data();
    void linkPulledCable();
    void invalidPort_data();
    void invalidPort();
    void linkCancelAndRepeat();
    void linkBandQuestion();
    void findComListsOpenablePorts();

private:
    QString startSim(const QStringList &options);
    // What simulator n (from 1) printed on stderr so far.
    QByteArray simLog(int n) const;
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
    m_sims.append(sim);
    // To a file, not a pipe: nobody has to read it while the test waits for the command line tool.
    sim->setStandardErrorFile(m_dir->filePath(QStringLiteral("sim%1.log").arg(m_sims.size())));
    const QString link = m_dir->filePath(QStringLiteral("radio%1").arg(m_sims.size()));
    sim->start(binary("orlex-k7-sim"), options + QStringList{"--link", link});
    if (!sim->waitForReadyRead(Patience))
        return {};
    const QString device = QString::fromLocal8Bit(sim->readLine()).trimmed();
    return device.startsWith(QLatin1String("/dev/")) ? link : QString();
}

QByteArray TestEndToEnd::simLog(int n) const {
    QFile file(m_dir->filePath(QStringLiteral("sim%1.log").arg(n)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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

void TestEndToEnd::babblingRadio_data() {
    QTest::addColumn<QString>("repeatFrom");
    QTest::newRow("identification over and over") << QStringLiteral("2");
    QTest::newRow("first block over and over") << QStringLiteral("4");
}

void TestEndToEnd::babblingRadio() {
    // Each repeated answer is acknowledged, and the radio answers that with the same bytes again.
    QFETCH(QString, repeatFrom);
    const QString radio =
        startSim({"--image", writeDat("radio.dat", patternImage()), "--repeat-from", repeatFrom});
    const QString out = m_dir->filePath("out.dat");
    const CliResult result = runCli({"read", "--port", radio, "-o", out});
    QCOMPARE(result.exitCode, 4);
    QVERIFY2(result.err.contains("Communication error, check the line and the serial connection selection!"),
             result.err);
    QVERIFY(!QFile::exists(out));
    QVERIFY(ports::canOpen(radio)); // released
}

void TestEndToEnd::pulledCable() {
    const QString radio = startSim({"--pace", "--log"});
    QProcess cli;
    cli.start(binary("orlex-k7-cli"), {"read", "--port", radio, "-o", m_dir->filePath("out.dat")});
    QVERIFY(cli.waitForStarted(Patience));
    // Well into the block sequence.
    QTRY_VERIFY_WITH_TIMEOUT(simLog(1).contains("<- 52 00 50 10"), Patience);
    QCOMPARE(cli.state(), QProcess::Running);
    m_sims.first()->kill();
    QVERIFY(cli.waitForFinished(Patience));
    QCOMPARE(cli.exitCode(), 4);
    QVERIFY(cli.readAllStandardError().contains("Communication error"));
    QVERIFY(!QFile::exists(m_dir->filePath("out.dat")));
}

void TestEndToEnd::linkPulledCable_data() {
    QTest::addColumn<bool>("eio");
    QTest::newRow("radio side gone (read error)") << false;
    QTest::newRow("device reads EIO (resource error)") << true;
}

void TestEndToEnd::linkPulledCable() {
    // With a watchdog of 12 x 10 s, only the port's error can end the transfer within the patience: the
    // port is closed at once and the failure reported.
    QFETCH(bool, eio);
    const QString radio = startSim({"--pace"});
    MemoryImage image = filledImage(0x00);
    SerialLink link;
    link.setTickInterval(10000);
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy progress(&link, &SerialLink::progress);
    QVERIFY(link.start(radio, std::make_unique<ReadTransaction>(image)));
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 0 && progress.last().at(0).toInt() > 5, Patience);
    QVERIFY(link.isPortOpen());
    if (eio)
        QVERIFY(failLikeUnpluggedAdapter(radio));
    else
        m_sims.first()->kill();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, Patience);
    QCOMPARE(finished.first().at(0).value<LinkOutcome>(), LinkOutcome::CommunicationError);
    QVERIFY(!link.isPortOpen());
    QVERIFY(!link.isRunning());
    QVERIFY(!link.isWatchdogActive());
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
    const QString radio = startSim({"--pace", "--log", "--image", writeDat("radio.dat", patternImage())});
    MemoryImage image = filledImage(0x00);
    SerialLink link;
    link.setTickInterval(PatientTickMs);
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy progress(&link, &SerialLink::progress);
    QVERIFY(link.start(radio, std::make_unique<ReadTransaction>(image)));
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() > 0 && progress.last().at(0).toInt() > 20, Patience);
    link.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().at(0).value<LinkOutcome>(), LinkOutcome::Cancelled);
    QVERIFY(!link.isPortOpen());
    // The radio finishes the block it was sending and answers the 45; a byte of that arriving after the next
    // start would be taken for an answer.
    QTRY_VERIFY_WITH_TIMEOUT(answeredLastEnd(simLog(1)), Patience);

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
    link.setTickInterval(PatientTickMs);
    QSignalSpy finished(&link, &SerialLink::finished);
    QSignalSpy question(&link, &SerialLink::bandQuestion);
    QVERIFY(
        link.start(radio, std::make_unique<WriteTransaction>(patternImage(), WriteOptions{0, true, false})));
    QVERIFY(link.isWatchdogActive());
    QTRY_COMPARE_WITH_TIMEOUT(question.size(), 1, Patience);
    QCOMPARE(question.first().at(0).toInt(), 1);
    // The watchdog is stopped while the question is open, in the link and in the transaction, however long
    // the user takes.
    QVERIFY(!link.isWatchdogActive());
    QVERIFY(!link.transaction()->watchdogRunning());
    QCOMPARE(finished.size(), 0);
    link.answerBandQuestion(true);
    QVERIFY(link.isWatchdogActive());
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
