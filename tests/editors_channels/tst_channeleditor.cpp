// The channel grid driven through its real widgets: clicks, keys and the wheel.

#include "editors/channeleditorwindow.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <memory>

class TestChannelEditor : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void newChannelDefaults_data();
    void newChannelDefaults();
    void bandEdges_data();
    void bandEdges();
    void normalisation_data();
    void normalisation();
    void outOfBandMessage_data();
    void outOfBandMessage();
    void changingRxKeepsTheRest();
    void erasingRxClearsRowErasingTxDoesNot();
    void notANumberIsDropped();
    void emptyChannelOpensRxEditor_data();
    void emptyChannelOpensRxEditor();
    void rightClick();
    void enterAndClickBesideGrid();
    void scrollEndsEdit();
    void listPickCommits();
    void leavingListWithoutPick();
    void names_data();
    void names();
    void nameFollowsEveryChange();
    void storedTextLeftAsStored_data();
    void storedTextLeftAsStored();
    void typingBesideStoredName_data();
    void typingBesideStoredName();
    void bandCellText_data();
    void bandCellText();
    void rxIntoNamedUnusedChannel_data();
    void rxIntoNamedUnusedChannel();
    void wheel();
    void windowScrollBars();
    void languageSwitch();
    void commitOpenEditAndStartForm();
    void editedChannelSurvivesImage();

private:
    QTableView *grid() const { return m_window->findChild<QTableView *>(QStringLiteral("Grid1")); }
    QString cell(int row, int column) const { return grid()->model()->index(row, column).data().toString(); }
    QPoint cellCenter(int row, int column) const;
    void click(int row, int column, Qt::MouseButton button = Qt::LeftButton);
    QWidget *openEditor() const;
    QLineEdit *textEditor(const char *name) const;
    QComboBox *list(const QString &name) const;
    void typeInto(int row, int column, const QString &text);
    void pick(int row, int column, const QString &listName, int position);
    void setChannel(int index, const QString &rx);

    std::unique_ptr<Document> m_document;
    std::unique_ptr<ChannelEditorWindow> m_window;
    QStringList m_messages;
    QStringList m_titles;
};

void TestChannelEditor::init() {
    Language::instance().setIndex(1);
    m_messages.clear();
    m_titles.clear();
    msgbox::setHook([this](const QString &text, int, const QString &title) {
        m_messages << text;
        m_titles << title;
        return msgbox::IdOk;
    });
    m_document = std::make_unique<Document>();
    m_window = std::make_unique<ChannelEditorWindow>(*m_document);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestChannelEditor::cleanup() {
    m_window.reset();
    m_document.reset();
    msgbox::setHook({});
}

QPoint TestChannelEditor::cellCenter(int row, int column) const {
    const QModelIndex index = grid()->model()->index(row, column);
    grid()->scrollTo(index);
    return grid()->visualRect(index).center();
}

void TestChannelEditor::click(int row, int column, Qt::MouseButton button) {
    QTest::mouseClick(grid()->viewport(), button, {}, cellCenter(row, column));
}

QWidget *TestChannelEditor::openEditor() const {
    for (QWidget *w : grid()->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisible() && (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
            return w;
    return nullptr;
}

QLineEdit *TestChannelEditor::textEditor(const char *name) const {
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    return edit && edit->objectName() == QLatin1String(name) ? edit : nullptr;
}

QComboBox *TestChannelEditor::list(const QString &name) const {
    auto *combo = qobject_cast<QComboBox *>(openEditor());
    return combo && combo->objectName() == name ? combo : nullptr;
}

// Opens the cell's text editor, replaces its text by typing and ends the edit with Enter.
void TestChannelEditor::typeInto(int row, int column, const QString &text) {
    click(row, column);
    QLineEdit *edit = textEditor(column == 10 ? "Text2" : "Text1");
    QVERIFY(edit);
    QVERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(edit, char(c.unicode()));
        else // keys of another keyboard layout
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!openEditor());
}

void TestChannelEditor::pick(int row, int column, const QString &listName, int position) {
    click(row, column);
    QComboBox *combo = list(listName);
    QVERIFY(combo);
    QVERIFY(combo->view()->isVisible()); // the drop-down opens at once
    combo->view()->setCurrentIndex(combo->model()->index(position, 0));
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QVERIFY(!openEditor());
}

void TestChannelEditor::setChannel(int index, const QString &rx) {
    Channel c = newChannel(rx, QStringLiteral("N%1").arg(index));
    m_document->setChannel(index, c);
}

void TestChannelEditor::newChannelDefaults_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("Chinese") << 0 << QStringList{"145.00000", "145.00000", "关闭", "关闭", "高",
                                                 "关",        "使能",      "宽带", "关"};
    QTest::newRow("English") << 1 << QStringList{"145.00000", "145.00000", "Off",  "Off", "High",
                                                 "Off",       "On",        "Wide", "Off"};
}

void TestChannelEditor::newChannelDefaults() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    Language::instance().setIndex(language);
    typeInto(4, 1, "145");
    for (int column = 1; column <= 9; ++column)
        QCOMPARE(cell(4, column), texts.at(column - 1));
    const Channel &c = m_document->config().channels[4];
    QCOMPARE(c.rx, QString("145.00000"));
    QCOMPARE(c.tx, QString("145.00000"));
    QCOMPARE(c.rxTone, 0);
    QCOMPARE(c.txTone, 0);
    QCOMPARE(c.power, 1);
    QCOMPARE(c.busyLock, 1);
    QCOMPARE(c.scanAdd, 1);
    QCOMPARE(c.bandwidth, 1);
    QCOMPARE(c.txProhibit, 1);
    QVERIFY(m_messages.isEmpty());
}

