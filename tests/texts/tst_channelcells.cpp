// Texts taken into channel cells as typed or pasted: band check, raster, name filter, list texts in either
// language, and where a pasted block lands.

#include "texts/channelcells.h"

#include <QTest>

Q_DECLARE_METATYPE(CellRefusal)

namespace {
Channel usedChannel() {
    Channel c = newChannel(QStringLiteral("145.00000"), QStringLiteral("AB"));
    c.tx = QStringLiteral("146.00000");
    return c;
}

Channel startChannel(const QString &kind) {
    if (kind == QLatin1String("used"))
        return usedChannel();
    Channel c;
    if (kind == QLatin1String("named"))
        c.name = QStringLiteral("K");
    if (kind == QLatin1String("stored"))
        c = newChannel(QStringLiteral("145.00000"), QStringLiteral("ab c"));
    return c;
}

// The fields of a channel as "rx tx rxTone txTone power busyLock scanAdd bandwidth txProhibit name".
QString fields(const Channel &c) {
    return QStringList{c.rx.isEmpty() ? QStringLiteral("-") : c.rx,
                       c.tx.isEmpty() ? QStringLiteral("-") : c.tx,
                       QString::number(c.rxTone),
                       QString::number(c.txTone),
                       QString::number(c.power),
                       QString::number(c.busyLock),
                       QString::number(c.scanAdd),
                       QString::number(c.bandwidth),
                       QString::number(c.txProhibit),
                       c.name.isEmpty() ? QStringLiteral("-") : c.name}
        .join(QLatin1Char(' '));
}
} // namespace

class TestChannelCells : public QObject {
    Q_OBJECT
private slots:
    void setCellText_data();
    void setCellText();
    void pasteWholeRows_data();
    void pasteWholeRows();
    void pasteReportsRefusedCells();
    void receiveFrequencyFirst();
    void placeBlock_data();
    void placeBlock();
    void clearCells();
};

