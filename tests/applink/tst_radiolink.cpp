// Read and Write from the main window against orlex-k7-sim on a pseudo-terminal: messages, progress,
// commands, the images on both sides.

#include "applinktest.h"

#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "app/radiolinkcontroller.h"
#include "app/simulatedradio.h"
#include "app/startup.h"
#include "files/datfile.h"
#include "gui/document.h"
#include "gui/language.h"
#include "link/seriallink.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSerialPort>
#include <QTableView>

using namespace applinktest;

namespace {
const char *const ReadOkZh = "读频成功！";
const char *const ReadOkEn = "Reading Frequency Successful!";
const char *const WriteOkZh = "写频成功！";
const char *const WriteOkEn = "Writing Frequency Successful!";
const char *const CommErrorZh = "通信出错，请检查对讲机，连线及串口选择！";
const char *const CommErrorEn = "Communication error, check the line and the serial connection selection!";

MemoryImage patternImage() {
    MemoryImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t((i * 7 + 3) & 0xFF);
    return image;
}

QByteArray bytes(const MemoryImage &image, int from, int to) {
    return QByteArray(reinterpret_cast<const char *>(image.data()) + from, to - from + 1);
}

// Transfers that must succeed get a watchdog of 12 x 250 ms, so that a loaded machine cannot fail them.
constexpr int PatientTickMs = 250;
} // namespace

class TestRadioLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readFillsEditorsAndBand_data();
    void readFillsEditorsAndBand();
    void writeLeavesImageInRadio_data();
    void writeLeavesImageInRadio();
    void writeTakesTheOpenChannelEdit();
    void invalidPort_data();
    void invalidPort();
    void portInUse();
    void foreignModel_data();
    void foreignModel();
    void silentRadio_data();
    void silentRadio();
    void babblingRadio();
    void pulledCable();
    void bandRefusal();
    void bandQuestion_data();
    void bandQuestion();
    void closingProgressWindowCancels_data();
    void closingProgressWindowCancels();
    void commandsComeBackAfterSuccessDelay();
    void simulatedRadioIsPortOne();

private:
    QString writeDat(const QString &name, const MemoryImage &image) {
        const QString path = m_dir->filePath(name);
        return datfile::write(path, image).isEmpty() ? path : QString();
    }
    MemoryImage readDat(const QString &path) {
        const datfile::ReadResult result = datfile::read(path);
        return result.error == datfile::ReadError::None ? result.image : filledImage(0xEE);
    }
    QString sampleDat() const {
        return qEnvironmentVariable("ORLEX_K7_SOURCE_DIR") + QStringLiteral("/examples/sample.dat");
    }
    void loadSample() {
        m_doc->readImage() = readDat(sampleDat());
        m_doc->decodeReadImage();
    }
    RadioLinkController *link() const { return m_window->radioLink(); }

    QTemporaryDir *m_dir = nullptr;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
};

void TestRadioLink::init() {
    Language::instance().setIndex(0);
    m_dir = new QTemporaryDir;
    m_doc = new Document;
    m_window = startProgram(*m_doc, m_dir->filePath(QStringLiteral("parameter")));
    m_window->setPortNumber(1);
    link()->setWatchdogInterval(PatientTickMs);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestRadioLink::cleanup() {
    m_window.reset();
    delete m_doc;
    delete m_dir;
    Language::instance().setIndex(0);
}

void TestRadioLink::readFillsEditorsAndBand_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("zh") << 0 << QString::fromUtf8(ReadOkZh) << QStringLiteral("提示");
    QTest::newRow("en") << 1 << QString::fromUtf8(ReadOkEn) << QStringLiteral("Tip");
}

