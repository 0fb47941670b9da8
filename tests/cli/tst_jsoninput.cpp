// The JSON a person writes: choices by their English list text, frequencies as JSON numbers, and the
// warnings for values the windows would not take. Expectations are list positions and stored texts written
// by hand from the lists the windows show.

#include "files/configjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

namespace {

// {"a": {"b": [x]}} for "a.b[0]": the JSON that sets one member.
QJsonObject withMember(const QString &path, const QJsonValue &value) {
    static const QRegularExpression step(QStringLiteral("^([A-Za-z]+)(?:\\[(\\d+)\\])?$"));
    const QStringList parts = path.split(QLatin1Char('.'));
    QJsonValue inner = value;
    for (qsizetype i = parts.size() - 1; i >= 0; --i) {
        const QRegularExpressionMatch m = step.match(parts.at(i));
        Q_ASSERT(m.hasMatch());
        if (!m.captured(2).isEmpty()) {
            QJsonArray a;
            for (int k = 0; k < m.captured(2).toInt(); ++k)
                a.append(QJsonValue::Null);
            a.append(inner);
            inner = a;
        }
        inner = QJsonObject{{m.captured(1), inner}};
    }
    return inner.toObject();
}

// The value of a member in the decoded form ("channels[0].power").
QJsonValue memberOf(const QJsonObject &json, const QString &path) {
    static const QRegularExpression step(QStringLiteral("^([A-Za-z]+)(?:\\[(\\d+)\\])?$"));
    QJsonValue v = json;
    for (const QString &part : path.split(QLatin1Char('.'))) {
        const QRegularExpressionMatch m = step.match(part);
        v = v.toObject().value(m.captured(1));
        if (!m.captured(2).isEmpty())
            v = v.toArray().at(m.captured(2).toInt());
    }
    return v;
}

QJsonValue parseValue(const QString &text) {
    return QJsonDocument::fromJson("[" + text.toUtf8() + "]").array().at(0);
}

} // namespace

