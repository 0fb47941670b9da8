#pragma once
// Channel lists in the common radio-programming CSV format, whose header is
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,
//   Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE
// Export writes one row per used channel; import turns rows into channels by the rules of the channel table
// (band check, raster, name filter). README.md has the mapping as a table.

#include "image/radioconfig.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace channelcsv {

// The largest CSV read: a repeater directory of many thousand rows.
inline constexpr qint64 SizeLimit = 16 << 20;

// The export header, in its order.
QStringList columns();

struct ExportResult {
    QByteArray text;      // UTF-8, lines ended with LF
    QStringList warnings; // "channel 7: ..." for a channel that could not be written as it is
};
ExportResult exportChannels(const RadioConfig &config);

enum class Placement {
    ByLocation,  // each row goes to the channel its Location names
    FromChannel, // the rows taken go one after another from a given channel on
};

struct RowOutcome {
    int line = 0;         // line of the file where the row begins; the header is line 1
    int channel = 0;      // 1..128 where the row goes; 0 when it is refused
    Channel value;        // what the channel becomes (when the row is taken)
    QString refusal;      // why the row is refused; empty when it is taken
    QStringList warnings; // what was changed to fit, such as a name cut to six characters
    bool taken() const { return refusal.isEmpty(); }
};

struct ImportResult {
    QString error;          // when the text is not such a CSV: why; rows is then empty
    QList<RowOutcome> rows; // every row in file order, blank lines left out
    RadioConfig config;     // the current configuration with the taken rows in their channels
    int takenCount() const;
};

// Pure: reads `csv` (UTF-8 with or without a byte order mark, CR LF or LF) against the band of `current`.
// `first` (1..128) is where the rows start with Placement::FromChannel.
ImportResult importChannels(const QByteArray &csv, const RadioConfig &current, Placement placement,
                            int first = 1);

} // namespace channelcsv
