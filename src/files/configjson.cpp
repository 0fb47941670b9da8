#include "files/configjson.h"

#include "files/messagetext.h"
#include "image/bands.h"
#include "image/channelinput.h"
#include "image/codecs.h"
#include "image/memorymap.h"
#include "image/tones.h"
#include "texts/listtables.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace {

QString toneName(int position) {
    return toneEntry(position);
} // "" for off

QJsonArray channelArray(const RadioConfig &config, bool usedOnly) {
    QJsonArray channels;
    for (const Channel &c : config.channels) {
        // `null` reads back as exactly such a channel, so leaving one out this way loses nothing.
        if (usedOnly && c == Channel{}) {
            channels.append(QJsonValue::Null);
            continue;
        }
        channels.append(QJsonObject{
            {"rx", c.rx},
            {"tx", c.tx},
            {"rxTone", toneName(c.rxTone)},
            {"txTone", toneName(c.txTone)},
            {"power", c.power},
            {"busyLock", c.busyLock},
            {"scanAdd", c.scanAdd},
            {"bandwidth", c.bandwidth},
            {"txProhibit", c.txProhibit},
            {"name", c.name},
        });
    }
    while (usedOnly && !channels.isEmpty() && channels.last().isNull())
        channels.removeLast();
    return channels;
}

QJsonObject generalObject(const GeneralSettings &g) {
    return QJsonObject{
        {"aDisplayMode", g.aDisplayMode},
        {"bDisplayMode", g.bDisplayMode},
        {"beep", g.beep},
        {"keyLock", g.keyLock},
        {"scanMode", g.scanMode},
        {"keyLockMode", g.keyLockMode},
        {"radioSearchMode", g.radioSearchMode},
        {"radioMonitor", g.radioMonitor},
        {"squelchTail", g.squelchTail},
        {"autoPowerOff", g.autoPowerOff},
        {"openDisplayMode", g.openDisplayMode},
        {"channelNameEditable", g.channelNameEditable},
        {"aChannel", g.aChannel},
        {"bChannel", g.bChannel},
        {"squelchLevel", g.squelchLevel},
        {"batterySave", g.batterySave},
        {"timeoutTimer", g.timeoutTimer},
        {"rogerBeep", g.rogerBeep},
        {"mainChannel", g.mainChannel},
        {"backlight", g.backlight},
        {"powerOnPassword", g.powerOnPassword},
        {"displayCharacters", g.displayCharacters},
        {"password", g.password},
        {"dualStandby", g.dualStandby},
        {"memoryDisplayMode", g.memoryDisplayMode},
        {"voxSwitch", g.voxSwitch},
        {"voxGain", g.voxGain},
        {"voxDelay", g.voxDelay},
        {"voxInhibitOnReceive", g.voxInhibitOnReceive},
    };
}

QJsonObject vfoObject(const VfoSettings &v, bool sideA) {
    QJsonObject o{
        {"frequency", v.freq},
        {"offset", v.offset},
        {"rxTone", toneName(v.rxTone)},
        {"txTone", toneName(v.txTone)},
        {"power", v.power},
        {"busyLock", v.busyLock},
        {"scanAdd", v.scanAdd},
        {"bandwidth", v.bandwidth},
        {"txProhibit", v.txProhibit},
        {"shift", v.shift},
        {"step", v.step},
    };
    if (sideA) {
        o.insert("scramble", v.scramble);
        o.insert("companding", v.companding);
    }
    return o;
}

QJsonObject fmObject(const FmSettings &fm) {
    QJsonArray channels;
    for (const QString &c : fm.channels)
        channels.append(c);
    return QJsonObject{
        {"channels", channels},          {"vfo", fm.vfo},   {"channel", fm.channel},
        {"displayMode", fm.displayMode}, {"step", fm.step},
    };
}

// ---- reading ----

// Reads values out of JSON objects, remembering the first error with the path of the field.
class Reader {
public:
    bool failed() const { return !m_error.isEmpty(); }
    const QString &error() const { return m_error; }

    void fail(const QString &path, const QString &message) {
        if (m_error.isEmpty())
            m_error = path + QStringLiteral(": ") + message;
    }

    // A value the format takes but the windows would not: it is kept, and reported.
    void warn(const QString &path, const QString &message) {
        m_warnings << path + QStringLiteral(": warning: ") + message;
    }
    const QStringList &warnings() const { return m_warnings; }

