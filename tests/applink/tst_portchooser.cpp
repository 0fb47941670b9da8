// The port chooser Form6, the port command, the progress window, and the program's one line without a
// display.

#include "applinktest.h"

#include "app/mainwindow.h"
#include "app/portchooser.h"
#include "app/progresswindow.h"
#include "app/radiolinkcontroller.h"
#include "app/startup.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"
#include "link/seriallink.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QSerialPort>
#include <QToolTip>

#include <sys/inotify.h>
#include <unistd.h>

using namespace applinktest;

class TestPortChooser : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttonsStandInFourRowsOfFive_data();
    void buttonsStandInFourRowsOfFive();
    void captionIsTheSameInBothLanguages();
    void probeEnablesTheOpenablePorts();
    void showingSelectsTheStoredPort_data();
    void showingSelectsTheStoredPort();
    void clickSetsThePortAtOnce();
    void everyWayOfChoosingSetsThePort_data();
    void everyWayOfChoosingSetsThePort();
    void closeBoxHidesAndKeepsTheSelection();
    void portPluggedInLaterAppearsOnReopening();
    void probeOpensNoPort();
    void toolTipsNameDeviceAndAdapter_data();
    void toolTipsNameDeviceAndAdapter();
    void progressWindowTexts_data();
    void progressWindowTexts();
    void noDisplayIsOneLine();
    void screenshots();

private:
    PortChooser *chooser() const { return m_window->portChooser(); }
    // Ports 1..20 through the override: a file for each number given, nothing for the others.
    void makePresent(const QList<int> &numbers) {
        QStringList paths;
        for (int n = 1; n <= 20; ++n) {
            const QString path = m_dir->filePath(QStringLiteral("port%1").arg(n));
            if (numbers.contains(n)) {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
            paths << path;
        }
        qputenv(ports::OverrideVariable, paths.join(QLatin1Char(':')).toLocal8Bit());
    }
    QString panel() const { return m_window->findChild<QLabel *>(QStringLiteral("Panel1"))->text(); }

    QTemporaryDir *m_dir = nullptr;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
};

void TestPortChooser::init() {
    Language::instance().setIndex(0);
    m_dir = new QTemporaryDir;
    qputenv(ports::OverrideVariable, m_dir->filePath(QStringLiteral("none")).toLocal8Bit());
    m_doc = new Document;
    m_window = startProgram(*m_doc, m_dir->filePath(QStringLiteral("parameter")));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestPortChooser::cleanup() {
    m_window.reset();
    delete m_doc;
    delete m_dir;
    Language::instance().setIndex(0);
}

void TestPortChooser::buttonsStandInFourRowsOfFive_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("Com1") << 0 << 240 << 240;
    QTest::newRow("Com5") << 4 << 3720 << 240;
    QTest::newRow("Com7") << 6 << 1080 << 720;
    QTest::newRow("Com14") << 13 << 2880 << 1200;
    QTest::newRow("Com18") << 17 << 1920 << 1680;
    QTest::newRow("Com20") << 19 << 3720 << 1680;
}

void TestPortChooser::buttonsStandInFourRowsOfFive() {
    QFETCH(int, index);
    QFETCH(int, left);
    QFETCH(int, top);
    auto *button = chooser()->findChild<QRadioButton *>(QStringLiteral("Option1_%1").arg(index));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("Com%1").arg(index + 1));
    QCOMPARE(button->geometry(),
             QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(855), twipsToPixels(255)));
    // Tab order follows the index.
    if (index < 19)
        QCOMPARE(button->nextInFocusChain(), chooser()->button(index + 1));
}

void TestPortChooser::captionIsTheSameInBothLanguages() {
    QCOMPARE(chooser()->objectName(), QStringLiteral("Form6"));
    QCOMPARE(chooser()->windowTitle(), QStringLiteral("ComPort"));
    Language::instance().setIndex(1);
    QCOMPARE(chooser()->windowTitle(), QStringLiteral("ComPort"));
    QCOMPARE(chooser()->button(0)->text(), QStringLiteral("Com1"));
    QVERIFY(chooser()->isHidden());
}