void TestChannelEditor::bandEdges_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    struct Row {
        int band;
        const char *typed;
        const char *stored;
    };
    const Row rows[] = {
        {0, "173.995", "173.99500"},
        {0, "173.996", ""},
        {0, "470", ""},
        {0, "469.999", "469.99500"},
        {0, "136", "136.00000"},
        {0, "135.999", ""},
        {0, "400", "400.00000"},
        {0, "399.999", ""},
        {1, "173.995", ""},
        {1, "173.996", ""},
        {1, "470", ""},
        {1, "469.999", ""},
        {1, "144", "144.00000"},
        {1, "146", ""},
        {1, "145.995", "145.99500"},
        {1, "440", ""},
        {1, "439.995", "439.99500"},
        {1, "430", "430.00000"},
        {2, "173.995", "173.99500"},
        {2, "173.996", "173.99500"},
        {2, "470", "470.00000"},
        {2, "469.999", "469.99500"},
        {2, "174.995", "174.99500"},
        {2, "174.996", ""},
        {2, "480", ""},
        {2, "479.999", "479.99500"},
    };
    for (int language = 0; language < 2; ++language)
        for (const Row &r : rows)
            QTest::addRow("band %d %s %s", r.band, language ? "en" : "zh", r.typed)
                << r.band << language << QString(r.typed) << QString(r.stored);
}

void TestChannelEditor::bandEdges() {
    QFETCH(int, band);
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Language::instance().setIndex(language);
    m_document->setBand(band);
    typeInto(0, 1, typed);
    QCOMPARE(cell(0, 1), stored);
    QCOMPARE(m_document->config().channels[0].rx, stored);
    QCOMPARE(m_messages.size(), stored.isEmpty() ? 1 : 0);
}

void TestChannelEditor::normalisation_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("whole") << "145"
                           << "145.00000";
    QTest::newRow("one decimal") << "145.5"
                                 << "145.50000";
    QTest::newRow("6.25 kHz point") << "145.5125"
                                    << "145.51250";
    QTest::newRow("145.513") << "145.513"
                             << "145.51250";
    QTest::newRow("145.514") << "145.514"
                             << "145.51250";
    QTest::newRow("145.519") << "145.519"
                             << "145.51875";
    QTest::newRow("469.999") << "469.999"
                             << "469.99500";
    // A leading zero must not shift the digits that go into the stored BCD bytes.
    QTest::newRow("leading zero") << "0145.5"
                                  << "145.50000";
    QTest::newRow("leading zeros") << "00145.519"
                                   << "145.51875";
}

