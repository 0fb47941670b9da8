#include "image/channelinput.h"

#include "image/bands.h"
#include "image/codecs.h"

QChar channelNameChar(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 'a' && u <= 'z')
        return QChar(char16_t(u - 'a' + 'A'));
    return u >= 35 && u <= 122 ? c : QChar();
}

QString typedChannelName(const QString &text) {
    QString name;
    for (QChar c : text) {
        if (name.size() == ChannelNameTypedLength)
            break;
        const QChar taken = channelNameChar(c);
        if (!taken.isNull())
            name += taken;
    }
    return name;
}

TypedFrequency typedChannelFrequency(const QString &text, int band) {
    if (text.isEmpty())
        return {TypedFrequency::Empty, {}};
    // The frequency box lets only digits and "." through.
    for (QChar c : text) {
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && c != QLatin1Char('.'))
            return {TypedFrequency::NotNumber, {}};
    }
    if (!isNumber(text))
        return {TypedFrequency::NotNumber, {}};
    if (!inBandStrict(leadingNumber(text), bandLimits(band)))
        return {TypedFrequency::OutOfBand, {}};
    // The stored BCD digits are taken by position from the text, so leading zeros ("0145.5") must go.
    QString typed = text;
    while (typed.size() > 1 && typed.startsWith(QLatin1Char('0')) && typed.at(1) != QLatin1Char('.'))
        typed.remove(0, 1);
    return {TypedFrequency::Stored, normalizeFreq(typed)};
}