    // Rejects names that the format does not have (a typing error would otherwise be ignored silently).
    void onlyKnown(const QJsonObject &o, const QString &path, const QStringList &known) {
        for (auto it = o.begin(); it != o.end(); ++it) {
            if (!known.contains(it.key()))
                fail(join(path, messageText(it.key())), QStringLiteral("unknown field"));
        }
    }

    void integer(const QJsonObject &o, const QString &path, const char *key, int lowest, int highest,
                 int &target) {
        if (o.contains(QLatin1String(key)))
            integerValue(o.value(QLatin1String(key)), join(path, QLatin1String(key)), lowest, highest,
                         target);
    }

    void integerValue(const QJsonValue &v, const QString &p, int lowest, int highest, int &target) {
        const double d = v.toDouble();
        // Checked as a double first: a number such as 1e300 does not fit any integer type.
        if (!v.isDouble() || std::trunc(d) != d) {
            fail(p, QStringLiteral("must be a whole number"));
            return;
        }
        if (d < lowest || d > highest) {
            fail(p, QStringLiteral("%1 is outside %2..%3")
                        .arg(QString::number(d, 'g', 15))
                        .arg(lowest)
                        .arg(highest));
            return;
        }
        target = int(d);
    }

    // A list entry: its position as a number, or its English text as the list shows it (case and blanks
    // around it do not matter). `alias` holds further texts for the same positions.
    void choice(const QJsonObject &o, const QString &path, const char *key, const ChoiceList &list,
                int &target, const ChoiceList &alias = {}) {
        choiceIn(o, path, key, list.texts(English), alias.texts(English), 0, list.size() - 1, target);
    }

    void choiceIn(const QJsonObject &o, const QString &path, const char *key, const QStringList &texts,
                  const QStringList &alias, int lowest, int highest, int &target) {
        if (!o.contains(QLatin1String(key)))
            return;
        const QJsonValue v = o.value(QLatin1String(key));
        const QString p = join(path, QLatin1String(key));
        if (!v.isString()) {
            integerValue(v, p, lowest, highest, target);
            return;
        }
        const QString t = v.toString().trimmed();
        for (const QStringList &entries : {texts, alias}) {
            for (int i = 0; i < entries.size(); ++i) {
                if (entries.at(i).compare(t, Qt::CaseInsensitive) == 0) {
                    target = i;
                    return;
                }
            }
        }
        fail(p, QStringLiteral("\"%1\" is not an entry of the list (%2)")
                    .arg(messageText(v.toString()), texts.join(QStringLiteral(", "))));
    }

