// The report's texts built from a configuration alone, with no window: every row of the settings pages in
// both languages, and the channel rows with the Band text of a newly typed channel.

#include "report/reportcontent.h"

#include <QTest>

namespace {
using Rows = QList<QStringList>; // a section heading alone, or a caption and its value

Rows flattened(const ReportContent &content) {
    Rows rows{{content.title}};
    for (const ReportSection &section : content.sections) {
        rows << QStringList{section.heading};
        for (const ReportRow &row : section.rows)
            rows << QStringList{row.caption, row.value};
    }
    rows << QStringList{content.channelTitle} << content.channelHeaders;
    return rows;
}

// Every value differs from its neighbours' so that two rows swapped cannot pass.
RadioConfig sampleConfig() {
    RadioConfig c;
    c.general.bChannel = QStringLiteral("7");
    c.general.aChannel = QStringLiteral("12");
    c.general.aDisplayMode = 1;
    c.vfoA.step = 3;
    c.vfoB.step = 7;
    c.general.squelchLevel = 4;
    c.general.beep = 9; // outside its list: the list shows no entry
    c.general.batterySave = 0;
    c.general.keyLock = 0;
    c.general.dualStandby = 1;
    c.general.channelNameEditable = 0;
    c.general.timeoutTimer = 6;
    c.general.displayCharacters = QStringLiteral("HELLO");
    c.general.scanMode = -1;                        // a typed text that matched no entry
    c.vfoA.freq = QStringLiteral("145.5000012345"); // the box holds nine characters
    c.vfoA.offset = QStringLiteral("0.6");
    c.vfoA.rxTone = 2;
    c.vfoA.txTone = 0;
    c.vfoA.power = 2;
    c.vfoA.busyLock = 0;
    c.vfoA.scanAdd = 0;
    c.vfoA.bandwidth = 0;
    c.vfoA.txProhibit = 0;
    c.vfoA.companding = 1;
    c.vfoA.shift = 2;
    c.vfoB.freq = QStringLiteral("433.00000");
    c.general.voxGain = 6;
    c.general.voxDelay = 0;
    c.general.allowCancel = true;
    c.calibration = {300, 150, -4, 77, 66, 55};
    c.channels[0] = newChannel(QStringLiteral("146.52500"), QStringLiteral("CALL"));
    c.channels[0].rxTone = 1;
    c.channels[0].txTone = 51;
    c.channels[1] = newChannel(QStringLiteral("435.02500"), QStringLiteral("RPT2"));
    c.channels[1].tx = QStringLiteral("430.02500");
    c.channels[1].power = 2;
    c.channels[1].busyLock = 0;
    c.channels[1].scanAdd = 0;
    c.channels[1].bandwidth = 0;
    c.channels[1].txProhibit = 0;
    c.channels[2].name = QStringLiteral("SPARE"); // a name without a channel
    c.channels[3] = newChannel(QStringLiteral("145.00000"));
    return c;
}
} // namespace

class TestReportContent : public QObject {
    Q_OBJECT

private slots:
    void settingsRows_data();
    void settingsRows();
    void channelRows_data();
    void channelRows();
};

