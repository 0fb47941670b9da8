// The channel table as a spreadsheet, driven through its real widgets: selections, the clipboard, the
// channel operations of the context menu and the keys, type-to-edit, Escape, Tab, the layout and colours.

#include "editors/channeleditorwindow.h"
#include "editors/channelgridview.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <memory>

namespace {
// A channel named by its token: "A@146" is named A with RX and TX 146.00000 and the new-channel defaults.
Channel tokenChannel(const QString &token) {
    const QStringList parts = token.split(QLatin1Char('@'));
    return newChannel(QStringLiteral("%1.00000").arg(parts.at(1)), parts.at(0));
}

QString token(const Channel &c) {
    if (!c.isUsed())
        return c.name.isEmpty() ? QStringLiteral("-") : QLatin1Char('~') + c.name;
    return c.name + QLatin1Char('@') + c.rx.section(QLatin1Char('.'), 0, 0);
}

double luminance(const QColor &c) {
    return 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
}
} // namespace

class TestChannelTable : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void copyGivesDisplayTexts_data();
    void copyGivesDisplayTexts();
    void tsvRoundTrip_data();
    void tsvRoundTrip();
    void spreadsheetPaste_data();
    void spreadsheetPaste();
    void oneValueFillsTheSelection();
    void cutAndDelete();
    void channelOperations_data();
    void channelOperations();
    void insertRefusedWhenLastChannelUsed_data();
    void insertRefusedWhenLastChannelUsed();
    void contextMenu_data();
    void contextMenu();
    void selectAll();
    void keyboardSelection();
    void dragSelectsWithoutEditing();
    void typeToEdit_data();
    void typeToEdit();
    void typeOnAList();
    void escapeRestores_data();
    void escapeRestores();
    void f2Edits();
    void tabMovesAcross();
    void tableFillsTheWindow();
    void readableOnADarkPalette();
    void screenshots();

private:
    QTableView *grid() const { return m_window->findChild<QTableView *>(QStringLiteral("Grid1")); }
    QString cell(int row, int column) const { return grid()->model()->index(row, column).data().toString(); }
    QModelIndex index(int row, int column) const { return grid()->model()->index(row, column); }
    // The cell becomes current and the only one selected (as a click does, without opening an editor).
    void setCurrent(int row, int column) {
        qobject_cast<ChannelGridView *>(grid())->selectCell(index(row, column));
    }
    QPoint cellCenter(int row, int column) const;
    void click(int row, int column, Qt::KeyboardModifiers mods = {}, Qt::MouseButton button = Qt::LeftButton);
    void drag(int row1, int column1, int row2, int column2);
    QWidget *openEditor() const;
    void setChannels(const QString &tokens);
    QString order(int count) const;
    QString selectedRows() const;
    QMenu *menu() const { return m_window->findChild<QMenu *>(QStringLiteral("ChannelMenu")); }
    QAction *action(const char *name) const { return grid()->findChild<QAction *>(QLatin1String(name)); }
    void step(const QString &step);

    std::unique_ptr<Document> m_document;
    std::unique_ptr<ChannelEditorWindow> m_window;
    QStringList m_messages;
    QList<int> m_styles;
};

void TestChannelTable::init() {
    Language::instance().setIndex(1);
    m_messages.clear();
    m_styles.clear();
    msgbox::setHook([this](const QString &text, int style, const QString &) {
        m_messages << text;
        m_styles << style;
        return msgbox::IdOk;
    });
    QApplication::clipboard()->clear();
    m_document = std::make_unique<Document>();
    m_window = std::make_unique<ChannelEditorWindow>(*m_document);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestChannelTable::cleanup() {
    if (menu())
        menu()->hide();
    m_window.reset();
    m_document.reset();
    msgbox::setHook({});
}

QPoint TestChannelTable::cellCenter(int row, int column) const {
    grid()->scrollTo(index(row, column));
    return grid()->visualRect(index(row, column)).center();
}

void TestChannelTable::click(int row, int column, Qt::KeyboardModifiers mods, Qt::MouseButton button) {
    const QPoint at = cellCenter(row, column);
    QTest::mouseClick(grid()->viewport(), button, mods, at);
    if (button == Qt::RightButton) {
        // The platform follows a right click with a context menu request.
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, grid()->viewport()->mapToGlobal(at), mods);
        QApplication::sendEvent(grid()->viewport(), &request);
    }
}

