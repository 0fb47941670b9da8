// orlex-k7-cli's radio transfers and orlex-k7-sim as programs: ending by a signal, the simulator's start and
// its --link path.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr int Patience = 20000; // only a guard against hanging; no timing is asserted

QString binary(const char *name) {
    return QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QLatin1String(name));
}

QString sampleDat() {
    return QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR")).filePath(QStringLiteral("examples/sample.dat"));
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString linkTarget(const QString &path) {
    return QFileInfo(path).symLinkTarget();
}

// A simulator whose log (stderr) is collected.
class Simulator {
public:
    ~Simulator() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(Patience);
        }
    }
    // Starts it; returns the device path it prints, or an empty text.
    QString start(const QStringList &options) {
        m_process.start(binary("orlex-k7-sim"), options);
        if (!m_process.waitForReadyRead(Patience))
            return {};
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    const QByteArray &log() {
        m_log += m_process.readAllStandardError();
        return m_log;
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QByteArray m_log;
};

int signalNumber(const QString &name) {
    if (name == QLatin1String("SIGINT"))
        return SIGINT;
    if (name == QLatin1String("SIGTERM"))
        return SIGTERM;
    return SIGHUP;
}

// What the process is waiting in, from /proc ("" when the kernel does not say).
QByteArray waitChannel(pid_t pid) {
    QFile f(QStringLiteral("/proc/%1/wchan").arg(pid));
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}
} // namespace

