#include "image/configcompare.h"

#include "image/imagecodec.h"
#include "image/tones.h"

namespace {

struct ChannelField {
    const char *key;
    FieldKind kind;
    int Channel::*number;
    QString Channel::*text;
};

constexpr ChannelField ChannelFields[] = {
    {"rx", FieldKind::Text, nullptr, &Channel::rx},
    {"tx", FieldKind::Text, nullptr, &Channel::tx},
    {"rxTone", FieldKind::Tone, &Channel::rxTone, nullptr},
    {"txTone", FieldKind::Tone, &Channel::txTone, nullptr},
    {"power", FieldKind::Choice, &Channel::power, nullptr},
    {"busyLock", FieldKind::Choice, &Channel::busyLock, nullptr},
    {"scanAdd", FieldKind::Choice, &Channel::scanAdd, nullptr},
    {"bandwidth", FieldKind::Choice, &Channel::bandwidth, nullptr},
    {"txProhibit", FieldKind::Choice, &Channel::txProhibit, nullptr},
    {"name", FieldKind::Text, nullptr, &Channel::name},
};

struct GeneralField {
    const char *key;
    int GeneralSettings::*choice;
    QString GeneralSettings::*text;
    bool GeneralSettings::*check;
};

constexpr GeneralField GeneralFields[] = {
    {"aDisplayMode", &GeneralSettings::aDisplayMode, nullptr, nullptr},
    {"bDisplayMode", &GeneralSettings::bDisplayMode, nullptr, nullptr},
    {"beep", &GeneralSettings::beep, nullptr, nullptr},
    {"keyLock", &GeneralSettings::keyLock, nullptr, nullptr},
    {"scanMode", &GeneralSettings::scanMode, nullptr, nullptr},
    {"keyLockMode", &GeneralSettings::keyLockMode, nullptr, nullptr},
    {"radioSearchMode", &GeneralSettings::radioSearchMode, nullptr, nullptr},
    {"radioMonitor", &GeneralSettings::radioMonitor, nullptr, nullptr},
    {"squelchTail", &GeneralSettings::squelchTail, nullptr, nullptr},
    {"autoPowerOff", &GeneralSettings::autoPowerOff, nullptr, nullptr},
    {"openDisplayMode", &GeneralSettings::openDisplayMode, nullptr, nullptr},
    {"channelNameEditable", &GeneralSettings::channelNameEditable, nullptr, nullptr},
    {"aChannel", nullptr, &GeneralSettings::aChannel, nullptr},
    {"bChannel", nullptr, &GeneralSettings::bChannel, nullptr},
    {"squelchLevel", &GeneralSettings::squelchLevel, nullptr, nullptr},
    {"batterySave", &GeneralSettings::batterySave, nullptr, nullptr},
    {"timeoutTimer", &GeneralSettings::timeoutTimer, nullptr, nullptr},
    {"rogerBeep", &GeneralSettings::rogerBeep, nullptr, nullptr},
    {"mainChannel", &GeneralSettings::mainChannel, nullptr, nullptr},
    {"backlight", &GeneralSettings::backlight, nullptr, nullptr},
    {"powerOnPassword", &GeneralSettings::powerOnPassword, nullptr, nullptr},
    {"displayCharacters", nullptr, &GeneralSettings::displayCharacters, nullptr},
    {"password", nullptr, &GeneralSettings::password, nullptr},
    {"dualStandby", &GeneralSettings::dualStandby, nullptr, nullptr},
    {"memoryDisplayMode", &GeneralSettings::memoryDisplayMode, nullptr, nullptr},
    {"voxSwitch", &GeneralSettings::voxSwitch, nullptr, nullptr},
    {"voxGain", &GeneralSettings::voxGain, nullptr, nullptr},
    {"voxDelay", &GeneralSettings::voxDelay, nullptr, nullptr},
    {"voxInhibitOnReceive", nullptr, nullptr, &GeneralSettings::voxInhibitOnReceive},
};

struct VfoField {
    const char *key;
    FieldKind kind;
    int VfoSettings::*number;
    QString VfoSettings::*text;
    bool sideAOnly;
};

constexpr VfoField VfoFields[] = {
    {"frequency", FieldKind::Text, nullptr, &VfoSettings::freq, false},
    {"offset", FieldKind::Text, nullptr, &VfoSettings::offset, false},
    {"rxTone", FieldKind::Tone, &VfoSettings::rxTone, nullptr, false},
    {"txTone", FieldKind::Tone, &VfoSettings::txTone, nullptr, false},
    {"power", FieldKind::Choice, &VfoSettings::power, nullptr, false},
    {"busyLock", FieldKind::Choice, &VfoSettings::busyLock, nullptr, false},
    {"scanAdd", FieldKind::Choice, &VfoSettings::scanAdd, nullptr, false},
    {"bandwidth", FieldKind::Choice, &VfoSettings::bandwidth, nullptr, false},
    {"txProhibit", FieldKind::Choice, &VfoSettings::txProhibit, nullptr, false},
    {"shift", FieldKind::Choice, &VfoSettings::shift, nullptr, false},
    {"step", FieldKind::Choice, &VfoSettings::step, nullptr, false},
    {"scramble", FieldKind::Choice, &VfoSettings::scramble, nullptr, true},
    {"companding", FieldKind::Choice, &VfoSettings::companding, nullptr, true},
};

// Collects the differences of one area.
class Collector {
public:
    explicit Collector(QList<ConfigDifference> &out) : m_out(out) {}

