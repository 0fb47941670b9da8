#pragma once
// The programming-data report as texts: what the editor windows show at the moment it is collected, in the
// current language. Printing renders this; it never reads the Document, so the paper equals the screen.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

struct ReportRow {
    QString caption;
    QString value;
};

struct ReportSection {
    QString heading;
    QList<ReportRow> rows;
};

struct ReportContent {
    QString title;
    QList<ReportSection> sections; // general settings, A-group VFO, VOX, calibration
    QString channelTitle;
    QStringList channelHeaders;     // the grid's header cells
    QList<QStringList> channelRows; // every grid row, empty cells included
};

// Reads the channel window (Form1 with Grid1), the optional-features window (Form3) and the calibration
// window (Form4) found by objectName among `root`'s descendants (or `root` itself). A missing control gives
// an empty cell; its row is still printed.
ReportContent collectReport(const QWidget *root);
