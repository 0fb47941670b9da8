#include "editors/optionalfeaturesrows.h"

#include "gui/language.h"
#include "image/tones.h"

QString OptionTexts::pick() const {
    return lang::pick(zh, en);
}

namespace {
using G = GeneralSettings;
using V = VfoSettings;

// Entries that read the same in both languages.
std::vector<OptionTexts> same(std::initializer_list<const char *> texts) {
    std::vector<OptionTexts> entries;
    for (const char *t : texts)
        entries.push_back({t, t});
    return entries;
}

std::vector<OptionTexts> numbers(int from, int to) {
    std::vector<OptionTexts> entries;
    for (int n = from; n <= to; ++n)
        entries.push_back({QString::number(n), QString::number(n)});
    return entries;
}

// An "off" entry followed by 1..count of a unit ("1 分钟" / "1 Minute").
std::vector<OptionTexts> offThenUnits(const OptionTexts &off, int count, const char *zhUnit,
                                      const char *enUnit) {
    std::vector<OptionTexts> entries{off};
    for (int n = 1; n <= count; ++n)
        entries.push_back({QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(zhUnit)),
                           QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(enUnit))});
    return entries;
}

std::vector<OptionTexts> tones() {
    const QStringList zh = toneList(QStringLiteral("关闭"));
    const QStringList en = toneList(QStringLiteral("Off"));
    std::vector<OptionTexts> entries;
    for (int i = 0; i < zh.size(); ++i)
        entries.push_back({zh[i], en[i]});
    return entries;
}

const std::vector<OptionTexts> displayMode{{"频率", "Frequency"}, {"频率与频道", "Freq & Channel"}};
const std::vector<OptionTexts> offOn{{"关", "Off"}, {"开", "On"}};
const std::vector<OptionTexts> onOff{{"开", "On"}, {"关", "Off"}};
const std::vector<OptionTexts> enabledDisabled{{"使能", "On"}, {"禁止", "Off"}};
const std::vector<OptionTexts> disabledEnabled{{"禁止", "Off"}, {"使能", "On"}};
} // namespace