    void boolean(const QJsonObject &o, const QString &path, const char *key, bool &target) {
        if (!o.contains(QLatin1String(key)))
            return;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isBool()) {
            fail(join(path, QLatin1String(key)), QStringLiteral("must be true or false"));
            return;
        }
        target = v.toBool();
    }

    // A text of at most maxLength characters, each one byte (Latin-1).
    void text(const QJsonObject &o, const QString &path, const char *key, int maxLength, QString &target) {
        QString t;
        if (!string(o, path, key, t))
            return;
        const QString p = join(path, QLatin1String(key));
        if (t.size() > maxLength) {
            fail(p, QStringLiteral("\"%1\" is longer than %2 characters")
                        .arg(messageText(t), QString::number(maxLength)));
            return;
        }
        for (QChar c : t) {
            if (c.unicode() > 0xFF) {
                fail(p,
                     QStringLiteral("\"%1\" has a character that does not fit one byte").arg(messageText(t)));
                return;
            }
        }
        target = t;
    }

    // A radio frequency: the stored form ("146.52500", also with the hex letters an unusual image shows) is
    // taken as it is; a plain number in MHz is put on the channel raster as the editors do.
    // A JSON number is taken as the plain number it shows (146.525 as "146.525").
    void frequency(const QJsonObject &o, const QString &path, const char *key, bool allowEmpty,
                   QString &target) {
        QString t;
        bool fromNumber = false;
        if (!stringOrNumber(o, path, key, t, fromNumber))
            return;
        const QString p = join(path, QLatin1String(key));
        static const QRegularExpression stored(QStringLiteral("^[0-9A-F]{3}\\.[0-9A-F]{5}$"));
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}(\\.[0-9]*)?$"));
        if (t.isEmpty() && allowEmpty) {
            target = t;
        } else if (!fromNumber && stored.match(t).hasMatch()) {
            target = t;
        } else if (number.match(t).hasMatch()) {
            QString n = normalizeFreq(t);
            const int dot = n.indexOf(QLatin1Char('.'));
            target = QString(3 - dot, QLatin1Char('0')) + n;
        } else {
            fail(
                p,
                QStringLiteral("\"%1\" is not a frequency in MHz such as \"146.52500\"").arg(messageText(t)));
        }
    }

    void offset(const QJsonObject &o, const QString &path, const char *key, QString &target) {
        QString t;
        bool fromNumber = false;
        if (!stringOrNumber(o, path, key, t, fromNumber))
            return;
        if (fromNumber)
            t = withoutTrailingZeros(t);
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}(\\.[0-9]*)?$"));
        if (!number.match(t).hasMatch()) {
            fail(join(path, QLatin1String(key)),
                 QStringLiteral("\"%1\" is not an offset in MHz (0 to 999.99999)").arg(messageText(t)));
            return;
        }
        target = t;
    }

    void tone(const QJsonObject &o, const QString &path, const char *key, int &target) {
        QString t;
        if (!string(o, path, key, t))
            return;
        if (t.isEmpty() || t.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
            target = 0;
            return;
        }
        const int position = toneIndex(t);
        if (position == 0) {
            fail(join(path, QLatin1String(key)),
                 QStringLiteral(
                     "\"%1\" is not in the tone list (such as \"67.0\", \"D023N\", \"D023I\" or \"\")")
                     .arg(messageText(t)));
            return;
        }
        target = position;
    }

    // An FM frequency between 87 and 108 MHz, kept on the 0.05 MHz step; "" for none.
    void fmFrequency(const QString &p, const QJsonValue &v, QString &target) {
        if (!v.isString() && !v.isDouble()) {
            fail(p, QStringLiteral("must be a text such as \"98.10\" or \"\""));
            return;
        }
        const QString t = v.isDouble() ? withoutTrailingZeros(numberText(v.toDouble())) : v.toString();
        if (t.isEmpty()) {
            target = t;
            return;
        }
        static const QRegularExpression number(QStringLiteral("^[0-9]{2,3}(\\.[0-9]*)?$"));
        const double f = leadingNumber(t);
        if (!number.match(t).hasMatch() || f < 87 || f > 108) {
            fail(p, QStringLiteral("\"%1\" is not an FM frequency from 87 to 108 MHz").arg(messageText(t)));
            return;
        }
        target = normalizeFmFreq(t);
    }

    // A channel number text: "" or 0..128 (a whole number is accepted too).
    void channelNumber(const QJsonObject &o, const QString &path, const char *key, QString &target) {
        if (!o.contains(QLatin1String(key)))
            return;
        const QJsonValue v = o.value(QLatin1String(key));
        const QString p = join(path, QLatin1String(key));
        QString t;
        const double d = v.toDouble();
        if (v.isDouble() && std::trunc(d) == d && std::fabs(d) < 1e9)
            t = QString::number(qint64(d));
        else if (v.isString())
            t = v.toString();
        else {
            fail(p, QStringLiteral("must be a channel number 0..128 or \"\""));
            return;
        }
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
        if (!t.isEmpty() && (!digits.match(t).hasMatch() || t.toInt() > 128)) {
            fail(p, QStringLiteral("\"%1\" is not a channel number 0..128 or \"\"").arg(messageText(t)));
            return;
        }
        target = t.isEmpty() ? t : QString::number(t.toInt());
    }

    bool object(const QJsonObject &o, const QString &path, const char *key, QJsonObject &target) {
        if (!o.contains(QLatin1String(key)))
            return false;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isObject()) {
            fail(join(path, QLatin1String(key)), QStringLiteral("must be an object"));
            return false;
        }
        target = v.toObject();
        return true;
    }

    bool array(const QJsonObject &o, const QString &path, const char *key, int maxSize, QJsonArray &target) {
        if (!o.contains(QLatin1String(key)))
            return false;
        const QJsonValue v = o.value(QLatin1String(key));
        const QString p = join(path, QLatin1String(key));
        if (!v.isArray()) {
            fail(p, QStringLiteral("must be an array"));
            return false;
        }
        if (v.toArray().size() > maxSize) {
            fail(p, QStringLiteral("has %1 entries, at most %2 are allowed")
                        .arg(v.toArray().size())
                        .arg(maxSize));
            return false;
        }
        target = v.toArray();
        return true;
    }

    static QString join(const QString &path, const QString &key) {
        return path.isEmpty() ? key : path + QLatin1Char('.') + key;
    }