void TestRadioLink::readFillsEditorsAndBand() {
    QFETCH(int, language);
    QFETCH(QString, text);
    QFETCH(QString, title);
    Language::instance().setIndex(language);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), sampleDat()}));
    // Another band than the radio's, chosen silently beforehand (loaded, so the document is not modified and
    // the read asks nothing before it starts).
    RadioConfig otherBand = m_doc->config();
    otherBand.band = 1;
    m_doc->setConfig(otherBand);
    auto *bandList = m_window->findChild<QComboBox *>(QStringLiteral("Combo1"));
    QCOMPARE(bandList->currentIndex(), 1);

    QList<int> steps;
    bool disabledMeanwhile = true;
    bool windowShown = true;
    connect(link()->link(), &SerialLink::progress, this, [&](int value) {
        steps.append(value);
        disabledMeanwhile = disabledMeanwhile && commandsDisabled(m_window.get());
        windowShown = windowShown && link()->progressWindow()->isVisible();
    });
    BoxRecorder boxes;
    m_window->readRadio();

    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, text.replace(QLatin1String("DIR"), m_dir->path()));
    QCOMPARE(boxes.shown[0].style, 0);
    QCOMPARE(boxes.shown[0].title, title);
    QVERIFY(disabledMeanwhile);
    QVERIFY(windowShown);
    QVERIFY(!link()->progressWindow()->isVisible());
    QCOMPARE(steps.first(), 1);
    QCOMPARE(steps.last(), 196);
    QVERIFY(std::is_sorted(steps.begin(), steps.end()));

    // examples/sample.dat: channel 1 CALL2M on 145.50000, channel 5 UHFRPT 438.50000 / 431.10000, band 0.
    const RadioConfig &config = m_doc->config();
    QCOMPARE(config.channels[0].rx, QStringLiteral("145.50000"));
    QCOMPARE(config.channels[0].name, QStringLiteral("CALL2M"));
    QCOMPARE(config.channels[4].rx, QStringLiteral("438.50000"));
    QCOMPARE(config.channels[4].tx, QStringLiteral("431.10000"));
    QCOMPARE(config.band, 0);
    QCOMPARE(bandList->currentIndex(), 0);
    auto *grid = m_window->findChild<QTableView *>(QStringLiteral("Grid1"));
    QVERIFY(grid);
    QCOMPARE(grid->model()->index(4, 1).data().toString(), QStringLiteral("438.50000"));
    QCOMPARE(grid->model()->index(4, 10).data().toString(), QStringLiteral("UHFRPT"));

    // The read image is the radio's, but for byte 1815, which decoding sets to FF.
    MemoryImage expected = readDat(sampleDat());
    expected[1815] = 0xFF;
    QVERIFY(m_doc->readImage() == expected);
}

void TestRadioLink::writeLeavesImageInRadio_data() {
    QTest::addColumn<bool>("calibration");
    QTest::addColumn<int>("language");
    QTest::newRow("normal, zh") << false << 0;
    QTest::newRow("calibration mode, en") << true << 1;
}

void TestRadioLink::writeLeavesImageInRadio() {
    QFETCH(bool, calibration);
    QFETCH(int, language);
    Language::instance().setIndex(language);
    const MemoryImage before = patternImage();
    const QString dump = m_dir->filePath(QStringLiteral("radio.dat"));
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), writeDat(QStringLiteral("before.dat"), before),
                       QStringLiteral("--dump"), dump}));
    loadSample();
    const int levels[6] = {200, 150, 100, 201, 151, 101};
    for (int slider = 0; slider < 6; ++slider)
        m_doc->setCalibration(slider, levels[slider]);
    m_doc->setCalibrationMode(calibration);

    BoxRecorder boxes;
    m_window->writeRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(language ? WriteOkEn : WriteOkZh));
    QCOMPARE(boxes.shown[0].title, language ? QStringLiteral("Tip") : QStringLiteral("提示"));
    QCOMPARE(boxes.shown[0].style, 0);

    sim.stop();
    const MemoryImage radio = readDat(dump);
    const MemoryImage &sent = m_doc->writeImage();
    QCOMPARE(bytes(radio, 0, 1983), bytes(sent, 0, 1983));
    // 0x07C0..0x07DF is never written.
    QCOMPARE(bytes(radio, 1984, 2015), bytes(before, 1984, 2015));
    if (calibration) {
        QCOMPARE(bytes(radio, 2016, 2047), bytes(sent, 2016, 2047));
        // Sliders 3..5 at 2016..2018 (then 00), sliders 0..2 at 2032..2034.
        QCOMPARE(bytes(radio, 2016, 2019), QByteArray("\xC9\x97\x65\x00", 4));
        QCOMPARE(bytes(radio, 2032, 2034), QByteArray("\xC8\x96\x64", 3));
    } else {
        QCOMPARE(bytes(radio, 2016, 2047), bytes(before, 2016, 2047));
    }
    QCOMPARE(bytes(radio, 2048, 3071), bytes(sent, 2048, 3071));
    // Channel 1 of the sample, 145.50000 as BCD, reached the radio.
    QCOMPARE(bytes(radio, 0, 3), QByteArray("\x00\x00\x55\x14", 4));
}

