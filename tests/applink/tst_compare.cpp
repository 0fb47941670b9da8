// Programming > Compare with Radio and Verify After Writing against orlex-k7-sim: the window that lists the
// differences, its texts in both languages, and a write that the radio does not keep.

#include "applinktest.h"

#include "app/comparemodel.h"
#include "app/comparewindow.h"
#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/radiolinkcontroller.h"
#include "app/startup.h"
#include "files/backups.h"
#include "files/datfile.h"
#include "files/settingsstore.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QLabel>
#include <QMenu>

using namespace applinktest;

namespace {
constexpr int PatientTickMs = 250;

QString sampleDat() {
    return qEnvironmentVariable("ORLEX_K7_SOURCE_DIR") + QStringLiteral("/examples/sample.dat");
}

MemoryImage imageOf(const QString &path) {
    const datfile::ReadResult file = datfile::read(path);
    return file.error == datfile::ReadError::None ? file.image : filledImage(0xEE);
}
} // namespace

class TestCompare : public QObject {
    Q_OBJECT
private slots:
    void init() {
        Language::instance().setIndex(0);
        settings::writeVerifyAfterWriting(false);
        m_dir = std::make_unique<QTemporaryDir>();
        m_doc = std::make_unique<Document>();
        m_window = startProgram(*m_doc, m_dir->filePath(QStringLiteral("parameter")));
        m_window->setPortNumber(1);
        m_window->radioLink()->setWatchdogInterval(PatientTickMs);
        m_window->radioLink()->setReEnableInterval(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The open document: examples/sample.dat.
        m_doc->readImage() = imageOf(sampleDat());
        m_doc->decodeReadImage();
    }
    void cleanup() {
        m_window.reset();
        m_doc.reset();
        m_dir.reset();
        Language::instance().setIndex(0);
        settings::writeVerifyAfterWriting(false);
    }

    // One field changed in the radio: one row, with the channel, the field's caption and both values in the
    // current language. examples/sample.dat: channel 6 is PMR1 on 446.00625 with receive tone D754I (record
    // at 65), beep off (bit 0 of 1798), calibration byte 2018 is 110.
    void compareListsTheDifference_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("row"); // channel, field, radio, ours; empty: no difference
        QTest::newRow("equal, zh") << "none" << 0 << QStringList{};
        QTest::newRow("equal, en") << "none" << 1 << QStringList{};
        QTest::newRow("channel frequency, en")
            << "rx" << 1 << QStringList{"6", "RXFreq", "446.01250", "446.00625"};
        QTest::newRow("channel frequency, zh")
            << "rx" << 0 << QStringList{"6", "接收频率", "446.01250", "446.00625"};
        QTest::newRow("tone, en") << "tone" << 1 << QStringList{"6", "QT/DQT Dec", "Off", "D754I"};
        QTest::newRow("tone, zh") << "tone" << 0 << QStringList{"6", "接收亚音频", "关闭", "D754I"};
        QTest::newRow("setting, en") << "beep" << 1 << QStringList{"", "Beep", "On", "Off"};
        QTest::newRow("setting, zh") << "beep" << 0 << QStringList{"", "提示音", "开", "关"};
        QTest::newRow("calibration, en")
            << "calibration" << 1 << QStringList{"", "Power calibration 6", "112", "110"};
        QTest::newRow("calibration, zh") << "calibration" << 0 << QStringList{"", "功率校准 6", "112", "110"};
    }
    void compareListsTheDifference() {
        QFETCH(QString, change);
        QFETCH(int, language);
        QFETCH(QStringList, row);
        Language::instance().setIndex(language);
        MemoryImage radio = imageOf(sampleDat());
        if (change == QLatin1String("rx"))
            radio[65] = 0x50, radio[66] = 0x12;
        if (change == QLatin1String("tone"))
            radio[73] = 0xFF, radio[74] = 0xFF;
        if (change == QLatin1String("beep"))
            radio[1798] |= 0x01;
        if (change == QLatin1String("calibration"))
            radio[2018] = 0x70;
        Sim sim;
        QVERIFY(sim.start({QStringLiteral("--image"), writeDat(radio)}));
        const RadioConfig before = m_doc->config();
        const MemoryImage readBefore = m_doc->readImage();

        BoxRecorder boxes;
        action("MNCompare")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        CompareWindow *window = m_window->compareWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        CompareModel *model = window->model();
        QCOMPARE(model->rowCount(), row.isEmpty() ? 0 : 1);
        if (!row.isEmpty()) {
            for (int column = 0; column < 4; ++column)
                QCOMPARE(model->index(0, column).data().toString(), row.at(column));
        }
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("CompareSummary"))->text(),
                 row.isEmpty()
                     ? QString::fromUtf8(language ? "The radio holds the same data as the open document."
                                                  : "对讲机中的数据与当前数据相同。")
                     : QString::fromUtf8(language ? "1 difference between the radio and the open "
                                                    "document:"
                                                  : "对讲机与当前数据有 1 处不同："));
        QCOMPARE(window->windowTitle(), QString::fromUtf8(language ? "Compare with Radio" : "与对讲机比较"));
        // The document is left as it was.
        QVERIFY(m_doc->config() == before);
        QVERIFY(m_doc->readImage() == readBefore);
        QTRY_VERIFY(commandsEnabled(m_window.get()));
    }

    // The window follows a language switch.
    void compareWindowFollowsTheLanguage() {
        MemoryImage radio = imageOf(sampleDat());
        radio[1798] |= 0x01;
        Sim sim;
        QVERIFY(sim.start({QStringLiteral("--image"), writeDat(radio)}));
        action("MNCompare")->trigger();
        CompareModel *model = m_window->compareWindow()->model();
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("项目"));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("开"));
        Language::instance().setIndex(1);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Field"));
        QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("Beep"));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("On"));
        QCOMPARE(m_window->compareWindow()->windowTitle(), QStringLiteral("Compare with Radio"));
    }

    // With Verify After Writing on, the radio is read back after a write; the success message comes only
    // when it holds what was sent. The simulator's fault drops the block at 0x0040 (bytes 64..79).
    void verifyAfterWriting_data() {
        QTest::addColumn<bool>("verify");
        QTest::addColumn<bool>("dropBlock");
        QTest::addColumn<int>("language");
        QTest::newRow("off, the radio drops a block: not noticed") << false << true << 1;
        QTest::newRow("on, the radio keeps everything, en") << true << false << 1;
        QTest::newRow("on, the radio keeps everything, zh") << true << false << 0;
        QTest::newRow("on, the radio drops a block, en") << true << true << 1;
        QTest::newRow("on, the radio drops a block, zh") << true << true << 0;
    }
    void verifyAfterWriting() {
        QFETCH(bool, verify);
        QFETCH(bool, dropBlock);
        QFETCH(int, language);
        Language::instance().setIndex(language);
        if (verify)
            action("MNVerify")->trigger();
        QCOMPARE(m_window->radioLink()->verifyAfterWriting(), verify);
        Sim sim;
        QStringList options{QStringLiteral("--log")};
        if (dropBlock)
            options << QStringLiteral("--drop-write") << QStringLiteral("0x0040");
        QVERIFY(sim.start(options));
        BoxRecorder boxes;
        action("MNWrite")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        // The radio was read back only with the switch on: a second session with read requests.
        QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
        const QByteArray log = sim.stop();
        QCOMPARE(log.count("<- 50 52 4F 47 52 41 4D"), verify ? 2 : 1);
        QCOMPARE(log.contains("<- 52 00 00 10"), verify);
        if (!verify || !dropBlock) {
            QCOMPARE(boxes.shown[0].text,
                     QString::fromUtf8(language ? "Writing Frequency Successful!" : "写频成功！"));
            QVERIFY(!m_window->compareWindow()->isVisible());
            return;
        }
        QCOMPARE(boxes.shown[0].text,
                 QString::fromUtf8(language
                                       ? "The radio does not hold what was written (15 differences); write "
                                         "again."
                                       : "写入后读回的数据与写入的不同（15 处），请再写一次。"));
        QCOMPARE(boxes.shown[0].style, 16);
        CompareWindow *window = m_window->compareWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QString::fromUtf8(language ? "Verify After Writing" : "写频后校验"));
        // Channel 6 lies wholly in the block: empty in the radio.
        CompareModel *model = window->model();
        bool found = false;
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->index(r, 0).data().toString() == QLatin1String("6") &&
                model->index(r, 2).data().toString().isEmpty() &&
                model->index(r, 3).data().toString() == QLatin1String("446.00625"))
                found = true;
        }
        QVERIFY(found);
        QVERIFY(commandsEnabled(m_window.get()));
    }

    // The switch starts off, is kept in the settings at once, and is taken again at the next start.
    void verifySwitchIsKept() {
        QVERIFY(action("MNVerify")->isCheckable());
        QVERIFY(!action("MNVerify")->isChecked());
        QVERIFY(!settings::readVerifyAfterWriting());
        action("MNVerify")->trigger();
        QVERIFY(settings::readVerifyAfterWriting());
        m_window.reset();
        m_window = startProgram(*m_doc, m_dir->filePath(QStringLiteral("parameter")));
        QVERIFY(action("MNVerify")->isChecked());
        QVERIFY(m_window->radioLink()->verifyAfterWriting());
        action("MNVerify")->trigger();
        QVERIFY(!settings::readVerifyAfterWriting());
    }

    // Every successful read keeps a backup in the data folder; File > Open Backup starts there.
    void readKeepsABackup() {
        const QString folder = backups::folder();
        QDir(folder).removeRecursively();
        MemoryImage radio = imageOf(sampleDat());
        radio[1796] = 5;
        Sim sim;
        QVERIFY(sim.start({QStringLiteral("--image"), writeDat(radio)}));
        BoxRecorder boxes;
        action("MNRead")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        const QStringList kept = backups::list(folder);
        QCOMPARE(kept.size(), 1);
        QVERIFY(imageOf(kept.first()) == radio);
        // Open Backup: the dialog starts in that folder and opens what is chosen.
        QString shownIn;
        filedialog::setHook([&](filedialog::Kind kind, const QString &directory, const QString &) {
            shownIn = kind == filedialog::Kind::Open ? directory : QString();
            return kept.first();
        });
        m_doc->readImage() = filledImage(0xFF);
        m_doc->decodeReadImage();
        action("MNOpenBackup")->trigger();
        filedialog::setHook({});
        QCOMPARE(shownIn, folder);
        QCOMPARE(m_doc->config().general.squelchLevel, 5);
        // A failed read keeps none.
        sim.kill();
        QTRY_VERIFY(commandsEnabled(m_window.get()));
        action("MNRead")->trigger();
        QCOMPARE(backups::list(folder).size(), 1);
    }

    // --trace FILE: the GUI's transfers write every frame, with a time stamp, to FILE.
    void traceOfAGuiRead() {
        const QString path = m_dir->filePath(QStringLiteral("trace.txt"));
        QString error;
        QVERIFY(m_window->radioLink()->setTrace(path, &error));
        Sim sim;
        QVERIFY(sim.start({}));
        BoxRecorder boxes;
        action("MNRead")->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QVERIFY(lines.at(0).startsWith("# orlex-k7 transfer trace, started "));
        const QByteArray device = sim.device.toUtf8();
        QVERIFY2(lines.at(1).trimmed().endsWith(device + " open"), lines.at(1).constData());
        QVERIFY2(lines.at(2).trimmed().endsWith(device + " >> 50 52 4F 47 52 41 4D"),
                 lines.at(2).constData());
        QVERIFY2(lines.at(3).trimmed().endsWith(device + " << 06"), lines.at(3).constData());
        QVERIFY2(lines.at(4).trimmed().endsWith(device + " >> 02"), lines.at(4).constData());
        QVERIFY(lines.contains("") && lines.at(lines.size() - 2).endsWith(device + " end success"));
        // A trace that cannot be written stops the program at its start, with the reason.
        QProcess program;
        program.start(binary("orlex-k7"),
                      {QStringLiteral("--trace"), m_dir->filePath(QStringLiteral("no/dir/t.txt"))});
        QVERIFY(program.waitForFinished(Patience));
        QCOMPARE(program.exitCode(), 2);
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(err.contains("orlex-k7: cannot write the trace " +
                              QFile::encodeName(m_dir->filePath("no/dir/t.txt"))),
                 err.constData());
    }

    void screenshots() {
        const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("set ORLEX_K7_SCREENSHOT_DIR to a directory to save the windows' pictures");
        QDir().mkpath(dir);
        MemoryImage radio = imageOf(sampleDat());
        radio[65] = 0x50, radio[66] = 0x12;
        radio[73] = 0xFF, radio[74] = 0xFF;
        radio[1798] |= 0x01;
        radio[1796] = 5;
        Sim sim;
        QVERIFY(sim.start({QStringLiteral("--image"), writeDat(radio)}));
        for (int language : {0, 1}) {
            const QString suffix = language == 0 ? QStringLiteral("zh") : QStringLiteral("en");
            Language::instance().setIndex(language);
            action("MNCompare")->trigger();
            CompareWindow *window = m_window->compareWindow();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QVERIFY(window->grab().save(dir + QStringLiteral("/compare_") + suffix + QStringLiteral(".png")));
            window->close();
            for (const char *menu : {"MNFile", "MNProgram"}) {
                auto *m = m_window->findChild<QMenu *>(QLatin1String(menu));
                m->popup(m_window->mapToGlobal(QPoint(20, 20)));
                QVERIFY(QTest::qWaitForWindowExposed(m));
                QVERIFY(m->grab().save(dir + QStringLiteral("/menu_%1_%2.png")
                                                 .arg(QString::fromLatin1(menu).mid(2).toLower(), suffix)));
                m->close();
            }
            QTRY_VERIFY(commandsEnabled(m_window.get()));
        }
    }

private:
    QAction *action(const char *name) const { return m_window->findChild<QAction *>(QLatin1String(name)); }
    QString writeDat(const MemoryImage &image) {
        const QString path = m_dir->filePath(QStringLiteral("radio.dat"));
        return datfile::write(path, image).isEmpty() ? path : QString();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Document> m_doc;
    std::unique_ptr<MainWindow> m_window;
};

ORLEX_GUI_TEST_MAIN(TestCompare)
#include "tst_compare.moc"