void TestChannelEditor::normalisation() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    setChannel(7, "146.00000");
    typeInto(7, 2, typed);
    QCOMPARE(cell(7, 2), stored);
    QCOMPARE(m_document->config().channels[7].tx, stored);
    QCOMPARE(cell(7, 1), QString("146.00000"));
}

void TestChannelEditor::outOfBandMessage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("Chinese") << 0 << QString("超出频段范围");
    QTest::newRow("English") << 1 << QString("Beyond the scope of frequency band");
}

void TestChannelEditor::outOfBandMessage() {
    QFETCH(int, language);
    QFETCH(QString, message);
    Language::instance().setIndex(language);
    setChannel(2, "145.00000");
    typeInto(2, 1, "180");
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(m_titles, QStringList{msgbox::applicationTitle()});
    QCOMPARE(cell(2, 1), QString("145.00000"));
    QVERIFY(grid()->hasFocus());
}

void TestChannelEditor::changingRxKeepsTheRest() {
    Channel c = newChannel("145.00000", "ABC");
    c.tx = "146.00000";
    c.rxTone = 5;
    c.power = 2;
    m_document->setChannel(9, c);
    typeInto(9, 1, "147.5");
    c.rx = "147.50000";
    QCOMPARE(m_document->config().channels[9], c);
    typeInto(9, 2, "150");
    c.tx = "150.00000";
    QCOMPARE(m_document->config().channels[9], c);
}

void TestChannelEditor::erasingRxClearsRowErasingTxDoesNot() {
    setChannel(5, "145.00000");
    typeInto(5, 2, "");
    QCOMPARE(cell(5, 2), QString("145.00000"));
    QCOMPARE(m_document->config().channels[5].tx, QString("145.00000"));
    typeInto(5, 1, "");
    for (int column = 1; column <= 10; ++column)
        QCOMPARE(cell(5, column), QString());
    QCOMPARE(cell(5, 0), QString("6"));
    QCOMPARE(m_document->config().channels[5], Channel{});
    QVERIFY(m_messages.isEmpty());
}

void TestChannelEditor::notANumberIsDropped() {
    setChannel(3, "145.00000");
    typeInto(3, 1, "1.2.3");
    QCOMPARE(cell(3, 1), QString("145.00000"));
    // Letters never reach the box.
    click(3, 1);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, "1a4 5-,x.5");
    QCOMPARE(edit->text(), QString("145.5"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(cell(3, 1), QString("145.50000"));
    QVERIFY(m_messages.isEmpty());
}

void TestChannelEditor::emptyChannelOpensRxEditor_data() {
    QTest::addColumn<int>("column");
    for (int column : {0, 2, 3, 5, 9, 10})
        QTest::addRow("column %d", column) << column;
}

void TestChannelEditor::emptyChannelOpensRxEditor() {
    QFETCH(int, column);
    click(20, column);
    QVERIFY(textEditor("Text1"));
    QCOMPARE(grid()->currentIndex().row(), 20);
    QCOMPARE(grid()->currentIndex().column(), 1);
    QCOMPARE(textEditor("Text1")->geometry(), grid()->visualRect(grid()->model()->index(20, 1)));
}

void TestChannelEditor::rightClick() {
    setChannel(1, "145.00000");
    click(1, 5, Qt::RightButton);
    QVERIFY(!openEditor());
    click(30, 1, Qt::RightButton);
    QVERIFY(!openEditor());
    // A right click ends an open edit; the typed frequency is taken as on any focus loss.
    click(1, 1);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "146");
    click(1, 5, Qt::RightButton);
    QVERIFY(!openEditor());
    QCOMPARE(cell(1, 1), QString("146.00000"));
    QVERIFY(grid()->hasFocus());
}

