// The automatic backups: names by date and time, unique within a second, the newest 100 kept.

#include "files/backups.h"
#include "files/datfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {
QStringList names(const QStringList &paths) {
    QStringList result;
    for (const QString &path : paths)
        result.append(QFileInfo(path).fileName());
    return result;
}

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QDateTime Read(QDate(2026, 12, 8), QTime(5, 40, 12));
} // namespace

class TestBackups : public QObject {
    Q_OBJECT
private slots:
    void folderIsInTheUsersDataFolder() {
        QTemporaryDir home;
        qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
        QCoreApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
        QCOMPARE(backups::folder(), home.path() + QStringLiteral("/ORLEX-K7/backups"));
    }

    void namedByDateAndTime() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("new/backups"));
        MemoryImage image = filledImage(0x5A);
        image[0] = 0x12;
        const backups::SaveResult saved = backups::save(image, Read, folder);
        QCOMPARE(saved.error, QString());
        QCOMPARE(saved.path, folder + QStringLiteral("/2026-12-08_05-40-12.dat"));
        // An ordinary data file: header, then the image.
        const QByteArray bytes = readRaw(saved.path);
        QCOMPARE(bytes.size(), 3120);
        QCOMPARE(bytes.left(15), QByteArray("PWB-7K\xFF\xFF\xFF\xFFV0100"));
        QCOMPARE(bytes.mid(48, 3), QByteArray("\x12\x5A\x5A"));
    }

    void uniqueWithinASecond() {
        QTemporaryDir dir;
        for (int i = 0; i < 3; ++i)
            QVERIFY(backups::save(filledImage(std::uint8_t(i)), Read, dir.path()).error.isEmpty());
        QVERIFY(backups::save(filledImage(9), Read.addSecs(1), dir.path()).error.isEmpty());
        QCOMPARE(names(backups::list(dir.path())),
                 (QStringList{"2026-12-08_05-40-12.dat", "2026-12-08_05-40-12_2.dat",
                              "2026-12-08_05-40-12_3.dat", "2026-12-08_05-40-13.dat"}));
        QCOMPARE(readRaw(dir.filePath(QStringLiteral("2026-12-08_05-40-12_2.dat"))).at(48), char(1));
    }

    // The 101st backup removes the oldest; files of other names are neither counted nor removed.
    void newestHundredKept() {
        QTemporaryDir dir;
        QFile other(dir.filePath(QStringLiteral("my radio.dat")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        QFile note(dir.filePath(QStringLiteral("2020-01-01_00-00-00.txt")));
        QVERIFY(note.open(QIODevice::WriteOnly));
        note.close();
        // Saved newest first, so that the order comes from the names, not from the order of saving.
        for (int i = 99; i >= 0; --i)
            QVERIFY(backups::save(filledImage(0), Read.addDays(i), dir.path()).error.isEmpty());
        QCOMPARE(backups::list(dir.path()).size(), 100);
        QCOMPARE(names(backups::list(dir.path())).first(), QStringLiteral("2026-12-08_05-40-12.dat"));

        const backups::SaveResult saved = backups::save(filledImage(0), Read.addDays(100), dir.path());
        QCOMPARE(QFileInfo(saved.path).fileName(), QStringLiteral("2027-03-18_05-40-12.dat"));
        const QStringList kept = names(backups::list(dir.path()));
        QCOMPARE(kept.size(), 100);
        QCOMPARE(kept.first(), QStringLiteral("2026-12-09_05-40-12.dat"));
        QCOMPARE(kept.last(), QStringLiteral("2027-03-18_05-40-12.dat"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2026-12-08_05-40-12.dat"))));
        QVERIFY(other.exists());
        QVERIFY(note.exists());
    }

    // A clock set back: the backup just taken is never the one removed.
    void newBackupSurvivesAClockSetBack() {
        QTemporaryDir dir;
        for (int i = 1; i <= 100; ++i)
            QVERIFY(backups::save(filledImage(0), Read.addDays(i), dir.path()).error.isEmpty());
        const backups::SaveResult saved = backups::save(filledImage(7), Read, dir.path());
        QVERIFY(QFile::exists(saved.path));
        QCOMPARE(backups::list(dir.path()).size(), 100);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("2026-12-09_05-40-12.dat"))));
    }

    void folderThatCannotBeMade() {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("backups")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const backups::SaveResult saved = backups::save(filledImage(0), Read, blocker.fileName());
        QVERIFY(saved.path.isEmpty());
        QVERIFY(!saved.error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