void TestPortChooser::probeEnablesTheOpenablePorts() {
    Sim sim;
    const QString missing = m_dir->filePath(QStringLiteral("missing"));
    QVERIFY(sim.start({}, {missing, sim.device}));
    // The list was set after the start; the device is in it twice (ports 1 and 3).
    qputenv(ports::OverrideVariable, (sim.device + ':' + missing + ':' + sim.device).toLocal8Bit());
    m_window->probePorts();
    QVERIFY(chooser()->button(0)->isEnabled());
    QVERIFY(!chooser()->button(1)->isEnabled());
    QVERIFY(chooser()->button(2)->isEnabled());
    for (int index = 3; index < 20; ++index)
        QVERIFY(!chooser()->button(index)->isEnabled());
    QCOMPARE(chooser()->button(0)->toolTip(), sim.device);
    QCOMPARE(chooser()->button(1)->toolTip(), missing);
}

void TestPortChooser::showingSelectsTheStoredPort_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("checked");
    QTest::newRow("3") << 3 << 2;
    QTest::newRow("20") << 20 << 19;
    QTest::newRow("0: first start") << 0 << -1;
    QTest::newRow("25: edited file") << 25 << -1;
}

void TestPortChooser::showingSelectsTheStoredPort() {
    QFETCH(int, stored);
    QFETCH(int, checked);
    // An earlier selection must not survive a port number outside 1..20.
    chooser()->button(7)->setChecked(true);
    m_window->setPortNumber(stored);
    QSignalSpy chosen(chooser(), &PortChooser::portChosen);
    m_window->findChild<QAction *>(QStringLiteral("MNCommPort"))->trigger();
    QVERIFY(chooser()->isVisible());
    // A selected button reports its number once, as a click would.
    QCOMPARE(chosen.count(), checked >= 0 ? 1 : 0);
    for (int index = 0; index < 20; ++index)
        QCOMPARE(chooser()->button(index)->isChecked(), index == checked);
    QCOMPARE(m_window->portNumber(), stored);
    QCOMPARE(panel(), QStringLiteral("COM: %1").arg(stored));
}

void TestPortChooser::clickSetsThePortAtOnce() {
    makePresent({1, 3, 12});
    m_window->showPortChooser();
    QVERIFY(QTest::qWaitForWindowExposed(chooser()));
    QTest::mouseClick(chooser()->button(11), Qt::LeftButton);
    QCOMPARE(m_window->portNumber(), 12);
    QCOMPARE(panel(), QStringLiteral("COM: 12"));
    // A port the probe did not find cannot be chosen.
    QTest::mouseClick(chooser()->button(4), Qt::LeftButton);
    QCOMPARE(m_window->portNumber(), 12);
    QVERIFY(chooser()->button(11)->isChecked());
    QTest::mouseClick(chooser()->button(0), Qt::LeftButton);
    QCOMPARE(m_window->portNumber(), 1);
    QCOMPARE(panel(), QStringLiteral("COM: 1"));
}

void TestPortChooser::everyWayOfChoosingSetsThePort_data() {
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("index"); // the button chosen (or, for the arrow, the one the focus starts on)
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("reports"); // how often the chooser tells the main window
    QTest::newRow("mouse") << "mouse" << 11 << 12 << 1;
    QTest::newRow("Space on the focused button") << "space" << 11 << 12 << 1;
    // The arrow moves to the next usable button and chooses it.
    QTest::newRow("right arrow from Com1") << "right" << 0 << 3 << 1;
    QTest::newRow("left arrow from Com3") << "left" << 2 << 1 << 1;
    // What a screen reader does.
    QTest::newRow("accessible press") << "press" << 11 << 12 << 1;
    QTest::newRow("accessible toggle") << "toggle" << 2 << 3 << 1;
    QTest::newRow("accessible press on the chosen button") << "press" << 0 << 1 << 0;
}

