#include "files/messagetext.h"

namespace {
// The escape for a character that must not reach a terminal as it is; empty for any other.
QString escapeFor(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'));
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Other_Format || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph || category == QChar::Other_Surrogate)
        return QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'));
    return {};
}
} // namespace

QString messageText(const QString &text, int maxChars) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        QString piece;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            piece = text.mid(i, 2);
            const QString escape = escapeFor(QChar::surrogateToUcs4(c, text.at(i + 1)));
            if (!escape.isEmpty())
                piece = escape;
            ++i;
        } else {
            const QString escape = escapeFor(c.unicode());
            piece = escape.isEmpty() ? QString(c) : escape;
        }
        if (shown.size() + piece.size() > maxChars)
            return shown + QChar(0x2026);
        shown += piece;
    }
    return shown;
}