void TestChannelTable::drag(int row1, int column1, int row2, int column2) {
    QWidget *viewport = grid()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, cellCenter(row1, column1));
    const QPoint to = grid()->visualRect(index(row2, column2)).center();
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

QWidget *TestChannelTable::openEditor() const {
    for (QWidget *w : grid()->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->isVisible() && (qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w)))
            return w;
    return nullptr;
}

// The channels as a fresh start: no undo history.
void TestChannelTable::setChannels(const QString &tokens) {
    RadioConfig config = m_document->config();
    std::size_t row = 0;
    for (const QString &t : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        config.channels[row++] = t == QLatin1String("-") ? Channel{} : tokenChannel(t);
    m_document->setConfig(config);
}

QString TestChannelTable::order(int count) const {
    QStringList tokens;
    for (int row = 0; row < count; ++row)
        tokens << token(m_document->config().channels[std::size_t(row)]);
    return tokens.join(QLatin1Char(' '));
}

// The rows with a selected cell, as "1,2"; the current cell after a slash.
QString TestChannelTable::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex &i : grid()->selectionModel()->selectedIndexes())
        if (!rows.contains(i.row()))
            rows << i.row();
    std::sort(rows.begin(), rows.end());
    QStringList out;
    for (int r : rows)
        out << QString::number(r);
    return out.join(QLatin1Char(',')) + QStringLiteral("/%1").arg(grid()->currentIndex().row());
}

void TestChannelTable::copyGivesDisplayTexts_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("text");
    QTest::newRow("English") << 1
                             << "1\t145.00000\t146.00000\tOff\tD023N\tMiddle\tCarry\tOn\twide\tOff\tA\"B\r\n"
                                "2\t\t\t\t\t\t\t\t\t\t\r\n";
    QTest::newRow("Chinese") << 0
                             << QString::fromUtf8(
                                    "1\t145.00000\t146.00000\t关闭\tD023N\t中\t载波\t使能\t宽带\t关\tA\"B\r\n"
                                    "2\t\t\t\t\t\t\t\t\t\t\r\n");
}

// Whole channels selected from their numbers copy every cell as shown; a quote in a cell is quoted.
void TestChannelTable::copyGivesDisplayTexts() {
    QFETCH(int, language);
    QFETCH(QString, text);
    Language::instance().setIndex(language);
    Channel c = newChannel("145.00000", "A\"B");
    c.tx = "146.00000";
    c.txTone = 52;
    c.power = 2;
    c.busyLock = 0;
    m_document->setChannel(0, c);
    click(0, 0);
    click(1, 0, Qt::ShiftModifier);
    QCOMPARE(selectedRows(), QString("0,1/0"));
    QVERIFY(!openEditor());
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    const QString expected = QString(text).replace(QStringLiteral("A\"B"), QStringLiteral("\"A\"\"B\""));
    QCOMPARE(QApplication::clipboard()->text(), expected);
}

void TestChannelTable::tsvRoundTrip_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 1;
    QTest::newRow("Chinese") << 0;
}

// A range copied and pasted elsewhere gives the same channels.
void TestChannelTable::tsvRoundTrip() {
    QFETCH(int, language);
    Language::instance().setIndex(language);
    Channel a = newChannel("145.51875", "RPT1");
    a.tx = "145.01875";
    a.rxTone = 12;
    a.txTone = 200;
    a.power = 0;
    a.busyLock = 0;
    a.scanAdd = 0;
    a.bandwidth = 0;
    a.txProhibit = 0;
    Channel b = newChannel("439.99500", "");
    b.power = 2;
    m_document->setChannel(2, a);
    m_document->setChannel(3, b);
    m_document->setChannel(5, newChannel("146.00000", "X"));
    m_document->setChannel(60, newChannel("147.00000", "OLD")); // overwritten
    m_document->setChannel(61, newChannel("147.00000", "OLD")); // emptied by the empty channel 5

    drag(2, 1, 4, 10); // channels 3..5, RX to name
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    setCurrent(60, 1);
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_messages, QStringList{});
    QCOMPARE(m_document->config().channels[60], a);
    QCOMPARE(m_document->config().channels[61], b);
    QCOMPARE(m_document->config().channels[62], Channel{});
    QCOMPARE(m_document->config().channels[63], Channel{});
    QCOMPARE(m_document->config().channels[5], newChannel("146.00000", "X"));
    QCOMPARE(m_document->undoText().pick(), language ? QString("Paste") : QString::fromUtf8("粘贴"));
    // The pasted cells are the selection.
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 30);
    QCOMPARE(selectedRows(), QString("60,61,62/60"));
    // One undo takes the whole paste back.
    m_document->undo();
    QCOMPARE(m_document->config().channels[60], newChannel("147.00000", "OLD"));
    QCOMPARE(m_document->config().channels[61], newChannel("147.00000", "OLD"));
    QCOMPARE(m_document->config().channels[2], a);
}

