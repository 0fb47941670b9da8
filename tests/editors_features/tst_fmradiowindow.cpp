#include "editors/calibrationwindow.h"
#include "editors/fmradiowindow.h"
#include "featuretesthelpers.h"
#include "files/datfile.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>

using namespace featuretest;

class TestFmRadioWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void loadsStore();
    void channelCell_data();
    void channelCell();
    void pastedTextIsNoNumber_data();
    void pastedTextIsNoNumber();
    void vfoBox_data();
    void vfoBox();
    void keyFilters();
    void clickOnChannelNumberEditsFrequency();
    void messageFollowsRowAndHidesOnClick();
    void cancelThenReopen();
    void okCommits();
    void refusedOk_data();
    void refusedOk();
    void storedOutsideListsSurvivesOk_data();
    void storedOutsideListsSurvivesOk();
    void buttonsHideTheMdiFrame();
    void followsDocument();
    void savedAndOpenedAgain();
    void captions_data();
    void captions();
    void languageRoundTripKeepsDraft();
    void loadedInEnglish();
    void screenshots();

private:
    QTableView *grid() { return child<QTableView>(m_window, "MSFGrid"); }
    QLineEdit *vfo() { return child<QLineEdit>(m_window, "Text2"); }
    QComboBox *list(int i) {
        return child<QComboBox>(m_window, QStringLiteral("Combo1_%1").arg(i).toLatin1());
    }
    QLabel *message() { return child<QLabel>(m_window, "Label2"); }
    QString cell(int row) { return grid()->model()->index(row, 1).data().toString(); }
    QLineEdit *editor() { return m_window->findChild<QLineEdit *>(QStringLiteral("Text1")); }
    void clickCell(int row, int column);
    void typeIntoCell(int row, const QString &text);
    void typeIntoVfo(const QString &text);

    Document *m_document = nullptr;
    FmRadioWindow *m_window = nullptr;
    FmSettings m_store;
};

void TestFmRadioWindow::init() {
    Language::instance().setIndex(0);
    m_document = new Document;
    m_store = FmSettings{};
    m_store.channels[0] = QStringLiteral("87.50");
    m_store.channels[2] = QStringLiteral("98.10");
    m_store.channels[24] = QStringLiteral("107.90");
    m_store.vfo = QStringLiteral("96.00");
    m_store.channel = 3;
    m_store.displayMode = 1;
    m_store.step = 2;
    m_document->setFm(m_store);
    m_window = new FmRadioWindow(*m_document);
    showActive(m_window);
}

void TestFmRadioWindow::cleanup() {
    delete m_window;
    delete m_document;
    Language::instance().setIndex(0);
}

void TestFmRadioWindow::clickCell(int row, int column) {
    const QModelIndex index = grid()->model()->index(row, column);
    grid()->scrollTo(index);
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, Qt::NoModifier, grid()->visualRect(index).center());
}

void TestFmRadioWindow::typeIntoCell(int row, const QString &text) {
    clickCell(row, 1);
    QLineEdit *box = editor();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(!editor());
}

void TestFmRadioWindow::typeIntoVfo(const QString &text) {
    vfo()->setFocus();
    vfo()->selectAll();
    QTest::keyClick(vfo(), Qt::Key_Backspace);
    QTest::keyClicks(vfo(), text);
    QTest::keyClick(vfo(), Qt::Key_Return); // gives the table the focus
    QVERIFY(!vfo()->hasFocus());
}

void TestFmRadioWindow::loadsStore() {
    for (int row = 0; row < 25; ++row) {
        QCOMPARE(grid()->model()->index(row, 0).data().toString(), QString::number(row + 1));
        QCOMPARE(cell(row), m_store.channels[std::size_t(row)]);
    }
    QCOMPARE(vfo()->text(), QStringLiteral("96.00"));
    QCOMPARE(list(0)->currentText(), QStringLiteral("3"));
    QCOMPARE(list(0)->count(), 25);
    QCOMPARE(list(1)->currentIndex(), 1);
    QCOMPARE(list(2)->currentText(), QStringLiteral("200K"));
    QVERIFY(!list(2)->isVisible());
    QVERIFY(!child<QLabel>(m_window, "Label1_2")->isVisible());
    QVERIFY(!message()->isVisible());
    QVERIFY(!editor());
}

