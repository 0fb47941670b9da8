// The programming-data report rendered to PDF and read back with poppler's pdftotext: every row in its
// order and language, the whole channel table across pages, nothing outside the page margins; and the
// print preview window with its re-render, print and failure message.

#include "app/mainwindow.h"
#include "app/printpreviewdialog.h"
#include "app/printreport.h"
#include "editors/calibrationwindow.h"
#include "editors/channeleditorwindow.h"
#include "editors/channeltablemodel.h"
#include "editors/optionalfeatureswindow.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"
#include "report/reportcontent.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
using Rows = QList<QStringList>; // a heading or title is a one-element row, a setting caption + value

// Runs a poppler tool and returns its standard output.
QString poppler(const QString &tool, const QStringList &args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList pages(const QString &text) {
    QStringList result = text.split(QLatin1Char('\f'));
    while (!result.isEmpty() && result.last().trimmed().isEmpty())
        result.removeLast();
    return result;
}

QString squeezed(const QString &line) {
    return line.simplified();
}
} // namespace

class TestPrintReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportRows_data();
    void reportRows();
    void channelTable_data();
    void channelTable();
    void withinMargins_data();
    void withinMargins();
    void fontsEmbedded();
    void emptyTextBoxAndTickedCheck_data();
    void emptyTextBoxAndTickedCheck();
    void newlyTypedChannelBand_data();
    void newlyTypedChannelBand();
    void previewWindow_data();
    void previewWindow();
    void printOnFile();
    void printFailureIsReported();
    void printThroughDialog();
    void printCommand();
    void screenshots();

private:
    QString render(const QString &name, QPageSize::PageSizeId size = QPageSize::A4);
    QString text(const QString &pdf) { return poppler(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}); }
    void checkRowsInOrder(const QString &text, const Rows &rows);

    QTemporaryDir m_dir;
    std::unique_ptr<Document> m_document;
    std::unique_ptr<QWidget> m_root;
    QStringList m_messages;
};

void TestPrintReport::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the report back");
    QVERIFY(m_dir.isValid());
    if (qEnvironmentVariableIsSet("ORLEX_K7_KEEP_PDF")) {
        m_dir.setAutoRemove(false);
        qInfo("PDF files stay in %s", qPrintable(m_dir.path()));
    }
    // The print dialog's PDF file goes into the temporary directory, not the user's documents.
    qputenv("HOME", m_dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_dir.filePath(QStringLiteral("config")).toLocal8Bit());
}

void TestPrintReport::init() {
    Language::instance().setIndex(0);
    m_messages.clear();
    msgbox::setHook([this](const QString &text, int, const QString &) {
        m_messages << text;
        return msgbox::IdOk;
    });

    RadioConfig c;
    c.channels[0] = newChannel(QStringLiteral("146.52500"), QStringLiteral("CALL"));
    c.channels[0].rxTone = 1;  // 67.0
    c.channels[0].txTone = 51; // D017N
    c.channels[1] = newChannel(QStringLiteral("435.02500"), QStringLiteral("RPT2"));
    c.channels[1].tx = QStringLiteral("430.02500");
    c.channels[1].power = 2;
    c.channels[1].bandwidth = 0;
    c.channels[63] = newChannel(QStringLiteral("145.00000"));
    c.channels[127] = newChannel(QStringLiteral("439.99375"), QStringLiteral("LAST"));
    c.general.aChannel = QStringLiteral("12");
    c.general.bChannel = QStringLiteral("7");
    c.general.squelchLevel = 3;
    c.general.displayCharacters = QStringLiteral("HELLO");
    c.general.scanMode = 0;
    c.general.timeoutTimer = 3;
    c.general.voxGain = 4;
    c.general.voxDelay = 3;
    c.vfoA.freq = QStringLiteral("145.50000");
    c.vfoA.offset = QStringLiteral("0.6");
    c.vfoA.rxTone = 1;
    c.vfoA.power = 2;
    c.vfoA.shift = 0;
    c.vfoA.companding = 0;
    c.vfoB.freq = QStringLiteral("433.00000");
    c.calibration = {200, 150, 100, 77, 66, 55};
    m_document = std::make_unique<Document>();
    m_document->setConfig(c);

    m_root = std::make_unique<QWidget>();
    new ChannelEditorWindow(*m_document, m_root.get());
    new OptionalFeaturesWindow(*m_document, m_root.get());
    new CalibrationWindow(*m_document, m_root.get());
}