void TestChannelTable::spreadsheetPaste_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << 1
                             << "These cells were not pasted:\n"
                                "Channel 22, RXFreq: Beyond the scope of frequency band\n"
                                "Channel 22, TXFreq: a transmit frequency cannot be erased\n"
                                "Channel 23, Power: not an entry of the list\n"
                                "Channel 24, RXFreq: not a frequency\n"
                                "Channel 24, QT/DQT Dec: the channel has no RX frequency";
    QTest::newRow("Chinese") << 0
                             << QString::fromUtf8("以下单元格未粘贴：\n"
                                                  "频道22，接收频率：超出频段范围\n"
                                                  "频道22，发射频率：发射频率不能清除\n"
                                                  "频道23，功率：不是列表中的选项\n"
                                                  "频道24，接收频率：不是频率\n"
                                                  "频道24，接收亚音频：该频道没有接收频率");
}

// What a spreadsheet puts on the clipboard: CR LF, a tab at the end of every line, quoted cells.
void TestChannelTable::spreadsheetPaste() {
    QFETCH(int, language);
    QFETCH(QString, message);
    Language::instance().setIndex(language);
    m_document->setChannel(21, newChannel("146.00000", "KEEP"));
    QApplication::clipboard()->setText(
        QString::fromUtf8("145.5\t146\tOff\t关闭\tHigh\tOff\tOn\tWide\tOff\t\"ab\"\"c\"\t\r\n"
                          "180\t\t\t\t\t\t\t\t\t\t\r\n"
                          "430.0125\t440\tD754I\t\"67.0\"\tMid\tCarry\t禁止\tNarror\tOn\t\"X\r\nY\"\t\r\n"
                          "1.2.3\t\tOff\t\t\t\t\t\t\t\t\r\n"));
    setCurrent(20, 1);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(m_styles, QList<int>{msgbox::StyleExclamation});

    Channel first = newChannel("145.50000", "ABC");
    first.tx = "146.00000";
    QCOMPARE(m_document->config().channels[20], first);
    // The refused RX frequency leaves channel 22's frequencies as they were; its empty name cell is taken.
    QCOMPARE(m_document->config().channels[21], newChannel("146.00000", ""));
    Channel third = newChannel("430.01250", "XY");
    third.tx = "440.00000";
    third.rxTone = 264;
    third.txTone = 1;
    third.busyLock = 0;
    third.scanAdd = 0;
    third.bandwidth = 0;
    third.txProhibit = 0;
    QCOMPARE(m_document->config().channels[22], third);
    QCOMPARE(m_document->config().channels[23], Channel{});
    QCOMPARE(cell(22, 5), language ? QString("High") : QString::fromUtf8("高"));
}

void TestChannelTable::oneValueFillsTheSelection() {
    setChannels("A@146 B@145 C@440");
    drag(0, 5, 2, 6); // Power and Busy Lock of channels 1..3
    QApplication::clipboard()->setText("Low\r\n");
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    // "Low" is no Busy Lock entry: three refusals, the Power cells all taken.
    QCOMPARE(m_messages.size(), 1);
    QCOMPARE(m_messages.first().count(QStringLiteral("Busy Lock: not an entry of the list")), 3);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(m_document->config().channels[std::size_t(row)].power, 0);
        QCOMPARE(m_document->config().channels[std::size_t(row)].busyLock, 1);
    }
}

