// Start-up, quit, the band list, the editor windows and the hidden-mode buttons of the main window.

#include "common/guitest.h"

#include "app/bandcombobox.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "editors/calibrationwindow.h"
#include "editors/channeleditorwindow.h"
#include "editors/dtmfwindow.h"
#include "editors/fmradiowindow.h"
#include "editors/optionalfeatureswindow.h"
#include "files/settingsstore.h"
#include "gui/clock.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

namespace {
QString settingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/K-204.conf");
}
const QString QuitTextZh = QString::fromUtf8("确定退出本程序？\r\n未保存的更改将全部丢失！");
const QString QuitTextEn =
    QStringLiteral("Confirm that withdraws from a procedure?\r\nLose all in change not kept!");
} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;

    QString portFile() const { return m_dir.filePath(QStringLiteral("parameter")); }
    void start() {
        m_doc = new Document;
        m_window = startProgram(*m_doc, portFile());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    template <typename T> T *child(const char *name) const {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }
    QAction *action(const char *name) const { return child<QAction>(name); }
    QComboBox *bandList() const { return child<QWidget>("Picture1")->findChild<BandComboBox *>("Combo1"); }
    QString panel(int n) const { return child<QLabel>(QStringLiteral("Panel%1").arg(n).toLatin1())->text(); }
    // The user picks `position` from the opened band list.
    void pickBand(int position) {
        bandList()->showPopup();
        bandList()->setCurrentIndex(position);
        bandList()->hidePopup();
        emit bandList()->activated(position);
    }
    void clickButton(const char *key) {
        QWidget *button = child<QToolBar>("Toolbar1")->widgetForAction(action(key));
        QVERIFY(button);
        // The toolbar lays out a button that has just been shown when events are next processed.
        QTRY_VERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }

private slots:
    void init() {
        QFile::remove(portFile());
        QFile::remove(settingsFile());
        Language::instance().setIndex(0);
        msgbox::setHook({});
        appclock::setSource({});
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        msgbox::setHook({});
        appclock::setSource({});
    }

    void firstStart() {
        QVERIFY(!QFile::exists(portFile()));
        QVERIFY(!QFile::exists(settingsFile()));
        start();
        QCOMPARE(Language::instance().index(), 0);
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8("ORLEX-K7 对讲机编程软件V1.20"));
        QCOMPARE(panel(1), QStringLiteral("COM: 0"));
        QCOMPARE(panel(2), QStringLiteral("Zolvarex"));
        QVERIFY(QFile::exists(portFile()));
        QCOMPARE(readRaw(portFile()), QByteArray());
        QCOMPARE(bandList()->currentIndex(), 0);
        QCOMPARE(bandList()->count(), 3);
        QCOMPARE(m_doc->config().calibration, (std::array<int, 6>{218, 218, 116, 218, 218, 116}));
        // The channel editor shows; every other editor exists, hidden.
        QVERIFY(m_window->channelEditor()->isVisible());
        for (QWidget *editor : {static_cast<QWidget *>(m_window->dtmfWindow()),
                                static_cast<QWidget *>(m_window->optionalFeaturesWindow()),
                                static_cast<QWidget *>(m_window->calibrationWindow()),
                                static_cast<QWidget *>(m_window->fmRadioWindow())}) {
            QVERIFY(editor);
            QVERIFY(!editor->isVisible());
        }
        // The hidden modes are off and their buttons hidden.
        QVERIFY(!action("TAnMa")->isVisible());
        QVERIFY(!action("TDebug")->isVisible());
    }

    void portNumberFromFile() {
        QVERIFY(writeRaw(portFile(), QByteArray("\x03\x07", 2)));
        start();
        QCOMPARE(m_window->portNumber(), 3);
        QCOMPARE(panel(1), QStringLiteral("COM: 3"));
    }

    void storedEnglishAtStart() {
        settings::writeLanguage(1);
        start();
        QCOMPARE(Language::instance().index(), 1);
        QCOMPARE(m_window->windowTitle(), QStringLiteral("ORLEX-K7 Radio Programming Software V1.20"));
        QCOMPARE(panel(2), QString());
    }

    void menuOrderAndShortcuts() {
        start();
        QStringList order;
        for (QAction *a : m_window->menuBar()->actions())
            order << (a->menu() ? a->menu()->objectName() : a->objectName());
        QCOMPARE(order, (QStringList{"MNFile", "MNEdit", "MNProgram", "MNCommPort", "MNLanguage", "MNHelp"}));

        const QList<std::pair<const char *, QStringList>> menus = {
            // Open Backup, the recent files, Undo, Redo, Compare with Radio and Verify After Writing are
            // appended to the menus.
            {"MNFile",
             {"MNNew", "MNOpen", "MNSave", "MNPrint", "MNLine1", "MNQuit", "MNLine4", "MNOpenBackup", "MNLine3",
              "MNRecent1", "MNRecent2", "MNRecent3", "MNRecent4", "MNRecent5", "MNLineCsv", "MNImportCsv",
              "MNExportCsv"}},
            {"MNEdit",
             {"MNModel", "MNDTMF", "MNOption", "MNDebug", "MNFMset", "MNLine2", "MNUndo", "MNRedo"}},
            {"MNProgram", {"MNRead", "MNWrite", "MNCompare", "MNVerify"}},
            {"MNLanguage", {"MNChinese", "MNEnglish"}},
            {"MNHelp", {"MNF1", "MNAbout"}},
        };
        for (const auto &[menu, entries] : menus) {
            QStringList names;
            for (QAction *a : child<QMenu>(menu)->actions())
                names << a->objectName();
            QCOMPARE(names, entries);
        }
        const QList<std::pair<const char *, const char *>> keys = {
            {"MNNew", "Ctrl+N"},   {"MNOpen", "Ctrl+O"},  {"MNSave", "Ctrl+S"}, {"MNPrint", ""},
            {"MNQuit", ""},        {"MNModel", "Ctrl+M"}, {"MNDTMF", "Ctrl+D"}, {"MNOption", "Ctrl+P"},
            {"MNDebug", "Ctrl+B"}, {"MNFMset", "Ctrl+F"}, {"MNRead", "Ctrl+R"}, {"MNWrite", "Ctrl+W"},
            {"MNF1", "F1"},        {"MNAbout", "Ctrl+A"},
        };
        for (const auto &[name, key] : keys)
            QCOMPARE(action(name)->shortcut().toString(), QString::fromLatin1(key));
        QVERIFY(action("MNLine1")->isSeparator());
        QVERIFY(action("MNPrint")->isEnabled());
        QVERIFY(!action("MNDTMF")->isEnabled());
        QVERIFY(!action("MNF1")->isEnabled());

        QStringList buttons;
        for (QAction *a : child<QToolBar>("Toolbar1")->actions())
            buttons << (a->isSeparator() ? QStringLiteral("|") : a->objectName());
        QCOMPARE(buttons, (QStringList{"TNew", "TOpen", "TSave", "|", "TRead", "TWrite", "TAnMa", "TDebug"}));
    }

    // Each editor opens at its designed size inside its frame (the FM window has no layout to size it).
    void editorsOpenAtTheirDesignedSize_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<int>("widthTwips");
        QTest::addColumn<int>("heightTwips");
        QTest::newRow("channels") << "MNModel"
                                  << "Form1" << 12635 << 7200;
        QTest::newRow("FM") << "MNFMset"
                            << "Form5" << 8205 << 4800;
    }
    void editorsOpenAtTheirDesignedSize() {
        QFETCH(QString, command);
        QFETCH(QString, editor);
        QFETCH(int, widthTwips);
        QFETCH(int, heightTwips);
        start();
        action(command.toLatin1())->trigger();
        QWidget *window = child<QWidget>(editor.toLatin1());
        QTRY_VERIFY(window->isVisible());
        QCOMPARE(window->size(), QSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips)));
    }

    // English captions are longer than Chinese ones: an open editor's frame grows so that nothing is cut.
    void framesGrowToFitLongerCaptions() {
        start();
        QAction *show = action("MNOption");
        show->trigger();
        auto *frame = qobject_cast<QMdiSubWindow *>(child<QWidget>("Form3")->parentWidget());
        QVERIFY(frame && frame->isVisible());
        // The frame has taken its Chinese size, and the English captions need more width than that, so that
        // the last check can only hold if the frame grew.
        QTRY_VERIFY(frame->width() >= frame->minimumSizeHint().width() &&
                    frame->height() >= frame->minimumSizeHint().height());
        const int chineseWidth = frame->width();
        Language::instance().setIndex(1);
        QTRY_VERIFY(frame->minimumSizeHint().width() > chineseWidth);
        QTRY_VERIFY(frame->width() >= frame->minimumSizeHint().width());
        QVERIFY(frame->height() >= frame->minimumSizeHint().height());
    }

    // The editor frames have Close shortcuts of their own; the program's shortcuts must still reach their
    // commands while an editor has the focus (Read and Write give the invalid-port message with port 0).
    void transferShortcutsFromAnEditor_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Ctrl+R") << int(Qt::Key_R);
        QTest::newRow("Ctrl+W") << int(Qt::Key_W);
    }
    void transferShortcutsFromAnEditor() {
        QFETCH(int, key);
        start();
        QWidget *grid = m_window->findChild<QWidget *>(QStringLiteral("Grid1"));
        QVERIFY(grid);
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        BoxRecorder boxes;
        QTest::keyClick(grid, Qt::Key(key), Qt::ControlModifier);
        QCOMPARE(boxes.shown.size(), 1);
        // The first line; the second names the reason.
        QCOMPARE(boxes.shown[0].text.section(QLatin1Char('\n'), 0, 0), QString::fromUtf8("串行端口无效"));
    }

    void editorCommandsShowAndCloseBoxHides_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("editor");
        QTest::newRow("MNOption") << "MNOption"
                                  << "Form3";
        QTest::newRow("MNDebug") << "MNDebug"
                                 << "Form4";
        QTest::newRow("MNFMset") << "MNFMset"
                                 << "Form5";
        QTest::newRow("MNModel") << "MNModel"
                                 << "Form1";
    }
    void editorCommandsShowAndCloseBoxHides() {
        QFETCH(QString, command);
        QFETCH(QString, editor);
        start();
        QWidget *window = m_window->mdiArea()->findChild<QWidget *>(editor);
        QVERIFY(window);
        action(command.toLatin1())->trigger();
        QVERIFY(window->isVisible());
        auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget());
        QVERIFY(frame);
        QCOMPARE(m_window->mdiArea()->activeSubWindow(), frame);
        QVERIFY(!frame->close());
        QVERIFY(!window->isVisible());
        // The same window comes back, not a new one.
        QPointer<QWidget> kept(window);
        action(command.toLatin1())->trigger();
        QVERIFY(kept && kept->isVisible());
        QCOMPARE(m_window->mdiArea()->findChildren<QWidget *>(editor).size(), 1);
    }

    void quitCancelKeepsRunning_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("Cancel") << msgbox::IdCancel;
        QTest::newRow("Escape or close box") << msgbox::IdCancel;
    }
    void quitCancelKeepsRunning() {
        QFETCH(int, answer);
        start();
        // Loaded, not edited: the quit question is asked, not the save question of a modified document.
        RadioConfig loaded = m_doc->config();
        loaded.channels[0] = newChannel(QStringLiteral("145.00000"));
        m_doc->setConfig(loaded);
        BoxRecorder boxes({answer, answer});
        action("MNQuit")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, QuitTextZh);
        QCOMPARE(boxes.shown[0].title, QString::fromUtf8("注意"));
        QCOMPARE(boxes.shown[0].style, 4385);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_doc->config().channels[0].rx, QStringLiteral("145.00000"));
        QVERIFY(!QFile::exists(settingsFile()));
        // The close box asks the same question.
        QVERIFY(!m_window->close());
        QCOMPARE(boxes.shown.size(), 2);
        QVERIFY(m_window->isVisible());
    }

    void quitOkStoresLanguageAndPort_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("port");
        QTest::addColumn<QByteArray>("fileBefore");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::newRow("Chinese, port 0, new file") << 0 << 0 << QByteArray() << QByteArray("\x00", 1);
        QTest::newRow("English, port 7") << 1 << 7 << QByteArray("\x02", 1) << QByteArray("\x07", 1);
        QTest::newRow("three-byte file keeps bytes 1 and 2")
            << 1 << 9 << QByteArray("\x05\xAA\xBB", 3) << QByteArray("\x09\xAA\xBB", 3);
    }
    void quitOkStoresLanguageAndPort() {
        QFETCH(int, language);
        QFETCH(int, port);
        QFETCH(QByteArray, fileBefore);
        QFETCH(QByteArray, fileAfter);
        if (!fileBefore.isEmpty())
            QVERIFY(writeRaw(portFile(), fileBefore));
        start();
        action(language == 1 ? "MNEnglish" : "MNChinese")->trigger();
        m_window->setPortNumber(port);
        QCOMPARE(panel(1), QStringLiteral("COM: %1").arg(port));
        BoxRecorder boxes({msgbox::IdOk});
        action("MNQuit")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].text, language == 1 ? QuitTextEn : QuitTextZh);
        QCOMPARE(boxes.shown[0].title,
                 language == 1 ? QStringLiteral("Be careful") : QString::fromUtf8("注意"));
        QVERIFY(!m_window->isVisible());
        QCOMPARE(readRaw(portFile()), fileAfter);
        QSettings stored(settingsFile(), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("BinaryValue")).toByteArray(),
                 language == 1 ? QByteArray("\x01\x00\x00\x00", 4) : QByteArray("\x00\x00\x00\x00", 4));
        QCOMPARE(settings::readLanguage(), language);
    }

    void bandChange_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("bandAfter");
        QTest::addColumn<bool>("channelsKept");
        QTest::newRow("OK clears the channels") << msgbox::IdOk << 1 << false;
        QTest::newRow("Cancel restores the band") << msgbox::IdCancel << 0 << true;
    }
    void bandChange() {
        QFETCH(int, answer);
        QFETCH(int, bandAfter);
        QFETCH(bool, channelsKept);
        start();
        m_doc->setChannel(0, newChannel(QStringLiteral("145.00000")));
        m_doc->setChannel(1, newChannel(QStringLiteral("150.00000")));
        BoxRecorder boxes({answer});
        pickBand(1);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QString::fromUtf8("注意！"));
        QCOMPARE(boxes.shown[0].text, QString::fromUtf8("改变频段将清除频道列表，确定吗？"));
        QCOMPARE(boxes.shown[0].style, 4385);
        QCOMPARE(bandList()->currentIndex(), bandAfter);
        QCOMPARE(m_doc->config().band, bandAfter);
        QCOMPARE(m_doc->config().channels[0].rx, channelsKept ? QStringLiteral("145.00000") : QString());
        QCOMPARE(m_doc->config().channels[1].rx, channelsKept ? QStringLiteral("150.00000") : QString());
        // Disarmed afterwards: a change without the drop-down asks nothing.
        bandList()->setCurrentIndex(2);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(m_doc->config().band, 2);
    }

    void bandQuestionInEnglish() {
        start();
        action("MNEnglish")->trigger();
        BoxRecorder boxes({msgbox::IdCancel});
        pickBand(2);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("Be careful!"));
        QCOMPARE(boxes.shown[0].text,
                 QStringLiteral("Changing the frequency band will remove the channel tabulation, confirm?"));
    }

    // A wheel turned over the band list while it does not have the focus leaves the band alone.
    void wheelOverUnfocusedBandListChangesNothing() {
        start();
        QComboBox *list = bandList();
        QVERIFY(!list->hasFocus());
        const QPoint centre = list->rect().center();
        QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(m_doc->config().band, 0);
    }

    void sameBandAgainAsksNothing() {
        start();
        m_doc->setChannel(0, newChannel(QStringLiteral("145.00000")));
        BoxRecorder boxes;
        pickBand(0);
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(m_doc->config().channels[0].rx, QStringLiteral("145.00000"));
        // The pending question ended with that choice.
        bandList()->setCurrentIndex(1);
        QCOMPARE(boxes.shown.size(), 0);
    }

    void bandFromDocumentIsSelectedSilently() {
        start();
        m_doc->setChannel(0, newChannel(QStringLiteral("145.00000")));
        BoxRecorder boxes;
        RadioConfig config = m_doc->config();
        config.band = 2;
        m_doc->setConfig(config);
        QCOMPARE(bandList()->currentIndex(), 2);
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(m_doc->config().channels[0].rx, QStringLiteral("145.00000"));
    }

    void hiddenModeDoubleClick_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QList<double>>("clicks");
        QTest::addColumn<QList<bool>>("modeAfter");
        const QList<std::pair<const char *, QList<double>>> rows = {};
        for (const char *key : {"TAnMa", "TDebug"}) {
            const QString k = QString::fromLatin1(key);
            QTest::addRow("%s 0.4 s apart in one second", key)
                << k << QList<double>{36000.1, 36000.5} << QList<bool>{true, false};
            QTest::addRow("%s 3 s apart restarts, third click ends", key)
                << k << QList<double>{36000.1, 36003.1, 36003.6} << QList<bool>{true, true, false};
            QTest::addRow("%s whole second apart is too slow", key)
                << k << QList<double>{36000.0, 36001.0, 36001.5} << QList<bool>{true, true, false};
            QTest::addRow("%s first click rounds up", key)
                << k << QList<double>{36000.6, 36001.3} << QList<bool>{true, false};
        }
    }
    void hiddenModeDoubleClick() {
        QFETCH(QString, key);
        QFETCH(QList<double>, clicks);
        QFETCH(QList<bool>, modeAfter);
        start();
        const bool forceWrite = key == QStringLiteral("TAnMa");
        auto mode = [&] { return forceWrite ? m_doc->forceWriteMode() : m_doc->calibrationMode(); };
        QVERIFY(!action(key.toLatin1())->isVisible());
        forceWrite ? m_doc->setForceWriteMode(true) : m_doc->setCalibrationMode(true);
        QVERIFY(action(key.toLatin1())->isVisible());
        double now = 0;
        appclock::setSource([&now] { return now; });
        for (int i = 0; i < clicks.size(); ++i) {
            now = clicks[i];
            clickButton(key.toLatin1());
            QCOMPARE(mode(), modeAfter[i]);
        }
        QVERIFY(!action(key.toLatin1())->isVisible());
        // The other mode is untouched; switched on again, a single click does not end it.
        forceWrite ? m_doc->setForceWriteMode(true) : m_doc->setCalibrationMode(true);
        now += 0.2;
        clickButton(key.toLatin1());
        QVERIFY(mode());
    }

    void transferCommandsSwitch() {
        start();
        m_window->setTransferCommandsEnabled(false);
        for (const char *name : {"MNRead", "MNWrite", "TRead", "TWrite"})
            QVERIFY(!action(name)->isEnabled());
        m_window->setTransferCommandsEnabled(true);
        for (const char *name : {"MNRead", "MNWrite", "TRead", "TWrite"})
            QVERIFY(action(name)->isEnabled());
    }

    // The channel table's own keys leave the program's shortcuts alone: Ctrl+A on the table is About.
    void ctrlAOnTheChannelTableIsAbout() {
        start();
        auto *grid = child<QTableView>("Grid1");
        QVERIFY(grid);
        // Shortcuts reach only the active window.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        grid->setFocus();
        QTRY_VERIFY(grid->hasFocus());
        QString shown;
        QTimer::singleShot(0, m_window.get(), [&shown] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                shown = box->objectName();
                box->close();
            }
        });
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(shown, QString("FrmAbout"));
        QCOMPARE(grid->selectionModel()->selectedIndexes().size(), 1);
    }
};

ORLEX_GUI_TEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
