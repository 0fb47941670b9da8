#pragma once
// Every choice list of the windows, once, with its entries in both languages and in list order. The editor
// windows fill their lists from these tables, the report and the command line print from them; each table's
// size is checked against the list size the image decoding refuses positions by.

#include "image/choicelists.h"
#include "image/tones.h"

#include <QString>
#include <QStringList>

#include <iterator>
#include <span>

// Language indexes: 0 Simplified Chinese, 1 English.
inline constexpr int Chinese = 0;
inline constexpr int English = 1;

struct ListEntry {
    const char *zh;
    const char *en;
    QString text(int language) const { return QString::fromUtf8(language == English ? en : zh); }
};

// One choice list: a table of entries, or the tone list (its "off" entry followed by the tones).
class ChoiceList {
public:
    constexpr ChoiceList() = default;
    template <std::size_t N> constexpr ChoiceList(const ListEntry (&entries)[N]) : m_entries(entries, N) {}
    static constexpr ChoiceList tones(const ListEntry &off) {
        ChoiceList list;
        list.m_entries = std::span<const ListEntry>(&off, 1);
        list.m_tones = true;
        return list;
    }

    int size() const { return m_tones ? ToneCount : int(m_entries.size()); }
    bool contains(int position) const { return position >= 0 && position < size(); }
    // The entry's text; empty for a position outside the list.
    QString text(int position, int language) const;
    QStringList texts(int language) const;
    // Position of the entry with this text, -1 for none.
    int find(const QString &text, int language) const;

private:
    std::span<const ListEntry> m_entries;
    bool m_tones = false;
};