void TestFmRadioWindow::channelCell_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");
    QTest::newRow("86.9 refused") << "86.9"
                                  << "98.10" << true;
    QTest::newRow("87 taken") << "87"
                              << "87.00" << false;
    QTest::newRow("107.9 taken") << "107.9"
                                 << "107.90" << false;
    QTest::newRow("107.91 refused") << "107.91"
                                    << "98.10" << true;
    QTest::newRow("108 refused") << "108"
                                 << "98.10" << true;
    QTest::newRow("100.099 cut down") << "100.099"
                                      << "100.05" << false;
    QTest::newRow("98.17 cut down") << "98.17"
                                    << "98.15" << false;
    QTest::newRow("98.1") << "98.1"
                          << "98.10" << false;
    QTest::newRow("emptied clears the channel") << ""
                                                << "" << false;
    QTest::newRow("not a number changes nothing") << "9.8.1"
                                                  << "98.10" << false;
}

void TestFmRadioWindow::channelCell() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, refused);
    typeIntoCell(2, typed);
    QCOMPARE(cell(2), expected);
    QCOMPARE(message()->isVisible(), refused);
    if (refused)
        QCOMPARE(message()->text(), QStringLiteral("超出频率范围(87-107.9)，请重输。"));
    // the store waits for OK
    QCOMPARE(m_document->config().fm, m_store);
}

void TestFmRadioWindow::pastedTextIsNoNumber_data() {
    QTest::addColumn<QString>("pasted");
    QTest::newRow("exponent") << "9.8e1";
    QTest::newRow("nan") << "nan";
    QTest::newRow("sign") << "+98";
}

// Pasting bypasses the key filter: only what could be typed may count as a number.
void TestFmRadioWindow::pastedTextIsNoNumber() {
    QFETCH(QString, pasted);
    clickCell(2, 1);
    QLineEdit *box = editor();
    QVERIFY(box);
    box->selectAll();
    box->insert(pasted);
    QTest::keyClick(box, Qt::Key_Return);
    QTRY_VERIFY(!editor());
    QCOMPARE(cell(2), QStringLiteral("98.10"));
    QVERIFY(!message()->isVisible());

    vfo()->setFocus();
    vfo()->selectAll();
    vfo()->insert(pasted);
    QTest::keyClick(vfo(), Qt::Key_Return);
    QCOMPARE(vfo()->text(), pasted);
    QVERIFY(!message()->isVisible());
}

void TestFmRadioWindow::vfoBox_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("refused");
    QTest::newRow("86.9 refused") << "86.9"
                                  << "" << true;
    QTest::newRow("87 taken") << "87"
                              << "87.00" << false;
    QTest::newRow("107.9 refused here") << "107.9"
                                        << "" << true;
    QTest::newRow("107.89 taken") << "107.89"
                                  << "107.85" << false;
    QTest::newRow("100.099 cut down") << "100.099"
                                      << "100.05" << false;
    QTest::newRow("empty stays empty") << ""
                                       << "" << false;
    QTest::newRow("not a number stays") << "1.2.3"
                                        << "1.2.3" << false;
}

void TestFmRadioWindow::vfoBox() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QFETCH(bool, refused);
    typeIntoVfo(typed);
    QCOMPARE(vfo()->text(), expected);
    QCOMPARE(message()->isVisible(), refused);
    if (refused)
        QCOMPARE(message()->pos(), QPoint(twipsToPixels(5600), twipsToPixels(100)));
    QCOMPARE(m_document->config().fm, m_store);
}

void TestFmRadioWindow::keyFilters() {
    vfo()->clear();
    vfo()->setFocus();
    QTest::keyClicks(vfo(), QStringLiteral("9a8,. 1x-"));
    QCOMPARE(vfo()->text(), QStringLiteral("98.1"));

    clickCell(5, 1);
    QVERIFY(editor());
    QTest::keyClicks(editor(), QStringLiteral("1e0 1+.5"));
    QCOMPARE(editor()->text(), QStringLiteral("101.5"));
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_VERIFY(!editor());
    QCOMPARE(cell(5), QStringLiteral("101.50"));
}

