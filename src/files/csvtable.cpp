#include "files/csvtable.h"

namespace csv {

QList<Record> parse(const QString &text, QChar separator) {
    QList<Record> records;
    Record record;
    QString field;
    int line = 1;
    record.line = line;
    bool inQuotes = false;
    bool recordOpen = false; // something (a character or a separator) belongs to the current record
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
                continue;
            }
            if (c == QLatin1Char('\n') || (c == QLatin1Char('\r') && !(i + 1 < n && text.at(i + 1) == '\n')))
                ++line;
            field += c;
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            // Only a quote at the start of a field opens a quoted part.
            inQuotes = true;
            recordOpen = true;
            continue;
        }
        if (c == separator) {
            record.fields << field;
            field.clear();
            recordOpen = true;
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            record.fields << field;
            records << record;
            field.clear();
            record = Record{};
            record.line = ++line;
            recordOpen = false;
            continue;
        }
        field += c;
        recordOpen = true;
    }
    if (recordOpen || !field.isEmpty()) {
        record.fields << field;
        record.unclosedQuote = inQuotes;
        records << record;
    }
    return records;
}

QString quoted(const QString &field) {
    const bool needsQuotes = field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                             field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')) ||
                             (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
    if (!needsQuotes)
        return field;
    QString f = field;
    f.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + f + QLatin1Char('"');
}

QString line(const QStringList &fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out << quoted(f);
    return out.join(QLatin1Char(',')) + QLatin1Char('\n');
}

} // namespace csv
