// The choice-list tables as the windows, the report and the command line read them: a list's entries in
// either language, one entry by position (none outside the list), and the position of a text.

#include "texts/channelcolumns.h"
#include "texts/listtables.h"

#include <QTest>

class TstListTables : public QObject {
    Q_OBJECT
private slots:
    void entries_data() {
        QTest::addColumn<ChoiceList>("list");
        QTest::addColumn<QStringList>("chinese");
        QTest::addColumn<QStringList>("english");
        using namespace listtables;
        QTest::newRow("power") << ChoiceList(Power) << QStringList{"低", "高", "中"}
                               << QStringList{"Low", "High", "Middle"};
        QTest::newRow("channel band")
            << ChoiceList(ChannelBandwidth) << QStringList{"窄带", "宽带"} << QStringList{"Narror", "wide"};
        QTest::newRow("VFO band") << ChoiceList(VfoBandwidth) << QStringList{"窄带", "宽带"}
                                  << QStringList{"Narrow", "Wide"};
        QTest::newRow("shift") << ChoiceList(Shift) << QStringList{"+异频", "-异频", "无异频"}
                               << QStringList{"Plus Shift(+)", "Minus Shift(-)", "Turn Off"};
        QTest::newRow("timeout") << ChoiceList(TimeoutTimer)
                                 << QStringList{"关闭",   "1 分钟", "2 分钟", "3 分钟",
                                                "4 分钟", "5 分钟", "6 分钟", "7 分钟"}
                                 << QStringList{"Off",      "1 Minute", "2 Minute", "3 Minute",
                                                "4 Minute", "5 Minute", "6 Minute", "7 Minute"};
        QTest::newRow("DTMF first delay")
            << ChoiceList(DtmfFirstDelay)
            << QStringList{"0毫秒",    "200毫秒",  "400毫秒",  "600毫秒",  "800毫秒",
                           "1000毫秒", "1200毫秒", "1400毫秒", "1600毫秒", "1800毫秒"}
            << QStringList{"0MS",    "200MS",  "400MS",  "600MS",  "800MS",
                           "1000MS", "1200MS", "1400MS", "1600MS", "1800MS"};
        QTest::newRow("group call") << ChoiceList(DtmfGroupCall)
                                    << QStringList{"空", "*", "#", "A", "B", "C", "D"}
                                    << QStringList{"Empty", "*", "#", "A", "B", "C", "D"};
    }
    void entries() {
        QFETCH(ChoiceList, list);
        QFETCH(QStringList, chinese);
        QFETCH(QStringList, english);
        QCOMPARE(list.texts(Chinese), chinese);
        QCOMPARE(list.texts(English), english);
        QCOMPARE(list.size(), english.size());
        QCOMPARE(list.text(english.size() - 1, English), english.last());
        QCOMPARE(list.text(english.size(), English), QString());
        QCOMPARE(list.text(-1, Chinese), QString());
        QCOMPARE(list.find(english.last(), English), english.size() - 1);
        QCOMPARE(list.find(chinese.first(), Chinese), 0);
        QCOMPARE(list.find(QStringLiteral("nothing"), English), -1);
    }

    // The tone list: its "off" entry in the language, then the 264 tones, the same in both languages.
    void tones() {
        const ChoiceList tones = listtables::Tones;
        QCOMPARE(tones.size(), 265);
        QCOMPARE(tones.text(0, Chinese), QStringLiteral("关闭"));
        QCOMPARE(tones.text(0, English), QStringLiteral("Off"));
        QCOMPARE(tones.text(1, English), QStringLiteral("67.0"));
        QCOMPARE(tones.text(51, Chinese), QStringLiteral("D017N"));
        QCOMPARE(tones.text(265, English), QString());
        QCOMPARE(tones.texts(English).size(), 265);
        QCOMPARE(tones.find(QStringLiteral("D017N"), English), 51);
    }

    // The channel table's columns: which list edits which column, and the header texts.
    void channelColumns() {
        QCOMPARE(channelcolumns::list(channelcolumns::Power).texts(English),
                 (QStringList{"Low", "High", "Middle"}));
        QCOMPARE(channelcolumns::list(channelcolumns::BusyLock).texts(English),
                 (QStringList{"Carry", "Off"}));
        QCOMPARE(channelcolumns::list(channelcolumns::ScanAdd).texts(English), (QStringList{"Off", "On"}));
        QCOMPARE(channelcolumns::list(channelcolumns::TxProhibit).texts(English), (QStringList{"On", "Off"}));
        QCOMPARE(channelcolumns::list(channelcolumns::RxTone).size(), 265);
        QCOMPARE(channelcolumns::list(channelcolumns::Name).size(), 0);
        QCOMPARE(channelcolumns::headerText(channelcolumns::Bandwidth, Chinese), QStringLiteral("宽窄带"));
        QCOMPARE(channelcolumns::headerText(channelcolumns::Bandwidth, English), QStringLiteral("Band"));
        QCOMPARE(channelcolumns::headerText(channelcolumns::Count, English), QString());
    }
};

QTEST_APPLESS_MAIN(TstListTables)
#include "tst_listtables.moc"