void TestPortChooser::everyWayOfChoosingSetsThePort() {
    QFETCH(QString, way);
    QFETCH(int, index);
    QFETCH(int, port);
    QFETCH(int, reports);
    makePresent({1, 3, 12});
    m_window->setPortNumber(1);
    m_window->showPortChooser();
    QVERIFY(QTest::qWaitForWindowActive(chooser()));
    QRadioButton *button = chooser()->button(index);
    if (way == "right" || way == "left") {
        // Start from that button chosen.
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(m_window->portNumber(), index + 1);
    }
    if (way == "space" || way == "right" || way == "left") {
        button->setFocus();
        QTRY_VERIFY(button->hasFocus());
    }
    QSignalSpy chosen(chooser(), &PortChooser::portChosen);
    if (way == "mouse") {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (way == "space" || way == "right" || way == "left") {
        const Qt::Key key = way == "space" ? Qt::Key_Space : way == "right" ? Qt::Key_Right : Qt::Key_Left;
        QTest::keyClick(button, key);
    } else {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY(accessible);
        QAccessibleActionInterface *actions = accessible->actionInterface();
        QVERIFY(actions);
        const QString action = way == "press" ? QAccessibleActionInterface::pressAction()
                                              : QAccessibleActionInterface::toggleAction();
        actions->doAction(action);
    }
    QTRY_VERIFY(!button->isDown()); // a screen reader's press lets go of the button a moment later
    QCOMPARE(m_window->portNumber(), port);
    QCOMPARE(panel(), QStringLiteral("COM: %1").arg(port));
    for (int i = 0; i < 20; ++i)
        QCOMPARE(chooser()->button(i)->isChecked(), i == port - 1);
    QCOMPARE(chosen.count(), reports);
}

void TestPortChooser::closeBoxHidesAndKeepsTheSelection() {
    makePresent({2, 9});
    m_window->showPortChooser();
    QTest::mouseClick(chooser()->button(8), Qt::LeftButton);
    QPointer<PortChooser> before = chooser();
    QVERIFY(chooser()->close() || chooser()->isHidden());
    QVERIFY(before);
    QVERIFY(chooser()->isHidden());
    m_window->showPortChooser();
    QVERIFY(chooser()->isVisible());
    QVERIFY(chooser()->button(8)->isChecked());
    QCOMPARE(m_window->portNumber(), 9);
}

void TestPortChooser::portPluggedInLaterAppearsOnReopening() {
    Sim first;
    QVERIFY(first.start({}));
    const QString later = m_dir->filePath(QStringLiteral("later"));
    // Port 2 names a device that does not exist yet.
    qputenv(ports::OverrideVariable, (first.device + ':' + later).toLocal8Bit());
    m_window->probePorts();
    m_window->showPortChooser();
    QVERIFY(chooser()->button(0)->isEnabled());
    QVERIFY(!chooser()->button(1)->isEnabled());
    chooser()->close();
    // The cable is plugged in: a pseudo-terminal appears under that name.
    Sim second;
    QVERIFY(second.start({QStringLiteral("--link"), later}));
    qputenv(ports::OverrideVariable, (first.device + ':' + later).toLocal8Bit());
    QVERIFY(!chooser()->button(1)->isEnabled()); // nothing looks while the chooser is closed
    m_window->showPortChooser();
    QVERIFY(chooser()->button(1)->isEnabled());
    QCOMPARE(chooser()->button(1)->toolTip(), later);
    // Chosen, it reads as any port.
    QTest::mouseClick(chooser()->button(1), Qt::LeftButton);
    QCOMPARE(panel(), QStringLiteral("COM: 2"));
}

// Finding ports opens none: a port another program holds (which cannot be opened) is still offered, and a
// watched device sees no open at all.
void TestPortChooser::probeOpensNoPort() {
    Sim sim;
    QVERIFY(sim.start({}));
    QSerialPort holder(sim.device);
    QVERIFY(holder.open(QIODevice::ReadWrite));
    const QString watched = m_dir->filePath(QStringLiteral("watched"));
    {
        QFile file(watched);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const int inotify = inotify_init1(IN_NONBLOCK);
    QVERIFY(inotify >= 0);
    QVERIFY(inotify_add_watch(inotify, QFile::encodeName(watched).constData(), IN_OPEN) >= 0);
    qputenv(ports::OverrideVariable, (sim.device + ':' + watched).toLocal8Bit());
    m_window->probePorts();
    m_window->showPortChooser();
    QVERIFY(chooser()->button(0)->isEnabled());
    QVERIFY(chooser()->button(1)->isEnabled());
    char events[4096];
    QCOMPARE(::read(inotify, events, sizeof events), ssize_t(-1)); // no event waiting
    // The watch itself works: an open is seen.
    {
        QFile file(watched);
        QVERIFY(file.open(QIODevice::ReadOnly));
    }
    QVERIFY(::read(inotify, events, sizeof events) > 0);
    ::close(inotify);
}

void TestPortChooser::toolTipsNameDeviceAndAdapter_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("tip");
    QTest::newRow("zh") << 0
                        << QString::fromUtf8(
                               "DIR/port1\n制造商：FTDI\n产品：FT232R USB UART\n序列号：A10K1ZQX");
    QTest::newRow("en") << 1
                        << QStringLiteral("DIR/port1\nManufacturer: FTDI\nProduct: FT232R USB UART\nSerial "
                                          "number: A10K1ZQX");
}

void TestPortChooser::toolTipsNameDeviceAndAdapter() {
    QFETCH(int, language);
    QFETCH(QString, tip);
    makePresent({1});
    QList<ports::PortPresence> found(20);
    found[0] = {true, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"), QStringLiteral("A10K1ZQX")};
    chooser()->setPresence(found);
    Language::instance().setIndex(language);
    QCOMPARE(chooser()->button(0)->toolTip(), tip.replace(QLatin1String("DIR"), m_dir->path()));
    QCOMPARE(chooser()->button(1)->toolTip(), m_dir->filePath(QStringLiteral("port2")));
    // The status panel still names the number only.
    m_window->setPortNumber(1);
    QCOMPARE(panel(), QStringLiteral("COM: 1"));
}

void TestPortChooser::progressWindowTexts_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::newRow("read zh") << false << 0 << QStringLiteral("正在读取……")
                             << QStringLiteral("正在读频，请稍候。");
    QTest::newRow("read en") << false << 1 << QStringLiteral("Reading……")
                             << QStringLiteral("Data is reading, please wait a moment.");
    QTest::newRow("write zh") << true << 0 << QStringLiteral("正在写入……")
                              << QStringLiteral("正在写频，请稍候。");
    QTest::newRow("write en") << true << 1 << QStringLiteral("Writing……")
                              << QStringLiteral("Data is writing, please wait a moment.");
}

void TestPortChooser::progressWindowTexts() {
    QFETCH(bool, write);
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, text);
    Language::instance().setIndex(language);
    Sim sim;
    QVERIFY(sim.start({}));
    m_window->setPortNumber(1);
    ProgressWindow *window = m_window->radioLink()->progressWindow();
    QString shownTitle;
    QString shownText;
    int minimum = 0;
    int maximum = 0;
    bool modal = false;
    connect(m_window->radioLink()->link(), &SerialLink::progress, this, [&](int value) {
        if (value != 3)
            return;
        shownTitle = window->windowTitle();
        shownText = window->findChild<QLabel *>(QStringLiteral("Label1"))->text();
        auto *bar = window->findChild<QProgressBar *>(QStringLiteral("ProgressBar1"));
        minimum = bar->minimum();
        maximum = bar->maximum();
        modal = window->isModal() && QApplication::activeModalWidget() == window;
    });
    BoxRecorder boxes;
    write ? m_window->writeRadio() : m_window->readRadio();
    QCOMPARE(boxes.shown.size(), 1);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownText, text);
    QCOMPARE(minimum, 1);
    QCOMPARE(maximum, 196);
    QVERIFY(modal);
}