void TestChannelEditor::enterAndClickBesideGrid() {
    setChannel(0, "145.00000");
    grid()->setFocus();
    grid()->setCurrentIndex(grid()->model()->index(0, 2));
    QTest::keyClick(grid(), Qt::Key_Return);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString("145.00000"));
    edit->setText("146");
    // A click on the window beside the grid ends the edit like any focus loss.
    QVERIFY(m_window->width() > grid()->width() + 20);
    const QPoint beside(m_window->width() - 5, 100);
    QWidget *target = m_window->childAt(beside);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_window.get(), beside));
    QVERIFY(!openEditor());
    QCOMPARE(cell(0, 2), QString("146.00000"));
    QCOMPARE(cell(0, 1), QString("145.00000"));
}

void TestChannelEditor::scrollEndsEdit() {
    setChannel(0, "145.00000");
    click(0, 1);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    edit->setText("147");
    grid()->verticalScrollBar()->setValue(5);
    QVERIFY(!openEditor());
    QCOMPARE(cell(0, 1), QString("147.00000"));
    QVERIFY(grid()->hasFocus());
}

void TestChannelEditor::listPickCommits() {
    setChannel(0, "145.00000");
    pick(0, 5, "Combo5_5", 2);
    QCOMPARE(m_document->config().channels[0].power, 2);
    QCOMPARE(cell(0, 5), QString("Middle"));
    pick(0, 3, "Combo1", 40);
    QCOMPARE(m_document->config().channels[0].rxTone, 40);
    QCOMPARE(cell(0, 3), QString("199.5"));
    pick(0, 4, "Combo1", 158);
    QCOMPARE(cell(0, 4), QString("D017I"));
    pick(0, 8, "Combo5_8", 0);
    QCOMPARE(cell(0, 8), QString("Narror"));
    QVERIFY(grid()->hasFocus());
    // The list opens at the channel's own position and holds the whole tone list.
    click(0, 3);
    QComboBox *combo = list("Combo1");
    QVERIFY(combo);
    QCOMPARE(combo->count(), 265);
    QCOMPARE(combo->currentIndex(), 40);
    QCOMPARE(combo->itemText(0), QString("Off"));
    QCOMPARE(combo->itemText(264), QString("D754I"));
}

void TestChannelEditor::leavingListWithoutPick() {
    setChannel(0, "145.00000");
    setChannel(1, "146.00000");
    click(0, 6);
    QComboBox *combo = list("Combo5_6");
    QVERIFY(combo);
    // Move the highlight in the drop-down, then close it without a pick.
    combo->view()->setCurrentIndex(combo->model()->index(0, 0));
    combo->hidePopup();
    QVERIFY(list("Combo5_6"));
    click(1, 2);
    QVERIFY(!list("Combo5_6"));
    QVERIFY(textEditor("Text1"));
    QCOMPARE(m_document->config().channels[0].busyLock, 1);
    QCOMPARE(cell(0, 6), QString("Off"));
}

void TestChannelEditor::names_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower case") << "abc"
                                << "ABC";
    QTest::newRow("space and ! and quote") << "a b!c\"d"
                                           << "ABCD";
    QTest::newRow("seventh character") << "abcdefg"
                                       << "ABCDEF";
    QTest::newRow("edges of the range") << "#[`{~"
                                        << "#[`";
    QTest::newRow("non-ASCII") << QString::fromUtf8("中1é") << "1";
}

void TestChannelEditor::names() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    setChannel(12, "145.00000");
    typeInto(12, 10, typed);
    QCOMPARE(cell(12, 10), stored);
    QCOMPARE(m_document->config().channels[12].name, stored);
}