class TstJsonInput : public QObject {
    Q_OBJECT
private slots:
    void choiceByText_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value"); // JSON text
        QTest::addColumn<int>("position");
        auto row = [](const char *name, const char *member, const char *value, int position) {
            QTest::newRow(name) << QString::fromLatin1(member) << QString::fromUtf8(value) << position;
        };
        row("power High", "channels[0].power", R"("High")", 1);
        row("power blanks and case", "channels[0].power", R"("  mIDDLE ")", 2);
        row("power Low", "channels[3].power", R"("low")", 0);
        row("power position", "channels[0].power", "2", 2);
        row("busy lock Carry", "channels[0].busyLock", R"("Carry")", 0);
        row("scan On", "channels[0].scanAdd", R"("On")", 1);
        row("tx prohibit On", "channels[0].txProhibit", R"("On")", 0);
        row("tx prohibit Off", "channels[0].txProhibit", R"("off")", 1);
        row("channel band as the table spells it", "channels[0].bandwidth", R"("Narror")", 0);
        row("channel band Narrow", "channels[0].bandwidth", R"("Narrow")", 0);
        row("channel band Wide", "channels[0].bandwidth", R"("WIDE")", 1);
        row("band", "band", R"("A:144-146MHz B:430-440MHz")", 1);
        row("display mode", "general.bDisplayMode", R"("Freq & Channel")", 1);
        row("beep On", "general.beep", R"("On")", 1);
        row("name editable Off", "general.channelNameEditable", R"("Off")", 1);
        row("roger beep On", "general.rogerBeep", R"("On")", 0);
        row("key lock Normal", "general.keyLock", R"("Normal")", 1);
        row("key lock mode", "general.keyLockMode", R"("all")", 3);
        row("auto power-off", "general.autoPowerOff", R"("3 Hour")", 3);
        row("squelch level text", "general.squelchLevel", R"("9")", 9);
        row("vox gain text is the level", "general.voxGain", R"("1")", 0);
        row("vox delay", "general.voxDelay", R"("4 s")", 3);
        row("timeout", "general.timeoutTimer", R"("7 Minute")", 7);
        row("main channel", "general.mainChannel", R"("A Group")", 1);
        row("backlight", "general.backlight", R"("CONT")", 2);
        row("open display", "general.openDisplayMode", R"("msg")", 2);
        row("memory display", "general.memoryDisplayMode", R"("Frequency")", 1);
        row("radio monitor", "general.radioMonitor", R"("On")", 1);
        row("radio search", "general.radioSearchMode", R"("Auto")", 1);
        row("scan mode", "general.scanMode", R"("Time")", 1);
        row("shift", "vfoA.shift", R"("Turn Off")", 2);
        row("shift minus", "vfoB.shift", R"x("minus shift(-)")x", 1);
        row("step", "vfoA.step", R"("12.5K")", 3);
        row("vfo band Narrow", "vfoB.bandwidth", R"("Narrow")", 0);
        row("scramble Off", "vfoA.scramble", R"("Off")", 1);
        row("companding On", "vfoA.companding", R"("On")", 1);
        row("fm display", "fm.displayMode", R"("Frequency")", 1);
        row("fm step", "fm.step", R"("200K")", 2);
    }
    void choiceByText() {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(int, position);
        RadioConfig config;
        QStringList warnings;
        QCOMPARE(configjson::apply(withMember(member, parseValue(value)), config, &warnings), QString());
        QCOMPARE(warnings, QStringList());
        QCOMPARE(memberOf(configjson::toJson(config), member).toInt(-1), position);
    }

    void refusedChoice_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QString>("error");
        QTest::newRow("not an entry")
            << R"({"channels": [{"power": "Hgh"}]})"
            << R"(channels[0].power: "Hgh" is not an entry of the list (Low, High, Middle))";
        QTest::newRow("another list's entry")
            << R"({"general": {"beep": "Normal"}})"
            << R"(general.beep: "Normal" is not an entry of the list (Off, On))";
        QTest::newRow("a position as text")
            << R"({"vfoA": {"shift": "1"}})"
            << R"(vfoA.shift: "1" is not an entry of the list (Plus Shift(+), )"
               R"(Minus Shift(-), Turn Off))";
        QTest::newRow("position out of list") << R"({"channels": [{"power": 3}]})"
                                              << "channels[0].power: 3 is outside 0..2";
        QTest::newRow("empty text") << R"({"band": ""})"
                                    << R"(band: "" is not an entry of the list (A:136-173.995MHz )"
                                       R"(B:400-469.995MHz, A:144-146MHz B:430-440MHz, )"
                                       R"(A:136-174.995MHz B:400-479.995MHz))";
        QTest::newRow("negative frequency") << R"({"channels": [{"rx": -146.5}]})"
                                            << R"(channels[0].rx: "-146.50000" is not a frequency in MHz )"
                                               R"(such as "146.52500")";
        QTest::newRow("frequency too large") << R"({"vfoA": {"frequency": 1000}})"
                                             << R"(vfoA.frequency: "1000.00000" is not a frequency in MHz )"
                                                R"(such as "146.52500")";
    }
    void refusedChoice() {
        QFETCH(QString, json);
        QFETCH(QString, error);
        RadioConfig config;
        QCOMPARE(configjson::apply(QJsonDocument::fromJson(json.toUtf8()).object(), config), error);
        QCOMPARE(config.channels[0], Channel{});
    }

    void frequencyNumber_data() {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("value"); // a JSON number
        QTest::addColumn<QString>("stored");
        auto row = [](const char *name, const char *member, const char *value, const char *stored) {
            QTest::newRow(name) << QString::fromLatin1(member) << QString::fromLatin1(value)
                                << QString::fromLatin1(stored);
        };
        row("three decimals", "channels[0].rx", "146.525", "146.52500");
        row("two decimals", "channels[0].rx", "146.52", "146.52000");
        row("whole MHz", "channels[0].rx", "146", "146.00000");
        row("6.25 kHz raster", "channels[0].rx", "446.00625", "446.00625");
        row("off raster comes down", "channels[0].rx", "145.0126", "145.01250");
        row("transmit", "channels[0].tx", "145.6", "145.60000");
        row("exponent", "channels[0].rx", "1.4552e2", "145.52000");
        row("vfo", "vfoA.frequency", "145.2", "145.20000");
        row("offset", "vfoB.offset", "0.6", "0.6");
        row("whole offset", "vfoB.offset", "5", "5");
        row("fm vfo", "fm.vfo", "98.1", "98.10");
        row("fm channel", "fm.channels[0]", "88.15", "88.15");
    }
    void frequencyNumber() {
        QFETCH(QString, member);
        QFETCH(QString, value);
        QFETCH(QString, stored);
        RadioConfig config;
        QJsonObject json = withMember(member, parseValue(value));
        if (member == QLatin1String("channels[0].tx"))
            json = withMember(QStringLiteral("channels[0]"), QJsonObject{{"rx", "145.6"}, {"tx", 145.6}});
        QCOMPARE(configjson::apply(json, config), QString());
        QCOMPARE(memberOf(configjson::toJson(config), member).toString(), stored);
    }

    // Each row: the JSON, then the warnings, in the order of the members.
    void warnings_data() {
        QTest::addColumn<QString>("json");
        QTest::addColumn<QStringList>("warnings");
        const QString band0 = QStringLiteral("A:136-173.995MHz B:400-469.995MHz");
        QTest::newRow("good channel")
            << R"({"channels": [{"rx": "173.99", "name": "A#Z-9"}]})" << QStringList();
        QTest::newRow("name of seven")
            << R"({"channels": [{"rx": "146.52", "name": "SEVENCH"}]})"
            << QStringList{R"(channels[0].name: warning: "SEVENCH" is longer than the 6 characters the )"
                           R"(channel table takes)"};
        QTest::newRow("name of six is fine") << R"({"channels": [{"name": "SIXCHR"}]})" << QStringList();
        QTest::newRow("small letters and a blank")
            << R"({"channels": [null, {"name": "ab c"}]})"
            << QStringList{R"(channels[1].name: warning: "ab c" typed into the channel table becomes "ABC")"};
        QTest::newRow("rx above VHF")
            << R"({"channels": [{"rx": "174"}]})"
            << QStringList{R"(channels[0].rx: warning: "174.00000" is outside the band )" + band0};
        QTest::newRow("upper UHF edge is out for a channel")
            << R"({"channels": [{"rx": 470}]})"
            << QStringList{R"(channels[0].rx: warning: "470.00000" is outside the band )" + band0};
        QTest::newRow("tx out of band, rx good")
            << R"({"channels": [{"rx": "446", "tx": "300"}]})"
            << QStringList{R"(channels[0].tx: warning: "300.00000" is outside the band )" + band0};
        QTest::newRow("the band given decides")
            << R"({"band": 1, "channels": [{"rx": "145.5"}, {"rx": "146.5"}]})"
            << QStringList{
                   R"(channels[1].rx: warning: "146.50000" is outside the band A:144-146MHz B:430-440MHz)"};
        QTest::newRow("stored form with hex letters")
            << R"({"channels": [{"rx": "FFF.FFFFF"}]})"
            << QStringList{
                   R"(channels[0].rx: warning: "FFF.FFFFF" is not a frequency the channel table takes)"};
        QTest::newRow("vfo edge is in") << R"({"vfoA": {"frequency": 470}})" << QStringList();
        QTest::newRow("vfo out of band")
            << R"({"vfoB": {"frequency": "399.995"}})"
            << QStringList{R"(vfoB.frequency: warning: "399.99500" is outside the band )" + band0};
        QTest::newRow("several in order")
            << R"({"channels": [{"rx": "100", "name": "TOOLONG"}], "vfoA": {"frequency": "500"}})"
            << QStringList{R"(channels[0].rx: warning: "100.00000" is outside the band )" + band0,
                           R"(channels[0].name: warning: "TOOLONG" is longer than the 6 characters the )"
                           R"(channel table takes)",
                           R"(vfoA.frequency: warning: "500.00000" is outside the band )" + band0};
    }
    void warnings() {
        QFETCH(QString, json);
        QFETCH(QStringList, warnings);
        RadioConfig config;
        QStringList given{QStringLiteral("left over")};
        QCOMPARE(configjson::apply(QJsonDocument::fromJson(json.toUtf8()).object(), config, &given),
                 QString());
        QCOMPARE(given, warnings);
    }

    // A warned value is still applied: only --strict refuses it.
    void warnedValueIsKept() {
        RadioConfig config;
        QStringList warnings;
        QCOMPARE(configjson::apply(
                     QJsonDocument::fromJson(R"({"channels": [{"rx": 300, "name": "LONGNAME"}]})").object(),
                     config, &warnings),
                 QString());
        QCOMPARE(warnings.size(), 2);
        QCOMPARE(config.channels[0].rx, QStringLiteral("300.00000"));
        QCOMPARE(config.channels[0].name, QStringLiteral("LONGNAME"));
    }
};

QTEST_GUILESS_MAIN(TstJsonInput)
#include "tst_jsoninput.moc"