void TestPrintReport::cleanup() {
    m_root.reset();
    m_document.reset();
    msgbox::setHook({});
    Language::instance().setIndex(0);
}

QString TestPrintReport::render(const QString &name, QPageSize::PageSizeId size) {
    const QString path = m_dir.filePath(name);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setReportPage(&printer);
    printer.setPageSize(QPageSize(size));
    if (!printContent(&printer, *m_document))
        return {};
    return path;
}

// Each row must stand on a line of its own, after the previous row: a caption followed by exactly its
// value (an empty value leaves the caption alone on its line).
void TestPrintReport::checkRowsInOrder(const QString &text, const Rows &rows) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype at = 0;
    for (const QStringList &row : rows) {
        const QString caption = row.first();
        while (at < lines.size() && !squeezed(lines[at]).startsWith(caption))
            ++at;
        QVERIFY2(at < lines.size(), qPrintable(QStringLiteral("missing or out of order: ") + caption));
        if (row.size() > 1) {
            // The layout text may drop a narrow blank between two glyphs ("4 S" comes out as "4S").
            const QString value = squeezed(lines[at]).mid(caption.size()).remove(QLatin1Char(' '));
            QCOMPARE(value, QString(row.at(1)).remove(QLatin1Char(' ')));
        }
        ++at;
    }
}

void TestPrintReport::reportRows_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("zh")
        << 0
        << Rows{{"QUELT对讲机编程数据打印"},
                {"功能设置"},
                {"B组当前频道数:", "7"},
                {"A组当前频道数:", "12"},
                {"A组显式模式:", "频率"},
                {"A组步进频率:", "25K"},
                {"静噪等级:", "3"},
                {"提示音:", "开"},
                {"省电:", "开"},
                {"按键锁:", "正常"},
                {"双频待机:", "关"},
                {"自命名频道名称:", "禁止"},
                {"发射超时:", "3 分钟"},
                {"开机显示字符:", "HELLO"},
                {"扫描模式:", "载波"},
                {"全频频率"},
                {"全频频率:", "145.50000"},
                {"异频数:", "0.6"},
                {"接收亚音频:", "67.0"},
                {"发射亚音频:", "关闭"},
                {"功率:", "中"},
                {"繁忙信道锁定:", "关"},
                {"扫描添加:", "使能"},
                {"宽窄带:", "宽带"},
                {"发射禁止:", "关"},
                {"压扩:", "禁止"},
                {"异频:", "+异频"},
                {"VOX(声控发射)"},
                {"VOX增益电平:", "5"},
                {"VOX延迟时间(秒):", "4 S"},
                {"是否允许取消操作", "否"},
                {"调试信息"},
                {"高功率等级", "200"},
                {"中功率等级", "150"},
                {"低功率等级", "100"},
                {"信道数据"},
                {"频道 接收频率 发射频率 接收亚音频 发射亚音频 功率 繁忙信道锁定 扫描添加 宽窄带 发射禁止 "
                 "频道名称"}};
    QTest::newRow("en")
        << 1
        << Rows{{"QUELT Interphone programming data are printed"},
                {"Function Set"},
                {"B Channel Number:", "7"},
                {"A Channel Number:", "12"},
                {"A Display Mode:", "Frequency"},
                {"A Step Frequency:", "25K"},
                {"Squelch Level:", "3"},
                {"Beep:", "On"},
                {"Battery Save:", "On"},
                {"Key Lock:", "Normal"},
                {"Dual Standby:", "Off"},
                {"Channel Name Editable:", "Off"},
                {"Time-out Timer:", "3 Minute"},
                {"Display Character:", "HELLO"},
                {"Scan Mode:", "Carrier"},
                {"The whole frequency frequently"},
                {"Frequency:", "145.50000"},
                {"Offset Data:", "0.6"},
                {"QT/DQT Dec:", "67.0"},
                {"QT/DQT Enc:", "Off"},
                {"Power:", "Middle"},
                {"Busy Channel Lock:", "Off"},
                {"Add Scan:", "On"},
                {"Wide/Narrow:", "Wide"},
                {"TX Prohibit:", "Off"},
                {"Companding:", "Off"},
                {"Offset Frequency:", "Plus Shift(+)"},
                {"VOX(Voice control launches)"},
                {"VOX Gain Level:", "5"},
                {"VOX Delay Time(s):", "4 S"},
                {"WhetherAllow to Cancel Operating", "No"},
                {"Debug information"},
                {"High Power Grades", "200"},
                {"Middle Power Grades", "150"},
                {"Low Power Grades", "100"},
                {"Channel data"},
                {"Channel RXFreq TXFreq QT/DQT Dec QT/DQT Enc Power Busy Lock Add Scan Band TX "
                 "Prohibit Channel Name"}};
}