    void text(ConfigArea area, int index, const char *key, const QString &radio, const QString &ours,
              ConfigDifference extra = {}) {
        if (radio == ours)
            return;
        extra.area = area;
        extra.index = index;
        extra.key = QString::fromLatin1(key);
        extra.kind = FieldKind::Text;
        extra.radio = radio;
        extra.ours = ours;
        m_out.append(extra);
    }

    void number(ConfigArea area, int index, const char *key, FieldKind kind, int radio, int ours,
                ConfigDifference extra = {}) {
        if (radio == ours)
            return;
        extra.area = area;
        extra.index = index;
        extra.key = QString::fromLatin1(key);
        extra.kind = kind;
        extra.radioValue = radio;
        extra.ourValue = ours;
        extra.radio = valueText(kind, radio);
        extra.ours = valueText(kind, ours);
        m_out.append(extra);
    }

private:
    static QString valueText(FieldKind kind, int value) {
        if (kind == FieldKind::Tone)
            return toneEntry(value);
        if (kind == FieldKind::Check)
            return value ? QStringLiteral("true") : QStringLiteral("false");
        return QString::number(value);
    }

    QList<ConfigDifference> &m_out;
};

void compareVfo(Collector &c, ConfigArea area, const VfoSettings &radio, const VfoSettings &ours) {
    for (const VfoField &f : VfoFields) {
        if (f.sideAOnly && area != ConfigArea::VfoA)
            continue;
        ConfigDifference member;
        member.vfoChoice = f.number;
        member.vfoText = f.text;
        if (f.text)
            c.text(area, -1, f.key, radio.*f.text, ours.*f.text, member);
        else
            c.number(area, -1, f.key, f.kind, radio.*f.number, ours.*f.number, member);
    }
}

} // namespace

QString ConfigDifference::path() const {
    const QString item = index >= 0 ? QStringLiteral("[%1]").arg(index) : QString();
    const QString member = key.isEmpty() ? QString() : QLatin1Char('.') + key;
    switch (area) {
    case ConfigArea::Band:
        return QStringLiteral("band");
    case ConfigArea::Channel:
        return QStringLiteral("channels") + item + member;
    case ConfigArea::General:
        return QStringLiteral("general") + member;
    case ConfigArea::VfoA:
        return QStringLiteral("vfoA") + member;
    case ConfigArea::VfoB:
        return QStringLiteral("vfoB") + member;
    case ConfigArea::Fm:
        return index >= 0 ? QStringLiteral("fm.channels") + item : QStringLiteral("fm") + member;
    case ConfigArea::Calibration:
        return QStringLiteral("calibration") + item;
    }
    return {};
}

QList<ConfigDifference> compareConfigs(const RadioConfig &radio, const RadioConfig &ours, bool withCalibration) {
    QList<ConfigDifference> out;
    Collector c(out);
    c.number(ConfigArea::Band, -1, "", FieldKind::Choice, radio.band, ours.band);

    for (int n = 0; n < mem::ChannelCount; ++n) {
        const Channel &r = radio.channels[std::size_t(n)];
        const Channel &o = ours.channels[std::size_t(n)];
        for (const ChannelField &f : ChannelFields) {
            if (f.text)
                c.text(ConfigArea::Channel, n, f.key, r.*f.text, o.*f.text);
            else
                c.number(ConfigArea::Channel, n, f.key, f.kind, r.*f.number, o.*f.number);
        }
    }

    for (const GeneralField &f : GeneralFields) {
        ConfigDifference member;
        member.generalChoice = f.choice;
        member.generalText = f.text;
        member.generalCheck = f.check;
        if (f.text)
            c.text(ConfigArea::General, -1, f.key, radio.general.*f.text, ours.general.*f.text, member);
        else if (f.check)
            c.number(ConfigArea::General, -1, f.key, FieldKind::Check, radio.general.*f.check,
                     ours.general.*f.check, member);
        else
            c.number(ConfigArea::General, -1, f.key, FieldKind::Choice, radio.general.*f.choice,
                     ours.general.*f.choice, member);
    }

    compareVfo(c, ConfigArea::VfoA, radio.vfoA, ours.vfoA);
    compareVfo(c, ConfigArea::VfoB, radio.vfoB, ours.vfoB);

    for (int k = 0; k < mem::FmChannelCount; ++k)
        c.text(ConfigArea::Fm, k, "", radio.fm.channels[std::size_t(k)], ours.fm.channels[std::size_t(k)]);
    c.text(ConfigArea::Fm, -1, "vfo", radio.fm.vfo, ours.fm.vfo);
    c.number(ConfigArea::Fm, -1, "channel", FieldKind::Number, radio.fm.channel, ours.fm.channel);
    c.number(ConfigArea::Fm, -1, "displayMode", FieldKind::Choice, radio.fm.displayMode, ours.fm.displayMode);
    c.number(ConfigArea::Fm, -1, "step", FieldKind::Choice, radio.fm.step, ours.fm.step);

    if (withCalibration) {
        for (int i = 0; i < int(radio.calibration.size()); ++i)
            c.number(ConfigArea::Calibration, i, "", FieldKind::Number, radio.calibration[std::size_t(i)],
                     ours.calibration[std::size_t(i)]);
    }
    return out;
}

QList<ConfigDifference> compareImages(const MemoryImage &radio, const MemoryImage &ours, bool withCalibration) {
    const RadioConfig start;
    return compareConfigs(decode(radio, start), decode(ours, start), withCalibration);
}