void TestRadioLink::writeTakesTheOpenChannelEdit() {
    const QString dump = m_dir->filePath(QStringLiteral("radio.dat"));
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--dump"), dump}));
    auto *grid = m_window->findChild<QTableView *>(QStringLiteral("Grid1"));
    QVERIFY(grid);
    const QModelIndex cell = grid->model()->index(0, 1);
    grid->scrollTo(cell);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
    auto *edit = grid->viewport()->findChild<QLineEdit *>(QStringLiteral("Text1"));
    QVERIFY(edit && edit->isVisible());
    QTest::keyClicks(edit, QStringLiteral("145"));

    // The toolbar button leaves the focus where it is: the typed frequency must still go out.
    BoxRecorder boxes;
    m_window->findChild<QAction *>(QStringLiteral("TWrite"))->trigger();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(WriteOkZh));
    QCOMPARE(m_doc->config().channels[0].rx, QStringLiteral("145.00000"));
    sim.stop();
    QCOMPARE(bytes(readDat(dump), 0, 3), QByteArray("\x00\x00\x50\x14", 4));
}

void TestRadioLink::invalidPort_data() {
    QTest::addColumn<int>("port");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    // The second line names the device and the reason; DIR stands for the test's folder.
    QTest::newRow("port 0, read, zh")
        << 0 << false << 0
        << QString::fromUtf8("串行端口无效\nCOM0：此端口号没有对应的设备，请在“通信端口”中选择");
    QTest::newRow("port 0, write, en")
        << 0 << true << 1
        << QStringLiteral(
               "The serial port is invalid\nCOM0: no device is assigned to this port number; choose "
               "one under Communication Port");
    QTest::newRow("port 21, read, en")
        << 21 << false << 1
        << QStringLiteral(
               "The serial port is invalid\nCOM21: no device is assigned to this port number; choose "
               "one under Communication Port");
    QTest::newRow("missing device, write, zh")
        << 2 << true << 0
        << QString::fromUtf8("串行端口无效\nCOM2 (DIR/none2)：设备不存在（数据线是否已插好？）");
    QTest::newRow("missing device, read, en")
        << 1 << false << 1
        << QStringLiteral(
               "The serial port is invalid\nCOM1 (DIR/none1): no such device (is the cable plugged in?)");
}

void TestRadioLink::invalidPort() {
    QFETCH(int, port);
    QFETCH(bool, write);
    QFETCH(int, language);
    QFETCH(QString, text);
    qputenv(ports::OverrideVariable, m_dir->filePath(QStringLiteral("none1:")).toLocal8Bit() +
                                         m_dir->filePath(QStringLiteral("none2")).toLocal8Bit());
    Language::instance().setIndex(language);
    m_window->setPortNumber(port);
    const RadioConfig config = m_doc->config();
    const MemoryImage writeImage = m_doc->writeImage();

    BoxRecorder boxes;
    if (write)
        m_window->writeRadio();
    else
        m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, text.replace(QLatin1String("DIR"), m_dir->path()));
    QCOMPARE(boxes.shown[0].style, 0);
    QCOMPARE(boxes.shown[0].title, msgbox::applicationTitle());
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->link()->isRunning());
    // Nothing was encoded or decoded.
    QVERIFY(m_doc->config() == config);
    QVERIFY(m_doc->writeImage() == writeImage);
}

