#include "files/channelcsvfields.h"

#include "image/tones.h"

#include <QRegularExpression>

namespace channelcsv {

namespace {

enum class Kind { None, Ctcss, Dcs };

Kind kindOf(int position) {
    if (position >= 1 && position <= CtcssCount)
        return Kind::Ctcss;
    if (position > CtcssCount && position < ToneCount)
        return Kind::Dcs;
    return Kind::None;
}

// "D023N" -> "023"
QString dcsDigits(int position) {
    return toneEntry(position).mid(1, 3);
}

QChar dcsPolarity(int position) {
    return toneEntry(position).endsWith(QLatin1Char('I')) ? QLatin1Char('R') : QLatin1Char('N');
}

const QString NeutralTone = QStringLiteral("88.5");
const QString NeutralCode = QStringLiteral("023");

QString kindWord(Kind k) {
    switch (k) {
    case Kind::Ctcss:
        return QStringLiteral("Tone");
    case Kind::Dcs:
        return QStringLiteral("DTCS");
    case Kind::None:
        break;
    }
    return {};
}

struct ToneResult {
    int position = 0;
    QString refusal;
};

ToneResult ctcss(const QString &column, const QString &value) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,3})(?:\\.([0-9]*))?$"));
    const QString v = value.trimmed();
    const QRegularExpressionMatch m = form.match(v);
    const QString decimals = m.captured(2);
    bool tenths = m.hasMatch();
    for (int i = 1; i < decimals.size(); ++i)
        tenths = tenths && decimals.at(i) == QLatin1Char('0');
    if (tenths) {
        const QString text = QStringLiteral("%1.%2")
                                 .arg(m.captured(1).toInt())
                                 .arg(decimals.isEmpty() ? QStringLiteral("0") : decimals.left(1));
        const int position = toneIndex(text);
        if (kindOf(position) == Kind::Ctcss)
            return {position, {}};
    }
    return {0,
            QStringLiteral("%1 %2 is not a CTCSS tone of the radio's list").arg(column, quoteValue(value))};
}

ToneResult dcs(const QString &column, const QString &value, QChar polarity) {
    static const QRegularExpression form(QStringLiteral("^[0-9]{1,3}$"));
    const QString v = value.trimmed();
    if (form.match(v).hasMatch()) {
        const QString text = QStringLiteral("D%1%2")
                                 .arg(v, 3, QLatin1Char('0'))
                                 .arg(polarity == QLatin1Char('R') ? QLatin1Char('I') : QLatin1Char('N'));
        const int position = toneIndex(text);
        if (kindOf(position) == Kind::Dcs)
            return {position, {}};
    }
    return {0, QStringLiteral("%1 %2 is not a DCS code of the radio's list").arg(column, quoteValue(value))};
}

std::optional<Kind> sideKind(const QString &word) {
    if (word.isEmpty())
        return Kind::None;
    if (word.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0)
        return Kind::Ctcss;
    if (word.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0)
        return Kind::Dcs;
    return std::nullopt;
}

} // namespace

std::optional<qint64> tenHertz(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^([0-9]*)(?:\\.([0-9]*))?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch() || (m.captured(1).isEmpty() && m.captured(2).isEmpty()))
        return std::nullopt;
    QString whole = m.captured(1);
    while (whole.size() > 1 && whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    if (whole.size() > 3)
        return std::nullopt;
    const QString decimals = (m.captured(2) + QStringLiteral("00000")).left(5);
    return whole.toLongLong() * 100000 + decimals.toLongLong();
}

QString megahertz(qint64 units) {
    return QStringLiteral("%1.%2").arg(units / 100000).arg(units % 100000, 5, 10, QLatin1Char('0'));
}

ToneColumns toneColumns(int txTone, int rxTone) {
    const Kind tx = kindOf(txTone);
    const Kind rx = kindOf(rxTone);
    ToneColumns c;
    c.rToneFreq = tx == Kind::Ctcss ? toneEntry(txTone) : NeutralTone;
    c.cToneFreq = rx == Kind::Ctcss ? toneEntry(rxTone) : NeutralTone;
    c.dtcsCode = tx == Kind::Dcs ? dcsDigits(txTone) : rx == Kind::Dcs ? dcsDigits(rxTone) : NeutralCode;
    c.rxDtcsCode = rx == Kind::Dcs ? dcsDigits(rxTone) : NeutralCode;
    c.dtcsPolarity = QString(tx == Kind::Dcs ? dcsPolarity(txTone) : QLatin1Char('N')) +
                     QString(rx == Kind::Dcs ? dcsPolarity(rxTone) : QLatin1Char('N'));
    c.crossMode = QStringLiteral("Tone->Tone");
    if (tx == Kind::None && rx == Kind::None)
        c.mode = QString();
    else if (tx == Kind::Ctcss && rx == Kind::None)
        c.mode = QStringLiteral("Tone");
    else if (tx == Kind::Ctcss && rx == Kind::Ctcss && txTone == rxTone)
        c.mode = QStringLiteral("TSQL");
    else if (tx == Kind::Dcs && rx == Kind::Dcs && dcsDigits(txTone) == dcsDigits(rxTone))
        c.mode = QStringLiteral("DTCS");
    else {
        c.mode = QStringLiteral("Cross");
        c.crossMode = kindWord(tx) + QStringLiteral("->") + kindWord(rx);
    }
    return c;
}

