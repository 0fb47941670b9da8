// orlex-k7-cli print: the PDF it writes without a display reads, through pdftotext, exactly as the PDF of
// the program's Print for the same data file; and its refusals.

#include "app/mainwindow.h"
#include "app/printreport.h"
#include "clirun.h"
#include "files/datfile.h"
#include "gui/document.h"
#include "gui/language.h"
#include "image/imagecodec.h"

#include <QApplication>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace clirun;

namespace {
QString pdfText(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A configuration far from the defaults: every list of the settings pages off its first entry, channels
// with every column set, a name without a channel.
RadioConfig unusual() {
    RadioConfig c;
    c.band = 1;
    c.general.aChannel = QStringLiteral("128");
    c.general.bChannel = QStringLiteral("64");
    c.general.aDisplayMode = 1;
    c.general.beep = 0;
    c.general.keyLock = 0;
    c.general.scanMode = 0;
    c.general.squelchLevel = 9;
    c.general.batterySave = 0;
    c.general.timeoutTimer = 7;
    c.general.dualStandby = 1;
    c.general.channelNameEditable = 0;
    c.general.displayCharacters = QStringLiteral("QRZ 73");
    c.general.voxGain = 7;
    c.general.voxDelay = 3;
    c.vfoA.freq = QStringLiteral("144.80000");
    c.vfoA.offset = QStringLiteral("1.60000");
    c.vfoA.rxTone = 30;
    c.vfoA.txTone = 100;
    c.vfoA.power = 0;
    c.vfoA.busyLock = 0;
    c.vfoA.scanAdd = 0;
    c.vfoA.bandwidth = 0;
    c.vfoA.txProhibit = 0;
    c.vfoA.companding = 1;
    c.vfoA.shift = 2;
    c.vfoA.step = 7;
    c.calibration = {1, 2, 3, 4, 5, 6};
    for (int i = 0; i < 128; i += 3) {
        Channel &ch = c.channels[std::size_t(i)];
        ch = newChannel(QStringLiteral("%1.%2").arg(400 + i % 70).arg(12500 + i, 5, 10, QLatin1Char('0')),
                        QStringLiteral("CH%1").arg(i));
        ch.rxTone = i % 100;
        ch.txTone = (i * 7) % 200;
        ch.power = i % 3;
        ch.busyLock = i % 2;
        ch.scanAdd = (i / 2) % 2;
        ch.bandwidth = (i / 3) % 2;
        ch.txProhibit = (i / 5) % 2;
    }
    c.channels[1].name = QStringLiteral("NAME");
    return c;
}
} // namespace

class TstCliPrint : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void sameAsProgram_data();
    void sameAsProgram();
    void refused_data();
    void refused();

private:
    QString programReport(const QString &dat, int language);

    QTemporaryDir m_dir;
};

void TstCliPrint::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is needed to read the reports back");
    QVERIFY(m_dir.isValid());
    QVERIFY(writeRaw(m_dir.filePath(QStringLiteral("unusual.dat")),
                     datfile::fileBytes(encode(unusual(), MemoryImage{}))));
}

// The program just started, the data file opened, Print chosen: the report as the print dialog's PDF.
QString TstCliPrint::programReport(const QString &dat, int language) {
    Document document;
    MainWindow window(document, m_dir.filePath(QStringLiteral("parameter")));
    if (window.openDataFile(dat) != datfile::ReadError::None)
        return {};
    Language::instance().setIndex(language);
    const QString path = m_dir.filePath(QStringLiteral("program.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    setReportPage(&printer);
    const bool printed = printContent(&printer, document);
    Language::instance().setIndex(0);
    return printed ? path : QString();
}

void TstCliPrint::sameAsProgram_data() {
    QTest::addColumn<QString>("dat");
    QTest::addColumn<QStringList>("language"); // the CLI's arguments for it, none for the default
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("title");
    const QString sample = sourceFile(QStringLiteral("examples/sample.dat"));
    const QString unusualDat = m_dir.filePath(QStringLiteral("unusual.dat"));
    QTest::newRow("sample, default zh") << sample << QStringList{} << 0 << "QUELT对讲机编程数据打印";
    QTest::newRow("sample, zh") << sample << QStringList{"--lang", "zh"} << 0 << "QUELT对讲机编程数据打印";
    QTest::newRow("sample, en") << sample << QStringList{"--lang=en"} << 1
                                << "QUELT Interphone programming data are printed";
    QTest::newRow("unusual, zh") << unusualDat << QStringList{"--lang", "zh"} << 0
                                 << "QUELT对讲机编程数据打印";
    QTest::newRow("unusual, en") << unusualDat << QStringList{"--lang", "en"} << 1
                                 << "QUELT Interphone programming data are printed";
}

void TstCliPrint::sameAsProgram() {
    QFETCH(QString, dat);
    QFETCH(QStringList, language);
    QFETCH(int, index);
    QFETCH(QString, title);
    const QString cliPdf = m_dir.filePath(QStringLiteral("cli.pdf"));
    QFile::remove(cliPdf);
    // No display: the command must not need one.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(cliPath(), QStringList{"print", dat, "-o", cliPdf} + language);
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.readAllStandardError(), QByteArray());
    QCOMPARE(p.exitCode(), 0);

    const QString cliText = pdfText(cliPdf);
    QVERIFY(cliText.contains(title));
    QVERIFY(cliText.count(QLatin1Char('\f')) >= 3); // settings, then the channels over two pages or more
    const QString programPdf = programReport(dat, index);
    QVERIFY(!programPdf.isEmpty());
    QCOMPARE(cliText, pdfText(programPdf));
}

void TstCliPrint::refused_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("error");
    const QString sample = sourceFile(QStringLiteral("examples/sample.dat"));
    const QByteArray usage = "orlex-k7-cli: usage: orlex-k7-cli print FILE.dat -o OUT.pdf [--lang zh|en]\n";
    QTest::newRow("no output") << QStringList{"print", sample} << 2 << usage;
    QTest::newRow("no file") << QStringList{"print", "-o", "out.pdf"} << 2 << usage;
    QTest::newRow("two files") << QStringList{"print", sample, sample, "-o", "out.pdf"} << 2 << usage;
    QTest::newRow("other language") << QStringList{"print", sample, "-o", "out.pdf", "--lang", "de"} << 2
                                    << QByteArray("orlex-k7-cli: --lang de: not zh or en\n");
    QTest::newRow("missing file") << QStringList{"print", "missing.dat", "-o", "out.pdf"} << 1
                                  << QByteArray("orlex-k7-cli: missing.dat: the file does not exist\n");
    QTest::newRow("not a data file")
        << QStringList{"print", sourceFile(QStringLiteral("examples/sample.csv")), "-o", "out.pdf"} << 1
        << QByteArray("orlex-k7-cli: " + sourceFile(QStringLiteral("examples/sample.csv")).toUtf8() +
                      ": not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")\n");
}

void TstCliPrint::refused() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, error);
    const Run r = run(args, m_dir.path());
    QCOMPARE(r.exitCode, exitCode);
    QCOMPARE(r.err, error);
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("out.pdf"))));
}

QTEST_MAIN(TstCliPrint)
#include "tst_cliprint.moc"
