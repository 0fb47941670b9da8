#include "editors/optionalfeaturesrules.h"

#include "image/codecs.h"

namespace {
constexpr double MaxOffset = 99.995;
constexpr int MaxChannel = 128;

// The number a text starts with, as plain digits: no blanks, no sign, no leading zeros, nothing after it
// ("0145.5.3" gives "145.5"). Pasted text can hold anything; the raster rounding works on the digits, so it
// must see a well-formed number (a second "." or a leading zero would shift the stored digits).
QString plainNumberText(const QString &text) {
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    QString whole;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
        whole += text[i++];
    QString fraction;
    const bool hasPoint = i < text.size() && text[i] == u'.';
    if (hasPoint) {
        ++i;
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128)
            fraction += text[i++];
    }
    while (whole.size() > 1 && whole.startsWith(u'0'))
        whole.remove(0, 1);
    if (whole.isEmpty())
        whole = QStringLiteral("0");
    return hasPoint ? whole + u'.' + fraction : whole;
}
} // namespace

namespace optionrules {

QChar channelNumberKey(QChar c) {
    return c >= u'0' && c <= u'9' ? c : QChar();
}

QChar frequencyKey(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' ? c : QChar();
}

QChar passwordKey(QChar c) {
    return channelNumberKey(c);
}

QChar displayCharacterKey(QChar c) {
    if (c >= u'a' && c <= u'z')
        c = QChar(c.unicode() - u'a' + u'A');
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u'*' || c == u'#' || c == u'-')
        return c;
    return QChar();
}

QString channelNumberWhileTyping(const QString &text) {
    return leadingNumber(text) > MaxChannel ? QStringLiteral("128") : text;
}

QString channelNumberOnLeave(const QString &text) {
    const double value = leadingNumber(text);
    if (value < 1)
        return QString();
    if (value > MaxChannel) // only reachable if the typing check was bypassed
        return QStringLiteral("128");
    return QString::number(int(value));
}

QString frequencyOnLeave(const QString &text, const BandLimits &limits, const QString &fallback) {
    if (!inBandInclusive(leadingNumber(text), limits))
        return fallback;
    return normalizeFreq(plainNumberText(text));
}

QString offsetOnLeave(const QString &text) {
    const double value = leadingNumber(text);
    QString number;
    if (value > MaxOffset)
        number = QStringLiteral("99.995");
    else if (value < 0) // an offset has no sign; its direction is a list of its own
        number = QStringLiteral("0");
    else
        number = plainNumberText(text);
    QString shown = QString::number(leadingNumber(normalizeFreq(number)), 'f', 5);
    while (shown.endsWith(u'0'))
        shown.chop(1);
    if (shown.endsWith(u'.'))
        shown.chop(1);
    return shown;
}

} // namespace optionrules
