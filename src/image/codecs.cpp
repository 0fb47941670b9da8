#include "image/codecs.h"

#include <cstdint>

namespace {

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// A one- or two-character hexadecimal pair; anything else gives 0.
std::uint8_t hexPair(const QString &pair) {
    if (pair.isEmpty() || pair.size() > 2)
        return 0;
    int value = 0;
    for (QChar c : pair) {
        const int d = hexDigit(c);
        if (d < 0)
            return 0;
        value = value * 16 + d;
    }
    return std::uint8_t(value);
}

QString hex2(std::uint8_t b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Scans "[blanks][sign]digits[.digits]" from the start; returns the number of characters used (0 = none).
int scanNumber(const QString &text, int from, double *value) {
    int i = from;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    double v = 0;
    int digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        v = v * 10 + (text[i].unicode() - '0');
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        ++i;
        double scale = 0.1;
        while (i < text.size() && isDigit(text[i])) {
            v += (text[i].unicode() - '0') * scale;
            scale /= 10;
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    // Re-parse the matched characters exactly so that "146.525" is the nearest double, not a sum of steps.
    bool ok = false;
    const double exact = text.mid(from, i - from).toDouble(&ok);
    *value = ok ? exact : (negative ? -v : v);
    return i - from;
}

int skipBlanks(const QString &text, int i) {
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

} // namespace

double leadingNumber(const QString &text) {
    double v = 0;
    return scanNumber(text, skipBlanks(text, 0), &v) > 0 ? v : 0.0;
}

bool isNumber(const QString &text) {
    const int start = skipBlanks(text, 0);
    double v = 0;
    const int used = scanNumber(text, start, &v);
    return used > 0 && skipBlanks(text, start + used) == text.size();
}

QString normalizeFreq(const QString &text) {
    QString t = text;
    const int dot = t.indexOf(QLatin1Char('.'));
    if (dot < 0) {
        t += QLatin1String(".00000");
    } else {
        const int decimals = t.size() - dot - 1;
        if (decimals > 5)
            t.truncate(dot + 6);
        else
            t += QString(5 - decimals, QLatin1Char('0'));
    }
    // The last four digits are the 100 kHz .. 10 Hz part; round it down onto the 5 kHz or 6.25 kHz raster.
    const int n = int(leadingNumber(t.right(4)));
    if (n % 500 == 0 || n % 625 == 0)
        return t;
    const int r5 = n % 500;
    const int r6 = n % 625;
    const int fixed = r5 < r6 ? n - r5 : n - r6;
    t.chop(4);
    return t + QStringLiteral("%1").arg(fixed, 4, 10, QLatin1Char('0'));
}

QString normalizeFmFreq(const QString &text) {
    const int dot = text.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return text + QLatin1String(".00");
    const int decimals = text.size() - dot - 1;
    if (decimals == 0)
        return text + QLatin1String("00");
    if (decimals == 1)
        return text + QLatin1String("0");
    const QChar second = text[dot + 2];
    const bool up = isDigit(second) && second >= QLatin1Char('5');
    return text.left(dot + 2) + (up ? QLatin1Char('5') : QLatin1Char('0'));
}

std::uint8_t freqByte(const QString &text, int selector) {
    QString plain = text;
    plain.remove(QLatin1Char('.'));
    switch (selector) {
    case 1:
        return hexPair(text.left(2));
    case 2:
        return hexPair(plain.mid(2, 2));
    case 3:
        return hexPair(plain.mid(4, 2));
    case 4:
        return hexPair(text.right(2));
    default:
        return 0;
    }
}

std::array<std::uint8_t, 4> freqBytes(const QString &text) {
    return {freqByte(text, 4), freqByte(text, 3), freqByte(text, 2), freqByte(text, 1)};
}

QString freqText(const std::uint8_t *bytes) {
    const QString digits = hex2(bytes[3]) + hex2(bytes[2]) + hex2(bytes[1]) + hex2(bytes[0]);
    return digits.left(3) + QLatin1Char('.') + digits.mid(3);
}

QString offsetText(const std::uint8_t *bytes) {
    return QString::number(leadingNumber(freqText(bytes)), 'f', 5);
}

std::array<std::uint8_t, 4> offsetBytes(const QString &text) {
    if (!isNumber(text))
        return freqBytes(text);
    const double v = leadingNumber(text);
    QString formatted = QString::number(v < 0 ? -v : v, 'f', 5);
    const int dot = formatted.indexOf(QLatin1Char('.'));
    if (dot < 3)
        formatted.prepend(QString(3 - dot, QLatin1Char('0')));
    if (v < 0)
        formatted.prepend(QLatin1Char('-'));
    return freqBytes(formatted);
}

ToneBytes toneCode(const QString &text) {
    if (text.contains(QLatin1Char('N')))
        return {hexPair(text.mid(2, 2)), hexPair(QLatin1String("8") + text.mid(1, 1))};
    if (text.contains(QLatin1Char('I')))
        return {hexPair(text.mid(2, 2)), hexPair(QLatin1String("C") + text.mid(1, 1))};
    QString tenths = text;
    tenths.remove(QLatin1Char('.'));
    if (tenths.size() < 4)
        tenths.prepend(QString(4 - tenths.size(), QLatin1Char('0')));
    return {hexPair(tenths.right(2)), hexPair(tenths.left(2))};
}

QString toneText(std::uint8_t low, std::uint8_t high) {
    const QString l = hex2(low);
    if ((high & 0xF0) == 0x80)
        return QLatin1Char('D') + hex2(high).right(1) + l + QLatin1Char('N');
    if ((high & 0xF0) == 0xC0)
        return QLatin1Char('D') + hex2(high).right(1) + l + QLatin1Char('I');
    return QString::number(high, 16).toUpper() + l.left(1) + QLatin1Char('.') + l.right(1);
}

QString removeFF(const QString &text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() != 0xFF)
            out += c;
    }
    return out;
}

QString bytesToText(const std::uint8_t *bytes, std::size_t count) {
    QString text;
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] != 0xFF)
            text += QChar(char16_t(bytes[i]));
    }
    return text;
}

