// The optional-features window on its real widgets: input rules, pages, language, gestures, and the
// configuration it edits going through the image and back.

#include "editors/optionalfeatureswindow.h"
#include "gui/clock.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

class TestOptionalFeatures : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startValues_data();
    void startValues();
    void hiddenControls();
    void pages();
    void channelNumbers_data();
    void channelNumbers();
    void vfoFrequencies_data();
    void vfoFrequencies();
    void offsets_data();
    void offsets();
    void keyFilters_data();
    void keyFilters();
    void editableLists();
    void texts_data();
    void texts();
    void languageKeepsValues();
    void documentRefreshesWindow();
    void gestures_data();
    void gestures();
    void switchingModeOffForgetsGesture();
    void imageRoundTrip();
    void screenshots();

private:
    template <typename T> T *find(const char *name) {
        T *widget = m_window->findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qWarning("no control %s", name);
        return widget;
    }
    QLineEdit *edit(const char *name) { return find<QLineEdit>(name); }
    QComboBox *combo(const char *name) { return find<QComboBox>(name); }
    void typeAndLeave(QLineEdit *box, const QString &keys);
    // Clicks an option button on its caption (a click beside it does nothing).
    void clickOption(const char *name) {
        QRadioButton *button = find<QRadioButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, button->height() / 2));
    }

    Document *m_document = nullptr;
    OptionalFeaturesWindow *m_window = nullptr;
    double m_now = 0;
};

void TestOptionalFeatures::init() {
    Language::instance().setIndex(0);
    m_now = 1000;
    appclock::setSource([this] { return m_now; });
    m_document = new Document;
    m_window = new OptionalFeaturesWindow(*m_document);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestOptionalFeatures::cleanup() {
    delete m_window;
    delete m_document;
    appclock::setSource({});
    Language::instance().setIndex(0);
}

// Types the keys into a box and leaves it by moving the focus away.
void TestOptionalFeatures::typeAndLeave(QLineEdit *box, const QString &keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
    box->clearFocus();
}

void TestOptionalFeatures::startValues_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("position");
    const std::pair<const char *, int> rows[] = {
        {"Combo1", 0},  {"Combo17", 1}, {"Combo7", 1},  {"Combo9", 1},  {"ComboMod", 1}, {"Combo18", 0},
        {"Combo13", 0}, {"Combo6", 1},  {"Combo20", 1}, {"Combo35", 0}, {"Combo32", 1},  {"Combo11", 1},
        {"Combo5", 5},  {"Combo8", 1},  {"Combo19", 2}, {"Combo16", 0}, {"Combo33", 1},  {"Combo21", 1},
        {"Combo2", 1},  {"Combo10", 0}, {"Combo34", 1}, {"Combo31", 1}, {"Combo14", 1},  {"Combo15", 1},
        {"Combo22", 0}, {"Combo23", 0}, {"Combo24", 1}, {"Combo25", 1}, {"Combo26", 1},  {"Combo27", 1},
        {"Combo28", 1}, {"Combo30", 1}, {"Combo3", 4},  {"Combo46", 0}, {"Combo47", 0},  {"Combo48", 1},
        {"Combo51", 1}, {"Combo52", 1}, {"Combo50", 1}, {"Combo53", 1}, {"Combo49", 1},  {"Combo36", 4},
        {"Combo12", 1}, {"Combo29", 1},
    };
    for (const auto &[name, position] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << position;
}

void TestOptionalFeatures::startValues() {
    QFETCH(QString, name);
    QFETCH(int, position);
    auto *box = m_window->findChild<QComboBox *>(name);
    QVERIFY(box);
    QCOMPARE(box->currentIndex(), position);
    const QStringList editable{"Combo17", "Combo16", "Combo13", "Combo2", "ComboMod", "Combo20", "Combo34"};
    QCOMPARE(box->isEditable(), editable.contains(name));
    if (box->isEditable())
        QCOMPARE(box->currentText(), box->itemText(position));
}

void TestOptionalFeatures::hiddenControls() {
    QCOMPARE(edit("Text6")->text(), QString("1"));
    QCOMPARE(edit("Text2")->text(), QString("1"));
    QCOMPARE(edit("Text20")->text(), QString("136.00000"));
    QCOMPARE(edit("Text3")->text(), QString("400.00000"));
    QCOMPARE(edit("Text21")->text(), QString("10"));
    QCOMPARE(edit("Text4")->text(), QString("10"));
    QCOMPARE(edit("Text31")->text(), QString());
    QCOMPARE(edit("Text1")->text(), QString());
    for (const char *name : {"Check13", "Check12", "Label16", "Combo12", "Label29", "Combo29"}) {
        auto *widget = find<QWidget>(name);
        QVERIFY(widget);
        QVERIFY2(widget->isHidden(), name);
    }
    QVERIFY(!find<QCheckBox>("Check12")->isChecked());
    QCOMPARE(edit("Text1")->maxLength(), 4);
    QCOMPARE(edit("Text31")->maxLength(), 6);
    QCOMPARE(edit("Text20")->maxLength(), 9);
    QCOMPARE(edit("Text3")->maxLength(), 9);
    QCOMPARE(edit("Text21")->maxLength(), 8);
    QCOMPARE(edit("Text4")->maxLength(), 8);
}

void TestOptionalFeatures::pages() {
    QVERIFY(find<QRadioButton>("Option1")->isChecked());
    QVERIFY(find<QGroupBox>("Frame2")->isVisible());
    QVERIFY(!find<QGroupBox>("Frame3")->isVisible());
    QVERIFY(!find<QGroupBox>("Frame5")->isVisible());
    QVERIFY(find<QGroupBox>("Frame1")->isVisible());

    clickOption("Option2");
    QVERIFY(!find<QGroupBox>("Frame2")->isVisible());
    QVERIFY(find<QGroupBox>("Frame3")->isVisible());
    QVERIFY(find<QGroupBox>("Frame5")->isVisible());
    QVERIFY(find<QGroupBox>("Frame1")->isVisible());
    QCOMPARE(QApplication::focusWidget(), edit("Text20"));

    clickOption("Option1");
    QVERIFY(find<QGroupBox>("Frame2")->isVisible());
    QVERIFY(!find<QGroupBox>("Frame3")->isVisible());
}

void TestOptionalFeatures::channelNumbers_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeaving");
    QTest::newRow("300 shows 128 at once") << "Text6"
                                           << "300"
                                           << ""
                                           << "128"
                                           << "128";
    QTest::newRow("0 leaves it empty") << "Text6"
                                       << "0"
                                       << ""
                                       << "0"
                                       << "";
    QTest::newRow("empty stays empty") << "Text6"
                                       << ""
                                       << ""
                                       << ""
                                       << "";
    QTest::newRow("letters dropped") << "Text6"
                                     << "4x2."
                                     << ""
                                     << "42"
                                     << "42";
    QTest::newRow("12.7 pasted gives 12") << "Text2"
                                          << ""
                                          << "12.7"
                                          << "12.7"
                                          << "12";
    QTest::newRow("129 pasted") << "Text2"
                                << ""
                                << "129"
                                << "128"
                                << "128";
    QTest::newRow("128 stays") << "Text2"
                               << "128"
                               << ""
                               << "128"
                               << "128";
    QTest::newRow("0.5 pasted") << "Text2"
                                << ""
                                << "0.5"
                                << "0.5"
                                << "";
}

