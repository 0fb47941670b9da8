#include "files/tsvtext.h"

#include "files/csvtable.h"

namespace tsv {

namespace {
QString cell(const QString &text) {
    const bool needsQuotes = text.contains(QLatin1Char('\t')) || text.contains(QLatin1Char('\n')) ||
                             text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('"'));
    if (!needsQuotes)
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
} // namespace

QList<QStringList> parse(const QString &text) {
    QList<QStringList> rows;
    for (const csv::Record &record : csv::parse(text, QLatin1Char('\t')))
        rows << record.fields;
    bool trailingTab = !rows.isEmpty();
    for (const QStringList &row : rows)
        trailingTab = trailingTab && row.size() > 1 && row.last().isEmpty();
    if (trailingTab)
        for (QStringList &row : rows)
            row.removeLast();
    return rows;
}

QString format(const QList<QStringList> &rows) {
    QString text;
    for (const QStringList &row : rows) {
        QStringList cells;
        cells.reserve(row.size());
        for (const QString &c : row)
            cells << cell(c);
        text += cells.join(QLatin1Char('\t')) + QLatin1String("\r\n");
    }
    return text;
}

} // namespace tsv
