#include "files/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
// Makes `path` a pipe (with no writer), a directory, or a regular file with `contents`.
bool make(const QString &path, const QString &kind, const QByteArray &contents = QByteArray()) {
    if (kind == QLatin1String("pipe"))
        return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("directory"))
        return QDir().mkdir(path);
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(contents) == contents.size();
}
} // namespace

class TstSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void language_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("language");
        QTest::newRow("absent") << QVariant() << 0;
        QTest::newRow("binary 01 00 00 00") << QVariant(QByteArray::fromHex("01000000")) << 1;
        QTest::newRow("binary 00 00 00 00") << QVariant(QByteArray::fromHex("00000000")) << 0;
        QTest::newRow("binary 1A: digit A fails") << QVariant(QByteArray::fromHex("1A000000")) << 0;
        QTest::newRow("binary 11: last digit 1") << QVariant(QByteArray::fromHex("11000000")) << 1;
        QTest::newRow("binary 01 01: 257 is 101") << QVariant(QByteArray::fromHex("01010000")) << 1;
        QTest::newRow("binary 02 maps to 0") << QVariant(QByteArray::fromHex("02000000")) << 0;
        QTest::newRow("binary FF FF is -1") << QVariant(QByteArray::fromHex("FFFF0000")) << 0;
        QTest::newRow("text 1") << QVariant(QStringLiteral("1")) << 1;
        QTest::newRow("text 17") << QVariant(QStringLiteral("17")) << 1;
        QTest::newRow("text 0") << QVariant(QStringLiteral("0")) << 0;
        QTest::newRow("text not a number") << QVariant(QStringLiteral("English")) << 0;
        QTest::newRow("text empty") << QVariant(QString()) << 0;
    }
    void language() {
        QFETCH(QVariant, stored);
        QFETCH(int, language);
        QCOMPARE(settings::languageFromStoredValue(stored), language);
    }

    void storedValue() {
        QCOMPARE(settings::storedLanguageValue(1), QByteArray::fromHex("01000000"));
        QCOMPARE(settings::storedLanguageValue(0), QByteArray::fromHex("00000000"));
    }

    void perUserStore() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        QCOMPARE(settings::readLanguage(), 0); // no key at all
        settings::writeLanguage(1);
        QCOMPARE(settings::readLanguage(), 1);
        {
            QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("K-204"));
            QCOMPARE(store.value(QStringLiteral("BinaryValue")).toByteArray(),
                     QByteArray::fromHex("01000000"));
            store.setValue(QStringLiteral("BinaryValue"), QStringLiteral("1")); // a text value set by hand
        }
        QCOMPARE(settings::readLanguage(), 1);
        settings::writeLanguage(0);
        QCOMPARE(settings::readLanguage(), 0);
    }

    void storeFilePath() {
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("K-204"));
        QCOMPARE(settings::languageStoreFilePath(), dir.filePath(QStringLiteral("K-204.conf")));
        QCOMPARE(settings::languageStoreFilePath(), store.fileName());
    }

    // A store file that is not a regular file of sensible size gives the start value and is left alone; a
    // pipe without a writer must not block the start.
    void storeNotRegular_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("language");
        const QByteArray english("[General]\nBinaryValue=1\n");
        QTest::newRow("pipe") << "pipe" << QByteArray() << 0;
        QTest::newRow("directory") << "directory" << QByteArray() << 0;
        QTest::newRow("over 1 MiB") << "file" << english + QByteArray("; padding\n").repeated(110000) << 0;
        QTest::newRow("just under 1 MiB is read")
            << "file" << english + QByteArray("; padding\n").repeated(100000) << 1;
    }
    void storeNotRegular() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, contents);
        QFETCH(int, language);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        const QString path = dir.filePath(QStringLiteral("K-204.conf"));
        QVERIFY(make(path, kind, contents));
        QCOMPARE(settings::readLanguage(), language);
        if (language == 0) {
            settings::writeLanguage(1);
            const QFileInfo after(path);
            QCOMPARE(after.isDir(), kind == QLatin1String("directory"));
            QCOMPARE(after.isFile(), kind == QLatin1String("file"));
            QCOMPARE(after.size(), kind == QLatin1String("file") ? contents.size() : after.size());
        }
    }

    void portFileNotRegular_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("directory") << "directory";
    }
    void portFileNotRegular() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parameter"));
        QVERIFY(make(path, kind));
        QCOMPARE(settings::readPortNumber(path), 0);
        QVERIFY(!settings::writePortNumber(path, 3));
        QCOMPARE(QFileInfo(path).isFile(), false);
        QCOMPARE(QFileInfo(path).exists(), true);
    }

    void portFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("parameter"));
        QCOMPARE(settings::readPortNumber(path), 0);
        QVERIFY(QFile::exists(path)); // created empty
        QCOMPARE(QFile(path).size(), 0);
        QVERIFY(settings::writePortNumber(path, 5));
        QCOMPARE(settings::readPortNumber(path), 5);

        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromHex("030A0B"));
        f.close();
        QCOMPARE(settings::readPortNumber(path), 3);
        QVERIFY(settings::writePortNumber(path, 20));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray::fromHex("140A0B")); // extra bytes kept
    }

    void portFileUnavailable() {
        QCOMPARE(settings::readPortNumber(QStringLiteral("/nonexistent/dir/parameter")), 0);
        QVERIFY(!settings::writePortNumber(QStringLiteral("/nonexistent/dir/parameter"), 3));
    }
};

QTEST_MAIN(TstSettingsStore)
#include "tst_settingsstore.moc"