void TestOptionalFeatures::channelNumbers() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(QString, pasted);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeaving);
    auto *box = m_window->findChild<QLineEdit *>(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, keys);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        if (box->text() != pasted) // a platform without a clipboard: paste as the edit menu would
            box->insert(pasted);
    }
    QCOMPARE(box->text(), whileTyping);
    box->clearFocus();
    QCOMPARE(box->text(), afterLeaving);
    const GeneralSettings &general = m_document->config().general;
    QCOMPARE(name == "Text6" ? general.aChannel : general.bChannel, afterLeaving);
}

void TestOptionalFeatures::vfoFrequencies_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("145.5 in band 1") << 1 << "Text20"
                                     << "145.5"
                                     << "145.50000";
    QTest::newRow("300 in band 1") << 1 << "Text20"
                                   << "300"
                                   << "136.00000";
    QTest::newRow("435 in the A box") << 1 << "Text20"
                                      << "435"
                                      << "435.00000";
    QTest::newRow("146 edge included") << 1 << "Text20"
                                       << "146"
                                       << "146.00000";
    QTest::newRow("143.99 below") << 1 << "Text20"
                                  << "143.99"
                                  << "136.00000";
    QTest::newRow("empty A") << 0 << "Text20"
                             << ""
                             << "136.00000";
    QTest::newRow("300 in the B box") << 0 << "Text3"
                                      << "300"
                                      << "400.00000";
    QTest::newRow("145 in the B box") << 0 << "Text3"
                                      << "145"
                                      << "145.00000";
    QTest::newRow("470 whole upper limit") << 0 << "Text3"
                                           << "470"
                                           << "470.00000";
    QTest::newRow("470.001 above") << 0 << "Text3"
                                   << "470.001"
                                   << "400.00000";
    QTest::newRow("raster") << 0 << "Text20"
                            << "146.5271"
                            << "146.52500";
    QTest::newRow("6.25k raster") << 0 << "Text20"
                                  << "146.007"
                                  << "146.00625";
    QTest::newRow("letters dropped") << 2 << "Text20"
                                     << "1a74.9b9"
                                     << "174.99000";
    QTest::newRow("leading zero") << 0 << "Text20"
                                  << "0145.5"
                                  << "145.50000";
    QTest::newRow("second point") << 0 << "Text3"
                                  << "145.5.3"
                                  << "145.50000";
    QTest::newRow("cut to 9 characters") << 0 << "Text20"
                                         << "146.1234567"
                                         << "146.12000";
}

