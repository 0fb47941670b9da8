// The questions asked before work is lost: save the changes before New, Open, Read and Quit; apply the FM
// window's pending edits before Save, Write, Print and Quit.

#include "applinktest.h"

#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/printpreviewdialog.h"
#include "app/startup.h"
#include "editors/fmradiowindow.h"
#include "files/datfile.h"
#include "gui/document.h"
#include "gui/language.h"
#include "image/imagecodec.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

using namespace applinktest;

namespace {
enum Command { New, Open, Read, Quit, Save, Write, Print };

const QString SaveQuestionZh = QString::fromUtf8("数据已修改，是否保存修改？");
const QString SaveQuestionEn = QStringLiteral("The data have been changed. Save the changes?");
const QString FmQuestionZh = QString::fromUtf8("FM频道设置窗口中有未按“确定”保存的修改，是否先应用？");
const QString FmQuestionEn =
    QStringLiteral("The FM Channel Set window holds changes not yet confirmed with OK. Apply them first?");
const QString NewQuestionZh = QString::fromUtf8("未保存的数据将会丢失，确定吗？");
const QString QuitQuestionZh = QString::fromUtf8("确定退出本程序？\r\n未保存的更改将全部丢失！");

constexpr int Save_ = msgbox::IdSave;
constexpr int Discard = msgbox::IdDiscard;
constexpr int Cancel = msgbox::IdCancel;

const QByteArray Header = QByteArray::fromHex("5057422D374B"
                                              "FFFFFFFF"
                                              "5630313030") +
                          QByteArray(33, '\xFF');
} // namespace

class TstGuards : public QObject {
    Q_OBJECT

    QTemporaryDir *m_dir = nullptr;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QString m_saveAs;   // what the save dialog answers ("" = cancelled)
    QString m_openPath; // what the open dialog answers
    QList<filedialog::Kind> m_dialogs;
    bool m_previewShown = false;