namespace listtables {

// The channel table's columns and the VFO sides share the power, busy-lock, scan and TX-prohibit lists.
inline constexpr ListEntry Power[] = {{"低", "Low"}, {"高", "High"}, {"中", "Middle"}};
inline constexpr ListEntry BusyLock[] = {{"载波", "Carry"}, {"关", "Off"}};
inline constexpr ListEntry ScanAdd[] = {{"禁止", "Off"}, {"使能", "On"}};
inline constexpr ListEntry TxProhibit[] = {{"开", "On"}, {"关", "Off"}};
inline constexpr ListEntry ChannelBandwidth[] = {{"窄带", "Narror"}, {"宽带", "wide"}};
// What the Band cell of a newly typed channel shows instead of the list's entry.
inline constexpr ListEntry NewChannelBandwidth = {"宽带", "Wide"};
inline constexpr ListEntry VfoBandwidth[] = {{"窄带", "Narrow"}, {"宽带", "Wide"}};
inline constexpr ListEntry ToneOff = {"关闭", "Off"};
inline constexpr ChoiceList Tones = ChoiceList::tones(ToneOff);

// Optional features: the general settings.
inline constexpr ListEntry DisplayMode[] = {{"频率", "Frequency"}, {"频率与频道", "Freq & Channel"}};
inline constexpr ListEntry OffOn[] = {{"关", "Off"}, {"开", "On"}};
inline constexpr ListEntry OnOff[] = {{"开", "On"}, {"关", "Off"}};
inline constexpr ListEntry EnabledDisabled[] = {{"使能", "On"}, {"禁止", "Off"}};
inline constexpr ListEntry DisabledEnabled[] = {{"禁止", "Off"}, {"使能", "On"}};
inline constexpr ListEntry KeyLock[] = {{"上锁", "Lock"}, {"正常", "Normal"}};
inline constexpr ListEntry ScanMode[] = {{"载波", "Carrier"}, {"时间", "Time"}};
inline constexpr ListEntry KeyLockMode[] = {{"K+S", "K+S"}, {"PTT", "PTT"}, {"KEY", "KEY"}, {"ALL", "ALL"}};
inline constexpr ListEntry RadioSearchMode[] = {{"手动", "Manual"}, {"自动", "Auto"}};
inline constexpr ListEntry RadioMonitor[] = {{"关闭", "Off"}, {"打开", "On"}};
inline constexpr ListEntry AutoPowerOff[] = {
    {"关", "Off"},          {"1 小时", "1 Hour"},   {"2 小时", "2 Hour"},   {"3 小时", "3 Hour"},
    {"4 小时", "4 Hour"},   {"5 小时", "5 Hour"},   {"6 小时", "6 Hour"},   {"7 小时", "7 Hour"},
    {"8 小时", "8 Hour"},   {"9 小时", "9 Hour"},   {"10 小时", "10 Hour"}, {"11 小时", "11 Hour"},
    {"12 小时", "12 Hour"}, {"13 小时", "13 Hour"}, {"14 小时", "14 Hour"}, {"15 小时", "15 Hour"},
};
inline constexpr ListEntry OpenDisplayMode[] = {{"OFF", "OFF"}, {"DC", "DC"}, {"MSG", "MSG"}};
inline constexpr ListEntry SquelchLevel[] = {{"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                                             {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}, {"9", "9"}};
inline constexpr ListEntry TimeoutTimer[] = {
    {"关闭", "Off"},        {"1 分钟", "1 Minute"}, {"2 分钟", "2 Minute"}, {"3 分钟", "3 Minute"},
    {"4 分钟", "4 Minute"}, {"5 分钟", "5 Minute"}, {"6 分钟", "6 Minute"}, {"7 分钟", "7 Minute"},
};
inline constexpr ListEntry MainChannel[] = {{"B组", "B Group"}, {"A组", "A Group"}};
inline constexpr ListEntry Backlight[] = {{"OFF", "OFF"}, {"KEY", "KEY"}, {"CONT", "CONT"}};
inline constexpr ListEntry MemoryDisplayMode[] = {{"频道", "Channel"}, {"频率", "Frequency"}};
inline constexpr ListEntry VoxGain[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"},
                                        {"5", "5"}, {"6", "6"}, {"7", "7"}, {"8", "8"}};
inline constexpr ListEntry VoxDelay[] = {{"1 S", "1 S"}, {"2 S", "2 S"}, {"3 S", "3 S"}, {"4 S", "4 S"}};

// Optional features: the VFO sides.
inline constexpr ListEntry Shift[] = {
    {"+异频", "Plus Shift(+)"}, {"-异频", "Minus Shift(-)"}, {"无异频", "Turn Off"}};
inline constexpr ListEntry Step[] = {{"5K", "5K"},   {"6.25K", "6.25K"}, {"10K", "10K"}, {"12.5K", "12.5K"},
                                     {"25K", "25K"}, {"37.5K", "37.5K"}, {"50K", "50K"}, {"100K", "100K"}};

// FM radio.
inline constexpr ListEntry FmDisplayMode[] = {{"频道", "Channel"}, {"频率", "Frequency"}};
inline constexpr ListEntry FmStep[] = {{"50K", "50K"}, {"100K", "100K"}, {"200K", "200K"}};

// DTMF.
inline constexpr ListEntry DtmfAniSending[] = {
    {"发射开始", "Start Send"}, {"发射结束", "End Send"}, {"两者", "Both"}};
inline constexpr ListEntry DtmfRate[] = {{"快", "Fast"}, {"慢", "Slow"}};
inline constexpr ListEntry DtmfFirstDelay[] = {
    {"0毫秒", "0MS"},       {"200毫秒", "200MS"},   {"400毫秒", "400MS"},   {"600毫秒", "600MS"},
    {"800毫秒", "800MS"},   {"1000毫秒", "1000MS"}, {"1200毫秒", "1200MS"}, {"1400毫秒", "1400MS"},
    {"1600毫秒", "1600MS"}, {"1800毫秒", "1800MS"},
};
inline constexpr ListEntry DtmfGroupCall[] = {{"空", "Empty"}, {"*", "*"}, {"#", "#"}, {"A", "A"},
                                              {"B", "B"},      {"C", "C"}, {"D", "D"}};

static_assert(std::size(Power) == lists::Power);
static_assert(std::size(BusyLock) == lists::TwoChoices);
static_assert(std::size(ScanAdd) == lists::TwoChoices);
static_assert(std::size(TxProhibit) == lists::TwoChoices);
static_assert(std::size(ChannelBandwidth) == lists::TwoChoices);
static_assert(std::size(VfoBandwidth) == lists::TwoChoices);
static_assert(std::size(DisplayMode) == lists::TwoChoices);
static_assert(std::size(OffOn) == lists::TwoChoices);
static_assert(std::size(OnOff) == lists::TwoChoices);
static_assert(std::size(EnabledDisabled) == lists::TwoChoices);
static_assert(std::size(DisabledEnabled) == lists::TwoChoices);
static_assert(std::size(KeyLock) == lists::TwoChoices);
static_assert(std::size(ScanMode) == lists::TwoChoices);
static_assert(std::size(KeyLockMode) == lists::KeyLockMode);
static_assert(std::size(RadioSearchMode) == lists::TwoChoices);
static_assert(std::size(RadioMonitor) == lists::TwoChoices);
static_assert(std::size(AutoPowerOff) == lists::AutoPowerOff);
static_assert(std::size(OpenDisplayMode) == lists::OpenDisplayMode);
static_assert(std::size(SquelchLevel) == lists::SquelchLevel);
static_assert(std::size(TimeoutTimer) == lists::TimeoutTimer);
static_assert(std::size(MainChannel) == lists::TwoChoices);
static_assert(std::size(Backlight) == lists::Backlight);
static_assert(std::size(MemoryDisplayMode) == lists::TwoChoices);
static_assert(std::size(VoxGain) == lists::VoxGain);
static_assert(std::size(VoxDelay) == lists::VoxDelay);
static_assert(std::size(Shift) == lists::Shift);
static_assert(std::size(Step) == lists::Step);
static_assert(std::size(FmDisplayMode) == lists::FmDisplayMode);
static_assert(std::size(FmStep) == lists::FmStep);
static_assert(std::size(DtmfAniSending) == lists::DtmfAniSending);
static_assert(std::size(DtmfRate) == lists::TwoChoices);
static_assert(std::size(DtmfFirstDelay) == lists::DtmfFirstDelay);
static_assert(std::size(DtmfGroupCall) == lists::DtmfGroupCall);

} // namespace listtables