void TestFmRadioWindow::clickOnChannelNumberEditsFrequency() {
    for (int row : {2, 7}) { // a filled and an empty channel
        clickCell(row, 0);
        QVERIFY(editor());
        QCOMPARE(editor()->text(), m_store.channels[std::size_t(row)]);
        QCOMPARE(editor()->geometry(), grid()->visualRect(grid()->model()->index(row, 1)));
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_VERIFY(!editor());
        QVERIFY(!message()->isVisible()); // leaving an unchanged cell is no error
        QCOMPARE(cell(row), m_store.channels[std::size_t(row)]);
    }
}

void TestFmRadioWindow::messageFollowsRowAndHidesOnClick() {
    typeIntoCell(1, QStringLiteral("50"));
    QVERIFY(message()->isVisible());
    QCOMPARE(message()->x(), twipsToPixels(3615));
    const int rowOneTop = message()->y();
    QCOMPARE(
        rowOneTop,
        grid()->viewport()->mapTo(m_window, grid()->visualRect(grid()->model()->index(1, 1)).topLeft()).y());

    clickCell(2, 1);
    QVERIFY(editor());
    QVERIFY(message()->isVisible());
    QCOMPARE(message()->y(), rowOneTop + grid()->rowHeight(1));
    QTest::mouseClick(message(), Qt::LeftButton);
    QVERIFY(!message()->isVisible());
    QVERIFY(editor()); // the click empties the editor and leaves it open
    QCOMPARE(editor()->text(), QString());
    QTest::keyClick(editor(), Qt::Key_Return);
    QTRY_VERIFY(!editor());
    QCOMPARE(cell(2), QString());
}

