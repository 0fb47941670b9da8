// Undo and redo of every kind of edit through the real windows, and the title that shows the open file and
// unsaved changes.

#include "common/guitest.h"

#include "app/bandcombobox.h"
#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "editors/channeleditorwindow.h"
#include "editors/dtmfwindow.h"
#include "editors/fmradiowindow.h"
#include "editors/optionalfeatureswindow.h"
#include "gui/document.h"
#include "gui/language.h"
#include "image/imagecodec.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTableView>

namespace {
enum Kind {
    CellEdit,
    ChannelList,
    OptionList,
    DtmfCode,
    FmOk,
    CalibrationSlider,
    BandChange,
    NewFile,
    OpenFile
};

const QByteArray Header = QByteArray::fromHex("5057422D374B"
                                              "FFFFFFFF"
                                              "5630313030") +
                          QByteArray(33, '\xFF');

QByteArray bytesOf(const MemoryImage &image) {
    return QByteArray(reinterpret_cast<const char *>(image.data()), int(image.size()));
}

// A configuration as a file or the radio would give it: channel 1 on 145.50000 named "HOME", band 0.
RadioConfig loadedConfig() {
    RadioConfig c;
    c.channels[0] = newChannel(QStringLiteral("145.50000"), QStringLiteral("HOME"));
    c.dtmf.aniStart = QStringLiteral("123");
    return c;
}
} // namespace

class TstUndo : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QString m_chosen;

    QAction *action(const char *name) const {
        return m_window->findChild<QAction *>(QString::fromLatin1(name));
    }
    template <typename T> T *in(QWidget *window, const char *name) const {
        return window->findChild<T *>(QString::fromLatin1(name));
    }
    QByteArray image() const { return bytesOf(encode(m_doc->config(), MemoryImage{})); }
    QComboBox *bandList() const {
        return m_window->findChild<QWidget *>(QStringLiteral("Picture1"))
            ->findChild<BandComboBox *>("Combo1");
    }
    QTableView *grid() const { return in<QTableView>(m_window->channelEditor(), "Grid1"); }
    void clickCell(int row, int column) {
        const QModelIndex index = grid()->model()->index(row, column);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(index).center());
    }
    template <typename T> T *openEditor() const {
        for (QWidget *w : grid()->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (w->isVisible() && qobject_cast<T *>(w))
                return qobject_cast<T *>(w);
        return nullptr;
    }
    void pressKeys(const QKeySequence &keys) {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keySequence(m_window.get(), keys);
    }

    // One edit of the given kind through the windows; returns the bytes of the image it must give.
    void edit(Kind kind) {
        switch (kind) {
        case CellEdit: {
            clickCell(1, 1);
            auto *box = openEditor<QLineEdit>();
            QVERIFY(box);
            QTest::keyClicks(box, QStringLiteral("438.5"));
            QTest::keyClick(box, Qt::Key_Return);
            break;
        }
        case ChannelList: {
            clickCell(0, 5); // power
            auto *list = openEditor<QComboBox>();
            QVERIFY(list);
            list->view()->setCurrentIndex(list->model()->index(0, 0));
            QTest::keyClick(list->view(), Qt::Key_Return);
            break;
        }
        case OptionList: {
            m_window->findChild<QAction *>(QStringLiteral("MNOption"))->trigger();
            auto *squelch = in<QComboBox>(m_window->optionalFeaturesWindow(), "Combo5");
            QVERIFY(squelch);
            squelch->setFocus();
            QTest::keyClick(squelch, Qt::Key_Down); // 5 -> 6
            QTest::keyClick(squelch, Qt::Key_Down); // 6 -> 7, one step with the one before
            break;
        }
        case DtmfCode: {
            auto *ani = in<QLineEdit>(m_window->dtmfWindow(), "Text2");
            QVERIFY(ani);
            ani->setFocus();
            ani->end(false);
            QTest::keyClicks(ani, QStringLiteral("45"));
            break;
        }
        case FmOk: {
            action("MNFMset")->trigger();
            auto *vfo = in<QLineEdit>(m_window->fmRadioWindow(), "Text2");
            vfo->setFocus();
            vfo->selectAll();
            QTest::keyClicks(vfo, QStringLiteral("99.5"));
            QTest::mouseClick(in<QPushButton>(m_window->fmRadioWindow(), "Command1"), Qt::LeftButton);
            break;
        }
        case CalibrationSlider: {
            m_doc->setCalibrationMode(true);
            action("MNDebug")->trigger();
            auto *slider = m_window->findChild<QSlider *>(QStringLiteral("Slider1_0"));
            QVERIFY(slider);
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_Up);
            QTest::keyClick(slider, Qt::Key_Up);
            break;
        }
        case BandChange: {
            bandList()->showPopup();
            bandList()->setCurrentIndex(1);
            bandList()->hidePopup();
            emit bandList()->activated(1);
            break;
        }
        case NewFile:
            action("MNNew")->trigger();
            break;
        case OpenFile: {
            QByteArray file(3072, '\xFF');
            file[1814] = 2; // band
            file[1796] = 3; // squelch level
            m_chosen = m_dir.filePath(QStringLiteral("band2.dat"));
            QVERIFY(writeRaw(m_chosen, Header + file));
            action("MNOpen")->trigger();
            break;
        }
        }
    }

