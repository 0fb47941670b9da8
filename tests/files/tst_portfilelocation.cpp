// The port file in the user's configuration folder, and the one-time carry-over of a file found beside the
// executable.

#include "files/portfilelocation.h"
#include "files/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QByteArray Missing = "<missing>";

QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : Missing;
}
bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TstPortFileLocation : public QObject {
    Q_OBJECT
private slots:
    // `legacy` and `existing`: contents of the file beside the executable and of the one already in the
    // configuration folder ("<missing>": none; "<dir>" for legacy: a folder of that name).
    void carryOver_data() {
        QTest::addColumn<QByteArray>("legacy");
        QTest::addColumn<QByteArray>("existing");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<int>("port");
        QTest::newRow("first start anywhere") << Missing << Missing << Missing << 0;
        QTest::newRow("portable copy, port 5")
            << QByteArray("\x05", 1) << Missing << QByteArray("\x05", 1) << 5;
        QTest::newRow("further bytes kept")
            << QByteArray::fromHex("030A0B") << Missing << QByteArray::fromHex("030A0B") << 3;
        QTest::newRow("empty legacy file") << QByteArray() << Missing << QByteArray() << 0;
        QTest::newRow("own file wins")
            << QByteArray("\x05", 1) << QByteArray("\x07", 1) << QByteArray("\x07", 1) << 7;
        QTest::newRow("own empty file wins") << QByteArray("\x05", 1) << QByteArray() << QByteArray() << 0;
        QTest::newRow("legacy is a folder") << QByteArray("<dir>") << Missing << Missing << 0;
    }
    void carryOver() {
        QFETCH(QByteArray, legacy);
        QFETCH(QByteArray, existing);
        QFETCH(QByteArray, result);
        QFETCH(int, port);
        QTemporaryDir programDir;
        QTemporaryDir home;
        const QString configDir = home.filePath(QStringLiteral("config/ORLEX-K7"));
        const QString legacyPath = programDir.filePath(QStringLiteral("parameter"));
        if (legacy == "<dir>")
            QVERIFY(QDir().mkpath(legacyPath));
        else if (legacy != Missing)
            QVERIFY(writeRaw(legacyPath, legacy));
        if (existing != Missing) {
            QVERIFY(QDir().mkpath(configDir));
            QVERIFY(writeRaw(configDir + QStringLiteral("/parameter"), existing));
        }

        const QString path = settings::carryOverPortFile(configDir, legacyPath);
        QCOMPARE(path, configDir + QStringLiteral("/parameter"));
        QCOMPARE(readRaw(path), result);
        QCOMPARE(settings::readPortNumber(path), port);

        // Once carried over, the file beside the executable no longer counts, and is never written.
        QVERIFY(settings::writePortNumber(path, 12));
        if (legacy != "<dir>")
            QVERIFY(writeRaw(legacyPath, QByteArray("\x09", 1)));
        QCOMPARE(settings::carryOverPortFile(configDir, legacyPath), path);
        QCOMPARE(settings::readPortNumber(path), 12);
        if (legacy != "<dir>")
            QCOMPARE(readRaw(legacyPath), QByteArray("\x09", 1));
        QCOMPARE(QDir(programDir.path()).entryList(QDir::Files),
                 legacy == "<dir>" ? QStringList{} : QStringList{"parameter"});
    }

    void noConfigFolder() {
        QCOMPARE(settings::carryOverPortFile(QString(), QStringLiteral("/nonexistent/parameter")), QString());
        QCOMPARE(settings::readPortNumber(QString()), 0);
        QVERIFY(!settings::writePortNumber(QString(), 3));
    }

    // The program's own path: the user's configuration folder, as Qt's standard paths name it.
    void defaultPathIsInTheConfigFolder() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
        const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(configDir.endsWith(QStringLiteral("/ORLEX-K7")));
        QFile::remove(configDir + QStringLiteral("/parameter"));
        const QString path = settings::defaultPortFilePath();
        QCOMPARE(path, configDir + QStringLiteral("/parameter"));
        QCOMPARE(settings::readPortNumber(path), 0);
        QVERIFY(settings::writePortNumber(path, 4));
        QCOMPARE(readRaw(path), QByteArray("\x04", 1));
        QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/parameter")));
        QVERIFY(QFile::remove(path));
    }
};

QTEST_GUILESS_MAIN(TstPortFileLocation)
#include "tst_portfilelocation.moc"
