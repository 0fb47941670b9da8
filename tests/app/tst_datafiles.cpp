// New, Open and Save from the main window.

#include "common/guitest.h"

#include "app/bandcombobox.h"
#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "editors/calibrationwindow.h"
#include "editors/channeleditorwindow.h"
#include "editors/dtmfwindow.h"
#include "editors/fmradiowindow.h"
#include "editors/optionalfeatureswindow.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
const QByteArray Header = QByteArray::fromHex("5057422D374B"
                                              "FFFFFFFF"
                                              "5630313030") +
                          QByteArray(33, '\xFF');

// A data file whose image is all 0xFF except the band byte (1814).
QByteArray fileWithBand(char band, const QByteArray &head = Header) {
    QByteArray image(3072, '\xFF');
    image[1814] = band;
    return head + image;
}
bool canCreateFileIn(const QString &dir) {
    QFile probe(dir + QStringLiteral("/probe"));
    const bool ok = probe.open(QIODevice::WriteOnly);
    if (ok)
        probe.remove();
    return ok;
}
} // namespace

class TstDataFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QString m_chosen; // what the file dialog answers
    QList<filedialog::Kind> m_dialogs;

    QAction *action(const char *name) const {
        return m_window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QComboBox *bandList() const {
        return m_window->findChild<QWidget *>(QStringLiteral("Picture1"))
            ->findChild<BandComboBox *>("Combo1");
    }
    RadioConfig sampleConfig() const {
        RadioConfig c = m_doc->config();
        c.band = 1;
        c.channels[0] = newChannel(QStringLiteral("145.00000"), QStringLiteral("HOME"));
        c.channels[0].rxTone = 3;
        c.channels[127] = newChannel(QStringLiteral("435.12500"));
        c.channels[127].power = 0;
        c.fm.channels[0] = QStringLiteral("98.10");
        c.calibration = {200, 201, 100, 202, 203, 101};
        c.dtmf.aniStart = QStringLiteral("123");
        c.general.voxInhibitOnReceive = true; // always written as set
        return c;
    }

private slots:
    void initTestCase() {
        filedialog::setHook([this](filedialog::Kind kind, const QString &, const QString &filter) {
            m_dialogs << kind;
            // The filter follows the language.
            [&] {
                QCOMPARE(filter, Language::instance().index() == 0
                                     ? QString::fromUtf8("DAT文件(*.dat);;AllFiles(*.*)")
                                     : QStringLiteral("DAT files (*.dat);;All files (*.*)"));
            }();
            return m_chosen;
        });
    }
    void cleanupTestCase() { filedialog::setHook({}); }
    void init() {
        Language::instance().setIndex(0);
        m_doc = new Document;
        m_window = startProgram(*m_doc, m_dir.filePath(QStringLiteral("parameter")));
        m_window->show();
        m_chosen.clear();
        m_dialogs.clear();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    void newAsksThenResetsChannelsAndDtmf_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("zh OK") << 0 << 1 << QString::fromUtf8("注意")
                               << QString::fromUtf8("未保存的数据将会丢失，确定吗？");
        QTest::newRow("en OK") << 1 << 1 << "Attention"
                               << "Unsaved data will be lost, sure?";
        QTest::newRow("zh Cancel") << 0 << 2 << QString::fromUtf8("注意")
                                   << QString::fromUtf8("未保存的数据将会丢失，确定吗？");
    }
    void newAsksThenResetsChannelsAndDtmf() {
        QFETCH(int, language);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Language::instance().setIndex(language);
        const RadioConfig before = sampleConfig();
        m_doc->setConfig(before);
        BoxRecorder boxes({answer});
        action("TNew")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, title);
        QCOMPARE(boxes.shown[0].text, text);
        QCOMPARE(boxes.shown[0].style, 4385);
        const RadioConfig &after = m_doc->config();
        if (answer != msgbox::IdOk) {
            QVERIFY(after == before);
            return;
        }
        QCOMPARE(after.channels[0], Channel{});
        QCOMPARE(after.channels[127], Channel{});
        QCOMPARE(after.dtmf.aniStart, QString());
        // Band, FM, calibration and the other settings stay.
        QCOMPARE(after.band, 1);
        QCOMPARE(bandList()->currentIndex(), 1);
        QCOMPARE(after.fm, before.fm);
        QCOMPARE(after.calibration, before.calibration);
        QCOMPARE(after.general, before.general);
    }

    void openTakesBandSilently() {
        const QString path = m_dir.filePath(QStringLiteral("band2.dat"));
        QVERIFY(writeRaw(path, fileWithBand('\x02')));
        // The user had opened the band list before; the band from the file still asks nothing.
        bandList()->showPopup();
        bandList()->hidePopup();
        m_chosen = path;
        BoxRecorder boxes;
        action("MNOpen")->trigger();
        QCOMPARE(m_dialogs, QList<filedialog::Kind>{filedialog::Kind::Open});
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(bandList()->currentIndex(), 2);
        QCOMPARE(m_doc->config().band, 2);
        QCOMPARE(m_doc->readImage()[1814], 2);
        QCOMPARE(m_doc->readImage()[0], 0xFF);
        QVERIFY(m_window->channelEditor()->isVisible());
    }

    void openBandOutsideListKeepsBand() {
        // Loaded, not edited: Open asks nothing before it opens.
        RadioConfig band1 = m_doc->config();
        band1.band = 1;
        m_doc->setConfig(band1);
        QCOMPARE(bandList()->currentIndex(), 1);
        const QString path = m_dir.filePath(QStringLiteral("band7.dat"));
        QVERIFY(writeRaw(path, fileWithBand('\x07')));
        m_chosen = path;
        BoxRecorder boxes;
        action("TOpen")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(bandList()->currentIndex(), 1);
        QCOMPARE(m_doc->config().band, 1);
    }

    void openWrongMagic_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QByteArray rest = QByteArray::fromHex("FFFFFFFF5630313030") + QByteArray(33, '\xFF');
        QTest::newRow("zh first byte") << 0 << (QByteArray("QWB-7K") + rest) << QString::fromUtf8("错误")
                                       << QString::fromUtf8("文件类型不正确！");
        QTest::newRow("en last byte") << 1 << (QByteArray("PWB-7k") + rest) << "Mistake"
                                      << "File type is incorrect!";
        QTest::newRow("en empty file") << 1 << QByteArray() << "Mistake"
                                       << "File type is incorrect!";
    }
    void openWrongMagic() {
        QFETCH(int, language);
        QFETCH(QByteArray, head);
        QFETCH(QString, title);
        QFETCH(QString, text);
        Language::instance().setIndex(language);
        const RadioConfig before = sampleConfig();
        m_doc->setConfig(before);
        const MemoryImage readBefore = m_doc->readImage();
        const QString path = m_dir.filePath(QStringLiteral("wrong.dat"));
        QVERIFY(writeRaw(path, head.isEmpty() ? QByteArray() : fileWithBand('\x02', head)));
        m_chosen = path;
        BoxRecorder boxes;
        action("MNOpen")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].style, 16);
        QCOMPARE(boxes.shown[0].title, title);
        QCOMPARE(boxes.shown[0].text, text);
        QVERIFY(m_doc->config() == before);
        QVERIFY(m_doc->readImage() == readBefore);
    }

    void openOtherVersionAccepted() {
        QByteArray head = Header;
        head.replace(10, 5, "V9999");
        const QString path = m_dir.filePath(QStringLiteral("v9.dat"));
        QVERIFY(writeRaw(path, fileWithBand('\x01', head)));
        m_chosen = path;
        BoxRecorder boxes;
        action("MNOpen")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(m_doc->config().band, 1);
    }

    void cancelledDialogsDoNothing() {
        const RadioConfig before = sampleConfig();
        m_doc->setConfig(before);
        const MemoryImage writeBefore = m_doc->writeImage();
        BoxRecorder boxes;
        action("MNOpen")->trigger();
        action("MNSave")->trigger();
        QCOMPARE(m_dialogs.size(), 2);
        QCOMPARE(boxes.shown.size(), 0);
        QVERIFY(m_doc->config() == before);
        QVERIFY(m_doc->writeImage() == writeBefore);
    }

    void saveWritesHeaderAndAddsDatToNameWithoutIt() {
        const QString typed = m_dir.filePath(QStringLiteral("noextension"));
        const QString path = typed + QStringLiteral(".dat");
        m_chosen = typed;
        BoxRecorder boxes;
        action("TSave")->trigger();
        QCOMPARE(m_dialogs, QList<filedialog::Kind>{filedialog::Kind::Save});
        QCOMPARE(boxes.shown.size(), 0);
        const QByteArray bytes = readRaw(path);
        QCOMPARE(bytes.size(), 3120);
        QCOMPARE(bytes.left(48), Header);
        QCOMPARE(bytes.mid(48), QByteArray(reinterpret_cast<const char *>(m_doc->writeImage().data()), 3072));
        QVERIFY(!QFile::exists(typed));
    }

    void savedThenOpenedGivesSameConfiguration() {
        const RadioConfig saved = sampleConfig();
        m_doc->setConfig(saved);
        const QString path = m_dir.filePath(QStringLiteral("roundtrip.dat"));
        m_chosen = path;
        BoxRecorder boxes;
        action("MNSave")->trigger();
        const QByteArray first = readRaw(path);
        m_doc->setConfig(RadioConfig{});
        action("MNOpen")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        RadioConfig opened = m_doc->config();
        opened.dtmf = saved.dtmf; // DTMF is kept in no file
        QCOMPARE(opened.band, saved.band);
        QCOMPARE(opened.channels, saved.channels);
        QCOMPARE(opened.fm, saved.fm);
        QCOMPARE(opened.calibration, saved.calibration);
        QVERIFY(opened.general == saved.general);
        QCOMPARE(opened.vfoA.freq, saved.vfoA.freq);
        QCOMPARE(opened.vfoB.freq, saved.vfoB.freq);
        // And saving again gives the same bytes.
        m_chosen = m_dir.filePath(QStringLiteral("again.dat"));
        action("MNSave")->trigger();
        QCOMPARE(readRaw(m_chosen), first);
    }

    void failedSaveIsReportedAndKeepsOldFile_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("zh") << 0 << QString::fromUtf8("保存文件失败！") << QString::fromUtf8("错误");
        QTest::newRow("en") << 1 << "Saving the file failed!"
                            << "Mistake";
    }
    void failedSaveIsReportedAndKeepsOldFile() {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Language::instance().setIndex(language);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.dat"));
        QVERIFY(writeRaw(path, QByteArray("old contents")));
        // A directory that refuses new files; root ignores permission bits, so there it is made immutable.
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        bool immutable = false;
        if (canCreateFileIn(dir.path())) {
            immutable = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), dir.path()}) == 0;
            if (!immutable || canCreateFileIn(dir.path())) {
                QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("cannot make a directory refuse new files here");
            }
        }
        m_chosen = path;
        BoxRecorder boxes;
        action("MNSave")->trigger();
        if (immutable)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir.path()});
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, text);
        QCOMPARE(boxes.shown[0].title, title);
        QCOMPARE(boxes.shown[0].style, 16);
        QCOMPARE(readRaw(path), QByteArray("old contents"));
    }

    // Open of something that is not a regular file ends at once, as any failure to open does: silently, with
    // the editors and the read image unchanged.
    void openNotRegularFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe without writer") << "pipe";
        QTest::newRow("/dev/zero") << "/dev/zero";
        QTest::newRow("directory") << "directory";
    }
    void openNotRegularFile() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = kind;
        if (kind == QLatin1String("pipe")) {
            path = dir.filePath(QStringLiteral("pipe.dat"));
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("directory")) {
            path = dir.path();
        }
        const RadioConfig before = sampleConfig();
        m_doc->setConfig(before);
        const MemoryImage readBefore = m_doc->readImage();
        m_chosen = path;
        BoxRecorder boxes;
        action("MNOpen")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        QVERIFY(m_doc->config() == before);
        QVERIFY(m_doc->readImage() == readBefore);
    }

    // A full disk (here a file-size limit, which fails writes the same way): the save-failure message, and
    // the old file stays whole.
    void saveOnFullDiskIsReportedAndKeepsOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.dat"));
        const QByteArray old = fileWithBand('\x02');
        QVERIFY(writeRaw(path, old));
        m_chosen = path;
        BoxRecorder boxes;
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{1000, saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        action("MNSave")->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QString::fromUtf8("保存文件失败！"));
        QCOMPARE(readRaw(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("old.dat")});
    }

    void saveIntoMissingDirectoryIsReported() {
        m_chosen = m_dir.filePath(QStringLiteral("missing/dir/x.dat"));
        BoxRecorder boxes;
        action("MNSave")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QString::fromUtf8("保存文件失败！"));
    }
};

ORLEX_GUI_TEST_MAIN(TstDataFiles)
#include "tst_datafiles.moc"
