#include "editors/calibrationwindow.h"
#include "featuretesthelpers.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>

using namespace featuretest;

class TestCalibrationWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startValues();
    void slidersFollowCalibrationMode();
    void mouseDragToEnds_data();
    void mouseDragToEnds();
    void keyboard_data();
    void keyboard();
    void tabChangeKeepsValues();
    void followsDocument();
    void captions_data();
    void captions();
    void screenshots();

private:
    QSlider *slider(int i) {
        return child<QSlider>(m_window, QStringLiteral("Slider1_%1").arg(i).toLatin1());
    }
    QLabel *valueLabel(int i) {
        return child<QLabel>(m_window, QStringLiteral("Label3_%1").arg(i).toLatin1());
    }
    void showTabOf(int i) { child<QTabWidget>(m_window, "SSTab1")->setCurrentIndex(i / 3); }

    Document *m_document = nullptr;
    CalibrationWindow *m_window = nullptr;
};

void TestCalibrationWindow::init() {
    Language::instance().setIndex(0);
    m_document = new Document;
    m_window = new CalibrationWindow(*m_document);
    showActive(m_window);
}

void TestCalibrationWindow::cleanup() {
    delete m_window;
    delete m_document;
    Language::instance().setIndex(0);
}

void TestCalibrationWindow::startValues() {
    const int expected[6] = {218, 218, 116, 218, 218, 116};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(slider(i)->value(), expected[i]);
        QCOMPARE(valueLabel(i)->text(), QString::number(expected[i]));
        QCOMPARE(slider(i)->minimum(), 0);
        QCOMPARE(slider(i)->maximum(), 255);
        QCOMPARE(slider(i)->singleStep(), 1);
        QCOMPARE(slider(i)->pageStep(), 5);
    }
}

void TestCalibrationWindow::slidersFollowCalibrationMode() {
    for (int i = 0; i < 6; ++i)
        QVERIFY(!slider(i)->isEnabled());
    // a disabled slider ignores the keyboard
    slider(0)->setFocus();
    QTest::keyClick(slider(0), Qt::Key_End);
    QCOMPARE(m_document->config().calibration[0], 218);

    m_document->setCalibrationMode(true);
    for (int i = 0; i < 6; ++i)
        QVERIFY(slider(i)->isEnabled());
    m_document->setCalibrationMode(false);
    for (int i = 0; i < 6; ++i)
        QVERIFY(!slider(i)->isEnabled());
}

void TestCalibrationWindow::mouseDragToEnds_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("toRight");
    QTest::addColumn<int>("expected");
    QTest::newRow("A high to the right end") << 0 << true << 255;
    QTest::newRow("A low to the left end") << 2 << false << 0;
    QTest::newRow("B middle to the right end") << 4 << true << 255;
    QTest::newRow("B low to the left end") << 5 << false << 0;
}