    QAction *action(const char *name) const {
        return m_window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QString sampleDat() const {
        return qEnvironmentVariable("ORLEX_K7_SOURCE_DIR") + QStringLiteral("/examples/sample.dat");
    }
    FmRadioWindow *fm() const { return m_window->fmRadioWindow(); }
    QLineEdit *fmVfo() const { return fm()->findChild<QLineEdit *>(QStringLiteral("Text2")); }

    // A configuration loaded from a file, then one channel typed: the document is modified.
    void modify() {
        RadioConfig loaded;
        loaded.channels[0] = newChannel(QStringLiteral("145.50000"), QStringLiteral("HOME"));
        m_doc->setConfig(loaded);
        m_doc->setChannel(1, newChannel(QStringLiteral("438.50000")));
        QVERIFY(m_doc->isModified());
    }
    // FM VFO typed in the FM window, without its OK.
    void typeFmVfo(const QString &text) {
        action("MNFMset")->trigger();
        QVERIFY(fm()->isVisible());
        fmVfo()->setFocus();
        fmVfo()->selectAll();
        QTest::keyClicks(fmVfo(), text);
    }
    void run(Command command) {
        switch (command) {
        case New:
            action("MNNew")->trigger();
            break;
        case Open:
            action("MNOpen")->trigger();
            break;
        case Read:
            action("MNRead")->trigger();
            break;
        case Quit:
            action("MNQuit")->trigger();
            break;
        case Save:
            action("MNSave")->trigger();
            break;
        case Write:
            action("MNWrite")->trigger();
            break;
        case Print:
            QTimer::singleShot(0, this, [this] {
                if (auto *preview = qobject_cast<PrintPreviewDialog *>(QApplication::activeModalWidget())) {
                    m_previewShown = true;
                    preview->reject();
                }
            });
            action("MNPrint")->trigger();
            break;
        }
    }

private slots:
    void initTestCase() {
        filedialog::setHook([this](filedialog::Kind kind, const QString &, const QString &) {
            m_dialogs << kind;
            return kind == filedialog::Kind::Save ? m_saveAs : m_openPath;
        });
    }
    void cleanupTestCase() { filedialog::setHook({}); }
    void init() {
        Language::instance().setIndex(0);
        m_dir = new QTemporaryDir;
        m_doc = new Document;
        m_window = startProgram(*m_doc, m_dir->filePath(QStringLiteral("parameter")));
        m_window->setPortNumber(1);
        // A confirmed quit of an earlier test stored its language.
        Language::instance().setIndex(0);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_saveAs = m_dir->filePath(QStringLiteral("saved.dat"));
        m_openPath = m_dir->filePath(QStringLiteral("band2.dat"));
        QByteArray image(3072, '\xFF');
        image[1814] = 2;
        QVERIFY(writeRaw(m_openPath, Header + image));
        m_dialogs.clear();
        m_previewShown = false;
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        delete m_dir;
        Language::instance().setIndex(0);
    }

    void saveQuestion_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("saveDialogCancelled");
        const struct {
            const char *name;
            Command command;
        } commands[] = {{"New", New}, {"Open", Open}, {"Read", Read}, {"Quit", Quit}};
        for (const auto &c : commands) {
            QTest::addRow("%s Save", c.name) << int(c.command) << 0 << Save_ << false;
            QTest::addRow("%s Save, dialog cancelled", c.name) << int(c.command) << 1 << Save_ << true;
            QTest::addRow("%s Discard", c.name) << int(c.command) << 1 << Discard << false;
            QTest::addRow("%s Cancel", c.name) << int(c.command) << 0 << Cancel << false;
        }
    }
    void saveQuestion() {
        QFETCH(int, command);
        QFETCH(int, language);
        QFETCH(int, answer);
        QFETCH(bool, saveDialogCancelled);
        Language::instance().setIndex(language);
        Sim sim;
        if (command == Read)
            QVERIFY(sim.start({QStringLiteral("--image"), sampleDat()}));
        modify();
        const RadioConfig edited = m_doc->config();
        if (saveDialogCancelled)
            m_saveAs.clear();

        BoxRecorder boxes({answer});
        run(Command(command));

        QVERIFY(!boxes.shown.isEmpty());
        QCOMPARE(boxes.shown[0].text, language == 0 ? SaveQuestionZh : SaveQuestionEn);
        QCOMPARE(boxes.shown[0].title,
                 language == 0 ? QString::fromUtf8("注意") : QStringLiteral("Attention"));
        QCOMPARE(boxes.shown[0].style, msgbox::StyleSaveChanges);
        const bool saved = answer == Save_ && !saveDialogCancelled;
        const bool goesOn = saved || answer == Discard;
        QCOMPARE(m_dialogs.contains(filedialog::Kind::Save), answer == Save_);
        if (saved) {
            // The file holds the edit: channel 2 (bytes 13..16 of the image after the 48-byte header) on
            // 438.50000.
            const QByteArray file = readRaw(m_saveAs);
            QCOMPARE(file.size(), 3120);
            QCOMPARE(file.mid(48 + 13, 4), QByteArray("\x00\x00\x85\x43", 4));
        } else if (!m_saveAs.isEmpty()) {
            QVERIFY(!QFile::exists(m_saveAs));
        }
        // The command's own question is not asked as well; Read reports its success.
        const int expectedBoxes = command == Read && goesOn ? 2 : 1;
        QCOMPARE(boxes.shown.size(), expectedBoxes);

        switch (Command(command)) {
        case New:
            QCOMPARE(m_doc->config().channels[1].rx, goesOn ? QString() : QStringLiteral("438.50000"));
            break;
        case Open:
            QCOMPARE(m_dialogs.contains(filedialog::Kind::Open), goesOn);
            QCOMPARE(m_doc->config().band, goesOn ? 2 : 0);
            break;
        case Read:
            QCOMPARE(m_doc->config().channels[0].name,
                     goesOn ? QStringLiteral("CALL2M") : QStringLiteral("HOME"));
            break;
        case Quit:
            QCOMPARE(m_window->isVisible(), !goesOn);
            break;
        default:
            break;
        }
        if (!goesOn)
            QVERIFY(m_doc->config() == edited);
        // Open and Read leave what the file or the radio holds, not modified; New is a change of its own; a
        // stopped command leaves the edit modified.
        if (command != Quit)
            QCOMPARE(m_doc->isModified(), command == New || !goesOn);
    }