void TestChannelEditor::nameFollowsEveryChange() {
    setChannel(12, "145.00000");
    click(12, 10);
    QLineEdit *edit = textEditor("Text2");
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString("N12"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_X);
    QCOMPARE(m_document->config().channels[12].name, QString("N12X"));
    QVERIFY(textEditor("Text2"));
    edit->clear();
    edit->insert("a b!c"); // pasted text is cleaned like typed text
    QCOMPARE(edit->text(), QString("ABC"));
    QCOMPARE(m_document->config().channels[12].name, QString("ABC"));
    edit->clear();
    QCOMPARE(m_document->config().channels[12].name, QString());
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(cell(12, 10), QString());
}

// A channel as an image holds it: record 3 (146.52500 both ways, no tones) or an empty record, and the
// eight name bytes.
static void loadRecord3(Document &document, bool used, const QByteArray &rxBytes, const QByteArray &name) {
    MemoryImage &image = document.readImage();
    image.fill(0xFF);
    const std::size_t record = 2 * 13;
    if (used) {
        const QByteArray bytes = rxBytes + QByteArray::fromHex("0025651400000000F9");
        for (int i = 0; i < 13; ++i)
            image[record + std::size_t(i)] = std::uint8_t(bytes.at(i));
    }
    for (int i = 0; i < 8; ++i)
        image[2048 + 2 * 8 + std::size_t(i)] = std::uint8_t(name.at(i));
    document.decodeReadImage();
}

static QByteArray nameBytes(const MemoryImage &image) {
    QByteArray bytes;
    for (int i = 0; i < 8; ++i)
        bytes += char(image[2048 + 2 * 8 + std::size_t(i)]);
    return bytes;
}

void TestChannelEditor::storedTextLeftAsStored_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("rxBytes");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("shown");
    const QByteArray rx = QByteArray::fromHex("00256514");
    QTest::newRow("small letters and a blank")
        << 10 << rx << QByteArray::fromHex("61622063FFFFFFFF") << QString("ab c");
    QTest::newRow("Latin-1 bytes") << 10 << rx << QByteArray::fromHex("E9B5417EFFFFFFFF")
                                   << QString::fromUtf8("éµA~");
    QTest::newRow("signs the keys refuse")
        << 10 << rx << QByteArray::fromHex("21227B7C7DFFFFFF") << QString("!\"{|}");
    QTest::newRow("eight characters")
        << 10 << rx << QByteArray::fromHex("6162636465666768") << QString("abcdefgh");
    QTest::newRow("seven characters")
        << 10 << rx << QByteArray::fromHex("41422043447A7EFF") << QString("AB CDz~");
    // A frequency that is not BCD shows its hex letters; it is not a number, so leaving it changes nothing.
    QTest::newRow("RX with hex letters") << 1 << QByteArray::fromHex("0000501F")
                                         << QByteArray::fromHex("4142FFFFFFFFFFFF") << QString("1F5.00000");
}

// A stored text opened for editing and left with Enter, untouched, stays exactly as stored.
void TestChannelEditor::storedTextLeftAsStored() {
    QFETCH(int, column);
    QFETCH(QByteArray, rxBytes);
    QFETCH(QByteArray, name);
    QFETCH(QString, shown);
    loadRecord3(*m_document, true, rxBytes, name);
    const Channel before = m_document->config().channels[2];
    QCOMPARE(cell(2, column), shown);

    click(2, column);
    QLineEdit *edit = textEditor(column == 10 ? "Text2" : "Text1");
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(m_document->config().channels[2], before);
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!openEditor());
    QCOMPARE(cell(2, column), shown);
    QCOMPARE(m_document->config().channels[2], before);
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(nameBytes(m_document->encodeWriteImage()).toHex(), name.toHex());
}