void TestCalibrationWindow::mouseDragToEnds() {
    QFETCH(int, index);
    QFETCH(bool, toRight);
    QFETCH(int, expected);
    m_document->setCalibrationMode(true);
    showTabOf(index);
    QSlider *s = slider(index);

    QStyleOptionSlider option;
    option.initFrom(s);
    option.orientation = s->orientation();
    option.minimum = s->minimum();
    option.maximum = s->maximum();
    option.sliderPosition = s->sliderPosition();
    option.sliderValue = s->value();
    const QRect handle = s->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s);
    const QPoint start = handle.center();
    const QPoint end(toRight ? s->width() + 50 : -50, start.y());

    QTest::mousePress(s, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent halfway(QEvent::MouseMove, QPointF((start.x() + end.x()) / 2, start.y()),
                        s->mapToGlobal(QPointF((start.x() + end.x()) / 2, start.y())), Qt::NoButton,
                        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &halfway);
    // while dragging, the position passed is already stored
    QCOMPARE(m_document->config().calibration[std::size_t(index)], s->value());
    QCOMPARE(valueLabel(index)->text(), QString::number(s->value()));
    QMouseEvent move(QEvent::MouseMove, QPointF(end), s->mapToGlobal(QPointF(end)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(s, &move);
    QTest::mouseRelease(s, Qt::LeftButton, Qt::NoModifier, end);

    QCOMPARE(s->value(), expected);
    QCOMPARE(valueLabel(index)->text(), QString::number(expected));
    QCOMPARE(m_document->config().calibration[std::size_t(index)], expected);
}

void TestCalibrationWindow::keyboard_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("End") << 1 << int(Qt::Key_End) << 255;
    QTest::newRow("Home") << 3 << int(Qt::Key_Home) << 0;
    QTest::newRow("Right is a small change") << 2 << int(Qt::Key_Right) << 117;
    QTest::newRow("Left is a small change") << 2 << int(Qt::Key_Left) << 115;
    QTest::newRow("Page Up is a large change") << 5 << int(Qt::Key_PageUp) << 121;
    QTest::newRow("Page Down is a large change") << 0 << int(Qt::Key_PageDown) << 213;
}

void TestCalibrationWindow::keyboard() {
    QFETCH(int, index);
    QFETCH(int, key);
    QFETCH(int, expected);
    m_document->setCalibrationMode(true);
    showTabOf(index);
    slider(index)->setFocus();
    QTest::keyClick(slider(index), Qt::Key(key));
    QCOMPARE(valueLabel(index)->text(), QString::number(expected));
    QCOMPARE(m_document->config().calibration[std::size_t(index)], expected);
    for (int i = 0; i < 6; ++i)
        if (i != index)
            QCOMPARE(m_document->config().calibration[std::size_t(i)], i % 3 == 2 ? 116 : 218);
}

void TestCalibrationWindow::tabChangeKeepsValues() {
    m_document->setCalibrationMode(true);
    slider(4)->setValue(7);
    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    tabs->setCurrentIndex(1);
    tabs->setCurrentIndex(0);
    const std::array<int, 6> expected{218, 218, 116, 218, 7, 116};
    QCOMPARE(m_document->config().calibration, expected);
    QCOMPARE(valueLabel(4)->text(), QStringLiteral("7"));
}

void TestCalibrationWindow::followsDocument() {
    RadioConfig config;
    config.calibration = {4, 5, 6, 1, 2, 3};
    m_document->setConfig(config);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(slider(i)->value(), config.calibration[std::size_t(i)]);
        QCOMPARE(valueLabel(i)->text(), QString::number(config.calibration[std::size_t(i)]));
    }
    QCOMPARE(m_document->config().calibration, config.calibration);
}

void TestCalibrationWindow::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("window") << "Form4"
                            << "调试"
                            << "Debugging";
    const char *zhFrames[3] = {"高功率等级", "中功率等级", "低功率等级"};
    const char *enFrames[3] = {"High Power Grades", "Middle Power Grades", "Low Power Grades"};
    for (int i = 0; i < 6; ++i) {
        const QByteArray n = QByteArray::number(i);
        QTest::newRow("Frame1_" + n) << QString::fromLatin1("Frame1_" + n)
                                     << QString::fromUtf8(zhFrames[i % 3])
                                     << QString::fromUtf8(enFrames[i % 3]);
        QTest::newRow("Label1_" + n) << QString::fromLatin1("Label1_" + n) << "低"
                                     << "Low";
        QTest::newRow("Label2_" + n) << QString::fromLatin1("Label2_" + n) << "高"
                                     << "High";
    }
}

void TestCalibrationWindow::captions() {
    QFETCH(QString, control);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    LanguageGuard guard;
    m_document->setCalibrationMode(true);
    slider(2)->setValue(99);
    auto *tabs = child<QTabWidget>(m_window, "SSTab1");
    tabs->setCurrentIndex(1);
    QWidget *widget = control == QLatin1String("Form4") ? m_window : m_window->findChild<QWidget *>(control);
    QVERIFY(widget);

    QCOMPARE(caption(widget), chinese);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A组功率等级"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("B组功率等级"));
    Language::instance().setIndex(1);
    QCOMPARE(caption(widget), english);
    QCOMPARE(tabs->tabText(0), QStringLiteral("A Power Grades"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("B Power Grades"));
    Language::instance().setIndex(0);
    QCOMPARE(caption(widget), chinese);

    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(slider(2)->value(), 99);
    QCOMPARE(valueLabel(2)->text(), QStringLiteral("99"));
    QCOMPARE(m_document->config().calibration[2], 99);
}

void TestCalibrationWindow::screenshots() {
    if (!screenshotsWanted())
        QSKIP("ORLEX_K7_SCREENSHOT_DIR is not set");
    LanguageGuard guard;
    m_document->setCalibrationMode(true);
    for (int language : {0, 1}) {
        Language::instance().setIndex(language);
        saveScreenshot({settledGrab(m_window)}, language == 0 ? "calibration_zh" : "calibration_en");
    }
}

QTEST_MAIN(TestCalibrationWindow)
#include "tst_calibrationwindow.moc"