void TestOptionalFeatures::vfoFrequencies() {
    QFETCH(int, band);
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    m_document->setBand(band);
    clickOption("Option2");
    auto *box = m_window->findChild<QLineEdit *>(name);
    typeAndLeave(box, keys);
    QCOMPARE(box->text(), expected);
    const VfoSettings &vfo = name == "Text20" ? m_document->config().vfoA : m_document->config().vfoB;
    QCOMPARE(vfo.freq, expected);
}

void TestOptionalFeatures::offsets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QString>("expected");
    QTest::newRow("150 becomes 99.995") << "Text21"
                                        << "150" << false << "99.995";
    QTest::newRow("empty becomes 0") << "Text21"
                                     << "" << false << "0";
    QTest::newRow("0.6") << "Text21"
                         << "0.6" << false << "0.6";
    QTest::newRow("trailing zeros go") << "Text21"
                                       << "10.500" << false << "10.5";
    QTest::newRow("raster") << "Text4"
                            << "12.3456" << false << "12.345";
    QTest::newRow("Enter checks too") << "Text4"
                                      << "150" << true << "99.995";
    QTest::newRow("leading zero") << "Text4"
                                  << "05" << false << "5";
    // The cap: 99.995 is the largest offset; anything above it becomes 99.995.
    QTest::newRow("99.995 stays") << "Text21"
                                  << "99.995" << false << "99.995";
    QTest::newRow("99.99 stays") << "Text4"
                                 << "99.99" << false << "99.99";
    QTest::newRow("100 becomes 99.995") << "Text21"
                                        << "100" << false << "99.995";
    QTest::newRow("100.000 becomes 99.995") << "Text4"
                                            << "100.000" << false << "99.995";
    QTest::newRow("100 with Enter") << "Text4"
                                    << "100" << true << "99.995";
    QTest::newRow("99.9951 becomes 99.995") << "Text21"
                                            << "99.9951" << false << "99.995";
}

void TestOptionalFeatures::offsets() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(bool, enter);
    QFETCH(QString, expected);
    clickOption("Option2");
    auto *box = m_window->findChild<QLineEdit *>(name);
    if (enter) {
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(box->hasFocus());
    } else {
        typeAndLeave(box, keys);
    }
    QCOMPARE(box->text(), expected);
    const VfoSettings &vfo = name == "Text21" ? m_document->config().vfoA : m_document->config().vfoB;
    QCOMPARE(vfo.offset, expected);
}

void TestOptionalFeatures::keyFilters_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a # b ?") << "Text31"
                             << "a#b?"
                             << "A#B";
    QTest::newRow("display set") << "Text31"
                                 << "*-9z"
                                 << "*-9Z";
    QTest::newRow("display blank and dot dropped") << "Text31"
                                                   << "A .B"
                                                   << "AB";
    QTest::newRow("display at most 6") << "Text31"
                                       << "abcdefgh"
                                       << "ABCDEF";
    QTest::newRow("password digits") << "Text1"
                                     << "1a2.3 4"
                                     << "1234";
    QTest::newRow("password at most 4") << "Text1"
                                        << "98765"
                                        << "9876";
    QTest::newRow("password may be short") << "Text1"
                                           << "12"
                                           << "12";
}

void TestOptionalFeatures::keyFilters() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    auto *box = m_window->findChild<QLineEdit *>(name);
    typeAndLeave(box, keys);
    QCOMPARE(box->text(), expected);
    const GeneralSettings &general = m_document->config().general;
    QCOMPARE(name == "Text31" ? general.displayCharacters : general.password, expected);
}

void TestOptionalFeatures::editableLists() {
    QComboBox *box = combo("Combo17");
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "xyz");
    QCOMPARE(m_document->config().general.bDisplayMode, -1);
    QCOMPARE(box->currentText(), QString("xyz"));

    box->lineEdit()->selectAll();
    box->lineEdit()->insert("频率"); // as an input method commits it
    QCOMPARE(m_document->config().general.bDisplayMode, 0);

    // Choosing from the list after typing.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "abc");
    box->setCurrentIndex(1);
    QCOMPARE(m_document->config().general.bDisplayMode, 1);
    QCOMPARE(box->currentText(), QString("频率与频道"));

    // Enter does not add the typed text to the list.
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "new");
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(box->count(), 2);
    QCOMPARE(m_document->config().general.bDisplayMode, -1);
}

