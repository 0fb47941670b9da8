#include "editors/dtmfwindow.h"
#include "featuretesthelpers.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

using namespace featuretest;

class TestDtmfWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keyFilter_data();
    void keyFilter();
    void lengthLimits_data();
    void lengthLimits();
    void pasteKeepsToDtmfCharacters();
    void pages();
    void startValuesAndHiddenRows();
    void newKeepsAniEndCode();
    void valuesGoIntoDocument();
    void followsDocument();
    void captions_data();
    void captions();
    void listEntries();
    void screenshots();

private:
    QLineEdit *box(const char *name) { return child<QLineEdit>(m_window, name); }
    QComboBox *list(const char *name) { return child<QComboBox>(m_window, name); }

    Document *m_document = nullptr;
    DtmfWindow *m_window = nullptr;
};

void TestDtmfWindow::init() {
    Language::instance().setIndex(0);
    m_document = new Document;
    m_window = new DtmfWindow(*m_document);
    showActive(m_window);
}

void TestDtmfWindow::cleanup() {
    delete m_window;
    delete m_document;
    Language::instance().setIndex(0);
}

void TestDtmfWindow::keyFilter_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("memory: 1 2 a b * # e f") << "Text1_0"
                                             << "12ab*#ef"
                                             << "12AB*#";
    QTest::newRow("memory: c d and digits") << "Text1_5"
                                            << "cd0789"
                                            << "CD0789";
    QTest::newRow("memory: upper case passes") << "Text1_7"
                                               << "ABCDEZ"
                                               << "ABCD";
    QTest::newRow("ANI start: blanks and signs dropped") << "Text2"
                                                         << "1 2-3+4.x"
                                                         << "1234";
    QTest::newRow("ANI end") << "Text4"
                             << "a#b*q"
                             << "A#B*";
    QTest::newRow("own code") << "Text3"
                              << "d9?c"
                              << "D9C";
}

void TestDtmfWindow::keyFilter() {
    QFETCH(QString, control);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QLineEdit *target = box(control.toLatin1());
    target->setFocus();
    QTest::keyClicks(target, keys);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(target->text(), expected);
    QTest::keyClick(target, Qt::Key_Backspace);
    QCOMPARE(target->text(), expected.chopped(1));
}

void TestDtmfWindow::lengthLimits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first memory 16") << "Text1_0"
                                     << "1234567890ABCD*#";
    QTest::newRow("eighth memory 16") << "Text1_7"
                                      << "1234567890ABCD*#";
    QTest::newRow("ANI start 16") << "Text2"
                                  << "1234567890ABCD*#";
    QTest::newRow("ANI end 16") << "Text4"
                                << "1234567890ABCD*#";
    QTest::newRow("own code 8") << "Text3"
                                << "12345678";
}

void TestDtmfWindow::lengthLimits() {
    QFETCH(QString, control);
    QFETCH(QString, expected);
    QLineEdit *target = box(control.toLatin1());
    target->setFocus();
    QTest::keyClicks(target, QStringLiteral("1234567890abcd*#9876"));
    QCOMPARE(target->text(), expected);
}

void TestDtmfWindow::pasteKeepsToDtmfCharacters() {
    QLineEdit *target = box("Text1_2");
    target->insert(QStringLiteral("12XY"));
    QCOMPARE(target->text(), QString());
    target->insert(QStringLiteral("12*#"));
    QCOMPARE(target->text(), QStringLiteral("12*#"));
}

void TestDtmfWindow::pages() {
    auto *autodialPage = child<QFrame>(m_window, "Frame1");
    auto *featuresPage = child<QFrame>(m_window, "Frame2");
    QVERIFY(featuresPage->isVisible());
    QVERIFY(!autodialPage->isVisible());
    QVERIFY(child<QRadioButton>(m_window, "Option2")->isChecked());
    const QSize size = m_window->size();

    QTest::mouseClick(child<QRadioButton>(m_window, "Option1"), Qt::LeftButton);
    QVERIFY(autodialPage->isVisible());
    QVERIFY(!featuresPage->isVisible());
    QCOMPARE(QApplication::focusWidget(), box("Text1_0"));

    QTest::mouseClick(child<QRadioButton>(m_window, "Option2"), Qt::LeftButton);
    QVERIFY(featuresPage->isVisible());
    QVERIFY(!autodialPage->isVisible());
    QCOMPARE(QApplication::focusWidget(), list("Combo16"));
    // switching pages does not grow the window
    QCoreApplication::processEvents();
    QCOMPARE(m_window->size(), size);
}