void TestReportContent::settingsRows_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<Rows>("rows");
    QTest::newRow("en") << 1
                        << Rows{{"QUELT Interphone programming data are printed"},
                                {"Function Set"},
                                {"B Channel Number:", "7"},
                                {"A Channel Number:", "12"},
                                {"A Display Mode:", "Freq & Channel"},
                                {"A Step Frequency:", "12.5K"},
                                {"Squelch Level:", "4"},
                                {"Beep:", ""},
                                {"Battery Save:", "Off"},
                                {"Key Lock:", "Lock"},
                                {"Dual Standby:", "On"},
                                {"Channel Name Editable:", "On"},
                                {"Time-out Timer:", "6 Minute"},
                                {"Display Character:", "HELLO"},
                                {"Scan Mode:", ""},
                                {"The whole frequency frequently"},
                                {"Frequency:", "145.50000"},
                                {"Offset Data:", "0.6"},
                                {"QT/DQT Dec:", "69.3"},
                                {"QT/DQT Enc:", "Off"},
                                {"Power:", "Middle"},
                                {"Busy Channel Lock:", "Carry"},
                                {"Add Scan:", "Off"},
                                {"Wide/Narrow:", "Narrow"},
                                {"TX Prohibit:", "On"},
                                {"Companding:", "On"},
                                {"Offset Frequency:", "Turn Off"},
                                {"VOX(Voice control launches)"},
                                {"VOX Gain Level:", "7"},
                                {"VOX Delay Time(s):", "1 S"},
                                {"WhetherAllow to Cancel Operating", "Yes"},
                                {"Debug information"},
                                {"High Power Grades", "255"},
                                {"Middle Power Grades", "150"},
                                {"Low Power Grades", "0"},
                                {"Channel data"},
                                {"Channel", "RXFreq", "TXFreq", "QT/DQT Dec", "QT/DQT Enc", "Power",
                                 "Busy Lock", "Add Scan", "Band", "TX Prohibit", "Channel Name"}};
    QTest::newRow("zh") << 0
                        << Rows{{"QUELT对讲机编程数据打印"},
                                {"功能设置"},
                                {"B组当前频道数:", "7"},
                                {"A组当前频道数:", "12"},
                                {"A组显式模式:", "频率与频道"},
                                {"A组步进频率:", "12.5K"},
                                {"静噪等级:", "4"},
                                {"提示音:", ""},
                                {"省电:", "关"},
                                {"按键锁:", "上锁"},
                                {"双频待机:", "开"},
                                {"自命名频道名称:", "使能"},
                                {"发射超时:", "6 分钟"},
                                {"开机显示字符:", "HELLO"},
                                {"扫描模式:", ""},
                                {"全频频率"},
                                {"全频频率:", "145.50000"},
                                {"异频数:", "0.6"},
                                {"接收亚音频:", "69.3"},
                                {"发射亚音频:", "关闭"},
                                {"功率:", "中"},
                                {"繁忙信道锁定:", "载波"},
                                {"扫描添加:", "禁止"},
                                {"宽窄带:", "窄带"},
                                {"发射禁止:", "开"},
                                {"压扩:", "使能"},
                                {"异频:", "无异频"},
                                {"VOX(声控发射)"},
                                {"VOX增益电平:", "7"},
                                {"VOX延迟时间(秒):", "1 S"},
                                {"是否允许取消操作", "是"},
                                {"调试信息"},
                                {"高功率等级", "255"},
                                {"中功率等级", "150"},
                                {"低功率等级", "0"},
                                {"信道数据"},
                                {"频道", "接收频率", "发射频率", "接收亚音频", "发射亚音频", "功率",
                                 "繁忙信道锁定", "扫描添加", "宽窄带", "发射禁止", "频道名称"}};
}

void TestReportContent::settingsRows() {
    QFETCH(int, language);
    QFETCH(Rows, rows);
    QCOMPARE(flattened(buildReport(sampleConfig(), language)), rows);
}

void TestReportContent::channelRows_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("newlyTyped"); // channels 1 and 4 were typed in the channel table
    QTest::addColumn<Rows>("rows");       // channels 1 to 5
    QTest::newRow("en listed")
        << 1 << false
        << Rows{{"1", "146.52500", "146.52500", "67.0", "D017N", "High", "Off", "On", "wide", "Off", "CALL"},
                {"2", "435.02500", "430.02500", "Off", "Off", "Middle", "Carry", "Off", "Narror", "On",
                 "RPT2"},
                {"3", "", "", "", "", "", "", "", "", "", "SPARE"},
                {"4", "145.00000", "145.00000", "Off", "Off", "High", "Off", "On", "wide", "Off", ""},
                {"5", "", "", "", "", "", "", "", "", "", ""}};
    QTest::newRow("en typed")
        << 1 << true
        << Rows{{"1", "146.52500", "146.52500", "67.0", "D017N", "High", "Off", "On", "Wide", "Off", "CALL"},
                {"2", "435.02500", "430.02500", "Off", "Off", "Middle", "Carry", "Off", "Narror", "On",
                 "RPT2"},
                {"3", "", "", "", "", "", "", "", "", "", "SPARE"},
                {"4", "145.00000", "145.00000", "Off", "Off", "High", "Off", "On", "Wide", "Off", ""},
                {"5", "", "", "", "", "", "", "", "", "", ""}};
    QTest::newRow("zh typed")
        << 0 << true
        << Rows{{"1", "146.52500", "146.52500", "67.0", "D017N", "高", "关", "使能", "宽带", "关", "CALL"},
                {"2", "435.02500", "430.02500", "关闭", "关闭", "中", "载波", "禁止", "窄带", "开", "RPT2"},
                {"3", "", "", "", "", "", "", "", "", "", "SPARE"},
                {"4", "145.00000", "145.00000", "关闭", "关闭", "高", "关", "使能", "宽带", "关", ""},
                {"5", "", "", "", "", "", "", "", "", "", ""}};
}

void TestReportContent::channelRows() {
    QFETCH(int, language);
    QFETCH(bool, newlyTyped);
    QFETCH(Rows, rows);
    std::bitset<ReportChannels> typed;
    if (newlyTyped) {
        typed.set(0);
        typed.set(3);
        typed.set(1); // a narrow channel keeps its list entry
    }
    const ReportContent content = buildReport(sampleConfig(), language, typed);
    QCOMPARE(content.channelRows.size(), 128);
    QCOMPARE(content.channelRows.mid(0, 5), rows);
    QCOMPARE(content.channelRows.last(), (QStringList{"128", "", "", "", "", "", "", "", "", "", ""}));
}

QTEST_GUILESS_MAIN(TestReportContent)
#include "tst_reportcontent.moc"