void TestOptionalFeatures::texts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("entry"); // -1 = the caption
    QTest::addColumn<QString>("zh");
    QTest::addColumn<QString>("en");
    struct Row {
        const char *name;
        int entry;
        const char *zh;
        const char *en;
    };
    const Row rows[] = {
        {"Form3", -1, "可选功能", "Optional Features"},
        {"Frame2", -1, "功能设置", "Function Set"},
        {"Frame3", -1, "A组全频频率", "A Group VFO"},
        {"Frame5", -1, "B组全频频率", "B Group VFO"},
        {"Frame1", -1, "VOX(声控发射)", "VOX"},
        {"Option1", -1, "功能设置", "Function Set"},
        {"Option2", -1, "全频频率", "VFO"},
        {"Label1", -1, "A组显式模式:", "A Display Mode:"},
        {"Combo1", 0, "频率", "Frequency"},
        {"Combo1", 1, "频率与频道", "Freq & Channel"},
        {"Label32", -1, "B组显式模式:", "B Display Mode:"},
        {"Combo17", 0, "频率", "Frequency"},
        {"Combo17", 1, "频率与频道", "Freq & Channel"},
        {"Label7", -1, "提示音:", "Beep:"},
        {"Combo7", 0, "关", "Off"},
        {"Combo7", 1, "开", "On"},
        {"Label9", -1, "按键锁:", "Key Lock:"},
        {"Combo9", 0, "上锁", "Lock"},
        {"Combo9", 1, "正常", "Normal"},
        {"LabelMod", -1, "扫描模式:", "Scan Mode:"},
        {"ComboMod", 0, "载波", "Carrier"},
        {"ComboMod", 1, "时间", "Time"},
        {"Label33", -1, "锁键模式:", "KeyLock Mode:"},
        {"Combo18", 0, "K+S", "K+S"},
        {"Combo18", 1, "PTT", "PTT"},
        {"Combo18", 2, "KEY", "KEY"},
        {"Combo18", 3, "ALL", "ALL"},
        {"Label17", -1, "收音机搜台模式:", "Radio Search Mode:"},
        {"Combo13", 0, "手动", "Manual"},
        {"Combo13", 1, "自动", "Auto"},
        {"Label13", -1, "收音机监听信号:", "Radio Monitors Signal:"},
        {"Combo6", 0, "关闭", "Off"},
        {"Combo6", 1, "打开", "On"},
        {"Label35", -1, "尾音消除:", "SquelchTail Elimination:"},
        {"Combo20", 0, "关", "Off"},
        {"Combo20", 1, "开", "On"},
        {"Label40", -1, "自动关机:", "Auto Power-Off:"},
        {"Combo35", 0, "关", "Off"},
        {"Combo35", 1, "1 小时", "1 Hour"},
        {"Combo35", 9, "9 小时", "9 Hour"},
        {"Combo35", 15, "15 小时", "15 Hour"},
        {"Label38", -1, "开机信息显示方式:", "Open Display Mode:"},
        {"Combo32", 0, "OFF", "OFF"},
        {"Combo32", 1, "DC", "DC"},
        {"Combo32", 2, "MSG", "MSG"},
        {"Label11", -1, "自命名频道名称:", "Channel Name Editable:"},
        {"Combo11", 0, "使能", "On"},
        {"Combo11", 1, "禁止", "Off"},
        {"Label6", -1, "A组当前频道数:", "A Channel Number:"},
        {"Label2", -1, "B组当前频道数:", "B Channel Number:"},
        {"Label5", -1, "静噪等级:", "Squelch Level:"},
        {"Combo5", 0, "0", "0"},
        {"Combo5", 9, "9", "9"},
        {"Label8", -1, "省电:", "Battery Save:"},
        {"Combo8", 0, "关", "Off"},
        {"Combo8", 1, "开", "On"},
        {"Label19", -1, "发射超时:", "Time-out Timer:"},
        {"Combo19", 0, "关闭", "Off"},
        {"Combo19", 1, "1 分钟", "1 Minute"},
        {"Combo19", 7, "7 分钟", "7 Minute"},
        {"Label18", -1, "通话结束提示音:", "Roger Beep:"},
        {"Combo16", 0, "开", "On"},
        {"Combo16", 1, "关", "Off"},
        {"Label34", -1, "主频道:", "Main Channel:"},
        {"Combo33", 0, "B组", "B Group"},
        {"Combo33", 1, "A组", "A Group"},
        {"Label36", -1, "背光灯方式:", "Backlight Mode:"},
        {"Combo21", 0, "OFF", "OFF"},
        {"Combo21", 1, "KEY", "KEY"},
        {"Combo21", 2, "CONT", "CONT"},
        {"Label12", -1, "开机密码设定:", "Power-On Password:"},
        {"Combo2", 0, "开", "On"},
        {"Combo2", 1, "关", "Off"},
        {"Label31", -1, "开机显示字符:", "Display Character:"},
        {"Label42", -1, "4位开机密码:", "Power-On Password:"},
        {"Label10", -1, "双频待机:", "Dual Standby:"},
        {"Combo10", 0, "关", "Off"},
        {"Combo10", 1, "开", "On"},
        {"Label39", -1, "记忆频道显示模式:", "Memory Channel display Mode:"},
        {"Combo34", 0, "频道", "Channel"},
        {"Combo34", 1, "频率", "Frequency"},
        {"Label37", -1, "VOX 开关:", "VOX Swith:"},
        {"Combo31", 0, "开", "On"},
        {"Combo31", 1, "关", "Off"},
        {"Label14", -1, "VOX增益电平:", "VOX Gain Level:"},
        {"Combo14", 0, "1", "1"},
        {"Combo14", 7, "8", "8"},
        {"Label15", -1, "VOX延迟时间(秒):", "VOX Delay Time(s):"},
        {"Combo15", 0, "1 S", "1 S"},
        {"Combo15", 3, "4 S", "4 S"},
        {"Check13", -1, "接收时禁止VOX", "Prohibit VOX in the receiving"},
        {"Check12", -1, "允许取消操作", "Allow to Cancel Operating"},
        {"Label16", -1, "扰频:", "Scramble:"},
        {"Combo12", 0, "使能", "On"},
        {"Combo12", 1, "禁止", "Off"},
        {"Label29", -1, "压扩:", "Companding:"},
        {"Combo29", 0, "禁止", "Off"},
        {"Combo29", 1, "使能", "On"},
        {"Label3", -1, "A组步进频率:", "A Step Frequency:"},
        {"Label43", -1, "B组步进频率:", "B Step Frequency:"},
        {"Combo3", 0, "5K", "5K"},
        {"Combo3", 1, "6.25K", "6.25K"},
        {"Combo3", 7, "100K", "100K"},
        {"Combo36", 5, "37.5K", "37.5K"},
        {"Combo22", 0, "关闭", "Off"},
        {"Combo22", 1, "67.0", "67.0"},
        {"Combo23", 50, "254.1", "254.1"},
        {"Combo46", 51, "D017N", "D017N"},
        {"Combo47", 264, "D754I", "D754I"},
    };
    for (const Row &r : rows)
        QTest::newRow(QStringLiteral("%1 %2").arg(QLatin1String(r.name)).arg(r.entry).toLatin1().constData())
            << QString::fromLatin1(r.name) << r.entry << QString::fromUtf8(r.zh) << QString::fromUtf8(r.en);

    // The rows both VFO sides share, A name, B name.
    struct VfoRow {
        const char *a;
        const char *b;
        int entry;
        const char *zh;
        const char *en;
    };
    const VfoRow vfoRows[] = {
        {"Label20", "Label45", -1, "全频频率:", "Frequency:"},
        {"Label21", "Label44", -1, "异频数:", "Offset Data:"},
        {"Label22", "Label46", -1, "接收亚音频:", "QT/DQT Dec:"},
        {"Label23", "Label47", -1, "发射亚音频:", "QT/DQT Enc:"},
        {"Label24", "Label48", -1, "功率:", "Power:"},
        {"Combo24", "Combo48", 0, "低", "Low"},
        {"Combo24", "Combo48", 1, "高", "High"},
        {"Combo24", "Combo48", 2, "中", "Middle"},
        {"Label25", "Label51", -1, "繁忙信道锁定:", "Busy Channel Lock:"},
        {"Combo25", "Combo51", 0, "载波", "Carry"},
        {"Combo25", "Combo51", 1, "关", "Off"},
        {"Label26", "Label52", -1, "扫描添加:", "Add Scan:"},
        {"Combo26", "Combo52", 0, "禁止", "Off"},
        {"Combo26", "Combo52", 1, "使能", "On"},
        {"Label27", "Label50", -1, "宽窄带:", "Wide/Narrow:"},
        {"Combo27", "Combo50", 0, "窄带", "Narrow"},
        {"Combo27", "Combo50", 1, "宽带", "Wide"},
        {"Label28", "Label53", -1, "发射禁止:", "TX Prohibit:"},
        {"Combo28", "Combo53", 0, "开", "On"},
        {"Combo28", "Combo53", 1, "关", "Off"},
        {"Label30", "Label49", -1, "异频:", "Offset Frequency:"},
        {"Combo30", "Combo49", 0, "+异频", "Plus Shift(+)"},
        {"Combo30", "Combo49", 1, "-异频", "Minus Shift(-)"},
        {"Combo30", "Combo49", 2, "无异频", "Turn Off"},
    };
    for (const VfoRow &r : vfoRows)
        for (const char *name : {r.a, r.b})
            QTest::newRow(
                QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(r.entry).toLatin1().constData())
                << QString::fromLatin1(name) << r.entry << QString::fromUtf8(r.zh) << QString::fromUtf8(r.en);
}