void TestPortChooser::noDisplayIsOneLine() {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    program.setProcessEnvironment(env);
    program.start(binary("orlex-k7"), {QStringLiteral("--simulate")});
    QVERIFY(program.waitForFinished(Patience));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY(program.exitCode() != 0);
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(err.count('\n'), 1);
    QVERIFY(err.contains("display"));
    QVERIFY(program.readAllStandardOutput().isEmpty());
}

void TestPortChooser::screenshots() {
    const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ORLEX_K7_SCREENSHOT_DIR to a directory to save the windows' pictures");
    QDir().mkpath(dir);
    // Offscreen windows have no frame: paint a plain caption strip above the client area.
    auto framed = [](QWidget *window) {
        const QPixmap client = window->grab();
        constexpr int Caption = 26;
        QPixmap shot(client.width() + 2, client.height() + Caption + 1);
        shot.fill(QColor(0, 84, 166));
        QPainter painter(&shot);
        painter.setPen(Qt::white);
        painter.drawText(QRect(8, 0, shot.width() - 40, Caption), Qt::AlignVCenter, window->windowTitle());
        painter.drawText(QRect(shot.width() - 26, 0, 20, Caption), Qt::AlignCenter, QStringLiteral("✕"));
        painter.drawPixmap(1, Caption, client);
        return shot;
    };

    Sim sim;
    QVERIFY(sim.start({QStringLiteral("--slow"), QStringLiteral("0:5")}));
    for (int language : {0, 1}) {
        const QString suffix = language == 0 ? QStringLiteral("zh") : QStringLiteral("en");
        Language::instance().setIndex(language);
        qputenv(ports::OverrideVariable,
                (sim.device + ':' + m_dir->filePath("missing") + ':' + sim.device).toLocal8Bit());
        m_window->probePorts();
        m_window->setPortNumber(3);
        m_window->showPortChooser();
        QVERIFY(QTest::qWaitForWindowExposed(chooser()));
        QVERIFY(
            framed(chooser()).save(dir + QStringLiteral("/portchooser_") + suffix + QStringLiteral(".png")));

        // The tool tip of a USB cable's button, as a known adapter shows it (the adapter is made up here).
        qputenv(ports::OverrideVariable, "/dev/ttyUSB0:/dev/ttyUSB1");
        QList<ports::PortPresence> found(20);
        found[0] = {true, QStringLiteral("FTDI"), QStringLiteral("FT232R USB UART"),
                    QStringLiteral("A10K1ZQX")};
        chooser()->setPresence(found);
        QRadioButton *button = chooser()->button(0);
        const QPoint at = button->mapToGlobal(QPoint(button->width() / 2, button->height()));
        QToolTip::showText(at, button->toolTip(), button);
        QWidget *tip = nullptr;
        QTRY_VERIFY((tip = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w->inherits("QTipLabel") && w->isVisible())
                    return w;
            return static_cast<QWidget *>(nullptr);
        }()));
        const QPixmap chooserShot = framed(chooser());
        const QPoint tipAt = tip->pos() - chooser()->mapToGlobal(QPoint(0, 0)) + QPoint(1, 26);
        QPixmap shot(std::max(chooserShot.width(), tipAt.x() + tip->width()) + 4,
                     std::max(chooserShot.height(), tipAt.y() + tip->height()) + 4);
        shot.fill(Qt::white);
        {
            QPainter painter(&shot);
            painter.drawPixmap(0, 0, chooserShot);
            painter.drawPixmap(tipAt, tip->grab());
        }
        QVERIFY(shot.save(dir + QStringLiteral("/portchooser_tooltip_") + suffix + QStringLiteral(".png")));
        QToolTip::hideText();
        qputenv(ports::OverrideVariable,
                (sim.device + ':' + m_dir->filePath("missing") + ':' + sim.device).toLocal8Bit());
        chooser()->close();

        ProgressWindow *window = m_window->radioLink()->progressWindow();
        bool saved = false;
        const QMetaObject::Connection grab =
            connect(m_window->radioLink()->link(), &SerialLink::progress, window, [&](int value) {
                if (value < 98 || saved)
                    return;
                saved =
                    framed(window).save(dir + QStringLiteral("/progress_") + suffix + QStringLiteral(".png"));
                QTimer::singleShot(0, window, &QWidget::close);
            });
        BoxRecorder boxes;
        m_window->readRadio();
        QVERIFY(saved);
        disconnect(grab);
    }
}

ORLEX_GUI_TEST_MAIN(TestPortChooser)
#include "tst_portchooser.moc"
