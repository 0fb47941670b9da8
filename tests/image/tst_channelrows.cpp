// Row operations on the channel list: the exact channel order after each.

#include "image/channelrows.h"

#include <QTest>

namespace {
// A list written as tokens for its first channels: "A@146" a used channel named A with RX 146.00000, "@145"
// one without a name, "~K" an unused channel that holds the name K, "-" an empty channel. The rest is empty.
ChannelList listOf(const QString &tokens) {
    ChannelList list{};
    int row = 0;
    for (const QString &token : tokens.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        Channel c;
        if (token.startsWith(QLatin1Char('~'))) {
            c.name = token.mid(1);
        } else if (token != QLatin1String("-")) {
            const QStringList parts = token.split(QLatin1Char('@'));
            c = newChannel(QStringLiteral("%1.00000").arg(parts.at(1)), parts.at(0));
        }
        list[std::size_t(row++)] = c;
    }
    return list;
}

QString tokensOf(const ChannelList &list, int count) {
    QStringList tokens;
    for (int row = 0; row < count; ++row) {
        const Channel &c = list[std::size_t(row)];
        if (c.isUsed())
            tokens << c.name + QLatin1Char('@') + c.rx.section(QLatin1Char('.'), 0, 0);
        else if (!c.name.isEmpty())
            tokens << QLatin1Char('~') + c.name;
        else
            tokens << QStringLiteral("-");
    }
    return tokens.join(QLatin1Char(' '));
}

bool restEmpty(const ChannelList &list, int from) {
    for (std::size_t row = std::size_t(from); row < list.size(); ++row)
        if (!(list[row] == Channel{}))
            return false;
    return true;
}

ChannelList fullList() {
    ChannelList list{};
    for (std::size_t row = 0; row < list.size(); ++row)
        list[row] = newChannel(QStringLiteral("146.00000"), QStringLiteral("C%1").arg(row + 1));
    return list;
}

QList<int> rowsOf(const QString &text) {
    QList<int> rows;
    for (const QString &r : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        rows << r.toInt();
    return rows;
}
} // namespace

class TestChannelRows : public QObject {
    Q_OBJECT
private slots:
    void insertEmpty_data();
    void insertEmpty();
    void insertRefusedWhenLastNotEmpty_data();
    void insertRefusedWhenLastNotEmpty();
    void remove_data();
    void remove();
    void move_data();
    void move();
    void sort_data();
    void sort();
    void clear();
};

void TestChannelRows::insertEmpty_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("after");
    QTest::newRow("in the middle") << "A@146 B@145 C@440" << 1 << "A@146 - B@145 C@440 -";
    QTest::newRow("at the top") << "A@146 B@145" << 0 << "- A@146 B@145 -";
    QTest::newRow("below the last used") << "A@146 B@145" << 2 << "A@146 B@145 - -";
    QTest::newRow("a name without a channel moves too") << "A@146 ~K B@145" << 1 << "A@146 - ~K B@145";
}

void TestChannelRows::insertEmpty() {
    QFETCH(QString, before);
    QFETCH(int, row);
    QFETCH(QString, after);
    const std::optional<ChannelList> out = channelrows::insertEmpty(listOf(before), row);
    QVERIFY(out);
    QCOMPARE(tokensOf(*out, 5).left(after.size()), after);
    QVERIFY(restEmpty(*out, 5));
}

void TestChannelRows::insertRefusedWhenLastNotEmpty_data() {
    QTest::addColumn<QString>("last"); // what channel 128 holds
    QTest::newRow("a used channel") << "used";
    QTest::newRow("only a name") << "name";
}

void TestChannelRows::insertRefusedWhenLastNotEmpty() {
    QFETCH(QString, last);
    ChannelList list = listOf("A@146");
    if (last == "used")
        list[127] = newChannel("440.00000");
    else
        list[127].name = "K";
    QVERIFY(!channelrows::insertEmpty(list, 0));
    QVERIFY(!channelrows::insertEmpty(fullList(), 127));
    // An empty last channel can always make room, even for an insert at channel 128 itself.
    list[127] = Channel{};
    list[126] = newChannel("441.00000");
    const auto out = channelrows::insertEmpty(list, 127);
    QVERIFY(out);
    QCOMPARE((*out)[126], newChannel("441.00000"));
    QCOMPARE((*out)[127], Channel{});
    QVERIFY(!channelrows::insertEmpty(list, 128));
    QVERIFY(!channelrows::insertEmpty(list, -1));
}