void TestChannelTable::cutAndDelete() {
    setChannels("A@146 B@145 C@440");
    m_document->setChannel(1, [] {
        Channel c = tokenChannel("B@145");
        c.rxTone = 3;
        return c;
    }());
    drag(1, 3, 1, 10); // channel 2 from QT/DQT Dec to the name
    QTest::keyClick(grid(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("71.9\tOff\tHigh\tOff\tOn\twide\tOff\tB\r\n"));
    // The tone goes to Off and the name is erased; the other lists have no empty entry.
    Channel b = tokenChannel("B@145");
    b.name.clear();
    QCOMPARE(m_document->config().channels[1], b);
    // Delete on RX cells empties those channels; the channel below does not move up.
    drag(0, 1, 0, 2);
    QTest::keyClick(grid(), Qt::Key_Delete);
    QCOMPARE(order(3), QString("- @145 C@440"));
    QVERIFY(m_messages.isEmpty());
    QCOMPARE(m_document->undoText().english, QString("Clear Cells"));
    m_document->undo();
    QCOMPARE(m_document->undoText().english, QString("Cut"));
    m_document->undo();
    QCOMPARE(order(3), QString("A@146 B@145 C@440"));
    QCOMPARE(m_document->config().channels[1].rxTone, 3);
}

void TestChannelTable::channelOperations_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("order");    // channels 1..7 afterwards
    QTest::addColumn<QString>("selected"); // rows with a selected cell / current row
    QTest::addColumn<int>("steps_");       // undo steps the operations made
    QTest::addColumn<QString>("lastStep"); // the name of the last one
    const QString start = "A@146 B@145 C@440 D@441 E@442";
    QTest::newRow("Ctrl+Down on channels 2-3") << "rows 1 2;key ctrl+down"
                                               << "A@146 D@441 B@145 C@440 E@442 - -"
                                               << "2,3/2" << 1 << "Move Channels Down";
    QTest::newRow("Ctrl+Up three times from channel 3-4") << "rows 2 3;key ctrl+up;key ctrl+up;key ctrl+up"
                                                          << "C@440 D@441 A@146 B@145 E@442 - -"
                                                          << "0,1/0" << 2 << "Move Channels Up";
    QTest::newRow("menu move down, apart") << "rows 0 0;addrow 3;menu actMoveDown"
                                           << "B@145 A@146 C@440 E@442 D@441 - -"
                                           << "1,4/4" << 1 << "Move Channels Down";
    QTest::newRow("Insert above channel 2") << "current 1 5;key insert"
                                            << "A@146 - B@145 C@440 D@441 E@442 -"
                                            << "1/1" << 1 << "Insert Channel";
    QTest::newRow("menu insert above channel 1") << "rows 0 0;menu actInsertChannel"
                                                 << "- A@146 B@145 C@440 D@441 E@442 -"
                                                 << "0/0" << 1 << "Insert Channel";
    QTest::newRow("Ctrl+Delete channels 2 and 4") << "rows 1 1;addrow 3;key ctrl+delete"
                                                  << "A@146 C@440 E@442 - - - -"
                                                  << "1/1" << 1 << "Delete Channels";
    QTest::newRow("menu delete cells of channels 1-2") << "cells 0 4 1 6;menu actDeleteChannels"
                                                       << "C@440 D@441 E@442 - - - -"
                                                       << "0/0" << 1 << "Delete Channels";
    QTest::newRow("menu clear channels 2-3") << "rows 1 2;menu actClearChannels"
                                             << "A@146 - - D@441 E@442 - -"
                                             << "1,2/1" << 1 << "Clear Channels";
    QTest::newRow("sort all by RX") << "rows 0 6;menu actSortRx"
                                    << "B@145 A@146 C@440 D@441 E@442 - -"
                                    << "0,1,2,3,4,5,6/0" << 1 << "Sort by RX Frequency";
    QTest::newRow("sort by name after moving") << "rows 1 4;menu actMoveUp;rows 0 4;menu actSortName"
                                               << "A@146 B@145 C@440 D@441 E@442 - -"
                                               << "0,1,2,3,4/0" << 2 << "Sort by Name";
    QTest::newRow("sort channels 1-3 by name") << "name 0 ZED;rows 0 2;menu actSortName"
                                               << "B@145 C@440 ZED@146 D@441 E@442 - -"
                                               << "0,1,2/0" << 2 << "Sort by Name";
    QTest::newRow("Ctrl+Up at the top does nothing") << "rows 0 1;key ctrl+up" << start + " - -"
                                                     << "0,1/0" << 0 << "";
}