void TestChannelCells::setCellText_data() {
    QTest::addColumn<QString>("start"); // used: 145/146 "AB" defaults; empty; named: unused with name K
    QTest::addColumn<int>("band");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CellRefusal>("refusal");
    QTest::addColumn<QString>("after"); // fields(), see above
    using R = CellRefusal;
    struct Row {
        const char *name;
        const char *start;
        int band;
        int column;
        const char *text;
        R refusal;
        const char *after; // nullptr: unchanged
    };
    const Row rows[] = {
        {"RX changed, TX kept", "used", 0, 1, "146.5", R::None, "146.50000 146.00000 0 0 1 1 1 1 1 AB"},
        {"RX on the raster", "used", 0, 1, "145.519", R::None, "145.51875 146.00000 0 0 1 1 1 1 1 AB"},
        {"RX with blanks around", "used", 0, 1, " 147 ", R::None, "147.00000 146.00000 0 0 1 1 1 1 1 AB"},
        {"RX creates a channel", "empty", 0, 1, "145", R::None, "145.00000 145.00000 0 0 1 1 1 1 1 -"},
        {"RX keeps a stored name", "named", 0, 1, "145", R::None, "145.00000 145.00000 0 0 1 1 1 1 1 K"},
        {"RX erased empties the channel", "used", 0, 1, "", R::None, "- - 0 0 0 0 0 0 0 -"},
        {"RX out of band 0", "used", 0, 1, "180", R::OutOfBand, nullptr},
        {"RX 470 in band 0", "used", 0, 1, "470", R::OutOfBand, nullptr},
        {"RX 470 in band 2", "used", 2, 1, "470", R::None, "470.00000 146.00000 0 0 1 1 1 1 1 AB"},
        {"RX 1.2.3", "used", 0, 1, "1.2.3", R::NotFrequency, nullptr},
        {"RX with a unit", "used", 0, 1, "145MHz", R::NotFrequency, nullptr},
        {"RX out of band on an empty channel", "empty", 0, 1, "180", R::OutOfBand, nullptr},
        {"TX changed, RX kept", "used", 0, 2, "147.5", R::None, "145.00000 147.50000 0 0 1 1 1 1 1 AB"},
        {"TX erased", "used", 0, 2, "", R::TxNotErasable, nullptr},
        {"TX empty on an empty channel", "empty", 0, 2, "", R::None, nullptr},
        {"TX on an empty channel", "empty", 0, 2, "146", R::ChannelNotUsed, nullptr},
        {"tone in English", "used", 0, 3, "Off", R::None, nullptr},
        {"tone 67.0", "used", 0, 3, "67.0", R::None, "145.00000 146.00000 1 0 1 1 1 1 1 AB"},
        {"DCS normal", "used", 0, 4, "D023N", R::None, "145.00000 146.00000 0 52 1 1 1 1 1 AB"},
        {"DCS inverted, small letters", "used", 0, 4, "d023i", R::None,
         "145.00000 146.00000 0 159 1 1 1 1 1 AB"},
        {"tone 67 without decimal", "used", 0, 3, "67", R::NotInList, nullptr},
        {"power Middle", "used", 0, 5, "Middle", R::None, "145.00000 146.00000 0 0 2 1 1 1 1 AB"},
        {"power in Chinese", "used", 0, 5, "低", R::None, "145.00000 146.00000 0 0 0 1 1 1 1 AB"},
        {"power in small letters", "used", 0, 5, "middle", R::None, "145.00000 146.00000 0 0 2 1 1 1 1 AB"},
        {"power Mid", "used", 0, 5, "Mid", R::NotInList, nullptr},
        {"busy lock Carry", "used", 0, 6, "Carry", R::None, "145.00000 146.00000 0 0 1 0 1 1 1 AB"},
        {"busy lock 关", "used", 0, 6, "关", R::None, nullptr},
        {"scan Off", "used", 0, 7, "Off", R::None, "145.00000 146.00000 0 0 1 1 0 1 1 AB"},
        {"band Narror", "used", 0, 8, "Narror", R::None, "145.00000 146.00000 0 0 1 1 1 0 1 AB"},
        {"band 窄带", "used", 0, 8, "窄带", R::None, "145.00000 146.00000 0 0 1 1 1 0 1 AB"},
        {"band Wide of a new channel", "used", 0, 8, "Wide", R::None, nullptr},
        {"TX prohibit On", "used", 0, 9, "On", R::None, "145.00000 146.00000 0 0 1 1 1 1 0 AB"},
        {"TX prohibit Yes", "used", 0, 9, "Yes", R::NotInList, nullptr},
        {"empty list cell", "used", 0, 5, "", R::None, nullptr},
        {"list on an empty channel", "empty", 0, 5, "High", R::ChannelNotUsed, nullptr},
        {"empty list cell on an empty channel", "empty", 0, 5, "", R::None, nullptr},
        {"name in small letters", "used", 0, 10, "abc", R::None, "145.00000 146.00000 0 0 1 1 1 1 1 ABC"},
        {"name with signs the keys refuse", "used", 0, 10, "a b!c", R::None,
         "145.00000 146.00000 0 0 1 1 1 1 1 ABC"},
        {"name of eight", "used", 0, 10, "LONGNAME", R::None, "145.00000 146.00000 0 0 1 1 1 1 1 LONGNA"},
        {"name erased", "used", 0, 10, "", R::None, "145.00000 146.00000 0 0 1 1 1 1 1 -"},
        {"name without a typeable character", "used", 0, 10, "中文", R::NameNotTypeable, nullptr},
        {"name on an empty channel", "empty", 0, 10, "X", R::ChannelNotUsed, nullptr},
        {"stored name pasted back", "stored", 0, 10, "ab c", R::None, nullptr},
        {"stored name, other text", "stored", 0, 10, "ab cd", R::None,
         "145.00000 145.00000 0 0 1 1 1 1 1 ABCD"},
        {"the channel number", "used", 0, 0, "7", R::None, nullptr},
    };
    for (const Row &r : rows) {
        const Channel start = startChannel(QLatin1String(r.start));
        QTest::newRow(r.name) << QString(r.start) << r.band << r.column << QString::fromUtf8(r.text)
                              << r.refusal << (r.after ? QString::fromUtf8(r.after) : fields(start));
    }
}

