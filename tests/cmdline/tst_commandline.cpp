// The command lines of orlex-k7, orlex-k7-cli and orlex-k7-sim, run as processes: --help and --version print
// on stdout and exit 0 (the GUI without any display), an unknown option or a wrong argument prints one line
// on stderr and exits 2.

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const int Patience = 60000;

enum class Display { None, Offscreen };

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &args, Display display, const QString &runtimeDir) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (display == Display::Offscreen)
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    p.setProcessEnvironment(env);
    p.start(QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(program), args);
    Run r;
    if (!p.waitForFinished(Patience)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

const QByteArray Version = ORLEX_PROJECT_VERSION;
} // namespace

Q_DECLARE_METATYPE(Display)

class TstCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtimeDir;

private slots:
    void initTestCase() {
        QVERIFY(!qEnvironmentVariable("ORLEX_K7_BIN_DIR").isEmpty());
        QVERIFY(m_runtimeDir.isValid());
        QFile::setPermissions(m_runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // `out` is the start of stdout (all of it when `whole`); `err` is all of stderr.
    void commandLine_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Display>("display");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<bool>("whole");
        QTest::addColumn<QByteArray>("err");

        const QString gui = QStringLiteral("orlex-k7");
        const QString cli = QStringLiteral("orlex-k7-cli");
        const QString sim = QStringLiteral("orlex-k7-sim");
        auto row = [](const char *name) -> QTestData & { return QTest::newRow(name); };

        row("gui --version, no display")
            << gui << QStringList{"--version"} << Display::None << 0 << "orlex-k7 " + Version + "\n"
            << true << QByteArray();
        row("gui -v, no display") << gui << QStringList{"-v"} << Display::None << 0
                                  << "orlex-k7 " + Version + "\n"
                                  << true << QByteArray();
        row("gui --help, no display")
            << gui << QStringList{"--help"} << Display::None << 0
            << QByteArray("Usage: orlex-k7 [options] [FILE.dat]\n") << false << QByteArray();
        row("gui -h wins over a file")
            << gui << QStringList{"x.dat", "-h"} << Display::None << 0
            << QByteArray("Usage: orlex-k7 [options] [FILE.dat]\n") << false << QByteArray();
        row("gui Qt option, then --version") << gui << QStringList{"-platform", "offscreen", "--version"}
                                             << Display::Offscreen << 0 << "orlex-k7 " + Version + "\n"
                                             << true << QByteArray();
        row("gui unknown option, no display")
            << gui << QStringList{"--bogus"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7: unknown option '--bogus'; try 'orlex-k7 --help'\n");
        row("gui unknown option, offscreen")
            << gui << QStringList{"--bogus", "x.dat"} << Display::Offscreen << 2 << QByteArray() << true
            << QByteArray("orlex-k7: unknown option '--bogus'; try 'orlex-k7 --help'\n");
        row("gui unknown short option")
            << gui << QStringList{"-x"} << Display::Offscreen << 2 << QByteArray() << true
            << QByteArray("orlex-k7: unknown option '-x'; try 'orlex-k7 --help'\n");
        row("gui two files") << gui << QStringList{"a.dat", "b.dat"} << Display::Offscreen << 2
                             << QByteArray() << true
                             << QByteArray("orlex-k7: unexpected argument 'b.dat'; try 'orlex-k7 --help'\n");
        row("gui three files with --simulate")
            << gui << QStringList{"--simulate", "a.dat", "b.dat", "c.dat"} << Display::None << 2
            << QByteArray() << true
            << QByteArray("orlex-k7: unexpected argument 'c.dat'; try 'orlex-k7 --help'\n");

        row("cli --version") << cli << QStringList{"--version"} << Display::None << 0
                             << "orlex-k7-cli " + Version + "\n"
                             << true << QByteArray();
        row("cli -v") << cli << QStringList{"-v"} << Display::None << 0 << "orlex-k7-cli " + Version + "\n"
                      << true << QByteArray();
        row("cli --help") << cli << QStringList{"--help"} << Display::None << 0
                          << QByteArray(
                                 "Usage: orlex-k7-cli COMMAND [ARGUMENTS]\n\nCommands:\n  decode FILE.dat")
                          << false << QByteArray();
        row("cli help") << cli << QStringList{"help"} << Display::None << 0
                        << QByteArray("Usage: orlex-k7-cli COMMAND [ARGUMENTS]\n") << false << QByteArray();
        row("cli unknown option")
            << cli << QStringList{"--bogus", "decode", "x.dat"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-cli: unknown option '--bogus'; try 'orlex-k7-cli --help'\n");
        row("cli unknown option with a value")
            << cli << QStringList{"--port=3", "read"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-cli: unknown option '--port'; try 'orlex-k7-cli --help'\n");
        row("cli unknown command")
            << cli << QStringList{"frobnicate"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-cli: unknown command 'frobnicate'; try 'orlex-k7-cli --help'\n");
        row("cli no command") << cli << QStringList{} << Display::None << 2 << QByteArray() << true
                              << QByteArray("orlex-k7-cli: no command given; try 'orlex-k7-cli --help'\n");

        row("sim --version") << sim << QStringList{"--version"} << Display::None << 0
                             << "orlex-k7-sim " + Version + "\n"
                             << true << QByteArray();
        row("sim --help") << sim << QStringList{"--help"} << Display::None << 0
                          << QByteArray("Usage: orlex-k7-sim [options]\nPlays an ORLEX-K7 radio") << false
                          << QByteArray();
        row("sim unknown option")
            << sim << QStringList{"--pace", "--bogus"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-sim: unknown option '--bogus'; try 'orlex-k7-sim --help'\n");
        row("sim --help-all is unknown")
            << sim << QStringList{"--help-all"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-sim: unknown option '--help-all'; try 'orlex-k7-sim --help'\n");
        row("sim missing value")
            << sim << QStringList{"--image"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-sim: missing value after '--image'; try 'orlex-k7-sim --help'\n");
        row("sim bad band") << sim << QStringList{"--band", "16"} << Display::None << 2 << QByteArray()
                            << true
                            << QByteArray(
                                   "orlex-k7-sim: --band wants a number 0..15; try 'orlex-k7-sim --help'\n");
        row("sim bad garbage") << sim << QStringList{"--garbage", "3:ABC"} << Display::None << 2
                               << QByteArray() << true
                               << QByteArray(
                                      "orlex-k7-sim: --garbage wants N:HEX; try 'orlex-k7-sim --help'\n");
        row("sim argument")
            << sim << QStringList{"radio.dat"} << Display::None << 2 << QByteArray() << true
            << QByteArray("orlex-k7-sim: unexpected argument 'radio.dat'; try 'orlex-k7-sim --help'\n");
    }
    void commandLine() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(Display, display);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        QFETCH(bool, whole);
        QFETCH(QByteArray, err);
        const Run r = run(program, args, display, m_runtimeDir.path());
        QCOMPARE(r.err, err);
        QCOMPARE(r.exitCode, exitCode);
        if (whole)
            QCOMPARE(r.out, out);
        else
            QVERIFY2(r.out.startsWith(out), r.out.constData());
    }

    // Every option the help names is one the program takes: the help lists what --version and the options
    // table offer.
    void helpNamesTheOptions_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QByteArrayList>("names");
        QTest::newRow("gui") << QStringLiteral("orlex-k7")
                             << QByteArrayList{"-h, --help", "-v, --version", "--simulate", "FILE.dat"};
        QTest::newRow("cli") << QStringLiteral("orlex-k7-cli")
                             << QByteArrayList{"decode", "encode", "read", "write", "--help", "--version"};
        QTest::newRow("sim") << QStringLiteral("orlex-k7-sim")
                             << QByteArrayList{"-v, --version",
                                               "--link <PATH>",
                                               "--image <FILE.dat>",
                                               "--dump <FILE.dat>",
                                               "--band <N>",
                                               "--model <TEXT>",
                                               "--log",
                                               "--pace",
                                               "--silent-from <N>",
                                               "--garbage <N:HEX>",
                                               "--stray <N:HEX>",
                                               "--long-blocks",
                                               "--pieces <N>",
                                               "--slow <N:MS>"};
    }
    void helpNamesTheOptions() {
        QFETCH(QString, program);
        QFETCH(QByteArrayList, names);
        const Run r = run(program, {QStringLiteral("--help")}, Display::None, m_runtimeDir.path());
        QCOMPARE(r.exitCode, 0);
        for (const QByteArray &name : names)
            QVERIFY2(r.out.contains(name), name.constData());
        QVERIFY(!r.out.contains("--help-all"));
    }

    // Options after the command name are the command's own, even where they look like global ones.
    void cliCommandKeepsItsOptions() {
        QTemporaryDir dir;
        const QString json = QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR"))
                                 .filePath(QStringLiteral("examples/sample.json"));
        const QString out = dir.filePath(QStringLiteral("out.dat"));
        const Run r =
            run(QStringLiteral("orlex-k7-cli"), {QStringLiteral("encode"), json, QStringLiteral("-o"), out},
                Display::None, m_runtimeDir.path());
        QCOMPARE(r.err, QByteArray());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QFileInfo(out).size(), 3120);
    }

    // A file on the GUI's command line that cannot be read: File > Open would say nothing, so the program
    // says it on stderr and keeps running.
    void guiFileThatCannotBeRead() {
        QTemporaryDir config;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        p.setProcessEnvironment(env);
        const QString missing = config.filePath(QStringLiteral("missing.dat"));
        p.start(QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QStringLiteral("orlex-k7")),
                {missing});
        QVERIFY(p.waitForStarted(Patience));
        QByteArray err;
        const QByteArray expected = "orlex-k7: cannot open " + missing.toLocal8Bit() + "\n";
        QTRY_VERIFY_WITH_TIMEOUT((err += p.readAllStandardError()).contains(expected), Patience);
        QCOMPARE(p.state(), QProcess::Running);
        p.kill();
        p.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