void TestChannelTable::step(const QString &text) {
    const QStringList w = text.split(QLatin1Char(' '));
    if (w[0] == "rows") { // whole channels from the number column
        click(w[1].toInt(), 0);
        if (w[2] != w[1])
            click(w[2].toInt(), 0, Qt::ShiftModifier);
    } else if (w[0] == "addrow") {
        click(w[1].toInt(), 0, Qt::ControlModifier);
    } else if (w[0] == "cells") {
        drag(w[1].toInt(), w[2].toInt(), w[3].toInt(), w[4].toInt());
    } else if (w[0] == "current") {
        setCurrent(w[1].toInt(), w[2].toInt());
    } else if (w[0] == "name") {
        Channel c = m_document->config().channels[std::size_t(w[1].toInt())];
        c.name = w[2];
        m_document->setChannel(w[1].toInt(), c);
    } else if (w[0] == "key") {
        const QMap<QString, QPair<int, Qt::KeyboardModifiers>> keys{
            {"ctrl+up", {Qt::Key_Up, Qt::ControlModifier}},
            {"ctrl+down", {Qt::Key_Down, Qt::ControlModifier}},
            {"insert", {Qt::Key_Insert, Qt::NoModifier}},
            {"ctrl+delete", {Qt::Key_Delete, Qt::ControlModifier}},
        };
        QVERIFY(keys.contains(w[1]));
        grid()->setFocus();
        QTest::keyClick(grid(), Qt::Key(keys[w[1]].first), keys[w[1]].second);
    } else if (w[0] == "menu") {
        const QModelIndex current = grid()->currentIndex();
        click(current.row(), current.column(), {}, Qt::RightButton);
        QTRY_VERIFY(menu()->isVisible());
        QAction *a = action(w[1].toLatin1());
        QVERIFY(a && menu()->actions().contains(a));
        QVERIFY(a->isEnabled());
        menu()->hide();
        a->trigger();
    }
    QVERIFY(!openEditor());
}

void TestChannelTable::channelOperations() {
    QFETCH(QString, steps);
    QFETCH(QString, order);
    QFETCH(QString, selected);
    setChannels("A@146 B@145 C@440 D@441 E@442");
    for (const QString &s : steps.split(QLatin1Char(';'))) {
        step(s);
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(this->order(7), order);
    QCOMPARE(selectedRows(), selected);
    QVERIFY(m_messages.isEmpty());

    // Each operation is one undo step; undoing them all brings back the first order, redoing them the last.
    QFETCH(int, steps_);
    QFETCH(QString, lastStep);
    QCOMPARE(m_document->history().count(), steps_);
    QCOMPARE(m_document->undoText().english, lastStep);
    while (m_document->canUndo())
        m_document->undo();
    QCOMPARE(this->order(7), QString("A@146 B@145 C@440 D@441 E@442 - -"));
    while (m_document->canRedo())
        m_document->redo();
    QCOMPARE(this->order(7), order);
}

void TestChannelTable::insertRefusedWhenLastChannelUsed_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("English") << 1
                             << "Channel 128 is not empty. Delete or clear a channel first, then insert.";
    QTest::newRow("Chinese") << 0 << QString::fromUtf8("频道128不是空的。请先删除或清除一个频道，再插入。");
}

void TestChannelTable::insertRefusedWhenLastChannelUsed() {
    QFETCH(int, language);
    QFETCH(QString, message);
    Language::instance().setIndex(language);
    setChannels("A@146 B@145");
    m_document->setChannel(127, tokenChannel("Z@440"));
    setCurrent(0, 1);
    grid()->setFocus();
    QTest::keyClick(grid(), Qt::Key_Insert);
    QCOMPARE(m_messages, QStringList{message});
    QCOMPARE(order(3), QString("A@146 B@145 -"));
    QCOMPARE(token(m_document->config().channels[127]), QString("Z@440"));
    QVERIFY(grid()->hasFocus());
}

