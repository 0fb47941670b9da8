// File > Import CSV and File > Export CSV through the main window: the menu entries in both languages, the
// import preview (what each row becomes or why it is refused, by Location or from the selected channel), the
// import as one change of the document, and the exported text.

#include "common/guitest.h"

#include "app/csvimportdialog.h"
#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "editors/channeleditorwindow.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAbstractItemView>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>

namespace {

// Three rows with CR LF: one for channel 5, one outside band 0, one for channel 12.
const QByteArray ThreeRows =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
    "CrossMode,Mode,TStep,Skip,Power\r\n"
    "5,Home,146.520,,,TSQL,88.5,100.0,023,NN,023,,FM,5.00,,Low\r\n"
    "9,AIRBAND,121.500,,,,88.5,88.5,023,NN,023,,AM,25.00,,High\r\n"
    "12,Repeater7,145.600,-,0.600,Tone,67.0,88.5,023,NN,023,,NFM,12.50,S,Mid\r\n";

// What the preview showed, read while it was open.
struct Preview {
    bool shown = false;
    QString title;
    QString byLocation;
    QString fromSelected;
    bool byLocationEnabled = false;
    QStringList headers;
    QList<QStringList> rows;
    QString summary;
    QString importButton;
};

Preview readPreview(CsvImportDialog *dialog) {
    Preview p;
    p.shown = true;
    p.title = dialog->windowTitle();
    auto *byLocation = dialog->findChild<QRadioButton *>(QStringLiteral("OptionByLocation"));
    p.byLocation = byLocation->text();
    p.byLocationEnabled = byLocation->isEnabled();
    p.fromSelected = dialog->findChild<QRadioButton *>(QStringLiteral("OptionFromSelected"))->text();
    auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("PreviewTable"));
    for (int c = 0; c < table->columnCount(); ++c)
        p.headers << table->horizontalHeaderItem(c)->text();
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c)
            row << table->item(r, c)->text();
        p.rows << row;
    }
    p.summary = dialog->findChild<QLabel *>(QStringLiteral("SummaryLabel"))->text();
    p.importButton = dialog->findChild<QPushButton *>(QStringLiteral("ImportButton"))->text();
    return p;
}

} // namespace

class TstCsvFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QString m_chosen; // what the file dialog answers
    QStringList m_filters;

    QAction *action(const char *name) const {
        return m_window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QAbstractItemView *grid() const {
        return m_window->channelEditor()->findChild<QAbstractItemView *>(QStringLiteral("Grid1"));
    }
    // The channel table's row for channel `index` (0..127), as it shows.
    QStringList gridRow(int index) const {
        QStringList cells;
        for (int c = 0; c < grid()->model()->columnCount(); ++c)
            cells << grid()->model()->index(index, c).data().toString();
        return cells;
    }

    // Runs `act` on the preview once it shows (it is modal: the trigger returns when it closes).
    void whenPreviewShows(std::function<void(CsvImportDialog *)> act) {
        auto *timer = new QTimer(this);
        timer->setInterval(10);
        connect(timer, &QTimer::timeout, this, [timer, act] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *dialog = qobject_cast<CsvImportDialog *>(w);
                if (dialog && dialog->isVisible()) {
                    timer->stop();
                    timer->deleteLater();
                    act(dialog);
                    // A preview that the test could not close would block the test until its timeout.
                    if (dialog->isVisible())
                        dialog->reject();
                    return;
                }
            }
        });
        timer->start();
    }

    void saveShot(QWidget *widget, const QString &name) {
        const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            widget->grab().save(QDir(dir).filePath(name));
    }