private:
    // Five decimals: the 10 Hz digit of the stored form; normalizeFreq cuts anything finer anyway.
    static QString numberText(double d) { return QString::number(d, 'f', 5); }

    static QString withoutTrailingZeros(QString t) {
        if (t.contains(QLatin1Char('.'))) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
            if (t.endsWith(QLatin1Char('.')))
                t.chop(1);
        }
        return t;
    }

    bool stringOrNumber(const QJsonObject &o, const QString &path, const char *key, QString &target,
                        bool &fromNumber) {
        if (!o.contains(QLatin1String(key)))
            return false;
        const QJsonValue v = o.value(QLatin1String(key));
        fromNumber = v.isDouble();
        if (fromNumber) {
            target = numberText(v.toDouble());
            return true;
        }
        return string(o, path, key, target);
    }

    bool string(const QJsonObject &o, const QString &path, const char *key, QString &target) {
        if (!o.contains(QLatin1String(key)))
            return false;
        const QJsonValue v = o.value(QLatin1String(key));
        if (!v.isString()) {
            fail(join(path, QLatin1String(key)), QStringLiteral("must be a text"));
            return false;
        }
        target = v.toString();
        return true;
    }

    QString m_error;
    QStringList m_warnings;
};

// What the channel table would not take of a frequency given for a channel.
void checkChannelFrequency(Reader &r, const QJsonObject &o, const QString &p, const char *key,
                           const QString &value, int band) {
    if (!o.contains(QLatin1String(key)) || value.isEmpty())
        return;
    const QString at = Reader::join(p, QLatin1String(key));
    switch (typedChannelFrequency(value, band).status) {
    case TypedFrequency::NotNumber:
        r.warn(at, QStringLiteral("\"%1\" is not a frequency the channel table takes").arg(value));
        break;
    case TypedFrequency::OutOfBand:
        r.warn(at, QStringLiteral("\"%1\" is outside the band %2").arg(value, bandText(band)));
        break;
    case TypedFrequency::Stored:
    case TypedFrequency::Empty:
        break;
    }
}

void checkChannelName(Reader &r, const QJsonObject &o, const QString &p, const QString &name) {
    if (!o.contains(QLatin1String("name")))
        return;
    const QString at = p + QStringLiteral(".name");
    if (name.size() > ChannelNameTypedLength)
        r.warn(at, QStringLiteral("\"%1\" is longer than the %2 characters the channel table takes")
                       .arg(messageText(name))
                       .arg(ChannelNameTypedLength));
    else if (typedChannelName(name) != name)
        r.warn(at, QStringLiteral("\"%1\" typed into the channel table becomes \"%2\"")
                       .arg(messageText(name), typedChannelName(name)));
}

void readChannel(Reader &r, const QJsonValue &value, const QString &p, int band, Channel &c) {
    if (value.isNull()) {
        c = Channel{};
        return;
    }
    if (!value.isObject()) {
        r.fail(p, QStringLiteral("must be an object"));
        return;
    }
    const QJsonObject o = value.toObject();
    r.onlyKnown(
        o, p,
        {"rx", "tx", "rxTone", "txTone", "power", "busyLock", "scanAdd", "bandwidth", "txProhibit", "name"});
    QString rx;
    r.frequency(o, p, "rx", true, rx);
    // A receive frequency brings the values the channel table gives a newly typed channel (TX = RX, High,
    // busy lock Off, scan On, Wide, TX prohibit Off); the fields given override them.
    c = rx.isEmpty() ? Channel{} : newChannel(rx);
    r.frequency(o, p, "tx", true, c.tx);
    r.tone(o, p, "rxTone", c.rxTone);
    r.tone(o, p, "txTone", c.txTone);
    r.choice(o, p, "power", listtables::Power, c.power);
    r.choice(o, p, "busyLock", listtables::BusyLock, c.busyLock);
    r.choice(o, p, "scanAdd", listtables::ScanAdd, c.scanAdd);
    // The channel list spells "Narror"; the VFO list's "Narrow" and "Wide" are taken too.
    r.choice(o, p, "bandwidth", listtables::ChannelBandwidth, c.bandwidth, listtables::VfoBandwidth);
    r.choice(o, p, "txProhibit", listtables::TxProhibit, c.txProhibit);
    r.text(o, p, "name", 8, c.name);
    if (!r.failed()) {
        checkChannelFrequency(r, o, p, "rx", c.rx, band);
        checkChannelFrequency(r, o, p, "tx", c.tx, band);
        checkChannelName(r, o, p, c.name);
    }
    if (rx.isEmpty() && !c.tx.isEmpty())
        r.fail(p + QStringLiteral(".tx"),
               QStringLiteral("a channel without \"rx\" cannot have a transmit frequency"));
}