void TestRadioLink::portInUse() {
    Language::instance().setIndex(1);
    Sim sim;
    QVERIFY(sim.start({}));
    m_window->setPortNumber(1);
    QSerialPort holder(sim.device);
    QVERIFY(holder.open(QIODevice::ReadWrite));
    BoxRecorder boxes;
    m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(
        boxes.shown[0].text,
        QStringLiteral("The serial port is invalid\nCOM1 (%1): in use by another program").arg(sim.device));
    QVERIFY(commandsEnabled(m_window.get()));
}

// A radio that names another model ends by the watchdog as before; the message says which model answered.
void TestRadioLink::foreignModel_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("read, en") << false << 1
                              << QStringLiteral(
                                     "Communication error, check the line and the serial connection "
                                     "selection!\nThe radio answered as model \"UV-5R\", not as an "
                                     "ORLEX-K7 (LQ-H4).");
    QTest::newRow("write, zh") << true << 0
                               << QString::fromUtf8(
                                      "通信出错，请检查对讲机，连线及串口选择！\n对讲机型号不符：应答为“UV-"
                                      "5R”，不是 ORLEX-K7（LQ-H4）。");
}

void TestRadioLink::foreignModel() {
    QFETCH(bool, write);
    QFETCH(int, language);
    QFETCH(QString, text);
    Language::instance().setIndex(language);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--model"), QStringLiteral("UV-5R")}));
    m_window->setPortNumber(1);
    BoxRecorder boxes;
    write ? m_window->writeRadio() : m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, text);
    QCOMPARE(boxes.shown[0].style, 16);
}

void TestRadioLink::silentRadio_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("silentFrom");
    QTest::addColumn<int>("language");
    QTest::newRow("read, radio off, zh") << false << 1 << 0;
    QTest::newRow("write, radio off, en") << true << 1 << 1;
    QTest::newRow("read, silent half way, en") << false << 200 << 1;
    QTest::newRow("write, silent half way, zh") << true << 100 << 0;
}

void TestRadioLink::silentRadio() {
    QFETCH(bool, write);
    QFETCH(int, silentFrom);
    QFETCH(int, language);
    Language::instance().setIndex(language);
    link()->setWatchdogInterval(Transaction::WatchdogIntervalMs);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), sampleDat(), QStringLiteral("--silent-from"),
                       QString::number(silentFrom), QStringLiteral("--log")}));
    const RadioConfig config = m_doc->config();
    const MemoryImage readImage = m_doc->readImage();

    BoxRecorder boxes;
    write ? m_window->writeRadio() : m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(language ? CommErrorEn : CommErrorZh));
    QCOMPARE(boxes.shown[0].style, 16);
    QCOMPARE(boxes.shown[0].title, language ? QStringLiteral("Mistake") : QStringLiteral("错误"));
    // Usable again at once, no delay.
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->reEnablePending());
    QVERIFY(!link()->progressWindow()->isVisible());
    QVERIFY(!link()->link()->isPortOpen());
    // No editor changed, the read image neither.
    QVERIFY(m_doc->config() == config);
    QVERIFY(m_doc->readImage() == readImage);
    // The radio was told to leave programming mode.
    QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
}

void TestRadioLink::babblingRadio() {
    // The radio answers every acknowledgement with the first block again: the read must still end.
    link()->setWatchdogInterval(Transaction::WatchdogIntervalMs);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), sampleDat(), QStringLiteral("--repeat-from"),
                       QStringLiteral("4"), QStringLiteral("--log")}));
    const RadioConfig config = m_doc->config();
    const MemoryImage readImage = m_doc->readImage();
    // Only a guard against hanging: gives the transfer up, which shows no message.
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, link()->progressWindow(), &QWidget::close);
    guard.start(Patience);

    BoxRecorder boxes;
    m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(CommErrorZh));
    QCOMPARE(boxes.shown[0].style, 16);
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->link()->isRunning());
    QVERIFY(!link()->link()->isPortOpen());
    QVERIFY(m_doc->config() == config);
    QVERIFY(m_doc->readImage() == readImage);
    QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
}