void TestPrintReport::reportRows() {
    QFETCH(int, language);
    QFETCH(Rows, rows);
    Language::instance().setIndex(language);
    const QString pdf = render(QStringLiteral("rows.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QString all = text(pdf);
    checkRowsInOrder(all, rows);

    // The settings are on the first page, the channel table begins on a page of its own, and only the
    // A-group VFO and calibration values are printed.
    const QStringList p = pages(all);
    QVERIFY(p.size() >= 3);
    QVERIFY(p.first().contains(rows.first().first()));
    QVERIFY(p.first().contains(language == 0 ? "低功率等级" : "Low Power Grades"));
    QVERIFY(!p.first().contains(rows[rows.size() - 2].first()));
    QVERIFY(!all.contains("433.00000"));
    QVERIFY(!p.first().contains(QRegularExpression("\\b(77|66|55)\\b")));
}

void TestPrintReport::channelTable_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("header");
    QTest::addColumn<Rows>("channels"); // channel number, then the row as printed
    QTest::newRow("zh")
        << 0
        << "频道 接收频率 发射频率 接收亚音频 发射亚音频 功率 繁忙信道锁定 扫描添加 宽窄带 发射禁止 "
           "频道名称"
        << Rows{{"1", "1 146.52500 146.52500 67.0 D017N 高 关 使能 宽带 关 CALL"},
                {"2", "2 435.02500 430.02500 关闭 关闭 中 关 使能 窄带 关 RPT2"},
                {"3", "3"},
                {"64", "64 145.00000 145.00000 关闭 关闭 高 关 使能 宽带 关"},
                {"127", "127"},
                {"128", "128 439.99375 439.99375 关闭 关闭 高 关 使能 宽带 关 LAST"}};
    QTest::newRow("en")
        << 1
        << "Channel RXFreq TXFreq QT/DQT Dec QT/DQT Enc Power Busy Lock Add Scan Band TX Prohibit "
           "Channel Name"
        << Rows{{"1", "1 146.52500 146.52500 67.0 D017N High Off On wide Off CALL"},
                {"2", "2 435.02500 430.02500 Off Off Middle Off On Narror Off RPT2"},
                {"3", "3"},
                {"64", "64 145.00000 145.00000 Off Off High Off On wide Off"},
                {"127", "127"},
                {"128", "128 439.99375 439.99375 Off Off High Off On wide Off LAST"}};
}

void TestPrintReport::channelTable() {
    QFETCH(int, language);
    QFETCH(QString, header);
    QFETCH(Rows, channels);
    Language::instance().setIndex(language);
    const QString pdf = render(QStringLiteral("channels.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QStringList p = pages(text(pdf));

    // Every channel row once, in order, each channel page starting with the header.
    QStringList numbers;
    QMap<QString, QString> printed;
    int channelPages = 0;
    for (qsizetype i = 1; i < p.size(); ++i) {
        const QStringList lines = p[i].split(QLatin1Char('\n'));
        qsizetype headerLine = -1;
        for (qsizetype l = 0; l < lines.size() && headerLine < 0; ++l) {
            if (squeezed(lines[l]) == header)
                headerLine = l;
        }
        QVERIFY2(headerLine >= 0, qPrintable(QStringLiteral("no header on page %1").arg(i + 1)));
        ++channelPages;
        for (qsizetype l = headerLine + 1; l < lines.size(); ++l) {
            const QString line = squeezed(lines[l]);
            const QString first = line.section(QLatin1Char(' '), 0, 0);
            if (line.isEmpty() || line.contains(QLatin1Char('/')))
                continue; // the page number
            numbers << first;
            printed.insert(first, line);
        }
    }
    QVERIFY(channelPages >= 2);
    QStringList expected;
    for (int n = 1; n <= 128; ++n)
        expected << QString::number(n);
    QCOMPARE(numbers, expected);
    for (const QStringList &row : channels)
        QCOMPARE(printed.value(row.at(0)), row.at(1));
}

void TestPrintReport::withinMargins_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("size");
    QTest::newRow("zh A4") << 0 << int(QPageSize::A4);
    QTest::newRow("en A4") << 1 << int(QPageSize::A4);
    QTest::newRow("en Letter") << 1 << int(QPageSize::Letter);
    QTest::newRow("zh Letter") << 0 << int(QPageSize::Letter);
}

void TestPrintReport::withinMargins() {
    QFETCH(int, language);
    QFETCH(int, size);
    Language::instance().setIndex(language);
    const QString pdf = render(QStringLiteral("margins.pdf"), QPageSize::PageSizeId(size));
    QVERIFY(!pdf.isEmpty());
    const QString html = poppler(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    const QRegularExpression pageRe(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    const QRegularExpression wordRe(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
    const double margin = 15 / 25.4 * 72 - 1; // 15 mm, less a point for glyph overhang
    int pageCount = 0;
    int words = 0;
    for (const QString &page : html.split(QStringLiteral("</page>"))) {
        const auto pm = pageRe.match(page);
        if (!pm.hasMatch())
            continue;
        ++pageCount;
        const double w = pm.captured(1).toDouble();
        const double h = pm.captured(2).toDouble();
        for (auto it = wordRe.globalMatch(page); it.hasNext();) {
            const auto m = it.next();
            ++words;
            const QString what = QStringLiteral("page %1 word %2").arg(pageCount).arg(m.captured(5));
            QVERIFY2(m.captured(1).toDouble() >= margin && m.captured(2).toDouble() >= margin,
                     qPrintable(what));
            QVERIFY2(m.captured(3).toDouble() <= w - margin && m.captured(4).toDouble() <= h - margin,
                     qPrintable(what));
        }
    }
    QVERIFY(pageCount >= 3);
    QVERIFY(words > 128 * 2);
}

void TestPrintReport::fontsEmbedded() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        QSKIP("pdffonts is needed");
    const QString pdf = render(QStringLiteral("fonts.pdf"));
    const QStringList lines =
        poppler(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 2); // two header lines, then the fonts
    for (qsizetype i = 2; i < lines.size(); ++i) {
        // Columns: name type encoding emb sub uni object ID
        const QStringList f = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY2(f.size() >= 7 && f[f.size() - 5] == "yes", qPrintable(lines[i]));
    }
    QVERIFY(text(pdf).contains("频道名称"));
}

void TestPrintReport::emptyTextBoxAndTickedCheck_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("zh") << 0
                        << Rows{{"B组当前频道数:", "7"},
                                {"A组当前频道数:", ""},
                                {"开机显示字符:", ""},
                                {"是否允许取消操作", "是"}};
    QTest::newRow("en") << 1
                        << Rows{{"B Channel Number:", "7"},
                                {"A Channel Number:", ""},
                                {"Display Character:", ""},
                                {"WhetherAllow to Cancel Operating", "Yes"}};
}

void TestPrintReport::emptyTextBoxAndTickedCheck() {
    QFETCH(int, language);
    QFETCH(Rows, rows);
    Language::instance().setIndex(language);
    // What the window shows is printed, whether or not it reached the Document.
    m_root->findChild<QLineEdit *>("Text6")->setText(QString());
    m_root->findChild<QLineEdit *>("Text31")->setText(QString());
    m_root->findChild<QCheckBox *>("Check12")->setChecked(true);
    const QString pdf = render(QStringLiteral("edge.pdf"));
    QVERIFY(!pdf.isEmpty());
    checkRowsInOrder(text(pdf), rows);
}

void TestPrintReport::newlyTypedChannelBand_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("lines"); // channel 3, typed in the table, and channel 1 from the Document
    QTest::newRow("en") << 1
                        << QStringList{"3 145.10000 145.10000 Off Off High Off On Wide Off",
                                       "1 146.52500 146.52500 67.0 D017N High Off On wide Off CALL"};
    QTest::newRow("zh") << 0
                        << QStringList{"3 145.10000 145.10000 关闭 关闭 高 关 使能 宽带 关",
                                       "1 146.52500 146.52500 67.0 D017N 高 关 使能 宽带 关 CALL"};
}

// The channel table shows "Wide" in the Band cell of a channel typed into it; the report prints the same.
void TestPrintReport::newlyTypedChannelBand() {
    QFETCH(int, language);
    QFETCH(QStringList, lines);
    Language::instance().setIndex(language);
    auto *model = qobject_cast<ChannelTableModel *>(m_root->findChild<QTableView *>("Grid1")->model());
    QVERIFY(model);
    QCOMPARE(model->commitFrequency(2, ChannelTableModel::RxColumn, "145.1"),
             ChannelTableModel::FreqResult::Stored);
    QCOMPARE(model->index(2, ChannelTableModel::BandwidthColumn).data().toString(),
             language == 1 ? "Wide" : "宽带");
    const QString pdf = render(QStringLiteral("typed.pdf"));
    QVERIFY(!pdf.isEmpty());
    QStringList printed;
    for (const QString &line : text(pdf).split(QLatin1Char('\n')))
        printed << squeezed(line);
    for (const QString &line : lines)
        QVERIFY2(printed.contains(line), qPrintable(line));
}

void TestPrintReport::previewWindow_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("print");
    QTest::newRow("zh") << 0 << "打印预览"
                        << "打印";
    QTest::newRow("en") << 1 << "Print preview"
                        << "Print";
}

void TestPrintReport::previewWindow() {
    QFETCH(int, language);
    QFETCH(QString, caption);
    QFETCH(QString, print);
    Language::instance().setIndex(language);
    PrintPreviewDialog dialog(*m_document);
    QCOMPARE(dialog.objectName(), QStringLiteral("FrmPrint"));
    QCOMPARE(dialog.windowTitle(), caption);
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.findChild<QAction *>("PrintCommand")->text(), print);

    QSignalSpy renders(dialog.preview(), &QPrintPreviewWidget::paintRequested);
    dialog.show();
    QTRY_VERIFY(renders.count() >= 1);
    QVERIFY(dialog.preview()->pageCount() >= 4); // settings, then 128 channels over at least three pages
    const int before = int(renders.count());
    dialog.findChild<QAction *>("RefreshCommand")->trigger();
    QTRY_VERIFY(renders.count() > before);

    dialog.findChild<QAction *>("CloseCommand")->trigger();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestPrintReport::printOnFile() {
    PrintPreviewDialog dialog(*m_document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = m_dir.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(path);
    setReportPage(&printer);
    QVERIFY(dialog.printOn(&printer));
    QVERIFY(m_messages.isEmpty());
    // The printout equals the preview's report rendered anew.
    QCOMPARE(text(path), text(render(QStringLiteral("direct.pdf"))));
}

void TestPrintReport::printFailureIsReported() {
    Language::instance().setIndex(1);
    PrintPreviewDialog dialog(*m_document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_dir.filePath(QStringLiteral("no such folder/report.pdf")));
    QVERIFY(!dialog.printOn(&printer));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().startsWith("Printing failed!"));
    QVERIFY(m_messages.first().contains("report.pdf"));
}

void TestPrintReport::printThroughDialog() {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed; the dialog would print on paper");
    const QString path = PrintPreviewDialog::defaultOutputFile();
    QFile::remove(path);
    QVERIFY(path.startsWith(m_dir.path()));
    PrintPreviewDialog dialog(*m_document);
    dialog.show();
    bool sawDialog = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
        sawDialog = box != nullptr;
        if (box)
            box->accept();
    });
    dialog.findChild<QAction *>("PrintCommand")->trigger();
    QVERIFY(sawDialog);
    QVERIFY(m_messages.isEmpty());
    QVERIFY(text(path).contains("QUELT对讲机编程数据打印"));
}