void TestChannelRows::remove_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("after");
    QTest::newRow("two adjacent") << "A@146 B@145 C@440 D@441"
                                  << "1,2"
                                  << "A@146 D@441 - - -";
    QTest::newRow("apart, unordered, twice") << "A@146 B@145 C@440 D@441"
                                             << "3,0,3"
                                             << "B@145 C@440 - - -";
    QTest::newRow("an empty row") << "A@146 - C@440"
                                  << "1"
                                  << "A@146 C@440 - - -";
    QTest::newRow("outside the list") << "A@146 B@145"
                                      << "-1,128"
                                      << "A@146 B@145 - - -";
}

void TestChannelRows::remove() {
    QFETCH(QString, before);
    QFETCH(QString, rows);
    QFETCH(QString, after);
    const ChannelList out = channelrows::remove(listOf(before), rowsOf(rows));
    QCOMPARE(tokensOf(out, 5), after);
    QVERIFY(restEmpty(out, 5));
}

void TestChannelRows::move_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("after"); // empty: refused
    const QString five = "A@146 B@145 C@440 D@441 E@442";
    QTest::newRow("a block up") << five << "1,2" << -1 << "B@145 C@440 A@146 D@441 E@442";
    QTest::newRow("a block down") << five << "1,2" << 1 << "A@146 D@441 B@145 C@440 E@442";
    QTest::newRow("apart, up") << five << "1,3" << -1 << "B@145 A@146 D@441 C@440 E@442";
    QTest::newRow("apart, down") << five << "3,1" << 1 << "A@146 C@440 B@145 E@442 D@441";
    QTest::newRow("past an empty row") << "A@146 - C@440"
                                       << "2" << -1 << "A@146 C@440 - - -";
    QTest::newRow("the first up") << five << "0,2" << -1 << "";
    QTest::newRow("nothing") << five << "" << 1 << "";
}

void TestChannelRows::move() {
    QFETCH(QString, before);
    QFETCH(QString, rows);
    QFETCH(int, step);
    QFETCH(QString, after);
    const auto out = channelrows::move(listOf(before), rowsOf(rows), step);
    QCOMPARE(bool(out), !after.isEmpty());
    if (out)
        QCOMPARE(tokensOf(*out, 5), after);
}

void TestChannelRows::sort_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("byName");
    QTest::addColumn<QString>("after");
    const QString mixed = "D@440 B@145 - A@146 @145 ~K";
    QTest::newRow("RX, all six") << mixed << "0,1,2,3,4,5" << false << "B@145 @145 A@146 D@440 - ~K";
    QTest::newRow("name, all six") << mixed << "0,1,2,3,4,5" << true << "A@146 B@145 D@440 @145 - ~K";
    QTest::newRow("RX, rows 0 and 4 only") << mixed << "4,0" << false << "@145 B@145 - A@146 D@440 ~K";
    QTest::newRow("name, digits before letters") << "B@146 9@145 A1@147 A@148"
                                                 << "0,1,2,3" << true << "9@145 A@148 A1@147 B@146";
    QTest::newRow("RX across hundreds") << "@440 @99 @145"
                                        << "0,1,2" << false << "@99 @145 @440";
}

void TestChannelRows::sort() {
    QFETCH(QString, before);
    QFETCH(QString, rows);
    QFETCH(bool, byName);
    QFETCH(QString, after);
    const ChannelList out =
        channelrows::sort(listOf(before), rowsOf(rows),
                          byName ? channelrows::SortKey::Name : channelrows::SortKey::RxFrequency);
    QCOMPARE(tokensOf(out, 6).left(after.size()), after);
}

void TestChannelRows::clear() {
    const ChannelList out = channelrows::clear(listOf("A@146 B@145 ~K D@441"), {1, 2});
    QCOMPARE(tokensOf(out, 4), QString("A@146 - - D@441"));
}

QTEST_GUILESS_MAIN(TestChannelRows)
#include "tst_channelrows.moc"
