// The Debian package: built with CPack from this build, unpacked with dpkg-deb into a scratch root; the
// installed programs run from there, and the desktop files pass their validators.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray Version = ORLEX_PROJECT_VERSION;
const QString AppId = QStringLiteral(ORLEX_APP_ID);
const int Patience = 240000;

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run run(const QString &program, const QStringList &args, const QProcessEnvironment &env = {}) {
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForStarted(Patience)) {
        r.err = "cannot start " + program.toLocal8Bit();
        return r;
    }
    if (!p.waitForFinished(Patience)) {
        p.kill();
        p.waitForFinished();
        r.err = "did not finish: " + program.toLocal8Bit();
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstPackage : public QObject {
    Q_OBJECT

    QTemporaryDir m_scratch;
    QString m_deb;
    QString m_root;

    QString installed(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        // A scratch output folder keeps CPack's staging out of the build tree; no compression keeps it quick.
        const QString out = m_scratch.filePath(QStringLiteral("out"));
        const Run pack =
            run(QStringLiteral(ORLEX_CPACK),
                {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                 QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QStringLiteral("CPackConfig.cmake")),
                 QStringLiteral("-B"), out, QStringLiteral("-D"),
                 QStringLiteral("CPACK_DEBIAN_COMPRESSION_TYPE=none")});
        QVERIFY2(pack.exitCode == 0, (pack.out + pack.err).constData());
        const QStringList debs = QDir(out).entryList({QStringLiteral("*.deb")}, QDir::Files);
        QCOMPARE(debs,
                 QStringList{QStringLiteral("orlex-k7_%1_amd64.deb").arg(QString::fromLatin1(Version))});
        m_deb = QDir(out).filePath(debs.first());
        m_root = m_scratch.filePath(QStringLiteral("root"));
        const Run unpack = run(QStringLiteral(ORLEX_DPKG_DEB), {QStringLiteral("-x"), m_deb, m_root});
        QVERIFY2(unpack.exitCode == 0, unpack.err.constData());
    }

    void controlFields_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArrayList>("contains");
        QTest::newRow("Package") << "Package" << QByteArrayList{"orlex-k7"};
        QTest::newRow("Version") << "Version" << QByteArrayList{Version};
        QTest::newRow("Section") << "Section" << QByteArrayList{"hamradio"};
        QTest::newRow("Depends") << "Depends"
                                 << QByteArrayList{
                                        "libc6",          "libqt6core6",       "libqt6gui6",
                                        "libqt6widgets6", "libqt6serialport6", "libqt6printsupport6",
                                        "libstdc++6"};
        QTest::newRow("Recommends") << "Recommends" << QByteArrayList{"qt6-translations-l10n"};
    }
    void controlFields() {
        QFETCH(QString, field);
        QFETCH(QByteArrayList, contains);
        const Run r = run(QStringLiteral(ORLEX_DPKG_DEB), {QStringLiteral("-f"), m_deb, field});
        QCOMPARE(r.exitCode, 0);
        for (const QByteArray &part : contains)
            QVERIFY2(r.out.contains(part), (field.toLatin1() + ": " + r.out).constData());
    }

    void files_data() {
        QTest::addColumn<QString>("path");
        for (const char *path : {"usr/bin/orlex-k7",
                                 "usr/bin/orlex-k7-cli",
                                 "usr/bin/orlex-k7-sim",
                                 "usr/share/applications/com.zolvarex.OrlexK7.desktop",
                                 "usr/share/metainfo/com.zolvarex.OrlexK7.metainfo.xml",
                                 "usr/share/mime/packages/orlex-k7.xml",
                                 "usr/share/icons/hicolor/scalable/apps/orlex-k7.svg",
                                 "usr/share/icons/hicolor/16x16/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/22x22/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/24x24/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/32x32/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/48x48/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/64x64/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/128x128/apps/orlex-k7.png",
                                 "usr/share/icons/hicolor/256x256/apps/orlex-k7.png",
                                 "usr/share/man/man1/orlex-k7.1.gz",
                                 "usr/share/man/man1/orlex-k7-cli.1.gz",
                                 "usr/share/man/man1/orlex-k7-sim.1.gz",
                                 "usr/share/doc/orlex-k7/LICENSE",
                                 "usr/share/doc/orlex-k7/README.md",
                                 "usr/share/doc/orlex-k7/60-orlex-k7-serial.rules"})
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void files() {
        QFETCH(QString, path);
        QVERIFY(QFileInfo(installed(path)).isFile());
    }

    // Only what belongs under /usr: no udev rule switched on behind the administrator's back.
    void nothingOutsideUsr() {
        QCOMPARE(QDir(m_root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"usr"});
        QVERIFY(!QDir(installed(QStringLiteral("usr/lib/udev"))).exists());
    }

    // The installed programs run and print the same version: the project's.
    void installedProgramsRun_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("cli --version") << "orlex-k7-cli"
                                       << "--version"
                                       << "orlex-k7-cli " + Version + "\n";
        QTest::newRow("sim --version") << "orlex-k7-sim"
                                       << "--version"
                                       << "orlex-k7-sim " + Version + "\n";
        QTest::newRow("gui --version") << "orlex-k7"
                                       << "--version"
                                       << "orlex-k7 " + Version + "\n";
        QTest::newRow("gui --help") << "orlex-k7"
                                    << "--help" << QByteArray("Usage: orlex-k7 [options] [FILE.dat]\n");
    }
    void installedProgramsRun() {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QByteArray, out);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const Run r = run(installed(QStringLiteral("usr/bin/") + program), {option}, env);
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.out.startsWith(out), r.out.constData());
    }

    void manPagesNameTheVersion_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("orlex-k7") << "orlex-k7" << QByteArray(".TH ORLEX-K7 1 ");
        QTest::newRow("orlex-k7-cli") << "orlex-k7-cli" << QByteArray(".TH ORLEX-K7-CLI 1 ");
        QTest::newRow("orlex-k7-sim") << "orlex-k7-sim" << QByteArray(".TH ORLEX-K7-SIM 1 ");
    }
    void manPagesNameTheVersion() {
        QFETCH(QString, page);
        QFETCH(QByteArray, title);
        const Run r =
            run(QStringLiteral("gzip"),
                {QStringLiteral("-dc"), installed(QStringLiteral("usr/share/man/man1/%1.1.gz").arg(page))});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.out.startsWith(title));
        QVERIFY(r.out.left(r.out.indexOf('\n')).contains("\"orlex-k7 " + Version + "\""));
    }

    void desktopFileValid() {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
        if (validator.isEmpty())
            QSKIP("desktop-file-validate is not installed (Debian package desktop-file-utils)");
        const QString file = installed(QStringLiteral("usr/share/applications/%1.desktop").arg(AppId));
        const Run r = run(validator, {file});
        QCOMPARE(r.out + r.err, QByteArray());
        QCOMPARE(r.exitCode, 0);
        const QByteArray entry = readRaw(file);
        QVERIFY(entry.contains("\nExec=orlex-k7 %f\n"));
        QVERIFY(entry.contains("\nIcon=orlex-k7\n"));
        QVERIFY(entry.contains("\nMimeType=application/x-orlex-k7-data;\n"));
    }

    void metainfoValid() {
        const QString validator = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
        if (validator.isEmpty())
            QSKIP("appstreamcli is not installed (Debian package appstream)");
        const QString file = installed(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(AppId));
        const Run r = run(validator, {QStringLiteral("validate"), QStringLiteral("--no-net"), file});
        QVERIFY2(r.exitCode == 0, (r.out + r.err).constData());
        const QByteArray info = readRaw(file);
        QVERIFY(
            info.contains("<launchable type=\"desktop-id\">" + AppId.toLatin1() + ".desktop</launchable>"));
        // The newest release named there is this version.
        QVERIFY(info.contains("<release version=\"" + Version + "\""));
    }

    // With the package's MIME file in the database, a data file is ours by its content, whatever its name.
    void dataFilesAreOurs() {
        const QString updater = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (updater.isEmpty())
            QSKIP("update-mime-database is not installed (Debian package shared-mime-info)");
        const QString share = installed(QStringLiteral("usr/share"));
        const Run r = run(updater, {share + QStringLiteral("/mime")});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        qputenv("XDG_DATA_DIRS", (share + QStringLiteral(":/usr/share")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", m_scratch.filePath(QStringLiteral("nohome")).toLocal8Bit());

        const QByteArray data = QByteArray("PWB-7K") + QByteArray(3114, '\xFF');
        QMimeDatabase db;
        QCOMPARE(db.mimeTypeForData(data).name(), QStringLiteral("application/x-orlex-k7-data"));
        QCOMPARE(db.mimeTypeForData(QByteArray("PWB-8K") + QByteArray(3114, '\xFF')).name() ==
                     QStringLiteral("application/x-orlex-k7-data"),
                 false);
        QCOMPARE(db.mimeTypeForFile(QStringLiteral("radio.dat"), QMimeDatabase::MatchExtension).name(),
                 QStringLiteral("application/x-orlex-k7-data"));
    }
};

QTEST_GUILESS_MAIN(TstPackage)
#include "tst_package.moc"