void TestChannelTable::contextMenu_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("English") << 1
                             << QStringList{"Cut\tCtrl+X",
                                            "Copy\tCtrl+C",
                                            "Paste\tCtrl+V",
                                            "Clear Cells\tDel",
                                            "",
                                            "Select All",
                                            "",
                                            "Insert Channel Above\tIns",
                                            "Delete Channels\tCtrl+Del",
                                            "Clear Channels",
                                            "Move Channels Up\tCtrl+Up",
                                            "Move Channels Down\tCtrl+Down",
                                            "",
                                            "Sort by RX Frequency",
                                            "Sort by Name"};
    QTest::newRow("Chinese") << 0
                             << QString::fromUtf8(
                                    "剪切\tCtrl+X|复制\tCtrl+C|粘贴\tCtrl+V|清除单元格\tDel||全选||"
                                    "在上方插入频道\tIns|删除频道\tCtrl+Del|清除频道|"
                                    "上移频道\tCtrl+Up|下移频道\tCtrl+Down||按接收频率排序|按名称排序")
                                    .split('|');
}

// A right click on a cell outside the selection selects it and shows the menu; no editor opens.
void TestChannelTable::contextMenu() {
    QFETCH(int, language);
    QFETCH(QStringList, texts);
    Language::instance().setIndex(language);
    setChannels("A@146 B@145");
    click(0, 1); // opens the RX editor
    QVERIFY(openEditor());
    click(1, 5, {}, Qt::RightButton);
    QVERIFY(!openEditor());
    QTRY_VERIFY(menu()->isVisible());
    QCOMPARE(grid()->currentIndex(), index(1, 5));
    QStringList shown;
    for (QAction *a : menu()->actions()) {
        const QString keys = a->shortcut().toString(QKeySequence::PortableText);
        shown << (a->isSeparator() ? QString() : keys.isEmpty() ? a->text() : a->text() + '\t' + keys);
    }
    QCOMPARE(shown, texts);
    // Nothing to paste, one channel selected: no paste, no sort.
    QVERIFY(!action("actPaste")->isEnabled());
    QVERIFY(!action("actSortRx")->isEnabled());
    QVERIFY(action("actMoveUp")->isEnabled());
    // Text put on the clipboard afterwards pastes with Ctrl+V.
    menu()->hide();
    QApplication::clipboard()->setText("Low");
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_document->config().channels[1].power, 0);
}

void TestChannelTable::selectAll() {
    setChannels("A@146");
    const int all = 128 * 11;
    // Ctrl+A stays with the main window (About).
    setCurrent(3, 3);
    QTest::keyClick(grid(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 1);
    action("actSelectAll")->trigger();
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), all);
    // The channel number header is the table's corner button.
    setCurrent(3, 3);
    QHeaderView *header = grid()->horizontalHeader();
    click(0, 1); // an open edit ends too
    QVERIFY(openEditor());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    QVERIFY(!openEditor());
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), all);
    // Another header selects its column.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(5) + 5, header->height() / 2));
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 128);
}

void TestChannelTable::keyboardSelection() {
    grid()->setFocus();
    setCurrent(2, 3);
    QTest::keyClick(grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    QModelIndexList selected = grid()->selectionModel()->selectedIndexes();
    std::sort(selected.begin(), selected.end());
    QCOMPARE(selected,
             (QModelIndexList{index(2, 3), index(2, 4), index(2, 5), index(3, 3), index(3, 4), index(3, 5)}));
    QVERIFY(!openEditor());
}

// Dragging across cells selects them and opens no editor; Ctrl+click adds a cell.
void TestChannelTable::dragSelectsWithoutEditing() {
    setChannels("A@146 B@145 C@440");
    drag(0, 2, 2, 3);
    QVERIFY(!openEditor());
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 6);
    click(1, 10, Qt::ControlModifier);
    QVERIFY(!openEditor());
    QCOMPARE(grid()->selectionModel()->selectedIndexes().size(), 7);
    click(2, 9, Qt::ShiftModifier);
    QVERIFY(!openEditor());
    // A plain click still opens the cell.
    click(1, 10);
    QVERIFY(qobject_cast<QLineEdit *>(openEditor()));
}