void TestFmRadioWindow::cancelThenReopen() {
    typeIntoCell(0, QStringLiteral("99.5"));
    typeIntoVfo(QStringLiteral("88"));
    list(0)->setEditText(QStringLiteral("12"));
    QTest::mouseClick(child<QPushButton>(m_window, "Command2"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_document->config().fm, m_store);

    showActive(m_window);
    QCOMPARE(cell(0), QStringLiteral("99.50"));
    QCOMPARE(vfo()->text(), QStringLiteral("88.00"));
    QCOMPARE(list(0)->currentText(), QStringLiteral("12"));

    QTest::mouseClick(child<QPushButton>(m_window, "Command1"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    FmSettings expected = m_store;
    expected.channels[0] = QStringLiteral("99.50");
    expected.vfo = QStringLiteral("88.00");
    expected.channel = 12;
    QCOMPARE(m_document->config().fm, expected);
}

void TestFmRadioWindow::okCommits() {
    typeIntoCell(2, QString());
    typeIntoCell(10, QStringLiteral("107.9"));
    clickCell(11, 1);
    QTest::keyClicks(editor(), QStringLiteral("90.123"));
    list(0)->setCurrentIndex(24);
    list(1)->setCurrentIndex(0);
    list(2)->setCurrentIndex(0);
    // the open edit is taken before the window closes
    child<QPushButton>(m_window, "Command1")->click();
    QTRY_VERIFY(!editor());
    QVERIFY(!m_window->isVisible());

    FmSettings expected = m_store;
    expected.channels[2] = QString();
    expected.channels[10] = QStringLiteral("107.90");
    expected.channels[11] = QStringLiteral("90.10");
    expected.channel = 25;
    expected.displayMode = 0;
    expected.step = 0;
    QCOMPARE(m_document->config().fm, expected);
}

void TestFmRadioWindow::refusedOk_data() {
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("displayMode");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("focused");
    QTest::newRow("channel 0") << "0"
                               << "频道"
                               << "50K"
                               << "Combo1_0";
    QTest::newRow("channel 26") << "26"
                                << "频道"
                                << "50K"
                                << "Combo1_0";
    QTest::newRow("channel 3.5") << "3.5"
                                 << "频道"
                                 << "50K"
                                 << "Combo1_0";
    QTest::newRow("channel empty") << ""
                                   << "频道"
                                   << "50K"
                                   << "Combo1_0";
    QTest::newRow("channel text") << "abc"
                                  << "频道"
                                  << "50K"
                                  << "Combo1_0";
    QTest::newRow("display mode typed") << "5"
                                        << "频率"
                                        << "50K"
                                        << "Combo1_1";
    QTest::newRow("display mode empty") << "5"
                                        << ""
                                        << "50K"
                                        << "Combo1_1";
    QTest::newRow("step typed") << "5"
                                << "频道"
                                << "75K"
                                << "";
}

void TestFmRadioWindow::refusedOk() {
    QFETCH(QString, channel);
    QFETCH(QString, displayMode);
    QFETCH(QString, step);
    QFETCH(QString, focused);
    typeIntoCell(4, QStringLiteral("95"));
    list(0)->setEditText(channel);
    list(1)->setEditText(displayMode);
    list(2)->setEditText(step);
    QTest::mouseClick(child<QPushButton>(m_window, "Command1"), Qt::LeftButton);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_document->config().fm, m_store);
    QCOMPARE(list(0)->currentText(), channel);
    QCOMPARE(list(1)->currentText(), displayMode);
    QCOMPARE(list(2)->currentText(), step);
    QCOMPARE(cell(4), QStringLiteral("95.00"));
    if (!focused.isEmpty()) {
        QWidget *field = m_window->findChild<QWidget *>(focused);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus == field || field->isAncestorOf(focus));
    }
}

// A display mode or step byte outside the lists (a fresh radio holds FF) shows an empty list and is stored
// again unchanged by OK unless an entry is chosen; a typed text matching no entry is still refused.
void TestFmRadioWindow::storedOutsideListsSurvivesOk_data() {
    QTest::addColumn<int>("storedMode");
    QTest::addColumn<int>("storedStep");
    QTest::addColumn<QString>("typedMode"); // "-" = the list is left alone
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("expectedMode");
    QTest::addColumn<int>("expectedStep");
    QTest::newRow("FF FF left alone") << 255 << 255 << "-" << true << 255 << 255;
    QTest::newRow("07 02 left alone") << 7 << 2 << "-" << true << 7 << 2;
    QTest::newRow("FF, Frequency chosen") << 255 << 3 << "频率(MHz)" << true << 1 << 3;
    QTest::newRow("FF, Channel chosen") << 255 << 255 << "频道" << true << 0 << 255;
    QTest::newRow("FF, text typed") << 255 << 255 << "abc" << false << 255 << 255;
}

void TestFmRadioWindow::storedOutsideListsSurvivesOk() {
    QFETCH(int, storedMode);
    QFETCH(int, storedStep);
    QFETCH(QString, typedMode);
    QFETCH(bool, accepted);
    QFETCH(int, expectedMode);
    QFETCH(int, expectedStep);
    FmSettings store = m_store;
    store.displayMode = storedMode;
    store.step = storedStep;
    m_document->setFm(store);
    QCOMPARE(list(1)->currentText(), QString());
    QCOMPARE(list(1)->currentIndex(), -1);
    QCOMPARE(list(2)->currentText(), storedStep == 2 ? QStringLiteral("200K") : QString());
    typeIntoCell(4, QStringLiteral("95"));
    if (typedMode != QLatin1String("-"))
        list(1)->setEditText(typedMode);
    QTest::mouseClick(child<QPushButton>(m_window, "Command1"), Qt::LeftButton);
    QCOMPARE(m_window->isVisible(), !accepted);
    const FmSettings &now = m_document->config().fm;
    QCOMPARE(now.displayMode, expectedMode);
    QCOMPARE(now.step, expectedStep);
    QCOMPARE(now.channels[4], accepted ? QStringLiteral("95.00") : QString());
}

void TestFmRadioWindow::buttonsHideTheMdiFrame() {
    m_window->hide();
    QMdiArea area;
    QMdiSubWindow *frame = area.addSubWindow(m_window);
    area.resize(800, 500);
    area.show();
    m_window->show();
    frame->show();
    QVERIFY(frame->isVisible());
    QTest::mouseClick(child<QPushButton>(m_window, "Command2"), Qt::LeftButton);
    QVERIFY(!frame->isVisible());
    frame->show();
    QVERIFY(m_window->isVisible());
    QTest::mouseClick(child<QPushButton>(m_window, "Command1"), Qt::LeftButton);
    QVERIFY(!frame->isVisible());
    m_window->setParent(nullptr); // the test owns the window
}

void TestFmRadioWindow::followsDocument() {
    clickCell(3, 1);
    QTest::keyClicks(editor(), QStringLiteral("91"));
    typeIntoVfo(QStringLiteral("100"));
    clickCell(3, 1);
    QTest::keyClicks(editor(), QStringLiteral("91"));

    FmSettings replaced;
    replaced.channels[3] = QStringLiteral("108.00");
    replaced.vfo = QString();
    replaced.channel = 25;
    replaced.displayMode = 0;
    replaced.step = 1;
    m_document->setFm(replaced);
    QTRY_VERIFY(!editor());
    QCOMPARE(cell(3), QStringLiteral("108.00"));
    QCOMPARE(cell(2), QString());
    QCOMPARE(vfo()->text(), QString());
    QCOMPARE(list(0)->currentText(), QStringLiteral("25"));
    QCOMPARE(list(1)->currentIndex(), 0);
    QCOMPARE(list(2)->currentText(), QStringLiteral("100K"));
    QCOMPARE(m_document->config().fm, replaced);
}

void TestFmRadioWindow::savedAndOpenedAgain() {
    CalibrationWindow calibration(*m_document);
    m_document->setCalibrationMode(true);
    auto *slider = calibration.findChild<QSlider *>(QStringLiteral("Slider1_4"));
    slider->setValue(200);
    typeIntoCell(6, QStringLiteral("88.8"));
    typeIntoVfo(QStringLiteral("104.35"));
    list(0)->setCurrentIndex(6);
    QTest::mouseClick(child<QPushButton>(m_window, "Command1"), Qt::LeftButton);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fm.dat"));
    QCOMPARE(datfile::write(path, m_document->encodeWriteImage()), QString());
    const datfile::ReadResult opened = datfile::read(path);
    QCOMPARE(opened.error, datfile::ReadError::None);
    // the stored bytes: channel 7 at 1900..1901 is (88.8 - 87) x 10 = 18, slider 4 at 2017
    QCOMPARE(opened.image[1900], std::uint8_t(0x00));
    QCOMPARE(opened.image[1901], std::uint8_t(0x12));
    QCOMPARE(opened.image[1952], std::uint8_t(7));
    QCOMPARE(opened.image[2017], std::uint8_t(200));

    Document reopened;
    FmRadioWindow window(reopened);
    CalibrationWindow calibrationAgain(reopened);
    reopened.readImage() = opened.image;
    reopened.decodeReadImage();
    auto cellOf = [&window](int row) {
        return window.findChild<QTableView *>(QStringLiteral("MSFGrid"))
            ->model()
            ->index(row, 1)
            .data()
            .toString();
    };
    QCOMPARE(cellOf(6), QStringLiteral("88.80"));
    QCOMPARE(cellOf(2), QStringLiteral("98.10"));
    // the image holds 0.1 MHz steps: 104.35 is stored as 173.5 rounded to the even 174
    QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("Text2"))->text(), QStringLiteral("104.40"));
    QCOMPARE(window.findChild<QComboBox *>(QStringLiteral("Combo1_0"))->currentText(), QStringLiteral("7"));
    QCOMPARE(calibrationAgain.findChild<QSlider *>(QStringLiteral("Slider1_4"))->value(), 200);
    QCOMPARE(calibrationAgain.findChild<QLabel *>(QStringLiteral("Label3_4"))->text(), QStringLiteral("200"));
    QCOMPARE(calibrationAgain.findChild<QSlider *>(QStringLiteral("Slider1_0"))->value(), 218);
}

