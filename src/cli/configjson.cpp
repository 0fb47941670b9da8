#include "cli/configjson.h"

#include "files/messagetext.h"
#include "image/choicelists.h"
#include "image/codecs.h"
#include "image/memorymap.h"
#include "image/tones.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <cmath>

namespace {

QString toneName(int position) {
    return toneEntry(position);
} // "" for off

QJsonArray channelArray(const RadioConfig &config) {
    QJsonArray channels;
    for (const Channel &c : config.channels) {
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

    void choice(const QJsonObject &o, const QString &path, const char *key, int listSize, int &target) {
        integer(o, path, key, 0, listSize - 1, target);
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
    void frequency(const QJsonObject &o, const QString &path, const char *key, bool allowEmpty,
                   QString &target) {
        QString t;
        if (!string(o, path, key, t))
            return;
        const QString p = join(path, QLatin1String(key));
        static const QRegularExpression stored(QStringLiteral("^[0-9A-F]{3}\\.[0-9A-F]{5}$"));
        static const QRegularExpression number(QStringLiteral("^[0-9]{1,3}(\\.[0-9]*)?$"));
        if (t.isEmpty() && allowEmpty) {
            target = t;
        } else if (stored.match(t).hasMatch()) {
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
        if (!string(o, path, key, t))
            return;
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
        if (!v.isString()) {
            fail(p, QStringLiteral("must be a text such as \"98.10\" or \"\""));
            return;
        }
        const QString t = v.toString();
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
};

void readChannel(Reader &r, const QJsonValue &value, const QString &p, Channel &c) {
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
    r.choice(o, p, "power", lists::Power, c.power);
    r.choice(o, p, "busyLock", lists::TwoChoices, c.busyLock);
    r.choice(o, p, "scanAdd", lists::TwoChoices, c.scanAdd);
    r.choice(o, p, "bandwidth", lists::TwoChoices, c.bandwidth);
    r.choice(o, p, "txProhibit", lists::TwoChoices, c.txProhibit);
    r.text(o, p, "name", 8, c.name);
    if (rx.isEmpty() && !c.tx.isEmpty())
        r.fail(p + QStringLiteral(".tx"),
               QStringLiteral("a channel without \"rx\" cannot have a transmit frequency"));
}

void readGeneral(Reader &r, const QJsonObject &o, GeneralSettings &g) {
    const QString p = QStringLiteral("general");
    r.onlyKnown(o, p, generalObject(g).keys());
    r.choice(o, p, "aDisplayMode", lists::TwoChoices, g.aDisplayMode);
    r.choice(o, p, "bDisplayMode", lists::TwoChoices, g.bDisplayMode);
    r.choice(o, p, "beep", lists::TwoChoices, g.beep);
    r.choice(o, p, "keyLock", lists::TwoChoices, g.keyLock);
    r.choice(o, p, "scanMode", lists::TwoChoices, g.scanMode);
    r.choice(o, p, "keyLockMode", lists::KeyLockMode, g.keyLockMode);
    r.choice(o, p, "radioSearchMode", lists::TwoChoices, g.radioSearchMode);
    r.choice(o, p, "radioMonitor", lists::TwoChoices, g.radioMonitor);
    r.choice(o, p, "squelchTail", lists::TwoChoices, g.squelchTail);
    r.choice(o, p, "autoPowerOff", lists::AutoPowerOff, g.autoPowerOff);
    r.choice(o, p, "openDisplayMode", lists::OpenDisplayMode, g.openDisplayMode);
    r.choice(o, p, "channelNameEditable", lists::TwoChoices, g.channelNameEditable);
    r.channelNumber(o, p, "aChannel", g.aChannel);
    r.channelNumber(o, p, "bChannel", g.bChannel);
    r.choice(o, p, "squelchLevel", lists::SquelchLevel, g.squelchLevel);
    r.choice(o, p, "batterySave", lists::TwoChoices, g.batterySave);
    r.choice(o, p, "timeoutTimer", lists::TimeoutTimer, g.timeoutTimer);
    r.choice(o, p, "rogerBeep", lists::TwoChoices, g.rogerBeep);
    r.choice(o, p, "mainChannel", lists::TwoChoices, g.mainChannel);
    r.choice(o, p, "backlight", lists::Backlight, g.backlight);
    r.choice(o, p, "powerOnPassword", lists::TwoChoices, g.powerOnPassword);
    r.text(o, p, "displayCharacters", 6, g.displayCharacters);
    r.text(o, p, "password", 4, g.password);
    r.choice(o, p, "dualStandby", lists::TwoChoices, g.dualStandby);
    r.choice(o, p, "memoryDisplayMode", lists::TwoChoices, g.memoryDisplayMode);
    r.choice(o, p, "voxSwitch", lists::TwoChoices, g.voxSwitch);
    r.choice(o, p, "voxGain", lists::VoxGain, g.voxGain);
    r.choice(o, p, "voxDelay", lists::VoxDelay, g.voxDelay);
    r.boolean(o, p, "voxInhibitOnReceive", g.voxInhibitOnReceive);
}

void readVfo(Reader &r, const QJsonObject &o, const QString &p, bool sideA, VfoSettings &v) {
    r.onlyKnown(o, p, vfoObject(v, sideA).keys());
    r.frequency(o, p, "frequency", false, v.freq);
    r.offset(o, p, "offset", v.offset);
    r.tone(o, p, "rxTone", v.rxTone);
    r.tone(o, p, "txTone", v.txTone);
    r.choice(o, p, "power", lists::Power, v.power);
    r.choice(o, p, "busyLock", lists::TwoChoices, v.busyLock);
    r.choice(o, p, "scanAdd", lists::TwoChoices, v.scanAdd);
    r.choice(o, p, "bandwidth", lists::TwoChoices, v.bandwidth);
    r.choice(o, p, "txProhibit", lists::TwoChoices, v.txProhibit);
    r.choice(o, p, "shift", lists::Shift, v.shift);
    r.choice(o, p, "step", lists::Step, v.step);
    if (sideA) {
        r.choice(o, p, "scramble", lists::TwoChoices, v.scramble);
        r.choice(o, p, "companding", lists::TwoChoices, v.companding);
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
    r.integer(o, p, "displayMode", 0, 255, fm.displayMode);
    r.integer(o, p, "step", 0, 255, fm.step);
}

} // namespace

namespace configjson {

QJsonObject toJson(const RadioConfig &config) {
    QJsonArray calibration;
    for (int v : config.calibration)
        calibration.append(v);
    return QJsonObject{
        {"band", config.band},
        {"channels", channelArray(config)},
        {"general", generalObject(config.general)},
        {"vfoA", vfoObject(config.vfoA, true)},
        {"vfoB", vfoObject(config.vfoB, false)},
        {"fm", fmObject(config.fm)},
        {"calibration", calibration},
    };
}

QString apply(const QJsonObject &json, RadioConfig &config) {
    Reader r;
    RadioConfig c = config;
    r.onlyKnown(json, QString(), {"band", "channels", "general", "vfoA", "vfoB", "fm", "calibration"});
    r.choice(json, QString(), "band", 3, c.band);
    QJsonArray channels;
    if (r.array(json, QString(), "channels", mem::ChannelCount, channels)) {
        for (int i = 0; i < channels.size(); ++i)
            readChannel(r, channels.at(i), QStringLiteral("channels[%1]").arg(i), c.channels[std::size_t(i)]);
    }
    QJsonObject part;
    if (r.object(json, QString(), "general", part))
        readGeneral(r, part, c.general);
    if (r.object(json, QString(), "vfoA", part))
        readVfo(r, part, QStringLiteral("vfoA"), true, c.vfoA);
    if (r.object(json, QString(), "vfoB", part))
        readVfo(r, part, QStringLiteral("vfoB"), false, c.vfoB);
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
    config = c;
    return {};
}

} // namespace configjson