QString fmText(std::uint8_t high, std::uint8_t low) {
    const int v = high * 256 + low;
    // FF FF is the empty marker; anything above 108 MHz (v > 210) is shown empty as well.
    if (v > 210)
        return {};
    const int tenths = 870 + v;
    return normalizeFmFreq(QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10));
}

std::optional<std::uint16_t> fmValue(const QString &text) {
    // Exact decimal arithmetic: the text as mantissa / 10^scale, then (f - 87) x 10 rounded half to even.
    const QString t = text.trimmed();
    if (!isNumber(t) || t.startsWith(QLatin1Char('-')))
        return std::nullopt;
    QString digits;
    int scale = 0;
    bool afterDot = false;
    for (QChar c : t) {
        if (c == QLatin1Char('.')) {
            afterDot = true;
        } else if (isDigit(c)) {
            if (afterDot && scale >= 12)
                continue; // far beyond any meaning; keeps the arithmetic in 64 bits
            digits += c;
            if (afterDot)
                ++scale;
        }
    }
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 17)
        return std::nullopt;
    const std::int64_t mantissa = digits.toLongLong();
    std::int64_t pow10 = 1;
    for (int i = 0; i < scale; ++i)
        pow10 *= 10;
    // v = (mantissa - 87 * 10^scale) * 10 / 10^scale
    const std::int64_t num = (mantissa - 87 * pow10) * 10;
    const std::int64_t den = pow10;
    if (num < 0)
        return std::nullopt;
    std::int64_t q = num / den;
    const std::int64_t r = num % den;
    if (2 * r > den || (2 * r == den && (q % 2) == 1))
        ++q;
    if (q > 0xFFFF)
        return std::nullopt;
    return std::uint16_t(q);
}