void TestRadioLink::pulledCable() {
    // A watchdog of 12 x 10 s cannot end it within the guard's patience: the port's own error must.
    link()->setWatchdogInterval(10000);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), sampleDat(), QStringLiteral("--pace")}));
    const RadioConfig config = m_doc->config();
    bool pulled = false;
    connect(link()->link(), &SerialLink::progress, this, [&](int value) {
        if (value > 20 && !pulled) {
            pulled = true;
            sim.kill();
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, link()->progressWindow(), &QWidget::close);
    guard.start(Patience);

    BoxRecorder boxes;
    m_window->readRadio();
    QVERIFY(pulled);
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(CommErrorZh));
    QCOMPARE(boxes.shown[0].title, QStringLiteral("错误"));
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->link()->isRunning());
    QVERIFY(!link()->link()->isPortOpen());
    QVERIFY(!link()->progressWindow()->isVisible());
    QVERIFY(m_doc->config() == config);
}

void TestRadioLink::bandRefusal() {
    const QString dump = m_dir->filePath(QStringLiteral("radio.dat"));
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), writeDat(QStringLiteral("before.dat"), patternImage()),
                       QStringLiteral("--dump"), dump, QStringLiteral("--band"), QStringLiteral("1"),
                       QStringLiteral("--log")}));
    loadSample();

    BoxRecorder boxes;
    m_window->writeRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QStringLiteral("频段不符，不能写入！"));
    QCOMPARE(boxes.shown[0].style, 48);
    QCOMPARE(boxes.shown[0].title, QStringLiteral("错误"));
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->progressWindow()->isVisible());

    QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
    const QStringList frames = receivedFrames(sim.stop());
    QCOMPARE(frames, (QStringList{"50 52 4F 47 52 41 4D", "02", "45"}));
    QVERIFY(readDat(dump) == patternImage());
}

void TestRadioLink::bandQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("language");
    QTest::newRow("OK, zh") << msgbox::IdOk << 0;
    QTest::newRow("Cancel, en") << msgbox::IdCancel << 1;
}

void TestRadioLink::bandQuestion() {
    QFETCH(int, answer);
    QFETCH(int, language);
    Language::instance().setIndex(language);
    const QString dump = m_dir->filePath(QStringLiteral("radio.dat"));
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), writeDat(QStringLiteral("before.dat"), patternImage()),
                       QStringLiteral("--dump"), dump, QStringLiteral("--band"), QStringLiteral("2"),
                       QStringLiteral("--log")}));
    loadSample();
    m_doc->setForceWriteMode(true);

    BoxRecorder boxes({answer});
    // However long the user takes, the watchdog cannot fire while the question is open: it is stopped.
    bool watchdogStopped = false;
    boxes.onShow = [&](int box) {
        if (box == 0)
            watchdogStopped =
                !link()->link()->isWatchdogActive() && !link()->link()->transaction()->watchdogRunning();
    };
    m_window->writeRadio();
    QVERIFY(watchdogStopped);
    QVERIFY(boxes.shown.size() >= 1);
    QCOMPARE(boxes.shown[0].text, language
                                      ? QStringLiteral("The frequency band is not accorded with, whether "
                                                       "write into by force?")
                                      : QStringLiteral("频段不符，是否强制写入？"));
    QCOMPARE(boxes.shown[0].style, 4385);
    QCOMPARE(boxes.shown[0].title, language ? QStringLiteral("Be careful") : QStringLiteral("注意"));
    QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
    const QStringList frames = receivedFrames(sim.stop());
    if (answer == msgbox::IdOk) {
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(boxes.shown[1].text, QString::fromUtf8(language ? WriteOkEn : WriteOkZh));
        const MemoryImage radio = readDat(dump);
        QCOMPARE(bytes(radio, 0, 1983), bytes(m_doc->writeImage(), 0, 1983));
        QCOMPARE(bytes(radio, 2048, 3071), bytes(m_doc->writeImage(), 2048, 3071));
        QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(m_window.get()), Patience);
    } else {
        // Declined: no further message, nothing written, usable at once.
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(frames, (QStringList{"50 52 4F 47 52 41 4D", "02", "45"}));
        QVERIFY(readDat(dump) == patternImage());
        QVERIFY(commandsEnabled(m_window.get()));
    }
}