void TestFmRadioWindow::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("window") << "Form5"
                            << "FM频道设置"
                            << "FM Channel Set";
    QTest::newRow("Label1_0") << "Label1_0"
                              << "当前收音机工作频道:"
                              << "Present Channel:";
    QTest::newRow("Label1_1") << "Label1_1"
                              << "显示模式:"
                              << "FM Display Mode:";
    QTest::newRow("Label1_2 is not translated") << "Label1_2"
                                                << "收音机步进频率:"
                                                << "收音机步进频率:";
    QTest::newRow("Label1_3") << "Label1_3"
                              << "收音机全频频率:"
                              << "FM VFO:";
    QTest::newRow("Command1") << "Command1"
                              << "确定"
                              << "OK";
    QTest::newRow("Command2") << "Command2"
                              << "取消"
                              << "Cancel";
}

void TestFmRadioWindow::captions() {
    QFETCH(QString, control);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    LanguageGuard guard;
    checkCaptionRoundTrip(m_window, control, chinese, english);
}

void TestFmRadioWindow::languageRoundTripKeepsDraft() {
    LanguageGuard guard;
    auto headers = [this] {
        return QStringList{grid()->model()->headerData(0, Qt::Horizontal).toString(),
                           grid()->model()->headerData(1, Qt::Horizontal).toString()};
    };
    auto modes = [this] { return QStringList{list(1)->itemText(0), list(1)->itemText(1)}; };
    QCOMPARE(headers(), (QStringList{"频道", "频率(MHz)"}));
    QCOMPARE(modes(), (QStringList{"频道", "频率(MHz)"}));
    QCOMPARE(list(1)->currentText(), QStringLiteral("频率(MHz)"));

    typeIntoCell(8, QStringLiteral("101.7"));
    typeIntoVfo(QStringLiteral("106"));
    list(0)->setEditText(QStringLiteral("17"));
    typeIntoCell(9, QStringLiteral("20"));
    QVERIFY(message()->isVisible());

    Language::instance().setIndex(1);
    QCOMPARE(headers(), (QStringList{"Channel", "Frequency(MHz)"}));
    QCOMPARE(modes(), (QStringList{"Channel", "Frequency"}));
    QCOMPARE(list(1)->currentIndex(), 1);
    QCOMPARE(list(1)->currentText(), QStringLiteral("Frequency"));
    QCOMPARE(message()->text(),
             QStringLiteral("Beyond the scope of frequency(87-107.9), please input again."));
    list(1)->setEditText(QStringLiteral("Chan")); // a typed text survives the next switch

    Language::instance().setIndex(0);
    QCOMPARE(headers(), (QStringList{"频道", "频率(MHz)"}));
    QCOMPARE(modes(), (QStringList{"频道", "频率"}));
    QCOMPARE(list(1)->currentText(), QStringLiteral("Chan"));
    QCOMPARE(cell(8), QStringLiteral("101.70"));
    QCOMPARE(cell(2), QStringLiteral("98.10"));
    QCOMPARE(vfo()->text(), QStringLiteral("106.00"));
    QCOMPARE(list(0)->currentText(), QStringLiteral("17"));
    QCOMPARE(list(2)->currentText(), QStringLiteral("200K"));
    QCOMPARE(message()->text(), QStringLiteral("超出频率范围(87-107.9)，请重输。"));
    QCOMPARE(m_document->config().fm, m_store);
}