namespace optionrows {

std::vector<OptionRow> functionLeft() {
    using K = OptionKind;
    return {
        {.label = "Label1",
         .caption = {"A组显式模式:", "A Display Mode:"},
         .control = "Combo1",
         .kind = K::List,
         .entries = displayMode,
         .generalChoice = &G::aDisplayMode},
        {.label = "Label32",
         .caption = {"B组显式模式:", "B Display Mode:"},
         .control = "Combo17",
         .kind = K::EditableList,
         .entries = displayMode,
         .generalChoice = &G::bDisplayMode},
        {.label = "Label7",
         .caption = {"提示音:", "Beep:"},
         .control = "Combo7",
         .kind = K::List,
         .entries = offOn,
         .generalChoice = &G::beep},
        {.label = "Label9",
         .caption = {"按键锁:", "Key Lock:"},
         .control = "Combo9",
         .kind = K::List,
         .entries = {{"上锁", "Lock"}, {"正常", "Normal"}},
         .generalChoice = &G::keyLock},
        {.label = "LabelMod",
         .caption = {"扫描模式:", "Scan Mode:"},
         .control = "ComboMod",
         .kind = K::EditableList,
         .entries = {{"载波", "Carrier"}, {"时间", "Time"}},
         .generalChoice = &G::scanMode},
        {.label = "Label33",
         .caption = {"锁键模式:", "KeyLock Mode:"},
         .control = "Combo18",
         .kind = K::List,
         .entries = same({"K+S", "PTT", "KEY", "ALL"}),
         .generalChoice = &G::keyLockMode},
        {.label = "Label17",
         .caption = {"收音机搜台模式:", "Radio Search Mode:"},
         .control = "Combo13",
         .kind = K::EditableList,
         .entries = {{"手动", "Manual"}, {"自动", "Auto"}},
         .generalChoice = &G::radioSearchMode},
        {.label = "Label13",
         .caption = {"收音机监听信号:", "Radio Monitors Signal:"},
         .control = "Combo6",
         .kind = K::List,
         .entries = {{"关闭", "Off"}, {"打开", "On"}},
         .generalChoice = &G::radioMonitor},
        {.label = "Label35",
         .caption = {"尾音消除:", "SquelchTail Elimination:"},
         .control = "Combo20",
         .kind = K::EditableList,
         .entries = offOn,
         .generalChoice = &G::squelchTail},
        {.label = "Label40",
         .caption = {"自动关机:", "Auto Power-Off:"},
         .control = "Combo35",
         .kind = K::List,
         .entries = offThenUnits({"关", "Off"}, 15, "小时", "Hour"),
         .generalChoice = &G::autoPowerOff},
        {.label = "Label38",
         .caption = {"开机信息显示方式:", "Open Display Mode:"},
         .control = "Combo32",
         .kind = K::List,
         .entries = same({"OFF", "DC", "MSG"}),
         .generalChoice = &G::openDisplayMode},
        {.label = "Label11",
         .caption = {"自命名频道名称:", "Channel Name Editable:"},
         .control = "Combo11",
         .kind = K::List,
         .entries = enabledDisabled,
         .generalChoice = &G::channelNameEditable},
    };
}

std::vector<OptionRow> functionRight() {
    using K = OptionKind;
    return {
        {.label = "Label6",
         .caption = {"A组当前频道数:", "A Channel Number:"},
         .control = "Text6",
         .kind = K::ChannelNumber,
         .generalText = &G::aChannel},
        {.label = "Label2",
         .caption = {"B组当前频道数:", "B Channel Number:"},
         .control = "Text2",
         .kind = K::ChannelNumber,
         .generalText = &G::bChannel},
        {.label = "Label5",
         .caption = {"静噪等级:", "Squelch Level:"},
         .control = "Combo5",
         .kind = K::List,
         .entries = numbers(0, 9),
         .generalChoice = &G::squelchLevel},
        {.label = "Label8",
         .caption = {"省电:", "Battery Save:"},
         .control = "Combo8",
         .kind = K::List,
         .entries = offOn,
         .generalChoice = &G::batterySave},
        {.label = "Label19",
         .caption = {"发射超时:", "Time-out Timer:"},
         .control = "Combo19",
         .kind = K::List,
         .entries = offThenUnits({"关闭", "Off"}, 7, "分钟", "Minute"),
         .generalChoice = &G::timeoutTimer},
        {.label = "Label18",
         .caption = {"通话结束提示音:", "Roger Beep:"},
         .control = "Combo16",
         .kind = K::EditableList,
         .entries = onOff,
         .generalChoice = &G::rogerBeep},
        {.label = "Label34",
         .caption = {"主频道:", "Main Channel:"},
         .control = "Combo33",
         .kind = K::List,
         .entries = {{"B组", "B Group"}, {"A组", "A Group"}},
         .generalChoice = &G::mainChannel},
        {.label = "Label36",
         .caption = {"背光灯方式:", "Backlight Mode:"},
         .control = "Combo21",
         .kind = K::List,
         .entries = same({"OFF", "KEY", "CONT"}),
         .generalChoice = &G::backlight},
        {.label = "Label12",
         .caption = {"开机密码设定:", "Power-On Password:"},
         .control = "Combo2",
         .kind = K::EditableList,
         .entries = onOff,
         .generalChoice = &G::powerOnPassword},
        {.label = "Label31",
         .caption = {"开机显示字符:", "Display Character:"},
         .control = "Text31",
         .kind = K::DisplayCharacters,
         .maxLength = 6,
         .generalText = &G::displayCharacters},
        {.label = "Label42",
         .caption = {"4位开机密码:", "Power-On Password:"},
         .control = "Text1",
         .kind = K::Password,
         .maxLength = 4,
         .generalText = &G::password},
        {.label = "Label10",
         .caption = {"双频待机:", "Dual Standby:"},
         .control = "Combo10",
         .kind = K::List,
         .entries = offOn,
         .generalChoice = &G::dualStandby},
        {.label = "Label39",
         .caption = {"记忆频道显示模式:", "Memory Channel display Mode:"},
         .control = "Combo34",
         .kind = K::EditableList,
         .entries = {{"频道", "Channel"}, {"频率", "Frequency"}},
         .generalChoice = &G::memoryDisplayMode},
    };
}

std::vector<OptionRow> vox() {
    using K = OptionKind;
    return {
        {.label = "Label37",
         .caption = {"VOX 开关:", "VOX Swith:"},
         .control = "Combo31",
         .kind = K::List,
         .entries = onOff,
         .generalChoice = &G::voxSwitch},
        {.label = "Label14",
         .caption = {"VOX增益电平:", "VOX Gain Level:"},
         .control = "Combo14",
         .kind = K::List,
         .entries = numbers(1, 8),
         .generalChoice = &G::voxGain},
        {.label = "Label15",
         .caption = {"VOX延迟时间(秒):", "VOX Delay Time(s):"},
         .control = "Combo15",
         .kind = K::List,
         .entries = same({"1 S", "2 S", "3 S", "4 S"}),
         .generalChoice = &G::voxDelay},
    };
}

std::vector<OptionRow> voxHidden() {
    using K = OptionKind;
    return {
        {.caption = {"接收时禁止VOX", "Prohibit VOX in the receiving"},
         .control = "Check13",
         .kind = K::Check,
         .generalCheck = &G::voxInhibitOnReceive},
        {.caption = {"允许取消操作", "Allow to Cancel Operating"},
         .control = "Check12",
         .kind = K::Check,
         .generalCheck = &G::allowCancel},
    };
}

std::vector<OptionRow> vfo(int side) {
    using K = OptionKind;
    const bool a = side == 0;
    return {
        {.label = a ? "Label20" : "Label45",
         .caption = {"全频频率:", "Frequency:"},
         .control = a ? "Text20" : "Text3",
         .kind = K::Frequency,
         .maxLength = 9,
         .vfoText = &V::freq,
         .side = side},
        {.label = a ? "Label21" : "Label44",
         .caption = {"异频数:", "Offset Data:"},
         .control = a ? "Text21" : "Text4",
         .kind = K::Offset,
         .maxLength = 8,
         .vfoText = &V::offset,
         .side = side},
        {.label = a ? "Label22" : "Label46",
         .caption = {"接收亚音频:", "QT/DQT Dec:"},
         .control = a ? "Combo22" : "Combo46",
         .kind = K::List,
         .entries = tones(),
         .vfoChoice = &V::rxTone,
         .side = side},
        {.label = a ? "Label23" : "Label47",
         .caption = {"发射亚音频:", "QT/DQT Enc:"},
         .control = a ? "Combo23" : "Combo47",
         .kind = K::List,
         .entries = tones(),
         .vfoChoice = &V::txTone,
         .side = side},
        {.label = a ? "Label24" : "Label48",
         .caption = {"功率:", "Power:"},
         .control = a ? "Combo24" : "Combo48",
         .kind = K::List,
         .entries = {{"低", "Low"}, {"高", "High"}, {"中", "Middle"}},
         .vfoChoice = &V::power,
         .side = side},
        {.label = a ? "Label25" : "Label51",
         .caption = {"繁忙信道锁定:", "Busy Channel Lock:"},
         .control = a ? "Combo25" : "Combo51",
         .kind = K::List,
         .entries = {{"载波", "Carry"}, {"关", "Off"}},
         .vfoChoice = &V::busyLock,
         .side = side},
        {.label = a ? "Label26" : "Label52",
         .caption = {"扫描添加:", "Add Scan:"},
         .control = a ? "Combo26" : "Combo52",
         .kind = K::List,
         .entries = disabledEnabled,
         .vfoChoice = &V::scanAdd,
         .side = side},
        {.label = a ? "Label27" : "Label50",
         .caption = {"宽窄带:", "Wide/Narrow:"},
         .control = a ? "Combo27" : "Combo50",
         .kind = K::List,
         .entries = {{"窄带", "Narrow"}, {"宽带", "Wide"}},
         .vfoChoice = &V::bandwidth,
         .side = side},
        {.label = a ? "Label28" : "Label53",
         .caption = {"发射禁止:", "TX Prohibit:"},
         .control = a ? "Combo28" : "Combo53",
         .kind = K::List,
         .entries = onOff,
         .vfoChoice = &V::txProhibit,
         .side = side},
        {.label = a ? "Label30" : "Label49",
         .caption = {"异频:", "Offset Frequency:"},
         .control = a ? "Combo30" : "Combo49",
         .kind = K::List,
         .entries = {{"+异频", "Plus Shift(+)"}, {"-异频", "Minus Shift(-)"}, {"无异频", "Turn Off"}},
         .vfoChoice = &V::shift,
         .side = side},
        {.label = a ? "Label3" : "Label43",
         .caption = a ? OptionTexts{"A组步进频率:", "A Step Frequency:"}
                      : OptionTexts{"B组步进频率:", "B Step Frequency:"},
         .control = a ? "Combo3" : "Combo36",
         .kind = K::List,
         .entries = same({"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"}),
         .vfoChoice = &V::step,
         .side = side},
    };
}

std::vector<OptionRow> vfoHidden() {
    using K = OptionKind;
    return {
        {.label = "Label16",
         .caption = {"扰频:", "Scramble:"},
         .control = "Combo12",
         .kind = K::List,
         .entries = enabledDisabled,
         .vfoChoice = &V::scramble},
        {.label = "Label29",
         .caption = {"压扩:", "Companding:"},
         .control = "Combo29",
         .kind = K::List,
         .entries = disabledEnabled,
         .vfoChoice = &V::companding},
    };
}

} // namespace optionrows