void TestChannelEditor::typingBesideStoredName_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("cursor");
    // Keys: letters and signs as typed, \b Backspace, \x01 Ctrl+A, \x1a Ctrl+Z.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("result");
    const QByteArray abc = QByteArray::fromHex("61622063FFFFFFFF"); // "ab c"
    QTest::newRow("a letter after it") << abc << 4 << "d"
                                       << "ab cD";
    QTest::newRow("a blank and a letter before it") << abc << 0 << " x"
                                                    << "Xab c";
    QTest::newRow("the sixth and seventh characters") << abc << 4 << "!yz"
                                                      << "ab cYZ";
    QTest::newRow("Backspace, then a letter") << abc << 4 << "\bq"
                                              << "ab Q";
    QTest::newRow("a letter between two equal ones") << QByteArray::fromHex("6161FFFFFFFFFFFF") << 1 << "a"
                                                     << "aAa";
    QTest::newRow("replaced, then undone") << abc << 4 << "\x01X\x1a"
                                           << "ab c";
    QTest::newRow("eight stored: no room") << QByteArray::fromHex("6162636465666768") << 8 << "x"
                                           << "abcdefgh";
    QTest::newRow("eight stored, three erased: room for one")
        << QByteArray::fromHex("6162636465666768") << 8 << "\b\b\bxy"
        << "abcdeX";
}

// Only what is typed goes through the key filter and the six-character limit.
void TestChannelEditor::typingBesideStoredName() {
    QFETCH(QByteArray, name);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, result);
    loadRecord3(*m_document, true, QByteArray::fromHex("00256514"), name);
    click(2, 10);
    QLineEdit *edit = textEditor("Text2");
    QVERIFY(edit);
    edit->setCursorPosition(cursor);
    for (QChar c : keys) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(edit, Qt::Key_Backspace);
        else if (c == QChar(0x01))
            QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        else if (c == QChar(0x1a))
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        else
            QTest::keyClick(edit, char(c.unicode()));
    }
    QCOMPARE(edit->text(), result);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(cell(2, 10), result);
    QCOMPARE(m_document->config().channels[2].name, result);
}

void TestChannelEditor::bandCellText_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("then"); // what happens after the channel is typed
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("position");
    QTest::newRow("typed in English") << 1 << ""
                                      << "Wide" << 1;
    QTest::newRow("typed in Chinese") << 0 << ""
                                      << "宽带" << 1;
    QTest::newRow("English, RX changed") << 1 << "rx"
                                         << "Wide" << 1;
    QTest::newRow("English, name typed") << 1 << "name"
                                         << "Wide" << 1;
    QTest::newRow("English, then Chinese") << 1 << "zh"
                                           << "宽带" << 1;
    QTest::newRow("English, Chinese, English") << 1 << "zh en"
                                               << "wide" << 1;
    QTest::newRow("Chinese, then English") << 0 << "en"
                                           << "wide" << 1;
    QTest::newRow("English, picked wide") << 1 << "pick1"
                                          << "wide" << 1;
    QTest::newRow("English, picked Narror") << 1 << "pick0"
                                            << "Narror" << 0;
    QTest::newRow("English, channels replaced") << 1 << "reload"
                                                << "wide" << 1;
    QTest::newRow("English, erased and typed again") << 1 << "erase"
                                                     << "Wide" << 1;
}

// A newly typed channel's Band cell reads "Wide"; the list's entry for the same position reads "wide".
void TestChannelEditor::bandCellText() {
    QFETCH(int, language);
    QFETCH(QString, then);
    QFETCH(QString, shown);
    QFETCH(int, position);
    Language::instance().setIndex(language);
    typeInto(6, 1, "145");
    for (const QString &step : then.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == "rx")
            typeInto(6, 1, "146");
        else if (step == "name")
            typeInto(6, 10, "ab");
        else if (step == "zh" || step == "en")
            Language::instance().setIndex(step == "en" ? 1 : 0);
        else if (step.startsWith("pick"))
            pick(6, 8, "Combo5_8", step.mid(4).toInt());
        else if (step == "reload")
            m_document->setConfig(m_document->config());
        else if (step == "erase") {
            typeInto(6, 1, "");
            typeInto(6, 1, "145");
        }
    }
    QCOMPARE(cell(6, 8), shown);
    QCOMPARE(m_document->config().channels[6].bandwidth, position);
    // The neighbours are not touched.
    QCOMPARE(cell(5, 8), QString());
    QCOMPARE(cell(7, 8), QString());
}