void TestChannelTable::typeToEdit_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("keys"); // typed on the grid, then Enter
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("firstText"); // the box right after the first key
    QTest::addColumn<QString>("stored");    // the channel afterwards as "rx tx name"
    QTest::newRow("RX") << 0 << 1 << "147.5"
                        << "Text1"
                        << "1"
                        << "147.50000 146.00000 A";
    QTest::newRow("TX") << 0 << 2 << "150"
                        << "Text1"
                        << "1"
                        << "146.00000 150.00000 A";
    QTest::newRow("a letter on RX is dropped") << 0 << 1 << "x145"
                                               << "Text1"
                                               << ""
                                               << "145.00000 146.00000 A";
    QTest::newRow("name, small letters") << 0 << 10 << "ab"
                                         << "Text2"
                                         << "A"
                                         << "146.00000 146.00000 AB";
    QTest::newRow("name cell of an empty channel opens RX") << 5 << 10 << "145"
                                                            << "Text1"
                                                            << "1"
                                                            << "145.00000 145.00000 ";
}

void TestChannelTable::typeToEdit() {
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, keys);
    QFETCH(QString, editor);
    QFETCH(QString, firstText);
    QFETCH(QString, stored);
    m_document->setChannel(0, tokenChannel("A@146"));
    grid()->setFocus();
    setCurrent(row, column);
    QTest::keyClick(grid(), keys.at(0).toLatin1());
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    QVERIFY(edit);
    QCOMPARE(edit->objectName(), editor);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), firstText);
    QTest::keyClicks(edit, keys.mid(1));
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!openEditor());
    const Channel &c = m_document->config().channels[std::size_t(row)];
    QCOMPARE(QStringList({c.rx, c.tx, c.name}).join(' '), stored);
}

// A character on a list cell opens the list at the first entry it begins; only a pick stores it.
void TestChannelTable::typeOnAList() {
    m_document->setChannel(0, tokenChannel("A@146"));
    grid()->setFocus();
    setCurrent(0, 5);
    QTest::keyClick(grid(), 'm');
    auto *combo = qobject_cast<QComboBox *>(openEditor());
    QVERIFY(combo);
    QCOMPARE(combo->objectName(), QString("Combo5_5"));
    QTRY_VERIFY(combo->view()->isVisible());
    QCOMPARE(combo->view()->currentIndex().row(), 2); // Middle
    QCOMPARE(m_document->config().channels[0].power, 1);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    QVERIFY(!openEditor());
    QCOMPARE(m_document->config().channels[0].power, 2);
}

void TestChannelTable::escapeRestores_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("typeOnGrid"); // the edit begins with a key on the grid, not a click
    QTest::newRow("RX, clicked") << 1 << false;
    QTest::newRow("RX, typed") << 1 << true;
    QTest::newRow("TX, clicked") << 2 << false;
    QTest::newRow("name, clicked") << 10 << false;
    QTest::newRow("name, typed") << 10 << true;
}

void TestChannelTable::escapeRestores() {
    QFETCH(int, column);
    QFETCH(bool, typeOnGrid);
    const Channel before = tokenChannel("AB@146");
    m_document->setChannel(0, before);
    const int steps = m_document->history().count();
    if (typeOnGrid) {
        grid()->setFocus();
        setCurrent(0, column);
        QTest::keyClick(grid(), '4');
    } else {
        click(0, column);
    }
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    QVERIFY(edit);
    QTest::keyClicks(edit, "47");
    if (column == 10)
        QVERIFY(m_document->config().channels[0].name != before.name); // the name follows every key
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!openEditor());
    QVERIFY(grid()->hasFocus());
    QCOMPARE(m_document->config().channels[0], before);
    QCOMPARE(cell(0, column), column == 10 ? QString("AB") : QString("146.00000"));
    QVERIFY(m_messages.isEmpty());
    // A cancelled edit leaves nothing to undo.
    QCOMPARE(m_document->history().count(), steps);
}

void TestChannelTable::f2Edits() {
    m_document->setChannel(0, tokenChannel("A@146"));
    grid()->setFocus();
    setCurrent(0, 2);
    QTest::keyClick(grid(), Qt::Key_F2);
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString("146.00000"));
}

