#include "files/datfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
QByteArray fileHeader() {
    return QByteArray::fromHex("5057422D374B FFFFFFFF 5630313030") + QByteArray(33, char(0xFF));
}

MemoryImage patternImage() {
    MemoryImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t(i * 7 + 3);
    return image;
}

bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool canCreateFileIn(const QString &dirPath) {
    QFile probe(QDir(dirPath).filePath(QStringLiteral("probe")));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// datfile::write in a child process whose files may not grow past `limit` bytes: its writes then fail as on a
// full disk (EFBIG, with SIGXFSZ ignored). Returns "ok" or "error: <text>" as the child saw it, or "crashed".
QByteArray writeUnderSizeLimit(const QString &path, const MemoryImage &image, rlim_t limit) {
    int fds[2];
    if (pipe(fds) != 0)
        return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        const QString error = datfile::write(path, image);
        const QByteArray report = error.isEmpty() ? QByteArray("ok") : "error: " + error.toUtf8();
        [[maybe_unused]] const ssize_t n = ::write(fds[1], report.constData(), std::size_t(report.size()));
        _exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[256];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, qsizetype(n));
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : QByteArray("crashed");
}
} // namespace

class TstDatFile : public QObject {
    Q_OBJECT
private slots:
    void writesHeaderAndImage() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio")); // no extension added
        QCOMPARE(datfile::write(path, patternImage()), QString());
        const QByteArray bytes = readRaw(path);
        QCOMPARE(bytes.size(), 3120);
        QCOMPARE(bytes.left(48), fileHeader());
        QCOMPARE(std::uint8_t(bytes[48]), std::uint8_t(3));
        QCOMPARE(std::uint8_t(bytes[3119]), patternImage()[3071]);
        const datfile::ReadResult r = datfile::read(path);
        QCOMPARE(r.error, datfile::ReadError::None);
        QVERIFY(r.image == patternImage());
    }

    void magic_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("magic") << QByteArray("PWB-7K") << true;
        QTest::newRow("other version") << QByteArray("PWB-7K\x00\x00\x00\x00V9999", 15) << true;
        QTest::newRow("last byte differs") << QByteArray("PWB-7L") << false;
        QTest::newRow("first byte differs") << QByteArray("QWB-7K") << false;
        QTest::newRow("lower case") << QByteArray("pwb-7k") << false;
        QTest::newRow("too short") << QByteArray("PWB-7") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void magic() {
        QFETCH(QByteArray, head);
        QFETCH(bool, accepted);
        QCOMPARE(datfile::hasMagic(head), accepted);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.dat"));
        QVERIFY(writeRaw(path, head));
        QCOMPARE(datfile::read(path).error,
                 accepted ? datfile::ReadError::None : datfile::ReadError::WrongType);
    }

    void shortFileGivesZeros() {
        const QByteArray bytes = fileHeader() + QByteArray::fromHex("112233");
        const auto image = datfile::imageFromBytes(bytes);
        QVERIFY(image.has_value());
        QCOMPARE((*image)[0], std::uint8_t(0x11));
        QCOMPARE((*image)[2], std::uint8_t(0x33));
        QCOMPARE((*image)[3], std::uint8_t(0x00));
        QCOMPARE((*image)[3071], std::uint8_t(0x00));
        QVERIFY(datfile::imageFromBytes(QByteArray("PWB-7K")).has_value()); // header cut short
    }

    void longFileUsesFirst3120Bytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("long.dat"));
        QVERIFY(writeRaw(path, datfile::fileBytes(patternImage()) + QByteArray(500, char(0x42))));
        const datfile::ReadResult r = datfile::read(path);
        QCOMPARE(r.error, datfile::ReadError::None);
        QVERIFY(r.image == patternImage());
    }

    void missingFile() {
        QCOMPARE(datfile::read(QStringLiteral("/nonexistent/dir/x.dat")).error,
                 datfile::ReadError::CannotOpen);
    }

    void failedWriteKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.dat"));
        QVERIFY(writeRaw(path, QByteArray("old contents")));
        // A directory that refuses new files: the temporary file cannot be created. Root ignores permission
        // bits, so there the directory is made immutable instead.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        bool immutable = false;
        if (canCreateFileIn(dir.path())) {
            immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) == 0;
            if (!immutable || canCreateFileIn(dir.path())) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("cannot make a directory refuse new files here");
            }
        }
        const QString error = datfile::write(path, patternImage());
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readRaw(path), QByteArray("old contents"));
    }

    // A full disk: the old file stays whole and the failure is reported; no new or temporary file is left.
    void fullDiskKeepsOldFile_data() {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("limit");
        QTest::addColumn<bool>("fits");
        QTest::newRow("old file, nothing fits") << true << 0 << false;
        QTest::newRow("old file, 1000 bytes fit") << true << 1000 << false;
        QTest::newRow("old file, one byte short") << true << 3119 << false;
        QTest::newRow("old file, exactly fits") << true << 3120 << true;
        QTest::newRow("new file, 1000 bytes fit") << false << 1000 << false;
        QTest::newRow("new file, exactly fits") << false << 3120 << true;
    }
    void fullDiskKeepsOldFile() {
        QFETCH(bool, existing);
        QFETCH(int, limit);
        QFETCH(bool, fits);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("radio.dat"));
        const QByteArray old = fileHeader() + QByteArray(3072, char(0x11));
        if (existing)
            QVERIFY(writeRaw(path, old));
        const QByteArray report = writeUnderSizeLimit(path, patternImage(), rlim_t(limit));
        if (fits) {
            QCOMPARE(report, QByteArray("ok"));
            QCOMPARE(readRaw(path), datfile::fileBytes(patternImage()));
        } else {
            QVERIFY2(report.startsWith("error: ") && report.size() > 7, report.constData());
            QCOMPARE(readRaw(path), existing ? old : QByteArray());
            QCOMPARE(QFile::exists(path), existing);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 fits || existing ? QStringList{QStringLiteral("radio.dat")} : QStringList());
    }

    // Something that is not a regular file is never replaced by a saved file.
    void notRegularTargetRefused_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << QStringLiteral("pipe");
        QTest::newRow("directory") << QStringLiteral("directory");
    }
    void notRegularTargetRefused() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("target"));
        if (kind == QLatin1String("pipe"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("target")));
        QCOMPARE(datfile::write(path, patternImage()), QStringLiteral("not a regular file"));
        const QFileInfo info(path);
        QCOMPARE(info.isDir(), kind == QLatin1String("directory"));
        QCOMPARE(info.isFile(), false);
        QCOMPARE(
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
            QStringList{QStringLiteral("target")});
    }

    void unwritablePathReportsError() {
        QVERIFY(!datfile::write(QStringLiteral("/nonexistent/dir/x.dat"), MemoryImage{}).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TstDatFile)
#include "tst_datfile.moc"