Tones tonesFromColumns(const ToneColumns &columns) {
    const QString mode = columns.mode.trimmed();
    std::optional<Kind> txKind;
    std::optional<Kind> rxKind;
    // Which column each side is taken from depends on the mode.
    QString txCtcss = QStringLiteral("rToneFreq");
    QString rxCtcss = QStringLiteral("cToneFreq");
    QString rxDcs = QStringLiteral("RxDtcsCode");
    if (mode.isEmpty()) {
        txKind = rxKind = Kind::None;
    } else if (mode.compare(QLatin1String("Tone"), Qt::CaseInsensitive) == 0) {
        txKind = Kind::Ctcss;
        rxKind = Kind::None;
    } else if (mode.compare(QLatin1String("TSQL"), Qt::CaseInsensitive) == 0) {
        txKind = rxKind = Kind::Ctcss;
        txCtcss = rxCtcss;
    } else if (mode.compare(QLatin1String("DTCS"), Qt::CaseInsensitive) == 0) {
        txKind = rxKind = Kind::Dcs;
        rxDcs = QStringLiteral("DtcsCode");
    } else if (mode.compare(QLatin1String("Cross"), Qt::CaseInsensitive) == 0) {
        const QString cross = columns.crossMode.trimmed();
        const qsizetype arrow = cross.indexOf(QLatin1String("->"));
        if (arrow >= 0) {
            txKind = sideKind(cross.left(arrow));
            rxKind = sideKind(cross.mid(arrow + 2));
        }
        if (!txKind || !rxKind || (*txKind == Kind::None && *rxKind == Kind::None))
            return {0, 0,
                    QStringLiteral("CrossMode %1 is not one of Tone->Tone, Tone->DTCS, DTCS->Tone, DTCS->, "
                                   "Tone->, ->Tone, ->DTCS, DTCS->DTCS")
                        .arg(quoteValue(columns.crossMode))};
    } else {
        return {
            0, 0,
            QStringLiteral("Tone %1 is not empty, Tone, TSQL, DTCS or Cross").arg(quoteValue(columns.mode))};
    }

    QString polarity = columns.dtcsPolarity.trimmed().toUpper();
    if (*txKind == Kind::Dcs || *rxKind == Kind::Dcs) {
        if (polarity.isEmpty())
            polarity = QStringLiteral("NN");
        static const QRegularExpression form(QStringLiteral("^[NR]{2}$"));
        if (!form.match(polarity).hasMatch())
            return {0, 0,
                    QStringLiteral("DtcsPolarity %1 is not two letters N (normal) or R (inverted)")
                        .arg(quoteValue(columns.dtcsPolarity))};
    }

    Tones t;
    ToneResult side;
    if (*txKind == Kind::Ctcss)
        side = ctcss(txCtcss, txCtcss == QLatin1String("rToneFreq") ? columns.rToneFreq : columns.cToneFreq);
    else if (*txKind == Kind::Dcs)
        side = dcs(QStringLiteral("DtcsCode"), columns.dtcsCode, polarity.at(0));
    if (!side.refusal.isEmpty())
        return {0, 0, side.refusal};
    t.tx = side.position;
    side = {};
    if (*rxKind == Kind::Ctcss)
        side = ctcss(rxCtcss, columns.cToneFreq);
    else if (*rxKind == Kind::Dcs)
        side = dcs(rxDcs, rxDcs == QLatin1String("DtcsCode") ? columns.dtcsCode : columns.rxDtcsCode,
                   polarity.at(1));
    if (!side.refusal.isEmpty())
        return {0, 0, side.refusal};
    t.rx = side.position;
    return t;
}

QString powerWord(int power) {
    switch (power) {
    case 0:
        return QStringLiteral("Low");
    case 2:
        return QStringLiteral("Mid");
    default:
        return QStringLiteral("High");
    }
}

std::optional<int> powerFromText(const QString &text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("high"))
        return 1;
    if (t == QLatin1String("mid") || t == QLatin1String("middle") || t == QLatin1String("med"))
        return 2;
    if (t == QLatin1String("low"))
        return 0;
    static const QRegularExpression watts(QStringLiteral("^([0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)\\s*w?$"));
    const QRegularExpressionMatch m = watts.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const double w = m.captured(1).toDouble();
    if (w >= 4.0)
        return 1;
    if (w >= 1.5)
        return 2;
    return 0;
}

QString quoteValue(const QString &value) {
    constexpr int Longest = 40;
    QString out = QStringLiteral("\"");
    const QString v = value.size() > Longest ? value.left(Longest) : value;
    for (QChar c : v) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + QString(c);
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    if (value.size() > Longest)
        out += QStringLiteral("...");
    return out + QLatin1Char('"');
}

} // namespace channelcsv