void TestChannelCells::setCellText() {
    QFETCH(QString, start);
    QFETCH(int, band);
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(CellRefusal, refusal);
    QFETCH(QString, after);
    Channel c = startChannel(start);
    QCOMPARE(::setCellText(c, column, text, band), refusal);
    QCOMPARE(fields(c), after);
}

void TestChannelCells::pasteWholeRows_data() {
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("after");
    QTest::newRow("English texts") << QStringList{"145.00000", "146.00000", "67.0",   "D023N", "Low",
                                                  "Carry",     "Off",       "Narror", "On",    "ABC"}
                                   << "145.00000 146.00000 1 52 0 0 0 0 0 ABC";
    QTest::newRow("Chinese texts")
        << QString::fromUtf8("145.00000|146.00000|关闭|D754I|中|关|使能|宽带|关|X1").split('|')
        << "145.00000 146.00000 0 264 2 1 1 1 1 X1";
    QTest::newRow("an empty channel over a used one")
        << QStringList{"", "", "", "", "", "", "", "", "", ""} << "- - 0 0 0 0 0 0 0 -";
}

// A whole row pasted onto channel 3 (used) and channel 4 (empty) gives the same channel.
void TestChannelCells::pasteWholeRows() {
    QFETCH(QStringList, row);
    QFETCH(QString, after);
    ChannelList list{};
    list[2] = usedChannel();
    const PlacedBlock placed = ::placeBlock({row, row}, 2, 1);
    QCOMPARE(placed.outside, 0);
    const PasteOutcome out = pasteCells(list, 0, placed.cells);
    QCOMPARE(out.refused, QList<RefusedCell>{});
    QCOMPARE(fields(out.channels[2]), after);
    QCOMPARE(fields(out.channels[3]), after);
    QCOMPARE(out.channels[1], Channel{});
    QCOMPARE(out.channels[4], Channel{});
}

void TestChannelCells::pasteReportsRefusedCells() {
    ChannelList list{};
    list[0] = usedChannel();
    list[1] = usedChannel();
    const QList<QStringList> block{
        {"180", "146", "Off"},    // channel 1: RX out of band; the rest is taken
        {"147", "146", "Loud"},   // channel 2: the tone is no list entry
        {"1.2.3", "146", "67.0"}, // channel 3, empty: RX not a number, so the rest has no channel
    };
    const PasteOutcome out = pasteCells(list, 0, ::placeBlock(block, 0, 1).cells);
    using R = CellRefusal;
    const QList<RefusedCell> refused{{0, 1, R::OutOfBand},
                                     {1, 3, R::NotInList},
                                     {2, 1, R::NotFrequency},
                                     {2, 2, R::ChannelNotUsed},
                                     {2, 3, R::ChannelNotUsed}};
    QCOMPARE(out.refused, refused);
    QCOMPARE(fields(out.channels[0]), QString("145.00000 146.00000 0 0 1 1 1 1 1 AB"));
    QCOMPARE(fields(out.channels[1]), QString("147.00000 146.00000 0 0 1 1 1 1 1 AB"));
    QCOMPARE(out.channels[2], Channel{});
}

