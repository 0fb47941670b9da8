#pragma once
// Comma-separated values: fields separated by ",", records by CR LF, LF or CR; a field in double quotes may
// hold commas, line breaks and doubled quotes ("a ""b"" c"). Reading is forgiving: a quote inside an unquoted
// field is an ordinary character, and characters after a closing quote belong to the same field.

#include <QList>
#include <QString>
#include <QStringList>

namespace csv {

struct Record {
    int line = 0;               // line of the text where the record begins, 1 for the first
    QStringList fields;         // as written, quotes removed; never empty (an empty line is one empty field)
    bool unclosedQuote = false; // a quoted field runs to the end of the text
};

// `separator` stands between fields: "," for CSV, a tab for what spreadsheets put on the clipboard.
QList<Record> parse(const QString &text, QChar separator = QLatin1Char(','));

// One field as written: in quotes when it holds a comma, a quote, a line break or blanks at either end.
QString quoted(const QString &field);
// The fields of one record joined with ",", each through quoted(), and ended with "\n".
QString line(const QStringList &fields);

} // namespace csv