private slots:
    void initTestCase() {
        filedialog::setHook([this](filedialog::Kind, const QString &, const QString &filter) {
            m_filters << filter;
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
        m_filters.clear();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    // The two entries come last, after a separator of their own, in both languages.
    void fileMenuEntries_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Chinese") << 0 << QStringList{"", "导入CSV(&I)…", "导出CSV(&X)…"};
        QTest::newRow("English") << 1 << QStringList{"", "Import CSV(&I)…", "Export CSV(&X)…"};
    }
    void fileMenuEntries() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        Language::instance().setIndex(language);
        auto *file = m_window->menuBar()->findChild<QMenu *>(QStringLiteral("MNFile"));
        const QList<QAction *> actions = file->actions();
        QVERIFY(actions.size() > 3);
        QStringList names;
        QStringList shown;
        for (QAction *a : actions.mid(actions.size() - 3)) {
            names << a->objectName();
            shown << a->text();
        }
        QCOMPARE(names, (QStringList{"MNLineCsv", "MNImportCsv", "MNExportCsv"}));
        QCOMPARE(shown, texts);
        QCOMPARE(actions.at(0)->objectName(), QStringLiteral("MNNew"));
        if (!qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR").isEmpty()) {
            file->popup(m_window->mapToGlobal(QPoint(0, 20)));
            QTRY_VERIFY(file->isVisible());
            saveShot(file, QStringLiteral("file-menu-%1.png").arg(language == 0 ? "zh" : "en"));
            file->hide();
        }
    }

    void importPreviewAndChannels_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("fromSelected");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<QStringList>>("previewRows");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<int>("firstChannel");  // where line 2 lands, 0..127
        QTest::addColumn<int>("secondChannel"); // where line 4 lands
        QTest::addColumn<QStringList>("firstRow");
        QTest::addColumn<QStringList>("secondRow");
        const QString refusedBand =
            QStringLiteral("Frequency \"121.500\" is outside the band A:136-173.995MHz B:400-469.995MHz");
        QTest::newRow("Chinese, by Location")
            << 0 << false << QStringList{"行",         "频道",     "接收频率",     "发射频率", "接收亚音频",
                                         "发射亚音频", "功率",     "繁忙信道锁定", "扫描添加", "宽窄带",
                                         "发射禁止",   "频道名称", "结果"}
            << QList<QStringList>{{"2", "5", "146.52000", "146.52000", "100.0", "100.0", "低", "关", "使能",
                                   "宽带", "关", "HOME", "导入; Name \"Home\" becomes \"HOME\""},
                                  {"3", "", "", "", "", "", "", "", "", "", "", "", "拒绝: " + refusedBand},
                                  {"4", "12", "145.60000", "145.00000", "关闭", "67.0", "中", "关", "禁止",
                                   "窄带", "关", "REPEAT", "导入; Name \"Repeater7\" becomes \"REPEAT\""}}
            << "共 3 行，导入 2 行，拒绝 1 行" << 4 << 11
            << QStringList{"5",  "146.52000", "146.52000", "100.0", "100.0", "低",
                           "关", "使能",      "宽带",      "关",    "HOME"}
            << QStringList{"12", "145.60000", "145.00000", "关闭", "67.0",  "中",
                           "关", "禁止",      "窄带",      "关",   "REPEAT"};
        QTest::newRow("English, from channel 20")
            << 1 << true << QStringList{"Line",        "Channel",      "RXFreq",    "TXFreq",   "QT/DQT Dec",
                                        "QT/DQT Enc",  "Power",        "Busy Lock", "Add Scan", "Band",
                                        "TX Prohibit", "Channel Name", "Result"}
            << QList<QStringList>{{"2", "20", "146.52000", "146.52000", "100.0", "100.0", "Low", "Off", "On",
                                   "wide", "Off", "HOME", "imported; Name \"Home\" becomes \"HOME\""},
                                  {"3", "", "", "", "", "", "", "", "", "", "", "",
                                   "refused: " + refusedBand},
                                  {"4", "21", "145.60000", "145.00000", "Off", "67.0", "Middle", "Off", "Off",
                                   "Narror", "Off", "REPEAT",
                                   "imported; Name \"Repeater7\" becomes \"REPEAT\""}}
            << "3 rows: 2 imported, 1 refused" << 19 << 20
            << QStringList{"20",  "146.52000", "146.52000", "100.0", "100.0", "Low",
                           "Off", "On",        "wide",      "Off",   "HOME"}
            << QStringList{"21",  "145.60000", "145.00000", "Off", "67.0",  "Middle",
                           "Off", "Off",       "Narror",    "Off", "REPEAT"};
    }
    void importPreviewAndChannels() {
        QFETCH(int, language);
        QFETCH(bool, fromSelected);
        QFETCH(QStringList, headers);
        QFETCH(QList<QStringList>, previewRows);
        QFETCH(QString, summary);
        QFETCH(int, firstChannel);
        QFETCH(int, secondChannel);
        QFETCH(QStringList, firstRow);
        QFETCH(QStringList, secondRow);
        Language::instance().setIndex(language);
        m_chosen = m_dir.filePath(QStringLiteral("three.csv"));
        QVERIFY(writeRaw(m_chosen, ThreeRows));
        // The selected channel is channel 20.
        grid()->setCurrentIndex(grid()->model()->index(19, 1));
        const RadioConfig before = m_doc->config();

        Preview shown;
        whenPreviewShows([&](CsvImportDialog *dialog) {
            if (fromSelected)
                dialog->findChild<QRadioButton *>(QStringLiteral("OptionFromSelected"))->click();
            shown = readPreview(dialog);
            saveShot(dialog, QStringLiteral("import-preview-%1-%2.png")
                                 .arg(language == 0 ? "zh" : "en", fromSelected ? "selected" : "location"));
            dialog->findChild<QPushButton *>(QStringLiteral("ImportButton"))->click();
        });
        QSignalSpy changes(m_doc, &Document::changed);
        action("MNImportCsv")->trigger();

        QCOMPARE(m_filters,
                 QStringList{language == 0 ? QStringLiteral("CSV文件(*.csv);;AllFiles(*.*)")
                                           : QStringLiteral("CSV files (*.csv);;All files (*.*)")});
        QVERIFY(shown.shown);
        QCOMPARE(shown.title, language == 0 ? QStringLiteral("导入CSV") : QStringLiteral("Import CSV"));
        QCOMPARE(shown.fromSelected, language == 0 ? QStringLiteral("从所选频道开始 (20)")
                                                   : QStringLiteral("from the selected channel (20)"));
        QVERIFY(shown.byLocationEnabled);
        QCOMPARE(shown.headers, headers);
        QCOMPARE(shown.rows, previewRows);
        QCOMPARE(shown.summary, summary);
        QCOMPARE(shown.importButton, language == 0 ? QStringLiteral("导入") : QStringLiteral("Import"));

        // One change of the document, with both channels; nothing else changed.
        QCOMPARE(changes.count(), 1);
        QCOMPARE(gridRow(firstChannel), firstRow);
        QCOMPARE(gridRow(secondChannel), secondRow);
        RadioConfig expected = before;
        expected.channels[std::size_t(firstChannel)] = m_doc->config().channels[std::size_t(firstChannel)];
        expected.channels[std::size_t(secondChannel)] = m_doc->config().channels[std::size_t(secondChannel)];
        QVERIFY(m_doc->config() == expected);
        QCOMPARE(m_doc->config().channels[4].isUsed(), firstChannel == 4);

        // One undo step, named after the file, takes both channels back; redo puts them in again.
        QCOMPARE(m_doc->undoText().chinese, QStringLiteral("导入CSV three.csv"));
        QCOMPARE(m_doc->undoText().english, QStringLiteral("Import CSV three.csv"));
        QVERIFY(m_doc->isModified());
        action("MNUndo")->trigger();
        QVERIFY(m_doc->config() == before);
        QVERIFY(!m_doc->canUndo());
        QCOMPARE(gridRow(firstChannel).at(1), QString());
        action("MNRedo")->trigger();
        QVERIFY(m_doc->config() == expected);
        QCOMPARE(gridRow(secondChannel), secondRow);
    }

    void cancelledPreviewChangesNothing() {
        m_chosen = m_dir.filePath(QStringLiteral("three.csv"));
        QVERIFY(writeRaw(m_chosen, ThreeRows));
        bool shown = false;
        whenPreviewShows([&](CsvImportDialog *dialog) {
            shown = true;
            dialog->findChild<QPushButton *>(QStringLiteral("CancelButton"))->click();
        });
        QSignalSpy changes(m_doc, &Document::changed);
        const RadioConfig before = m_doc->config();
        action("MNImportCsv")->trigger();
        QVERIFY(shown);
        QCOMPARE(changes.count(), 0);
        QVERIFY(m_doc->config() == before);
    }

    // Without a Location column the rows can only go from the selected channel on.
    void fileWithoutLocation() {
        m_chosen = m_dir.filePath(QStringLiteral("nolocation.csv"));
        QVERIFY(writeRaw(m_chosen, "Frequency,Name\n446.00625,PMR1\n"));
        grid()->setCurrentIndex(grid()->model()->index(2, 1));
        Preview shown;
        whenPreviewShows([&](CsvImportDialog *dialog) {
            shown = readPreview(dialog);
            dialog->findChild<QPushButton *>(QStringLiteral("ImportButton"))->click();
        });
        action("MNImportCsv")->trigger();
        QVERIFY(shown.shown);
        QVERIFY(!shown.byLocationEnabled);
        QCOMPARE(shown.rows.value(0).value(1), QStringLiteral("3"));
        QCOMPARE(m_doc->config().channels[2].rx, QStringLiteral("446.00625"));
        QCOMPARE(m_doc->config().channels[2].name, QStringLiteral("PMR1"));
    }

    void notAChannelCsv_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        const QString reason = QStringLiteral("not a channel CSV: line 1 has no column \"Frequency\"");
        QTest::newRow("Chinese") << 0 << "不是频道CSV文件！\n" + reason << "错误";
        QTest::newRow("English") << 1 << "Not a channel CSV file!\n" + reason << "Mistake";
    }
    void notAChannelCsv() {
        QFETCH(int, language);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Language::instance().setIndex(language);
        m_chosen = m_dir.filePath(QStringLiteral("other.csv"));
        QVERIFY(writeRaw(m_chosen, "Name,Number\nAnna,5\n"));
        BoxRecorder boxes;
        bool previewShown = false;
        whenPreviewShows([&](CsvImportDialog *dialog) {
            previewShown = true;
            dialog->reject();
        });
        action("MNImportCsv")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.at(0).text, text);
        QCOMPARE(boxes.shown.at(0).style, msgbox::StyleStop);
        QCOMPARE(boxes.shown.at(0).title, title);
        QVERIFY(!previewShown);
    }

    void exportWritesUsedChannels() {
        RadioConfig config = m_doc->config();
        config.channels[0] = newChannel(QStringLiteral("146.52000"), QStringLiteral("SIMPLX"));
        config.channels[11] = newChannel(QStringLiteral("145.60000"), QStringLiteral("REPEAT"));
        config.channels[11].tx = QStringLiteral("145.00000");
        config.channels[11].txTone = 1; // 67.0, the first tone
        config.channels[11].power = 2;
        config.channels[11].scanAdd = 0;
        config.channels[11].bandwidth = 0;
        m_doc->setConfig(config);
        m_chosen = m_dir.filePath(QStringLiteral("out.csv"));
        action("MNExportCsv")->trigger();
        QCOMPARE(m_filters, QStringList{"CSV文件(*.csv);;AllFiles(*.*)"});
        QCOMPARE(
            readRaw(m_chosen),
            QByteArray(
                "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
                "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
                "1,SIMPLX,146.52000,,0.00000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
                "12,REPEAT,145.60000,-,0.60000,Tone,67.0,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Mid,,,,,\n"));
    }

    void failedExportIsReported() {
        m_chosen = m_dir.filePath(QStringLiteral("missing/out.csv"));
        BoxRecorder boxes;
        action("MNExportCsv")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown.at(0).text, QStringLiteral("保存文件失败！"));
        QVERIFY(!QFile::exists(m_chosen));
    }

    void cancelledDialogsDoNothing() {
        BoxRecorder boxes;
        QSignalSpy changes(m_doc, &Document::changed);
        action("MNImportCsv")->trigger();
        action("MNExportCsv")->trigger();
        QCOMPARE(m_filters.size(), 2);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(boxes.shown.size(), 0);
    }
};

ORLEX_GUI_TEST_MAIN(TstCsvFiles)
#include "tst_csvfiles.moc"