    // Without changes every command asks what it always asked.
    void unmodifiedAsksAsBefore_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("question"); // "" for none
        QTest::newRow("New") << int(New) << NewQuestionZh;
        QTest::newRow("Open") << int(Open) << QString();
        QTest::newRow("Read") << int(Read) << QString::fromUtf8("读频成功！");
        QTest::newRow("Quit") << int(Quit) << QuitQuestionZh;
    }
    void unmodifiedAsksAsBefore() {
        QFETCH(int, command);
        QFETCH(QString, question);
        Sim sim;
        if (command == Read)
            QVERIFY(sim.start({QStringLiteral("--image"), sampleDat()}));
        RadioConfig loaded;
        loaded.channels[0] = newChannel(QStringLiteral("145.50000"));
        m_doc->setConfig(loaded);
        BoxRecorder boxes({msgbox::IdCancel});
        run(Command(command));
        QCOMPARE(boxes.shown.size(), question.isEmpty() ? 0 : 1);
        if (!question.isEmpty())
            QCOMPARE(boxes.shown[0].text, question);
        QVERIFY(!m_dialogs.contains(filedialog::Kind::Save));
    }

    void fmPendingQuestion_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("answer");
        const struct {
            const char *name;
            Command command;
        } commands[] = {{"Save", Save}, {"Write", Write}, {"Print", Print}, {"Quit", Quit}};
        for (const auto &c : commands) {
            QTest::addRow("%s Apply", c.name) << int(c.command) << 0 << int(msgbox::IdApply);
            QTest::addRow("%s Discard", c.name) << int(c.command) << 1 << Discard;
            QTest::addRow("%s Cancel", c.name) << int(c.command) << 0 << Cancel;
        }
    }
    void fmPendingQuestion() {
        QFETCH(int, command);
        QFETCH(int, language);
        QFETCH(int, answer);
        Language::instance().setIndex(language);
        Sim sim;
        const QString dump = m_dir->filePath(QStringLiteral("radio.dat"));
        if (command == Write)
            QVERIFY(sim.start({QStringLiteral("--dump"), dump}));
        const QString storedVfo = m_doc->config().fm.vfo;
        typeFmVfo(QStringLiteral("99.5"));
        QVERIFY(fm()->hasPendingEdits());
        QVERIFY(!m_doc->isModified());

        // Quit after Apply meets a modified document: the save question follows, answered Discard; after
        // Discard the document is not modified and the quit question follows, answered OK.
        BoxRecorder boxes({answer, answer == msgbox::IdApply ? Discard : msgbox::IdOk});
        run(Command(command));
        QVERIFY(!boxes.shown.isEmpty());
        QCOMPARE(boxes.shown[0].text, language == 0 ? FmQuestionZh : FmQuestionEn);
        QCOMPARE(boxes.shown[0].style, msgbox::StyleApplyChanges);

        const bool goesOn = answer != Cancel;
        if (answer == msgbox::IdApply) {
            QCOMPARE(m_doc->config().fm.vfo, QStringLiteral("99.50"));
            QVERIFY(!fm()->isVisible()); // as after its OK
        } else {
            QCOMPARE(m_doc->config().fm.vfo, storedVfo);
        }
        if (answer == Discard)
            QCOMPARE(fmVfo()->text(), storedVfo);
        if (answer == Cancel) // still the typed value (the box puts it on the raster when it loses the focus)
            QVERIFY(fmVfo()->text().startsWith(QStringLiteral("99.5")));
        QCOMPARE(fm()->hasPendingEdits(), answer == Cancel);

        switch (Command(command)) {
        case Save:
            QCOMPARE(QFile::exists(m_saveAs), goesOn);
            break;
        case Write:
            QCOMPARE(boxes.shown.size(), goesOn ? 2 : 1);
            if (goesOn) {
                QCOMPARE(boxes.shown[1].text, language == 0
                                                  ? QString::fromUtf8("写频成功！")
                                                  : QStringLiteral("Writing Frequency Successful!"));
                sim.stop();
                // The FM VFO as the radio received it.
                const datfile::ReadResult radio = datfile::read(dump);
                QCOMPARE(radio.error, datfile::ReadError::None);
                QCOMPARE(decode(radio.image, RadioConfig{}).fm.vfo,
                         answer == msgbox::IdApply ? QStringLiteral("99.50") : storedVfo);
            }
            break;
        case Print:
            QCOMPARE(m_previewShown, goesOn);
            break;
        case Quit:
            QCOMPARE(m_window->isVisible(), !goesOn);
            if (goesOn) {
                QCOMPARE(boxes.shown.size(), 2);
                QCOMPARE(boxes.shown[1].text,
                         answer == msgbox::IdApply
                             ? (language == 0 ? SaveQuestionZh : SaveQuestionEn)
                             : QStringLiteral("Confirm that withdraws from a procedure?\r\n"
                                              "Lose all in change not kept!"));
            }
            break;
        default:
            break;
        }
    }

    // Apply runs the OK with its checks: a refused field stops the command and is shown.
    void fmApplyRefusedStops() {
        action("MNFMset")->trigger();
        auto *channel = fm()->findChild<QComboBox *>(QStringLiteral("Combo1_0"));
        channel->setFocus();
        channel->lineEdit()->selectAll();
        QTest::keyClicks(channel->lineEdit(), QStringLiteral("30"));
        // Another editor window in front.
        action("MNModel")->trigger();
        BoxRecorder boxes({msgbox::IdApply});
        run(Save);
        QCOMPARE(boxes.shown.size(), 1);
        QVERIFY(m_dialogs.isEmpty());
        QVERIFY(!QFile::exists(m_saveAs));
        QVERIFY(fm()->isVisible());
        QTRY_VERIFY(channel->hasFocus());
        QCOMPARE(m_doc->config().fm.channel, 1);
    }

    // The real boxes: their buttons in both languages, Save and Apply first and default, Escape is Cancel.
    // With ORLEX_K7_SCREENSHOT_DIR set, each question is also saved as a picture of the screen.
    void questionsAsShown_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("fmQuestion");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("shot");
        QTest::newRow("save zh") << 0 << false << QStringList{"保存", "不保存", "取消"} << "save-zh.png";
        QTest::newRow("save en") << 1 << false << QStringList{"Save", "Discard", "Cancel"} << "save-en.png";
        QTest::newRow("FM zh") << 0 << true << QStringList{"应用", "放弃", "取消"} << "fm-pending-zh.png";
        QTest::newRow("FM en") << 1 << true << QStringList{"Apply", "Discard", "Cancel"}
                               << "fm-pending-en.png";
    }
    void questionsAsShown() {
        QFETCH(int, language);
        QFETCH(bool, fmQuestion);
        QFETCH(QStringList, buttons);
        QFETCH(QString, shot);
        msgbox::setOwner(m_window.get());
        Language::instance().setIndex(language);
        if (fmQuestion)
            typeFmVfo(QStringLiteral("99.5"));
        else
            modify();
        QStringList seen;
        QString defaultButton;
        QString text;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QTest::qWait(200); // painted before the picture is taken
            for (const char *name : {"IdYes", "IdNo", "IdCancel"})
                seen << box->findChild<QAbstractButton *>(QLatin1String(name))->text();
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            text = box->text();
            const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
            if (!dir.isEmpty()) {
                QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
                (screen.isNull() ? box->grab() : screen).save(dir + QLatin1Char('/') + shot);
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        run(fmQuestion ? Save : New);
        QCOMPARE(seen, buttons);
        QCOMPARE(defaultButton, buttons.first());
        QCOMPARE(text, fmQuestion ? (language == 0 ? FmQuestionZh : FmQuestionEn)
                                  : (language == 0 ? SaveQuestionZh : SaveQuestionEn));
        // Escape answered Cancel: nothing happened.
        QVERIFY(m_dialogs.isEmpty());
        QCOMPARE(fm()->hasPendingEdits(), fmQuestion);
        QCOMPARE(m_doc->config().channels[1].rx, fmQuestion ? QString() : QStringLiteral("438.50000"));
    }

    // A read is one undo step: what the programmer held before comes back whole, and the read again.
    void readIsOneUndoStep() {
        Sim sim;
        QVERIFY(sim.start({QStringLiteral("--image"), sampleDat()}));
        QVERIFY(m_window->openDataFile(m_openPath) == datfile::ReadError::None);
        const RadioConfig opened = m_doc->config();
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8("ORLEX-K7 对讲机编程软件V1.20 - band2.dat"));
        BoxRecorder boxes;
        run(Read);
        QCOMPARE(boxes.shown.size(), 1); // its success, nothing before it
        const RadioConfig read = m_doc->config();
        QCOMPARE(read.channels[0].name, QStringLiteral("CALL2M"));
        // The programmer holds what the radio holds: no file, nothing to save.
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8("ORLEX-K7 对讲机编程软件V1.20"));
        QVERIFY(!m_doc->isModified());
        QCOMPARE(action("MNUndo")->text(), QString::fromUtf8("撤销 读频"));
        action("MNUndo")->trigger();
        QVERIFY(m_doc->config() == opened);
        QCOMPARE(m_doc->config().band, 2);
        QCOMPARE(m_window->windowTitle(), QString::fromUtf8("ORLEX-K7 对讲机编程软件V1.20 - band2.dat*"));
        action("MNRedo")->trigger();
        QVERIFY(m_doc->config() == read);
        QVERIFY(!m_doc->isModified());
    }

    // A window showing exactly what is stored asks nothing, also after its OK.
    void fmWithoutPendingEditsAsksNothing() {
        typeFmVfo(QStringLiteral("99.5"));
        QTest::mouseClick(fm()->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
        QVERIFY(!fm()->hasPendingEdits());
        BoxRecorder boxes;
        run(Save);
        QCOMPARE(boxes.shown.size(), 0);
        QVERIFY(QFile::exists(m_saveAs));
    }
};

ORLEX_GUI_TEST_MAIN(TstGuards)
#include "tst_guards.moc"