namespace {
QString shownText(QWidget *window, const QString &name, int entry) {
    if (window->objectName() == name)
        return window->windowTitle();
    QObject *object = window->findChild<QObject *>(name);
    if (auto *box = qobject_cast<QComboBox *>(object))
        return entry < box->count() ? box->itemText(entry) : QStringLiteral("<no entry>");
    if (auto *label = qobject_cast<QLabel *>(object))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(object))
        return group->title();
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        return button->text();
    return QStringLiteral("<no control>");
}
} // namespace

void TestOptionalFeatures::texts() {
    QFETCH(QString, name);
    QFETCH(int, entry);
    QFETCH(QString, zh);
    QFETCH(QString, en);
    QCOMPARE(shownText(m_window, name, entry), zh);
    Language::instance().setIndex(1);
    QCOMPARE(shownText(m_window, name, entry), en);
    Language::instance().setIndex(0);
    QCOMPARE(shownText(m_window, name, entry), zh);
}

void TestOptionalFeatures::languageKeepsValues() {
    QCOMPARE(combo("Combo22")->count(), 265);
    QCOMPARE(combo("Combo35")->count(), 16);
    QCOMPARE(combo("Combo19")->count(), 8);

    // A value off the start value in every kind of control.
    combo("Combo1")->setCurrentIndex(1);
    combo("Combo35")->setCurrentIndex(12);
    combo("Combo19")->setCurrentIndex(0);
    combo("Combo22")->setCurrentIndex(0);
    combo("Combo23")->setCurrentIndex(40);
    combo("Combo49")->setCurrentIndex(2);
    combo("ComboMod")->setCurrentIndex(0);
    QLineEdit *typed = combo("Combo17")->lineEdit();
    typed->selectAll();
    QTest::keyClicks(typed, "typed");
    typeAndLeave(edit("Text31"), "ab1");
    typeAndLeave(edit("Text1"), "42");
    typeAndLeave(edit("Text6"), "77");
    find<QRadioButton>("Option2")->click();
    typeAndLeave(edit("Text21"), "0.6");
    edit("Text3")->setFocus();
    edit("Text3")->selectAll();
    QTest::keyClicks(edit("Text3"), "43"); // being typed: no leave check yet
    const RadioConfig before = m_document->config();

    Language::instance().setIndex(1);
    QCOMPARE(m_document->config(), before);
    QCOMPARE(combo("Combo1")->currentText(), QString("Freq & Channel"));
    QCOMPARE(combo("Combo35")->currentText(), QString("12 Hour"));
    QCOMPARE(combo("Combo19")->currentText(), QString("Off"));
    QCOMPARE(combo("Combo22")->currentText(), QString("Off"));
    QCOMPARE(combo("Combo23")->currentText(), QString("199.5"));
    QCOMPARE(combo("Combo49")->currentText(), QString("Turn Off"));
    QCOMPARE(combo("ComboMod")->currentText(), QString("Carrier"));
    QCOMPARE(combo("Combo17")->currentText(), QString("typed"));
    QCOMPARE(edit("Text31")->text(), QString("AB1"));
    QCOMPARE(edit("Text1")->text(), QString("42"));
    QCOMPARE(edit("Text6")->text(), QString("77"));
    QCOMPARE(edit("Text21")->text(), QString("0.6"));
    QCOMPARE(edit("Text3")->text(), QString("43"));
    QVERIFY(edit("Text3")->hasFocus());
    QVERIFY(find<QRadioButton>("Option2")->isChecked());
    QVERIFY(find<QGroupBox>("Frame3")->isVisible());

    Language::instance().setIndex(0);
    QCOMPARE(m_document->config(), before);
    QCOMPARE(combo("Combo35")->currentText(), QString("12 小时"));
    QCOMPARE(combo("ComboMod")->currentText(), QString("载波"));
    QCOMPARE(combo("Combo17")->currentText(), QString("typed"));
    QCOMPARE(combo("Combo23")->currentIndex(), 40);
}