void readGeneral(Reader &r, const QJsonObject &o, GeneralSettings &g) {
    const QString p = QStringLiteral("general");
    r.onlyKnown(o, p, generalObject(g).keys());
    r.choice(o, p, "aDisplayMode", listtables::DisplayMode, g.aDisplayMode);
    r.choice(o, p, "bDisplayMode", listtables::DisplayMode, g.bDisplayMode);
    r.choice(o, p, "beep", listtables::OffOn, g.beep);
    r.choice(o, p, "keyLock", listtables::KeyLock, g.keyLock);
    r.choice(o, p, "scanMode", listtables::ScanMode, g.scanMode);
    r.choice(o, p, "keyLockMode", listtables::KeyLockMode, g.keyLockMode);
    r.choice(o, p, "radioSearchMode", listtables::RadioSearchMode, g.radioSearchMode);
    r.choice(o, p, "radioMonitor", listtables::RadioMonitor, g.radioMonitor);
    r.choice(o, p, "squelchTail", listtables::OffOn, g.squelchTail);
    r.choice(o, p, "autoPowerOff", listtables::AutoPowerOff, g.autoPowerOff);
    r.choice(o, p, "openDisplayMode", listtables::OpenDisplayMode, g.openDisplayMode);
    r.choice(o, p, "channelNameEditable", listtables::EnabledDisabled, g.channelNameEditable);
    r.channelNumber(o, p, "aChannel", g.aChannel);
    r.channelNumber(o, p, "bChannel", g.bChannel);
    r.choice(o, p, "squelchLevel", listtables::SquelchLevel, g.squelchLevel);
    r.choice(o, p, "batterySave", listtables::OffOn, g.batterySave);
    r.choice(o, p, "timeoutTimer", listtables::TimeoutTimer, g.timeoutTimer);
    r.choice(o, p, "rogerBeep", listtables::OnOff, g.rogerBeep);
    r.choice(o, p, "mainChannel", listtables::MainChannel, g.mainChannel);
    r.choice(o, p, "backlight", listtables::Backlight, g.backlight);
    r.choice(o, p, "powerOnPassword", listtables::OnOff, g.powerOnPassword);
    r.text(o, p, "displayCharacters", 6, g.displayCharacters);
    r.text(o, p, "password", 4, g.password);
    r.choice(o, p, "dualStandby", listtables::OffOn, g.dualStandby);
    r.choice(o, p, "memoryDisplayMode", listtables::MemoryDisplayMode, g.memoryDisplayMode);
    r.choice(o, p, "voxSwitch", listtables::OnOff, g.voxSwitch);
    r.choice(o, p, "voxGain", listtables::VoxGain, g.voxGain);
    r.choice(o, p, "voxDelay", listtables::VoxDelay, g.voxDelay);
    r.boolean(o, p, "voxInhibitOnReceive", g.voxInhibitOnReceive);
}

void readVfo(Reader &r, const QJsonObject &o, const QString &p, bool sideA, int band, VfoSettings &v) {
    r.onlyKnown(o, p, vfoObject(v, sideA).keys());
    r.frequency(o, p, "frequency", false, v.freq);
    // The frequency box keeps a value within the band, both edges included, and nothing else.
    if (!r.failed() && o.contains(QLatin1String("frequency"))) {
        const QString at = p + QStringLiteral(".frequency");
        if (!isNumber(v.freq))
            r.warn(at, QStringLiteral("\"%1\" is not a frequency the frequency box takes").arg(v.freq));
        else if (!inBandInclusive(leadingNumber(v.freq), bandLimits(band)))
            r.warn(at, QStringLiteral("\"%1\" is outside the band %2").arg(v.freq, bandText(band)));
    }
    r.offset(o, p, "offset", v.offset);
    r.tone(o, p, "rxTone", v.rxTone);
    r.tone(o, p, "txTone", v.txTone);
    r.choice(o, p, "power", listtables::Power, v.power);
    r.choice(o, p, "busyLock", listtables::BusyLock, v.busyLock);
    r.choice(o, p, "scanAdd", listtables::ScanAdd, v.scanAdd);
    r.choice(o, p, "bandwidth", listtables::VfoBandwidth, v.bandwidth);
    r.choice(o, p, "txProhibit", listtables::TxProhibit, v.txProhibit);
    r.choice(o, p, "shift", listtables::Shift, v.shift);
    r.choice(o, p, "step", listtables::Step, v.step);
    if (sideA) {
        r.choice(o, p, "scramble", listtables::EnabledDisabled, v.scramble);
        r.choice(o, p, "companding", listtables::DisabledEnabled, v.companding);
    }
}