void TestChannelEditor::rxIntoNamedUnusedChannel_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("kept");
    QTest::newRow("capitals") << QByteArray::fromHex("4B454550FFFFFFFF") << "KEEP";
    QTest::newRow("small letters and a blank") << QByteArray::fromHex("61622063FFFFFFFF") << "ab c";
    QTest::newRow("eight Latin-1 bytes")
        << QByteArray::fromHex("E941424344454647") << QString::fromUtf8("éABCDEFG");
}

// An unused channel may hold a name from an image; typing its RX frequency creates the channel around it.
void TestChannelEditor::rxIntoNamedUnusedChannel() {
    QFETCH(QByteArray, name);
    QFETCH(QString, kept);
    loadRecord3(*m_document, false, {}, name);
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(2, 10), kept);
    typeInto(2, 1, "145");
    QCOMPARE(cell(2, 1), QString("145.00000"));
    QCOMPARE(cell(2, 3), QString("Off"));
    QCOMPARE(cell(2, 10), kept);
    QCOMPARE(m_document->config().channels[2].name, kept);
    QCOMPARE(nameBytes(m_document->encodeWriteImage()).toHex(), name.toHex());
}

void TestChannelEditor::wheel() {
    QScrollBar *bar = grid()->verticalScrollBar();
    grid()->setCurrentIndex(grid()->model()->index(3, 4));
    const QPoint pos = grid()->viewport()->rect().center();
    auto turn = [&](int delta) {
        QWheelEvent event(pos, grid()->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &event);
    };
    QCOMPARE(bar->value(), 0);
    turn(1200); // away from the user at the top
    QCOMPARE(bar->value(), 0);
    turn(-1200); // a fast spin towards the user is still one row
    QCOMPARE(bar->value(), 1);
    turn(-120);
    QCOMPARE(bar->value(), 2);
    turn(120);
    QCOMPARE(bar->value(), 1);
    bar->setValue(bar->maximum());
    const int end = bar->value();
    QVERIFY(end > 100);
    turn(-1200);
    QCOMPARE(bar->value(), end);
    turn(960);
    QCOMPARE(bar->value(), end - 1);
    QCOMPARE(grid()->currentIndex(), grid()->model()->index(3, 4));
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 1);
}

void TestChannelEditor::windowScrollBars() {
    auto *area = m_window->findChild<QScrollArea *>();
    QWidget *client = m_window->findChild<QWidget *>(QStringLiteral("picClient"));
    QVERIFY(area && client);
    QCOMPARE(client->size(), grid()->size() + QSize(2, 2));
    // The window as loaded holds the whole grid.
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QVERIFY(!area->horizontalScrollBar()->isVisible());

    m_window->resize(300, 200);
    QTRY_VERIFY(area->verticalScrollBar()->isVisible());
    QVERIFY(area->horizontalScrollBar()->isVisible());
    QScrollBar *v = area->verticalScrollBar();
    const int inside = area->viewport()->height();
    const int extra = client->height() - inside;
    QCOMPARE(v->maximum(), extra);
    QCOMPARE(v->pageStep(), extra / (extra / inside + 1));
    QCOMPARE(v->singleStep(), 2);
    v->setValue(37);
    area->horizontalScrollBar()->setValue(11);
    QCOMPARE(client->pos(), QPoint(-11, -37));

    m_window->resize(1400, 1000);
    QTRY_VERIFY(!area->verticalScrollBar()->isVisible());
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QCOMPARE(client->pos(), QPoint(0, 0));
}