class TstCliLink : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(!qEnvironmentVariable("ORLEX_K7_BIN_DIR").isEmpty()); }

    // SIGTERM and SIGHUP end a transfer as Ctrl-C does: exit 6, "interrupted", and the radio is sent the
    // closing 45 so that it leaves programming mode.
    void signalEndsTransferCleanly_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("signal");
        for (const char *command : {"read", "write"}) {
            for (const char *signal : {"SIGINT", "SIGTERM", "SIGHUP"})
                QTest::newRow(
                    qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(command), QLatin1String(signal))))
                    << QString::fromLatin1(command) << QString::fromLatin1(signal);
        }
    }
    void signalEndsTransferCleanly() {
        QFETCH(QString, command);
        QFETCH(QString, signal);
        QTemporaryDir dir;
        Simulator sim;
        const QString device = sim.start({QStringLiteral("--pace"), QStringLiteral("--log")});
        QVERIFY(device.startsWith(QLatin1String("/dev/")));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        const QStringList args = command == QLatin1String("read")
                                     ? QStringList{"read", "--port", device, "-o", out}
                                     : QStringList{"write", "--port", device, sampleDat(), "--force-band"};
        QProcess cli;
        cli.start(binary("orlex-k7-cli"), args);
        QVERIFY(cli.waitForStarted(Patience));
        // Well into the blocks: the radio has received several block frames (52 read, 57 write).
        const QByteArray block = command == QLatin1String("read") ? "<- 52 " : "<- 57 ";
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().count(block) >= 5, Patience);
        QCOMPARE(cli.state(), QProcess::Running);
        QCOMPARE(::kill(pid_t(cli.processId()), signalNumber(signal)), 0);
        QVERIFY(cli.waitForFinished(Patience));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 6);
        QVERIFY(cli.readAllStandardError().endsWith("orlex-k7-cli: interrupted\n"));
        QTRY_VERIFY_WITH_TIMEOUT(sim.log().contains("<- 45"), Patience);
        QVERIFY(!QFile::exists(out));
    }

    // A SIGTERM as soon as the simulator has printed its device path (here: while it is still printing it)
    // ends it in order, with its dump.
    void stopRightAtStartKeepsDump() {
        QTemporaryDir dir;
        const QString dump = dir.filePath(QStringLiteral("dump.dat"));
        int fds[2];
        QCOMPARE(pipe(fds), 0);
        // A full pipe: the simulator's first line cannot go out until the test reads.
        fcntl(fds[1], F_SETPIPE_SZ, 4096);
        fcntl(fds[1], F_SETFL, O_NONBLOCK);
        const QByteArray filler(512, 'x');
        while (::write(fds[1], filler.constData(), std::size_t(filler.size())) > 0) {
        }
        fcntl(fds[1], F_SETFL, 0);
        const QByteArray program = QFile::encodeName(binary("orlex-k7-sim"));
        const QByteArray dumpArg = QFile::encodeName(dump);
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(fds[1], STDOUT_FILENO);
            ::close(fds[0]);
            ::close(fds[1]);
            execl(program.constData(), program.constData(), "--dump", dumpArg.constData(), nullptr);
            _exit(127);
        }
        ::close(fds[1]);
        QVERIFY(pid > 0);
        if (!QTest::qWaitFor([pid] { return waitChannel(pid).contains("pipe_write"); }, Patience)) {
            ::kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            ::close(fds[0]);
            QSKIP("the kernel does not tell where a process waits");
        }
        QCOMPARE(::kill(pid, SIGTERM), 0);
        QByteArray printed;
        char buffer[4096];
        ssize_t n = 0;
        while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
            printed.append(buffer, qsizetype(n));
        ::close(fds[0]);
        int status = 0;
        QCOMPARE(waitpid(pid, &status, 0), pid);
        QVERIFY2(WIFEXITED(status), "ended by the signal, without its dump");
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(readRaw(dump).size(), 3120);
        QCOMPARE(readRaw(dump).mid(48), QByteArray(3072, char(0xFF)));
    }

    // --link PATH replaces only a link a simulator left behind; anything else is refused and left as it was.
    void linkPath_data() {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("nothing there") << "none" << true;
        QTest::newRow("link to a vanished pseudo-terminal") << "stale pts link" << true;
        QTest::newRow("regular file") << "file" << false;
        QTest::newRow("directory") << "directory" << false;
        QTest::newRow("link to a file") << "file link" << false;
        QTest::newRow("dangling link elsewhere") << "dangling link" << false;
        QTest::newRow("link to a live pseudo-terminal") << "live pts link" << false;
    }
    void linkPath() {
        QFETCH(QString, existing);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio"));
        const QString file = dir.filePath(QStringLiteral("precious.dat"));
        QVERIFY(writeRaw(file, "keep me"));
        int livePty = -1;
        QString target;
        if (existing == QLatin1String("file")) {
            QVERIFY(writeRaw(path, "keep me too"));
        } else if (existing == QLatin1String("directory")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("radio")));
            QVERIFY(writeRaw(dir.filePath(QStringLiteral("radio/inside")), "x"));
        } else if (existing == QLatin1String("file link")) {
            target = file;
        } else if (existing == QLatin1String("dangling link")) {
            target = dir.filePath(QStringLiteral("gone"));
        } else if (existing == QLatin1String("stale pts link")) {
            target = QStringLiteral("/dev/pts/987654");
            QVERIFY(!QFileInfo::exists(target));
        } else if (existing == QLatin1String("live pts link")) {
            livePty = posix_openpt(O_RDWR | O_NOCTTY);
            QVERIFY(livePty >= 0);
            target = QString::fromLocal8Bit(ptsname(livePty));
        }
        if (!target.isEmpty())
            QVERIFY(QFile::link(target, path));

        Simulator sim;
        const QString device = sim.start({QStringLiteral("--link"), path});
        if (replaced) {
            QVERIFY(device.startsWith(QLatin1String("/dev/")));
            QCOMPARE(linkTarget(path), device);
            sim.process().terminate();
            QVERIFY(sim.process().waitForFinished(Patience));
            QCOMPARE(sim.process().exitCode(), 0);
            QVERIFY(!QFileInfo(path).isSymLink()); // removed on exit
        } else {
            QVERIFY(sim.process().state() == QProcess::NotRunning || sim.process().waitForFinished(Patience));
            QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
            QCOMPARE(sim.process().exitCode(), 2);
            QVERIFY(sim.process().readAllStandardOutput().isEmpty());
            const QByteArray err = sim.process().readAllStandardError();
            QVERIFY2(err.startsWith("orlex-k7-sim: --link " + path.toUtf8() + ": "), err);
            QCOMPARE(err.count('\n'), 1);
            if (existing == QLatin1String("file"))
                QCOMPARE(readRaw(path), QByteArray("keep me too"));
            if (existing == QLatin1String("directory"))
                QCOMPARE(readRaw(dir.filePath(QStringLiteral("radio/inside"))), QByteArray("x"));
            if (!target.isEmpty())
                QCOMPARE(linkTarget(path), target);
        }
        QCOMPARE(readRaw(file), QByteArray("keep me"));
        if (livePty >= 0)
            ::close(livePty);
    }

    // On exit the simulator removes its link only while the link still leads to its device.
    void linkReplacedMeanwhileIsKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio"));
        Simulator sim;
        const QString device = sim.start({QStringLiteral("--link"), path});
        QCOMPARE(linkTarget(path), device);
        QVERIFY(QFile::remove(path));
        QVERIFY(writeRaw(path, "someone else's"));
        sim.process().terminate();
        QVERIFY(sim.process().waitForFinished(Patience));
        QCOMPARE(readRaw(path), QByteArray("someone else's"));
    }
};

QTEST_GUILESS_MAIN(TstCliLink)
#include "tst_clilink.moc"
