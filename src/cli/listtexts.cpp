#include "cli/listtexts.h"

#include "image/bands.h"

#include <QHash>

namespace listtexts {

namespace {

QStringList numbers(int from, int to) {
    QStringList l;
    for (int n = from; n <= to; ++n)
        l << QString::number(n);
    return l;
}

QStringList offThenUnits(int count, const char *unit) {
    QStringList l{QStringLiteral("Off")};
    for (int n = 1; n <= count; ++n)
        l << QStringLiteral("%1 %2").arg(n).arg(QLatin1String(unit));
    return l;
}

const QStringList OffOn{"Off", "On"};
const QStringList OnOff{"On", "Off"};
const QStringList Power{"Low", "High", "Middle"};
const QStringList BusyLock{"Carry", "Off"};

QHash<QString, QStringList> channelLists() {
    return {
        {"power", Power},
        {"busyLock", BusyLock},
        {"scanAdd", OffOn},
        {"bandwidth", {"Narror", "wide"}},
        {"txProhibit", OnOff},
    };
}

QHash<QString, QStringList> generalLists() {
    const QStringList displayMode{"Frequency", "Freq & Channel"};
    return {
        {"aDisplayMode", displayMode},
        {"bDisplayMode", displayMode},
        {"beep", OffOn},
        {"keyLock", {"Lock", "Normal"}},
        {"scanMode", {"Carrier", "Time"}},
        {"keyLockMode", {"K+S", "PTT", "KEY", "ALL"}},
        {"radioSearchMode", {"Manual", "Auto"}},
        {"radioMonitor", OffOn},
        {"squelchTail", OffOn},
        {"autoPowerOff", offThenUnits(15, "Hour")},
        {"openDisplayMode", {"OFF", "DC", "MSG"}},
        {"channelNameEditable", OnOff},
        {"squelchLevel", numbers(0, 9)},
        {"batterySave", OffOn},
        {"timeoutTimer", offThenUnits(7, "Minute")},
        {"rogerBeep", OnOff},
        {"mainChannel", {"B Group", "A Group"}},
        {"backlight", {"OFF", "KEY", "CONT"}},
        {"powerOnPassword", OnOff},
        {"dualStandby", OffOn},
        {"memoryDisplayMode", {"Channel", "Frequency"}},
        {"voxSwitch", OnOff},
        {"voxGain", numbers(1, 8)},
        {"voxDelay", {"1 S", "2 S", "3 S", "4 S"}},
    };
}

QHash<QString, QStringList> vfoLists() {
    return {
        {"power", Power},
        {"busyLock", BusyLock},
        {"scanAdd", OffOn},
        {"bandwidth", {"Narrow", "Wide"}},
        {"txProhibit", OnOff},
        {"shift", {"Plus Shift(+)", "Minus Shift(-)", "Turn Off"}},
        {"step", {"5K", "6.25K", "10K", "12.5K", "25K", "37.5K", "50K", "100K"}},
        {"scramble", OnOff},
        {"companding", OffOn},
    };
}

QHash<QString, QStringList> fmLists() {
    return {
        {"displayMode", {"Channel", "Frequency"}},
        {"step", {"50K", "100K", "200K"}},
    };
}

QHash<QString, QStringList> topLists() {
    QStringList bands;
    for (int b = 0; b < BandCount; ++b)
        bands << bandText(b);
    return {{"band", bands}};
}

} // namespace

QStringList english(Owner owner, const QString &member) {
    static const QHash<QString, QStringList> tables[] = {channelLists(), generalLists(), vfoLists(), fmLists(),
                                                          topLists()};
    return tables[int(owner)].value(member);
}

int position(const QStringList &entries, const QString &text) {
    const QString t = text.trimmed();
    for (int i = 0; i < entries.size(); ++i) {
        if (entries.at(i).compare(t, Qt::CaseInsensitive) == 0)
            return i;
    }
    if (entries.value(0) == QLatin1String("Narror") && t.compare(QLatin1String("Narrow"), Qt::CaseInsensitive) == 0)
        return 0;
    return -1;
}

} // namespace listtexts
