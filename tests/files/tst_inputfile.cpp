// Input files are read only when regular and only up to a bound; input text in messages is escaped and cut.

#include "files/inputfile.h"
#include "files/messagetext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
} // namespace

class TstInputFile : public QObject {
    Q_OBJECT
private slots:
    // Nothing here may block: a pipe without a writer and an endless device are refused before reading.
    void kinds_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("error");
        QTest::newRow("regular") << "regular" << int(inputfile::Error::None);
        QTest::newRow("missing") << "missing" << int(inputfile::Error::Missing);
        QTest::newRow("missing folder") << "missing folder" << int(inputfile::Error::Missing);
        QTest::newRow("pipe without writer") << "pipe" << int(inputfile::Error::NotRegular);
        QTest::newRow("directory") << "directory" << int(inputfile::Error::NotRegular);
        QTest::newRow("/dev/zero") << "/dev/zero" << int(inputfile::Error::NotRegular);
        QTest::newRow("/dev/null") << "/dev/null" << int(inputfile::Error::NotRegular);
        QTest::newRow("link to a pipe") << "link to pipe" << int(inputfile::Error::NotRegular);
        QTest::newRow("link to a file") << "link to regular" << int(inputfile::Error::None);
    }
    void kinds() {
        QFETCH(QString, kind);
        QFETCH(int, error);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("input"));
        const QString pipe = dir.filePath(QStringLiteral("pipe"));
        const QString regular = dir.filePath(QStringLiteral("regular"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(writeRaw(regular, "abc"));
        if (kind == QLatin1String("regular"))
            path = regular;
        else if (kind == QLatin1String("missing folder"))
            path = dir.filePath(QStringLiteral("no/input"));
        else if (kind == QLatin1String("pipe"))
            path = pipe;
        else if (kind == QLatin1String("directory"))
            path = dir.path();
        else if (kind.startsWith(QLatin1Char('/')))
            path = kind;
        else if (kind == QLatin1String("link to pipe"))
            QVERIFY(QFile::link(pipe, path));
        else if (kind == QLatin1String("link to regular"))
            QVERIFY(QFile::link(regular, path));
        const inputfile::Result r = inputfile::read(path, 100, inputfile::Oversize::Refuse);
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.bytes, error == int(inputfile::Error::None) ? QByteArray("abc") : QByteArray());
    }

    void bound_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("oversize");
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("bytesRead");
        QTest::newRow("empty") << 0 << int(inputfile::Oversize::Refuse) << int(inputfile::Error::None) << 0;
        QTest::newRow("at the limit, refuse")
            << 10 << int(inputfile::Oversize::Refuse) << int(inputfile::Error::None) << 10;
        QTest::newRow("one past, refuse")
            << 11 << int(inputfile::Oversize::Refuse) << int(inputfile::Error::TooLarge) << 0;
        QTest::newRow("at the limit, truncate")
            << 10 << int(inputfile::Oversize::Truncate) << int(inputfile::Error::None) << 10;
        QTest::newRow("longer, truncate")
            << 5000 << int(inputfile::Oversize::Truncate) << int(inputfile::Error::None) << 10;
    }
    void bound() {
        QFETCH(int, size);
        QFETCH(int, oversize);
        QFETCH(int, error);
        QFETCH(int, bytesRead);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f"));
        QByteArray contents;
        for (int i = 0; i < size; ++i)
            contents.append(char('a' + i % 26));
        QVERIFY(writeRaw(path, contents));
        const inputfile::Result r = inputfile::read(path, 10, inputfile::Oversize(oversize));
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.bytes, contents.left(bytesRead));
    }

    void messageText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << QStringLiteral("my.json") << QStringLiteral("my.json");
        QTest::newRow("escape sequence") << QStringLiteral("a\x1b[31mred") << QStringLiteral("a\\x1b[31mred");
        QTest::newRow("new line, tab, CR")
            << QStringLiteral("a\nb\tc\rd") << QStringLiteral("a\\x0ab\\x09c\\x0dd");
        QTest::newRow("NUL and DEL") << QString(QChar(0)) + QStringLiteral("\x7f")
                                     << QStringLiteral("\\x00\\x7f");
        QTest::newRow("C1 control CSI") << QString(QChar(0x9B)) << QStringLiteral("\\x9b");
        QTest::newRow("right-to-left override")
            << QString(QChar(0x202E)) + QStringLiteral("txt.exe") << QStringLiteral("\\u202etxt.exe");
        QTest::newRow("latin-1 and CJK kept") << QStringLiteral("ÄÖé中文") << QStringLiteral("ÄÖé中文");
        QTest::newRow("emoji kept") << QStringLiteral("😀") << QStringLiteral("😀");
        QTest::newRow("200 characters kept")
            << QString(200, QLatin1Char('x')) << QString(200, QLatin1Char('x'));
        QTest::newRow("201 characters cut")
            << QString(201, QLatin1Char('x')) << QString(200, QLatin1Char('x')) + QChar(0x2026);
        QTest::newRow("10 MB cut") << QString(10'000'000, QLatin1Char('y'))
                                   << QString(200, QLatin1Char('y')) + QChar(0x2026);
        QTest::newRow("an escape is not split") << QString(198, QLatin1Char('x')) + QStringLiteral("\x1b")
                                                << QString(198, QLatin1Char('x')) + QChar(0x2026);
    }
    void messageText() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(::messageText(text), shown);
    }
};

QTEST_APPLESS_MAIN(TstInputFile)
#include "tst_inputfile.moc"
