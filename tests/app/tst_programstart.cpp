// What the program's start adds around the main window: its icon on every window, and a data file named on
// the command line.

#include "common/guitest.h"

#include "app/aboutdialog.h"
#include "app/mainwindow.h"
#include "app/portchooser.h"
#include "app/startup.h"
#include "editors/channeleditorwindow.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

class TstProgramStart : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;

private slots:
    void init() {
        m_doc = new Document;
        m_window = startProgram(*m_doc, m_dir.filePath(QStringLiteral("parameter")));
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    void iconHasEverySize() {
        const QIcon icon = QApplication::windowIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{
                     {16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
        // Our picture, not a placeholder: the 16-pixel radio has its green display in the middle.
        const QImage small = icon.pixmap(QSize(16, 16)).toImage();
        const QColor display = small.pixelColor(8, 6);
        QVERIFY2(display.green() > 150 && display.red() < display.green() && display.blue() < 120,
                 qPrintable(display.name()));
    }

    // Every window, the editors' title bars included, shows the program's icon instead of Qt's.
    void everyWindowShowsTheIcon() {
        const qint64 key = QApplication::windowIcon().cacheKey();
        QVERIFY(!QApplication::windowIcon().isNull());
        QCOMPARE(m_window->windowIcon().cacheKey(), key);
        const QList<QMdiSubWindow *> editors = m_window->mdiArea()->subWindowList();
        QCOMPARE(editors.size(), 5);
        for (QMdiSubWindow *editor : editors)
            QVERIFY2(editor->windowIcon().cacheKey() == key, qPrintable(editor->widget()->objectName()));
        QCOMPARE(m_window->portChooser()->windowIcon().cacheKey(), key);
        AboutDialog about(m_window->channelEditor()->windowIcon());
        QCOMPARE(about.windowIcon().cacheKey(), key);
    }

    // A file given on the command line opens as File > Open opens it, with Open's message for a wrong type.
    void openDataFile_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("contents"); // empty: no such file
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("channel1");
        QTest::addColumn<QStringList>("boxes"); // title | text
        const QByteArray header = QByteArray("PWB-7K") + QByteArray(42, '\xFF');
        // Channel 1 at image offset 0: RX 145.50000 and TX 145.52500 as little-endian BCD in 10 Hz units.
        const QByteArray channel = QByteArray::fromHex("0000551400255514");
        QTest::newRow("data file") << 0 << header + channel + QByteArray(3064, '\xFF')
                                   << int(datfile::ReadError::None) << "145.50000" << QStringList{};
        QTest::newRow("wrong type, English")
            << 1 << QByteArray("PWB-8K") + QByteArray(3114, '\xFF') << int(datfile::ReadError::WrongType)
            << "" << QStringList{"Mistake|File type is incorrect!"};
        QTest::newRow("wrong type, Chinese") << 0 << QByteArray("hello") << int(datfile::ReadError::WrongType)
                                             << "" << QStringList{QString::fromUtf8("错误|文件类型不正确！")};
        QTest::newRow("no such file")
            << 1 << QByteArray() << int(datfile::ReadError::CannotOpen) << "" << QStringList{};
    }
    void openDataFile() {
        QFETCH(int, language);
        QFETCH(QByteArray, contents);
        QFETCH(int, error);
        QFETCH(QString, channel1);
        QFETCH(QStringList, boxes);
        Language::instance().setIndex(language);
        const QString path = m_dir.filePath(QStringLiteral("given.dat"));
        QFile::remove(path);
        if (!contents.isEmpty())
            QVERIFY(writeRaw(path, contents));
        m_window->channelEditor()->parentWidget()->hide();

        BoxRecorder recorder;
        QCOMPARE(int(m_window->openDataFile(path)), error);
        QStringList shown;
        for (const ShownBox &box : recorder.shown)
            shown << box.title + QLatin1Char('|') + box.text;
        QCOMPARE(shown, boxes);
        QCOMPARE(m_doc->config().channels[0].rx, channel1);
        QCOMPARE(m_window->channelEditor()->parentWidget()->isVisible(), !channel1.isEmpty());
    }
};

ORLEX_GUI_TEST_MAIN(TstProgramStart)
#include "tst_programstart.moc"
