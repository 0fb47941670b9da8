// Tab-separated clipboard text as spreadsheets write and read it.

#include "files/tsvtext.h"

#include <QTest>

using Rows = QList<QStringList>;

class TestTsvText : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
};

void TestTsvText::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("one cell") << "145" << Rows{{"145"}};
    QTest::newRow("CR LF, with a line break at the end") << "145.00000\tOff\r\n146.00000\tOn\r\n"
                                                         << Rows{{"145.00000", "Off"}, {"146.00000", "On"}};
    QTest::newRow("LF only") << "a\tb\nc\td\n" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("CR only") << "a\tb\rc\td" << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("a tab at the end of every line") << "145\tA\t\r\n146\tB\t\r\n"
                                                    << Rows{{"145", "A"}, {"146", "B"}};
    QTest::newRow("an empty last cell in one row only") << "145\tA\r\n146\t\r\n"
                                                        << Rows{{"145", "A"}, {"146", ""}};
    QTest::newRow("empty cells inside") << "\t\tx\r\n" << Rows{{"", "", "x"}};
    QTest::newRow("quoted tab, line break and doubled quotes")
        << "\"a\tb\"\t\"line1\r\nline2\"\t\"say \"\"hi\"\"\"\r\n"
        << Rows{{"a\tb", "line1\r\nline2", "say \"hi\""}};
    QTest::newRow("a quote inside a cell is a character") << "5\" disk\tx\n" << Rows{{"5\" disk", "x"}};
    QTest::newRow("an empty line between rows") << "a\n\nb\n" << Rows{{"a"}, {""}, {"b"}};
    QTest::newRow("nothing") << "" << Rows{};
}

void TestTsvText::parse() {
    QFETCH(QString, text);
    QFETCH(Rows, rows);
    QCOMPARE(tsv::parse(text), rows);
}

void TestTsvText::format_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("text");
    QTest::newRow("two rows") << Rows{{"1", "145.00000", "Off"}, {"2", "", ""}}
                              << "1\t145.00000\tOff\r\n2\t\t\r\n";
    QTest::newRow("cells that need quotes")
        << Rows{{"a\tb", "x\ny", "q\"", "plain"}} << "\"a\tb\"\t\"x\ny\"\t\"q\"\"\"\tplain\r\n";
    QTest::newRow("Chinese texts") << Rows{{"关闭", "宽带"}} << QString::fromUtf8("关闭\t宽带\r\n");
}

void TestTsvText::format() {
    QFETCH(Rows, rows);
    QFETCH(QString, text);
    QCOMPARE(tsv::format(rows), text);
    // What we write reads back as the same cells, quoted cells included.
    QCOMPARE(tsv::parse(text), rows);
}

QTEST_GUILESS_MAIN(TestTsvText)
#include "tst_tsvtext.moc"