void TestDtmfWindow::startValuesAndHiddenRows() {
    QCOMPARE(list("Combo1")->currentIndex(), 0);
    QCOMPARE(list("Combo16")->currentIndex(), 0);
    QCOMPARE(list("Combo17")->currentText(), QStringLiteral("1200毫秒"));
    QCOMPARE(list("Combo18")->currentIndex(), 0);
    for (const char *hidden : {"Label18", "Combo18", "Label3", "Text3"})
        QVERIFY2(!m_window->findChild<QWidget *>(QLatin1String(hidden))->isVisible(), hidden);
    for (const char *shown : {"Label16", "Combo16", "Label17", "Combo17", "Label2", "Text2", "Label4",
                              "Text4", "Label32", "Combo1"})
        QVERIFY2(m_window->findChild<QWidget *>(QLatin1String(shown))->isVisible(), shown);
}

void TestDtmfWindow::newKeepsAniEndCode() {
    for (int i = 0; i < 8; ++i)
        box(QStringLiteral("Text1_%1").arg(i).toLatin1())->setText(QStringLiteral("12%1").arg(i));
    box("Text2")->setText(QStringLiteral("111"));
    box("Text4")->setText(QStringLiteral("#99"));
    box("Text3")->setText(QStringLiteral("ABCD"));
    list("Combo1")->setCurrentIndex(2);
    list("Combo16")->setCurrentIndex(1);
    list("Combo17")->setCurrentIndex(9);
    list("Combo18")->setCurrentIndex(4);

    m_window->startForm();

    for (int i = 0; i < 8; ++i)
        QCOMPARE(box(QStringLiteral("Text1_%1").arg(i).toLatin1())->text(), QString());
    QCOMPARE(box("Text2")->text(), QString());
    QCOMPARE(box("Text3")->text(), QString());
    QCOMPARE(box("Text4")->text(), QStringLiteral("#99"));
    QCOMPARE(list("Combo1")->currentIndex(), 0);
    QCOMPARE(list("Combo16")->currentIndex(), 0);
    QCOMPARE(list("Combo17")->currentIndex(), 6);
    QCOMPARE(list("Combo18")->currentIndex(), 0);

    DtmfSettings expected;
    expected.aniEnd = QStringLiteral("#99");
    QCOMPARE(m_document->config().dtmf, expected);
}

void TestDtmfWindow::valuesGoIntoDocument() {
    box("Text1_3")->setFocus();
    QTest::keyClicks(box("Text1_3"), QStringLiteral("5a*"));
    list("Combo17")->setCurrentIndex(2);
    list("Combo1")->setCurrentIndex(1);
    const DtmfSettings &dtmf = m_document->config().dtmf;
    QCOMPARE(dtmf.autodial[3], QStringLiteral("5A*"));
    QCOMPARE(dtmf.firstDelay, 2);
    QCOMPARE(dtmf.aniSending, 1);
}

void TestDtmfWindow::followsDocument() {
    DtmfSettings dtmf;
    dtmf.autodial[6] = QStringLiteral("0123");
    dtmf.aniStart = QStringLiteral("*1");
    dtmf.aniEnd = QStringLiteral("#2");
    dtmf.ownCode = QStringLiteral("77");
    dtmf.aniSending = 2;
    dtmf.rate = 1;
    dtmf.firstDelay = 0;
    dtmf.groupCall = 6;
    m_document->setDtmf(dtmf);
    QCOMPARE(box("Text1_6")->text(), QStringLiteral("0123"));
    QCOMPARE(box("Text2")->text(), QStringLiteral("*1"));
    QCOMPARE(box("Text4")->text(), QStringLiteral("#2"));
    QCOMPARE(box("Text3")->text(), QStringLiteral("77"));
    QCOMPARE(list("Combo1")->currentIndex(), 2);
    QCOMPARE(list("Combo16")->currentIndex(), 1);
    QCOMPARE(list("Combo17")->currentText(), QStringLiteral("0毫秒"));
    QCOMPARE(list("Combo18")->currentText(), QStringLiteral("D"));
    QCOMPARE(m_document->config().dtmf, dtmf);
}