void TestRadioLink::closingProgressWindowCancels_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<bool>("escape");
    QTest::newRow("read, close box") << false << false;
    QTest::newRow("write, close box") << true << false;
    QTest::newRow("read, Escape") << false << true;
}

void TestRadioLink::closingProgressWindowCancels() {
    QFETCH(bool, write);
    QFETCH(bool, escape);
    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--image"), sampleDat(), QStringLiteral("--slow"),
                       QStringLiteral("0:10"), QStringLiteral("--log")}));
    const RadioConfig config = m_doc->config();
    const MemoryImage readImage = m_doc->readImage();
    ProgressWindow *window = link()->progressWindow();
    bool asked = false;
    int stoppedAt = 0;
    connect(link()->link(), &SerialLink::progress, this, [&](int value) {
        if (value < 20 || asked)
            return;
        asked = true;
        stoppedAt = value;
        QTimer::singleShot(0, window, [window, escape] {
            if (escape)
                QTest::keyClick(window, Qt::Key_Escape);
            else
                window->close();
        });
    });

    BoxRecorder boxes;
    write ? m_window->writeRadio() : m_window->readRadio();
    QVERIFY(asked);
    QVERIFY(stoppedAt < 100);
    QVERIFY(boxes.shown.isEmpty());
    QVERIFY(!window->isVisible());
    QVERIFY(commandsEnabled(m_window.get()));
    QVERIFY(!link()->reEnablePending());
    QVERIFY(!link()->link()->isRunning());
    QVERIFY(!link()->link()->isPortOpen());
    QVERIFY(m_doc->config() == config);
    QVERIFY(m_doc->readImage() == readImage);
    QVERIFY(sim.waitForLastFrame(QStringLiteral("45")));
}

void TestRadioLink::commandsComeBackAfterSuccessDelay() {
    constexpr int TickMs = 40;
    link()->setReEnableInterval(TickMs);
    Sim sim;
    QVERIFY(sim.start({}));
    bool offWhileBoxOpen = false;
    bool timerIdleWhileBoxOpen = false;
    BoxRecorder boxes;
    boxes.onShow = [&](int) {
        offWhileBoxOpen = commandsDisabled(m_window.get());
        timerIdleWhileBoxOpen = !link()->reEnablePending();
    };
    m_window->readRadio();
    QElapsedTimer sinceBoxClosed;
    sinceBoxClosed.start();
    QCOMPARE(boxes.shown.size(), 1);
    QVERIFY(offWhileBoxOpen);
    QVERIFY(timerIdleWhileBoxOpen);
    QVERIFY(commandsDisabled(m_window.get()));
    QVERIFY(link()->reEnablePending());
    QTRY_VERIFY_WITH_TIMEOUT(commandsEnabled(m_window.get()), Patience);
    // The 12th tick, not the first: a timer never fires before its interval is up.
    QVERIFY2(sinceBoxClosed.elapsed() >= 11 * TickMs, qPrintable(QString::number(sinceBoxClosed.elapsed())));
    QVERIFY(!link()->reEnablePending());
}

void TestRadioLink::simulatedRadioIsPortOne() {
    SimulatedRadio radio;
    QCOMPARE(radio.start(binary("orlex-k7-sim"), sampleDat(), false), QString());
    QVERIFY(radio.isRunning());
    QCOMPARE(ports::devicePath(1), radio.device());
    QVERIFY(ports::canOpen(radio.device()));

    BoxRecorder boxes;
    m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(boxes.shown[0].text, QString::fromUtf8(ReadOkZh));
    QCOMPARE(m_doc->config().channels[0].name, QStringLiteral("CALL2M"));

    const QString device = radio.device();
    radio.stop();
    QVERIFY(!radio.isRunning());
    QVERIFY(!ports::canOpen(device));
    // A missing image file is one clear line, and nothing keeps running.
    const QString error =
        radio.start(binary("orlex-k7-sim"), m_dir->filePath(QStringLiteral("no.dat")), false);
    QVERIFY(error.contains(QLatin1String("no.dat")));
    QVERIFY(!radio.isRunning());
}

ORLEX_GUI_TEST_MAIN(TestRadioLink)
#include "tst_radiolink.moc"