private slots:
    void initTestCase() {
        filedialog::setHook([this](filedialog::Kind, const QString &, const QString &) { return m_chosen; });
    }
    void cleanupTestCase() { filedialog::setHook({}); }
    void init() {
        Language::instance().setIndex(1);
        m_doc = new Document;
        m_window = startProgram(*m_doc, m_dir.filePath(QStringLiteral("parameter")));
        Language::instance().setIndex(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_chosen.clear();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    void startsWithNothingToUndo() {
        QVERIFY(!action("MNUndo")->isEnabled());
        QVERIFY(!action("MNRedo")->isEnabled());
        QCOMPARE(action("MNUndo")->text(), QStringLiteral("Undo"));
        QCOMPARE(action("MNRedo")->text(), QStringLiteral("Redo"));
        QCOMPARE(action("MNUndo")->shortcuts(), QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Z"))});
        QCOMPARE(action("MNRedo")->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ORLEX-K7 Radio Programming Software V1.20"));
    }

    void everyEditUndoesAndRedoes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("offset"); // where the edit shows in the image; -1 for DTMF, kept in no image
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("undoText");
        QTest::addColumn<QString>("undoTextZh");
        // Channel 2 (13-byte records, RX first: bytes 13..16): 438.50000 in tens of hertz as BCD, low byte
        // first.
        QTest::newRow("cell edit") << int(CellEdit) << 13 << QByteArray("\x00\x00\x85\x43", 4)
                                   << "Undo Channel 2 RXFreq" << QString::fromUtf8("撤销 频道2 接收频率");
        QTest::newRow("channel list") << int(ChannelList) << -2 << QByteArray() << "Undo Channel 1 Power"
                                      << QString::fromUtf8("撤销 频道1 功率");
        QTest::newRow("optional features") << int(OptionList) << 1796 << QByteArray("\x07", 1)
                                           << "Undo Squelch Level" << QString::fromUtf8("撤销 静噪等级");
        QTest::newRow("DTMF") << int(DtmfCode) << -1 << QByteArray() << "Undo DTMF"
                              << QString::fromUtf8("撤销 DTMF");
        QTest::newRow("FM on OK") << int(FmOk) << -2 << QByteArray() << "Undo FM Channel Set"
                                  << QString::fromUtf8("撤销 FM频道设置");
        QTest::newRow("calibration") << int(CalibrationSlider) << -2 << QByteArray()
                                     << "Undo A High Power Grades" << QString::fromUtf8("撤销 A组高功率等级");
        // The band byte and channel 1's RX frequency, cleared with the whole table.
        QTest::newRow("band change") << int(BandChange) << 1814 << QByteArray("\x01", 1) << "Undo Range"
                                     << QString::fromUtf8("撤销 频段");
        QTest::newRow("New") << int(NewFile) << 0 << QByteArray("\xFF\xFF\xFF\xFF", 4) << "Undo New"
                             << QString::fromUtf8("撤销 新建");
        QTest::newRow("Open") << int(OpenFile) << 1796 << QByteArray("\x03", 1) << "Undo Open band2.dat"
                              << QString::fromUtf8("撤销 打开 band2.dat");
    }
    void everyEditUndoesAndRedoes() {
        QFETCH(int, kind);
        QFETCH(int, offset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, undoText);
        QFETCH(QString, undoTextZh);
        m_doc->setConfig(loadedConfig());
        const RadioConfig before = m_doc->config();
        const QByteArray imageBefore = image();
        // Channel 1 as loaded: 145.50000.
        QCOMPARE(imageBefore.mid(0, 4), QByteArray("\x00\x00\x55\x14", 4));

        BoxRecorder boxes; // New and the band change ask first; OK goes on
        edit(Kind(kind));
        const RadioConfig after = m_doc->config();
        const QByteArray imageAfter = image();
        QVERIFY(!(after == before));
        if (offset >= 0)
            QCOMPARE(imageAfter.mid(offset, bytes.size()), bytes);
        if (offset == -1)
            QCOMPARE(imageAfter, imageBefore);
        else
            QVERIFY(imageAfter != imageBefore);
        if (kind == BandChange)
            QCOMPARE(imageAfter.mid(0, 4), QByteArray("\xFF\xFF\xFF\xFF", 4));
        QVERIFY(m_doc->isModified() || kind == OpenFile);

        QCOMPARE(action("MNUndo")->text(), undoText);
        Language::instance().setIndex(0);
        QCOMPARE(action("MNUndo")->text(), undoTextZh);
        Language::instance().setIndex(1);

        // One step takes the whole edit back, through the menu entry.
        action("MNUndo")->trigger();
        QCOMPARE(image(), imageBefore);
        QVERIFY(m_doc->config() == before);
        // Before an Open the configuration was not what the opened file holds: modified.
        QCOMPARE(m_doc->isModified(), kind == OpenFile);
        QVERIFY(!action("MNUndo")->isEnabled());
        QCOMPARE(action("MNRedo")->text(),
                 QString(undoText).replace(QStringLiteral("Undo"), QStringLiteral("Redo")));
        QCOMPARE(bandList()->currentIndex(), before.band);

        // Ctrl+Y and Ctrl+Shift+Z both redo it.
        pressKeys(QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(image(), imageAfter);
        QVERIFY(m_doc->config() == after);
        QCOMPARE(bandList()->currentIndex(), after.band);
        pressKeys(QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(image(), imageBefore);
        pressKeys(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        QCOMPARE(image(), imageAfter);
        QVERIFY(m_doc->config() == after);
    }

    // The windows show the configuration that undo brings back.
    void windowsFollowUndo() {
        m_doc->setConfig(loadedConfig());
        edit(CellEdit);
        edit(DtmfCode);
        auto *ani = in<QLineEdit>(m_window->dtmfWindow(), "Text2");
        QCOMPARE(ani->text(), QStringLiteral("12345"));
        action("MNUndo")->trigger();
        QCOMPARE(ani->text(), QStringLiteral("123"));
        QCOMPARE(grid()->model()->index(1, 1).data().toString(), QStringLiteral("438.50000"));
        action("MNUndo")->trigger();
        QCOMPARE(grid()->model()->index(1, 1).data().toString(), QString());
        edit(FmOk);
        action("MNUndo")->trigger();
        QCOMPARE(in<QLineEdit>(m_window->fmRadioWindow(), "Text2")->text(), m_doc->config().fm.vfo);
    }

    // An edit after an undo drops the steps that could have been redone.
    void newEditEndsRedo() {
        m_doc->setConfig(loadedConfig());
        edit(CellEdit);
        action("MNUndo")->trigger();
        QVERIFY(action("MNRedo")->isEnabled());
        edit(ChannelList);
        QVERIFY(!action("MNRedo")->isEnabled());
        QCOMPARE(action("MNRedo")->text(), QStringLiteral("Redo"));
    }

    void titleAndModifiedFlag() {
        const QString program = QStringLiteral("ORLEX-K7 Radio Programming Software V1.20");
        m_doc->setConfig(loadedConfig());
        QCOMPARE(m_window->windowTitle(), program);
        edit(CellEdit);
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral("*"));
        QVERIFY(m_doc->isModified());
        // Back to the state as started: nothing left to save.
        action("MNUndo")->trigger();
        QCOMPARE(m_window->windowTitle(), program);
        action("MNRedo")->trigger();
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral("*"));

        m_chosen = m_dir.filePath(QStringLiteral("mine.dat"));
        action("MNSave")->trigger();
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral(" - mine.dat"));
        QVERIFY(!m_doc->isModified());
        edit(ChannelList);
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral(" - mine.dat*"));
        action("MNChinese")->trigger();
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8("ORLEX-K7 对讲机编程软件V1.20 - mine.dat*"));
        action("MNEnglish")->trigger();
        // Undo back to what was saved: not modified.
        action("MNUndo")->trigger();
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral(" - mine.dat"));

        // Open names the opened file and is not a change to save.
        edit(OpenFile);
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral(" - band2.dat"));
        // Undoing the Open brings the file before it back, and the state before it was saved.
        BoxRecorder boxes;
        action("MNUndo")->trigger();
        QCOMPARE(m_window->windowTitle(), program + QStringLiteral(" - mine.dat*"));
    }
};

ORLEX_GUI_TEST_MAIN(TstUndo)
#include "tst_undo.moc"