void TestPrintReport::printCommand() {
    const QString portFile = m_dir.filePath(QStringLiteral("parameter"));
    MainWindow window(*m_document, portFile);
    window.show();
    RadioConfig c = m_document->config();
    c.general.bChannel = QStringLiteral("99");
    m_document->setConfig(c);
    QString caption;
    bool modal = false;
    int pagesShown = 0;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || box->objectName() != QLatin1String("FrmPrint"))
            return;
        caption = box->windowTitle();
        modal = box->isModal();
        auto *dialog = static_cast<PrintPreviewDialog *>(box);
        QTRY_VERIFY(dialog->preview()->pageCount() > 0);
        pagesShown = dialog->preview()->pageCount();
        dialog->reject();
    });
    window.findChild<QAction *>("MNPrint")->trigger();
    QCOMPARE(caption, QStringLiteral("打印预览"));
    QVERIFY(modal);
    QVERIFY(pagesShown >= 4);
    // The main window's Document is the report's source.
    const ReportContent content = buildReport(m_document->config(), 0);
    QCOMPARE(content.sections.first().rows.first().value, QStringLiteral("99"));
    QCOMPARE(content.channelRows.size(), 128);
    QCOMPARE(content.channelRows.at(1).at(10), QStringLiteral("RPT2"));
}

void TestPrintReport::screenshots() {
    const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ORLEX_K7_SCREENSHOT_DIR to a directory to save the report's pages and the preview");
    QDir().mkpath(dir);
    for (int language : {0, 1}) {
        Language::instance().setIndex(language);
        const QString suffix = language == 0 ? "zh" : "en";
        const QString pdf = render("report_" + suffix + ".pdf");
        QVERIFY(!pdf.isEmpty());
        for (int page : {1, 2}) {
            const QString out = dir + "/report_" + suffix + "_p" + QString::number(page);
            QProcess::execute("pdftoppm", {"-png", "-r", "60", "-singlefile", "-f", QString::number(page),
                                           "-l", QString::number(page), pdf, out});
            QVERIFY(QFile::exists(out + ".png"));
        }
        PrintPreviewDialog dialog(*m_document);
        dialog.resize(900, 700);
        dialog.show();
        QTest::qWait(200);
        QVERIFY(dialog.grab().save(dir + "/printpreview_" + suffix + ".png"));
    }
}

QTEST_MAIN(TestPrintReport)
#include "tst_printreport.moc"
