#pragma once
// The programming-data report as texts, built from a configuration alone: the same texts the editor windows
// show for it, in the language asked for. No window needs to be open.

#include "image/radioconfig.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <bitset>

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
    QStringList channelHeaders;     // the channel table's header cells
    QList<QStringList> channelRows; // every channel row, empty cells included
};

inline constexpr int ReportChannels = 128;

// `language`: 0 Simplified Chinese, 1 English. `newChannelBandText`: channels whose Band cell shows the
// text of a newly typed channel ("Wide") instead of the list's entry ("wide"), as the channel table does
// until the channel's band is picked from the list.
ReportContent buildReport(const RadioConfig &config, int language,
                          const std::bitset<ReportChannels> &newChannelBandText = {});