// Cells given in any order: a row's RX frequency is taken before its other cells.
void TestChannelCells::receiveFrequencyFirst() {
    const QList<CellText> cells{{5, 10, "ab"}, {5, 5, "Low"}, {5, 1, "145"}, {6, 1, ""}, {6, 10, "x"}};
    ChannelList list{};
    list[6] = usedChannel();
    const PasteOutcome out = pasteCells(list, 0, cells);
    QCOMPARE(fields(out.channels[5]), QString("145.00000 145.00000 0 0 0 1 1 1 1 AB"));
    // Channel 7 is emptied by its RX cell first, so its name has no channel to go to.
    QCOMPARE(out.channels[6], Channel{});
    QCOMPARE(out.refused, (QList<RefusedCell>{{6, 10, CellRefusal::ChannelNotUsed}}));
}

void TestChannelCells::placeBlock_data() {
    QTest::addColumn<QList<QStringList>>("block");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cells"); // "row,column=text" in order
    QTest::addColumn<int>("outside");
    QTest::newRow("two by two") << QList<QStringList>{{"a", "b"}, {"c", "d"}} << 5 << 3
                                << "5,3=a 5,4=b 6,3=c 6,4=d" << 0;
    QTest::newRow("rows of unequal length")
        << QList<QStringList>{{"a"}, {"b", "c"}} << 0 << 9 << "0,9=a 1,9=b 1,10=c" << 0;
    QTest::newRow("past the last channel") << QList<QStringList>{{"a", "b"}, {"c", "d"}, {"e", "f"}} << 126
                                           << 1 << "126,1=a 126,2=b 127,1=c 127,2=d" << 2;
    QTest::newRow("past the name column")
        << QList<QStringList>{{"a", "b", "c"}} << 3 << 9 << "3,9=a 3,10=b" << 1;
    QTest::newRow("ten columns on the channel number")
        << QList<QStringList>{{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}} << 4 << 0
        << "4,1=1 4,2=2 4,3=3 4,4=4 4,5=5 4,6=6 4,7=7 4,8=8 4,9=9 4,10=10" << 0;
    QTest::newRow("eleven columns on the channel number")
        << QList<QStringList>{{"5", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}} << 4 << 0
        << "4,1=a 4,2=b 4,3=c 4,4=d 4,5=e 4,6=f 4,7=g 4,8=h 4,9=i 4,10=j" << 0;
    QTest::newRow("eleven columns put on the RX column")
        << QList<QStringList>{{"5", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}} << 4 << 1
        << "4,1=a 4,2=b 4,3=c 4,4=d 4,5=e 4,6=f 4,7=g 4,8=h 4,9=i 4,10=j" << 0;
    QTest::newRow("one cell on the channel number") << QList<QStringList>{{"x"}} << 2 << 0 << "2,1=x" << 0;
}

void TestChannelCells::placeBlock() {
    QFETCH(QList<QStringList>, block);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, cells);
    QFETCH(int, outside);
    const PlacedBlock placed = ::placeBlock(block, row, column);
    QStringList got;
    for (const CellText &c : placed.cells)
        got << QStringLiteral("%1,%2=%3").arg(c.row).arg(c.column).arg(c.text);
    QCOMPARE(got.join(QLatin1Char(' ')), cells);
    QCOMPARE(placed.outside, outside);
}

void TestChannelCells::clearCells() {
    ChannelList list{};
    list[0] = usedChannel();
    list[0].rxTone = 5;
    list[0].txTone = 7;
    list[0].power = 2;
    list[1] = usedChannel();
    list[2].name = "K";
    const QList<CellText> cells{{0, 2, {}},  {0, 3, {}}, {0, 4, {}}, {0, 5, {}},
                                {0, 10, {}}, {0, 0, {}}, {1, 1, {}}, {2, 10, {}}};
    const ChannelList out = ::clearCells(list, cells);
    QCOMPARE(fields(out[0]), QString("145.00000 146.00000 0 0 2 1 1 1 1 -"));
    QCOMPARE(out[1], Channel{});
    QCOMPARE(out[2], Channel{});
}

QTEST_GUILESS_MAIN(TestChannelCells)
#include "tst_channelcells.moc"