void TestDtmfWindow::captions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    QTest::newRow("window") << "Form2"
                            << "DTMF(双音多频)"
                            << "DTMF(双音多频)";
    QTest::newRow("Option1") << "Option1"
                             << "自动拔号存储器"
                             << "Auto-dialing Memory";
    QTest::newRow("Option2") << "Option2"
                             << "其它功能"
                             << "Other Features";
    QTest::newRow("Label1_0") << "Label1_0"
                              << "第一组自动拔号存储器"
                              << "First Autodial Memory";
    QTest::newRow("Label1_1") << "Label1_1"
                              << "第二组自动拔号存储器"
                              << "Second Autodial Memory";
    QTest::newRow("Label1_2") << "Label1_2"
                              << "第三组自动拔号存储器"
                              << "Third Autodial Memory";
    QTest::newRow("Label1_3") << "Label1_3"
                              << "第四组自动拔号存储器"
                              << "Fourth Autodial Memory";
    QTest::newRow("Label1_4") << "Label1_4"
                              << "第五组自动拔号存储器"
                              << "Fifth Autodial Memory";
    QTest::newRow("Label1_5") << "Label1_5"
                              << "第六组自动拔号存储器"
                              << "Sixth Autodial Memory";
    QTest::newRow("Label1_6") << "Label1_6"
                              << "第七组自动拔号存储器"
                              << "Seventh Autodial Memory";
    QTest::newRow("Label1_7") << "Label1_7"
                              << "第八组自动拔号存储器"
                              << "Eight Autodial Memory";
    QTest::newRow("Label2") << "Label2"
                            << "ANI开始码："
                            << "ANI Start Code：";
    QTest::newRow("Label4") << "Label4"
                            << "ANI结束码："
                            << "ANI End Code：";
    QTest::newRow("Label3") << "Label3"
                            << "自身码："
                            << "Own Code：";
    QTest::newRow("Label32") << "Label32"
                             << "ANI："
                             << "ANI：";
    QTest::newRow("Label16") << "Label16"
                             << "DTMF速率："
                             << "DTMF Rate：";
    QTest::newRow("Label17") << "Label17"
                             << "首位数码延迟："
                             << "First Digital Delay：";
    QTest::newRow("Label18") << "Label18"
                             << "群呼码："
                             << "Group Call Code：";
}

void TestDtmfWindow::captions() {
    QFETCH(QString, control);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    LanguageGuard guard;
    checkCaptionRoundTrip(m_window, control, chinese, english);
}

void TestDtmfWindow::listEntries() {
    LanguageGuard guard;
    box("Text1_1")->setText(QStringLiteral("*#1"));
    box("Text4")->setText(QStringLiteral("9"));
    list("Combo1")->setCurrentIndex(2);
    list("Combo16")->setCurrentIndex(1);
    list("Combo17")->setCurrentIndex(3);
    list("Combo18")->setCurrentIndex(2);
    auto entries = [](QComboBox *l) {
        QStringList texts;
        for (int i = 0; i < l->count(); ++i)
            texts << l->itemText(i);
        return texts;
    };
    const QStringList zhDelays{"0毫秒",    "200毫秒",  "400毫秒",  "600毫秒",  "800毫秒",
                               "1000毫秒", "1200毫秒", "1400毫秒", "1600毫秒", "1800毫秒"};
    const QStringList enDelays{"0MS",    "200MS",  "400MS",  "600MS",  "800MS",
                               "1000MS", "1200MS", "1400MS", "1600MS", "1800MS"};
    for (int round = 0; round < 2; ++round) {
        QCOMPARE(entries(list("Combo1")), (QStringList{"发射开始", "发射结束", "两者"}));
        QCOMPARE(entries(list("Combo16")), (QStringList{"快", "慢"}));
        QCOMPARE(entries(list("Combo17")), zhDelays);
        QCOMPARE(entries(list("Combo18")), (QStringList{"空", "*", "#", "A", "B", "C", "D"}));
        Language::instance().setIndex(1);
        QCOMPARE(entries(list("Combo1")), (QStringList{"Start Send", "End Send", "Both"}));
        QCOMPARE(entries(list("Combo16")), (QStringList{"Fast", "Slow"}));
        QCOMPARE(entries(list("Combo17")), enDelays);
        QCOMPARE(entries(list("Combo18")), (QStringList{"Empty", "*", "#", "A", "B", "C", "D"}));
        Language::instance().setIndex(0);
    }
    QCOMPARE(box("Text1_1")->text(), QStringLiteral("*#1"));
    QCOMPARE(box("Text4")->text(), QStringLiteral("9"));
    QCOMPARE(list("Combo1")->currentIndex(), 2);
    QCOMPARE(list("Combo16")->currentIndex(), 1);
    QCOMPARE(list("Combo17")->currentIndex(), 3);
    QCOMPARE(list("Combo18")->currentIndex(), 2);
    QCOMPARE(m_document->config().dtmf.firstDelay, 3);
}

void TestDtmfWindow::screenshots() {
    if (!screenshotsWanted())
        QSKIP("ORLEX_K7_SCREENSHOT_DIR is not set");
    LanguageGuard guard;
    box("Text1_0")->setText(QStringLiteral("123456789"));
    box("Text1_1")->setText(QStringLiteral("*#0AB"));
    box("Text2")->setText(QStringLiteral("*123"));
    box("Text4")->setText(QStringLiteral("#"));
    for (int language : {0, 1}) {
        Language::instance().setIndex(language);
        child<QRadioButton>(m_window, "Option2")->setChecked(true);
        const QPixmap features = settledGrab(m_window);
        child<QRadioButton>(m_window, "Option1")->setChecked(true);
        saveScreenshot({features, settledGrab(m_window)}, language == 0 ? "dtmf_zh" : "dtmf_en");
    }
}

QTEST_MAIN(TestDtmfWindow)
#include "tst_dtmfwindow.moc"