void TestChannelEditor::languageSwitch() {
    Channel c = newChannel("145.00000", "ABC");
    c.txTone = 1; // 67.0
    m_document->setChannel(0, c);
    Channel unnamed;
    unnamed.name = "KEEP"; // a name of an unused channel, as an image may hold
    m_document->setChannel(1, unnamed);

    Language::instance().setIndex(0);
    QCOMPARE(cell(0, 3), QString("关闭"));
    QCOMPARE(cell(0, 4), QString("67.0"));
    QCOMPARE(cell(0, 6), QString("关"));
    QCOMPARE(m_window->windowTitle(), QString("信道编辑"));
    QCOMPARE(grid()->model()->headerData(0, Qt::Horizontal).toString(), QString("频道"));
    QCOMPARE(grid()->model()->headerData(6, Qt::Horizontal).toString(), QString("繁忙信道锁定"));

    // An edit in progress survives a switch: typed text, selection and all values.
    click(0, 1);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    edit->setText("146.1");
    Language::instance().setIndex(1);
    QCOMPARE(edit->text(), QString("146.1"));
    QVERIFY(textEditor("Text1"));
    QCOMPARE(grid()->currentIndex(), grid()->model()->index(0, 1));
    QCOMPARE(cell(0, 3), QString("Off"));
    QCOMPARE(cell(0, 4), QString("67.0"));
    QCOMPARE(cell(0, 10), QString("ABC"));
    QCOMPARE(cell(1, 10), QString("KEEP"));
    QCOMPARE(cell(1, 1), QString());
    QCOMPARE(cell(1, 3), QString());
    QCOMPARE(m_window->windowTitle(), QString("Channel Edit"));
    QCOMPARE(grid()->model()->headerData(10, Qt::Horizontal).toString(), QString("Channel Name"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(cell(0, 1), QString("146.10000"));

    // An open list renames its entries and keeps its position.
    click(0, 7);
    QComboBox *combo = list("Combo5_7");
    QVERIFY(combo);
    combo->hidePopup();
    Language::instance().setIndex(0);
    QCOMPARE(combo->itemText(0), QString("禁止"));
    QCOMPARE(combo->itemText(1), QString("使能"));
    QCOMPARE(combo->currentIndex(), 1);
}

void TestChannelEditor::commitOpenEditAndStartForm() {
    click(0, 1);
    QLineEdit *edit = textEditor("Text1");
    QVERIFY(edit);
    QTest::keyClicks(edit, "145");
    m_window->commitOpenEdit();
    QVERIFY(!openEditor());
    QCOMPARE(m_document->config().channels[0].rx, QString("145.00000"));

    click(0, 10);
    QTest::keyClicks(textEditor("Text2"), "ab");
    m_window->commitOpenEdit();
    QCOMPARE(cell(0, 10), QString("AB"));

    click(5, 1);
    QTest::keyClicks(textEditor("Text1"), "146");
    m_window->startForm();
    QVERIFY(!openEditor());
    for (int row = 0; row < 128; ++row) {
        QCOMPARE(m_document->config().channels[std::size_t(row)], Channel{});
        QCOMPARE(cell(row, 0), QString::number(row + 1));
    }
}

void TestChannelEditor::editedChannelSurvivesImage() {
    typeInto(0, 1, "146.525");
    pick(0, 3, "Combo1", 1);   // 67.0
    pick(0, 4, "Combo1", 52);  // D023N
    pick(0, 6, "Combo5_6", 0); // Carry
    typeInto(0, 10, "abc");
    const MemoryImage &image = m_document->encodeWriteImage();
    const std::uint8_t record[13] = {0x00, 0x25, 0x65, 0x14, 0x00, 0x25, 0x65,
                                     0x14, 0x70, 0x06, 0x23, 0x80, 0xF9};
    for (int i = 0; i < 13; ++i)
        QCOMPARE(int(image[std::size_t(i)]), int(record[i]));
    const std::uint8_t name[8] = {0x41, 0x42, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 8; ++i)
        QCOMPARE(int(image[std::size_t(2048 + i)]), int(name[i]));

    const Channel edited = m_document->config().channels[0];
    Document reopened;
    reopened.readImage() = image;
    reopened.decodeReadImage();
    QCOMPARE(reopened.config().channels[0], edited);
    QCOMPARE(reopened.config().channels[1], Channel{});
}

QTEST_MAIN(TestChannelEditor)
#include "tst_channeleditor.moc"
