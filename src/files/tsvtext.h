#pragma once
// Tab-separated text as spreadsheets put it on the clipboard: cells separated by tabs, rows by CR LF, LF or
// CR, usually with a line break after the last row; a cell holding a tab, a line break or a quote is written
// in double quotes with its quotes doubled.

#include <QList>
#include <QString>
#include <QStringList>

namespace tsv {

// The rows of a pasted text. A line break at the end does not start another row. When every row ends with an
// empty cell (a tab at the end of each line, as some programs write), that last column is dropped; rows
// shorter than the longest are not filled up.
QList<QStringList> parse(const QString &text);

// Rows of cells as text for the clipboard: cells joined by tabs, each row ended with CR LF.
QString format(const QList<QStringList> &rows);

} // namespace tsv