void readFm(Reader &r, const QJsonObject &o, FmSettings &fm) {
    const QString p = QStringLiteral("fm");
    r.onlyKnown(o, p, fmObject(fm).keys());
    QJsonArray channels;
    if (r.array(o, p, "channels", mem::FmChannelCount, channels)) {
        for (int k = 0; k < channels.size(); ++k)
            r.fmFrequency(QStringLiteral("fm.channels[%1]").arg(k), channels.at(k),
                          fm.channels[std::size_t(k)]);
    }
    if (o.contains(QLatin1String("vfo")))
        r.fmFrequency(QStringLiteral("fm.vfo"), o.value(QLatin1String("vfo")), fm.vfo);
    r.integer(o, p, "channel", 0, 255, fm.channel);
    // List positions; another stored byte (a fresh radio holds 255) is taken as it is, as decode shows it.
    const QStringList none;
    r.choiceIn(o, p, "displayMode", ChoiceList(listtables::FmDisplayMode).texts(English), none, 0, 255,
               fm.displayMode);
    r.choiceIn(o, p, "step", ChoiceList(listtables::FmStep).texts(English), none, 0, 255, fm.step);
}

} // namespace

namespace configjson {

QJsonObject toJson(const RadioConfig &config, Channels channels) {
    QJsonArray calibration;
    for (int v : config.calibration)
        calibration.append(v);
    return QJsonObject{
        {"band", config.band},
        {"channels", channelArray(config, channels == Channels::Used)},
        {"general", generalObject(config.general)},
        {"vfoA", vfoObject(config.vfoA, true)},
        {"vfoB", vfoObject(config.vfoB, false)},
        {"fm", fmObject(config.fm)},
        {"calibration", calibration},
    };
}

QString apply(const QJsonObject &json, RadioConfig &config, QStringList *warnings) {
    Reader r;
    RadioConfig c = config;
    r.onlyKnown(json, QString(), {"band", "channels", "general", "vfoA", "vfoB", "fm", "calibration"});
    QStringList bands;
    for (int b = 0; b < BandCount; ++b)
        bands << bandText(b);
    r.choiceIn(json, QString(), "band", bands, {}, 0, BandCount - 1, c.band);
    QJsonArray channels;
    if (r.array(json, QString(), "channels", mem::ChannelCount, channels)) {
        for (int i = 0; i < channels.size(); ++i)
            readChannel(r, channels.at(i), QStringLiteral("channels[%1]").arg(i), c.band,
                        c.channels[std::size_t(i)]);
    }
    QJsonObject part;
    if (r.object(json, QString(), "general", part))
        readGeneral(r, part, c.general);
    if (r.object(json, QString(), "vfoA", part))
        readVfo(r, part, QStringLiteral("vfoA"), true, c.band, c.vfoA);
    if (r.object(json, QString(), "vfoB", part))
        readVfo(r, part, QStringLiteral("vfoB"), false, c.band, c.vfoB);
    if (r.object(json, QString(), "fm", part))
        readFm(r, part, c.fm);
    QJsonArray calibration;
    if (r.array(json, QString(), "calibration", 6, calibration)) {
        for (int i = 0; i < calibration.size(); ++i) {
            r.integerValue(calibration.at(i), QStringLiteral("calibration[%1]").arg(i), 0, 255,
                           c.calibration[std::size_t(i)]);
        }
    }
    if (r.failed())
        return r.error();
    if (warnings)
        *warnings = r.warnings();
    config = c;
    return {};
}

} // namespace configjson