void TestChannelTable::tabMovesAcross() {
    m_document->setChannel(0, tokenChannel("A@146"));
    click(0, 1);
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    QVERIFY(edit);
    edit->selectAll();
    QTest::keyClicks(edit, "147");
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!openEditor());
    QCOMPARE(cell(0, 1), QString("147.00000"));
    QCOMPARE(grid()->currentIndex(), index(0, 2));
    QTest::keyClick(grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(grid()->currentIndex(), index(0, 1));
    // Past the name the next channel's RX cell; before the RX cell the previous channel's name.
    setCurrent(0, 10);
    QTest::keyClick(grid(), Qt::Key_Tab);
    QCOMPARE(grid()->currentIndex(), index(1, 1));
    QTest::keyClick(grid(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(grid()->currentIndex(), index(0, 10));
    QVERIFY(grid()->hasFocus());
}

// The table grows with the window and comes back to its size as loaded; below that the window pans it.
void TestChannelTable::tableFillsTheWindow() {
    auto *area = m_window->findChild<QScrollArea *>();
    QWidget *client = m_window->findChild<QWidget *>(QStringLiteral("picClient"));
    QVERIFY(area && client);
    const QSize loadedWindow = m_window->size();
    const QSize loadedGrid = grid()->size();
    QVERIFY(loadedGrid.height() >= area->viewport()->height() - 2);

    m_window->resize(loadedWindow.width() + 200, loadedWindow.height() + 300);
    QTRY_COMPARE(grid()->height(), area->viewport()->height() - 2);
    QVERIFY(grid()->height() >= loadedGrid.height() + 300);
    QCOMPARE(grid()->width(), loadedGrid.width());
    QCOMPARE(client->size(), grid()->size() + QSize(2, 2));
    QVERIFY(!area->verticalScrollBar()->isVisible());

    m_window->resize(loadedWindow);
    QTRY_COMPARE(grid()->size(), loadedGrid);
    m_window->resize(300, 200);
    QTRY_VERIFY(area->verticalScrollBar()->isVisible());
    QVERIFY(grid()->height() >= loadedGrid.height() - 50);
}

// With a dark palette (light text) the text on every set background still stands out.
void TestChannelTable::readableOnADarkPalette() {
    const QPalette saved = QApplication::palette();
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(45, 45, 45));
    dark.setColor(QPalette::ButtonText, Qt::white);
    QApplication::setPalette(dark);
    setChannels("A@146 B@145");
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 11; ++column) {
            const QModelIndex i = index(row, column);
            const QVariant background = i.data(Qt::BackgroundRole);
            const QVariant foreground = i.data(Qt::ForegroundRole);
            const QColor back =
                background.isValid() ? background.value<QColor>() : dark.color(QPalette::Base);
            const QColor text =
                foreground.isValid() ? foreground.value<QColor>() : dark.color(QPalette::Text);
            QVERIFY2(std::abs(luminance(back) - luminance(text)) > 0.5,
                     qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));
        }
    }
    click(1, 1);
    auto *edit = qobject_cast<QLineEdit *>(openEditor());
    QVERIFY(edit);
    QVERIFY(std::abs(luminance(edit->palette().color(QPalette::Base)) -
                     luminance(edit->palette().color(QPalette::Text))) > 0.5);
    QApplication::setPalette(saved);
}

// Pictures for a person to look at, only when ORLEX_K7_SCREENSHOT_DIR names a folder.
void TestChannelTable::screenshots() {
    const QString folder = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("ORLEX_K7_SCREENSHOT_DIR not set");
    for (int language = 0; language < 2; ++language) {
        Language::instance().setIndex(language);
        setChannels("RPT1@145 RPT2@146 CITY@440 FIELD@441 - HOME@438");
        drag(1, 1, 3, 6);
        click(5, 10, Qt::ControlModifier);
        const QString suffix = language ? QStringLiteral("en") : QStringLiteral("zh");
        QVERIFY(m_window->grab().save(folder + "/multiselection-" + suffix + ".png"));
        click(2, 4, {}, Qt::RightButton);
        QTRY_VERIFY(menu()->isVisible());
        QPixmap shot = m_window->grab();
        QPainter painter(&shot);
        painter.drawPixmap(m_window->mapFromGlobal(menu()->pos()), menu()->grab());
        painter.end();
        QVERIFY(shot.save(folder + "/contextmenu-" + suffix + ".png"));
        menu()->hide();
    }
    const QPalette saved = QApplication::palette();
    QPalette dark(QColor(45, 45, 45), QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    QApplication::setPalette(dark);
    // A window made under the dark palette, as with a dark desktop theme.
    m_window = std::make_unique<ChannelEditorWindow>(*m_document);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    click(5, 1);
    QVERIFY(m_window->grab().save(folder + "/darkpalette.png"));
    QApplication::setPalette(saved);
}

QTEST_MAIN(TestChannelTable)
#include "tst_channeltable.moc"