void TestFmRadioWindow::loadedInEnglish() {
    LanguageGuard guard;
    Language::instance().setIndex(1);
    FmRadioWindow window(*m_document);
    auto *modes = window.findChild<QComboBox *>(QStringLiteral("Combo1_1"));
    QCOMPARE(modes->itemText(0), QStringLiteral("Channel"));
    QCOMPARE(modes->itemText(1), QStringLiteral("Frequency(MHz)"));
    QCOMPARE(window.windowTitle(), QStringLiteral("FM Channel Set"));
}

void TestFmRadioWindow::screenshots() {
    if (!screenshotsWanted())
        QSKIP("ORLEX_K7_SCREENSHOT_DIR is not set");
    LanguageGuard guard;
    FmSettings fm = m_store;
    fm.channels[1] = QStringLiteral("91.50");
    fm.channels[3] = QStringLiteral("101.70");
    m_document->setFm(fm);
    for (int language : {0, 1}) {
        Language::instance().setIndex(language);
        saveScreenshot({settledGrab(m_window)}, language == 0 ? "fm_zh" : "fm_en");
    }
    if (qEnvironmentVariableIsSet("ORLEX_K7_SCREENSHOT_MESSAGES")) { // the inline messages, for a look only
        typeIntoCell(5, QStringLiteral("80"));
        const QPixmap row = settledGrab(m_window);
        typeIntoVfo(QStringLiteral("120"));
        saveScreenshot({row, settledGrab(m_window)}, "fm_messages_en");
    }
}

QTEST_MAIN(TestFmRadioWindow)
#include "tst_fmradiowindow.moc"