void TestOptionalFeatures::documentRefreshesWindow() {
    RadioConfig config;
    config.general.squelchLevel = 9;
    config.general.bDisplayMode = 0;
    config.general.aChannel = "";
    config.general.displayCharacters = "HELLO";
    config.general.voxInhibitOnReceive = true;
    config.vfoB.freq = "FFF.FFFFF";
    config.vfoB.step = 7;
    config.vfoA.companding = 0;
    m_document->setConfig(config);
    QCOMPARE(combo("Combo5")->currentIndex(), 9);
    QCOMPARE(combo("Combo17")->currentText(), QString("频率"));
    QCOMPARE(edit("Text6")->text(), QString());
    QCOMPARE(edit("Text31")->text(), QString("HELLO"));
    QVERIFY(find<QCheckBox>("Check13")->isChecked());
    QCOMPARE(edit("Text3")->text(), QString("FFF.FFFFF"));
    QCOMPARE(combo("Combo36")->currentText(), QString("100K"));
    QCOMPARE(combo("Combo29")->currentText(), QString("禁止"));
    // Refreshing wrote nothing back.
    QCOMPARE(m_document->config(), config);
}

void TestOptionalFeatures::gestures_data() {
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<double>>("times");
    QTest::addColumn<bool>("forceWrite");
    QTest::addColumn<bool>("calibration");
    // Force write: Label7, Label33, Label38. Calibration: Label5, Label36, Label10.
    QTest::newRow("A within 5 s") << QStringList{"Label7", "Label33", "Label38"}
                                  << QList<double>{100, 102, 105} << true << false;
    QTest::newRow("A any order") << QStringList{"Label38", "Label7", "Label33"}
                                 << QList<double>{100, 100, 101} << true << false;
    QTest::newRow("A rounding to 5 s")
        << QStringList{"Label7", "Label33", "Label38"} << QList<double>{99.6, 102, 105.4} << true << false;
    QTest::newRow("A over 5 s") << QStringList{"Label7", "Label33", "Label38"} << QList<double>{100, 103, 106}
                                << false << false;
    QTest::newRow("A late click starts anew") << QStringList{"Label7", "Label33", "Label38", "Label7"}
                                              << QList<double>{100, 103, 106, 108} << false << false;
    QTest::newRow("A late click then two more")
        << QStringList{"Label7", "Label33", "Label38", "Label7", "Label33"}
        << QList<double>{100, 103, 106, 108, 109} << true << false;
    QTest::newRow("A same label thrice")
        << QStringList{"Label7", "Label7", "Label7"} << QList<double>{1, 1, 1} << false << false;
    QTest::newRow("B within 5 s") << QStringList{"Label10", "Label5", "Label36"} << QList<double>{50, 51, 55}
                                  << false << true;
    QTest::newRow("B over 5 s") << QStringList{"Label10", "Label5", "Label36"} << QList<double>{50, 51, 56}
                                << false << false;
    QTest::newRow("mixed gestures") << QStringList{"Label7", "Label5", "Label33", "Label36"}
                                    << QList<double>{10, 10, 10, 10} << false << false;
    QTest::newRow("other labels") << QStringList{"Label1", "Label9", "Label11"} << QList<double>{10, 10, 10}
                                  << false << false;
    QTest::newRow("across midnight") << QStringList{"Label7", "Label33", "Label38"}
                                     << QList<double>{86398, 86399, 1} << true << false;
}

void TestOptionalFeatures::gestures() {
    QFETCH(QStringList, labels);
    QFETCH(QList<double>, times);
    QFETCH(bool, forceWrite);
    QFETCH(bool, calibration);
    int modeSignals = 0;
    connect(m_document, &Document::modesChanged, this, [&] { ++modeSignals; });
    for (int i = 0; i < labels.size(); ++i) {
        m_now = times[i];
        auto *label = m_window->findChild<QLabel *>(labels[i]);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton);
    }
    QCOMPARE(m_document->forceWriteMode(), forceWrite);
    QCOMPARE(m_document->calibrationMode(), calibration);
    QCOMPARE(modeSignals, int(forceWrite) + int(calibration));
}

void TestOptionalFeatures::switchingModeOffForgetsGesture() {
    for (const char *name : {"Label7", "Label33", "Label38"})
        QTest::mouseClick(find<QLabel>(name), Qt::LeftButton);
    QVERIFY(m_document->forceWriteMode());
    m_document->setForceWriteMode(false); // the toolbar button
    QTest::mouseClick(find<QLabel>("Label7"), Qt::LeftButton);
    QVERIFY(!m_document->forceWriteMode());
    QTest::mouseClick(find<QLabel>("Label33"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>("Label38"), Qt::LeftButton);
    QVERIFY(m_document->forceWriteMode());

    // Switching calibration mode on and off does not touch gesture A's progress.
    m_document->setForceWriteMode(false);
    QTest::mouseClick(find<QLabel>("Label7"), Qt::LeftButton);
    QTest::mouseClick(find<QLabel>("Label33"), Qt::LeftButton);
    m_document->setCalibrationMode(true);
    m_document->setCalibrationMode(false);
    QTest::mouseClick(find<QLabel>("Label38"), Qt::LeftButton);
    QVERIFY(m_document->forceWriteMode());
}

void TestOptionalFeatures::imageRoundTrip() {
    m_document->setBand(1);
    combo("Combo1")->setCurrentIndex(1);
    combo("Combo7")->setCurrentIndex(0);
    combo("Combo18")->setCurrentIndex(3);
    combo("Combo35")->setCurrentIndex(15);
    combo("Combo5")->setCurrentIndex(0);
    combo("Combo19")->setCurrentIndex(7);
    combo("Combo21")->setCurrentIndex(2);
    combo("Combo14")->setCurrentIndex(7);
    combo("Combo15")->setCurrentIndex(3);
    QLineEdit *scan = combo("ComboMod")->lineEdit();
    scan->selectAll();
    scan->insert("载波");
    typeAndLeave(edit("Text6"), "12");
    typeAndLeave(edit("Text2"), "128");
    typeAndLeave(edit("Text31"), "a#b");
    typeAndLeave(edit("Text1"), "1234");
    find<QRadioButton>("Option2")->click();
    typeAndLeave(edit("Text20"), "145.5");
    typeAndLeave(edit("Text21"), "0.6");
    typeAndLeave(edit("Text3"), "435.0125");
    combo("Combo22")->setCurrentIndex(40);
    combo("Combo47")->setCurrentIndex(51);
    combo("Combo24")->setCurrentIndex(0);
    combo("Combo30")->setCurrentIndex(0);
    combo("Combo3")->setCurrentIndex(2);
    combo("Combo36")->setCurrentIndex(6);
    const RadioConfig edited = m_document->config();

    const MemoryImage &image = m_document->encodeWriteImage();
    QCOMPARE(int(image[1792]), 1);    // Combo1
    QCOMPARE(int(image[1794]), 2);    // Combo3
    QCOMPARE(int(image[1797]), 12);   // Text6
    QCOMPARE(int(image[1803]), 128);  // Text2
    QCOMPARE(int(image[1804]), 15);   // Combo35
    QCOMPARE(int(image[1805]), 6);    // Combo36
    QCOMPARE(int(image[1816]), 0x41); // "A#B"
    QCOMPARE(int(image[1817]), 0x23);
    QCOMPARE(int(image[1818]), 0x42);
    QCOMPARE(int(image[1819]), 0xFF);
    QCOMPARE(int(image[1824]), 0x00); // 145.50000
    QCOMPARE(int(image[1825]), 0x00);
    QCOMPARE(int(image[1826]), 0x55);
    QCOMPARE(int(image[1827]), 0x14);
    QCOMPARE(int(image[1832]), 0x95); // 199.5
    QCOMPARE(int(image[1833]), 0x19);
    QCOMPARE(int(image[1850]), 0x17); // D017N
    QCOMPARE(int(image[1851]), 0x80);
    QCOMPARE(int(image[1856]), int('1'));

    m_document->readImage() = image;
    m_document->setConfig(RadioConfig());
    QCOMPARE(combo("Combo1")->currentIndex(), 0);
    QCOMPARE(edit("Text20")->text(), QString("136.00000"));
    m_document->decodeReadImage();

    RadioConfig expected = edited;
    expected.vfoA.offset = "0.60000";            // offsets come back in the stored form
    expected.vfoB.offset = "10.00000";           //
    expected.general.voxInhibitOnReceive = true; // always written set
    QCOMPARE(m_document->config().general, expected.general);
    QCOMPARE(m_document->config().vfoA, expected.vfoA);
    QCOMPARE(m_document->config().vfoB, expected.vfoB);
    QCOMPARE(m_document->config().band, 1);

    // The window shows what came back.
    QCOMPARE(combo("Combo1")->currentIndex(), 1);
    QCOMPARE(combo("Combo35")->currentText(), QString("15 小时"));
    QCOMPARE(combo("ComboMod")->currentText(), QString("载波"));
    QCOMPARE(edit("Text6")->text(), QString("12"));
    QCOMPARE(edit("Text2")->text(), QString("128"));
    QCOMPARE(edit("Text31")->text(), QString("A#B"));
    QCOMPARE(edit("Text1")->text(), QString("1234"));
    QCOMPARE(edit("Text20")->text(), QString("145.50000"));
    QCOMPARE(edit("Text21")->text(), QString("0.60000"));
    QCOMPARE(edit("Text3")->text(), QString("435.01250"));
    QCOMPARE(combo("Combo22")->currentText(), QString("199.5"));
    QCOMPARE(combo("Combo47")->currentText(), QString("D017N"));
    QCOMPARE(combo("Combo24")->currentText(), QString("低"));
    QCOMPARE(combo("Combo30")->currentText(), QString("+异频"));
    QCOMPARE(combo("Combo36")->currentText(), QString("50K"));
    QVERIFY(find<QCheckBox>("Check13")->isChecked());
}

void TestOptionalFeatures::screenshots() {
    const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
    if (dir.isEmpty())
        QSKIP("set ORLEX_K7_SCREENSHOT_DIR to a directory to save the window's pictures");
    QDir().mkpath(dir);
    for (int language : {0, 1}) {
        Language::instance().setIndex(language);
        QTest::qWait(50); // the new texts' sizes reach the layout
        m_window->adjustSize();
        const QString suffix = language == 0 ? "zh" : "en";
        find<QRadioButton>("Option1")->click();
        QTest::qWait(50); // let the layout settle after the page switch
        QVERIFY(m_window->grab().save(dir + "/options_function_" + suffix + ".png"));
        find<QRadioButton>("Option2")->click();
        QTest::qWait(50); // let the layout settle after the page switch
        QVERIFY(m_window->grab().save(dir + "/options_vfo_" + suffix + ".png"));
    }
}

QTEST_MAIN(TestOptionalFeatures)
#include "tst_optionalfeatures.moc"
