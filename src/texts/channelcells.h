#pragma once
// Texts taken into cells of the channel table as if typed, one cell at a time or a block of cells at once
// (what a paste does): the same band check and raster for frequencies, the same key filter for names, and
// list entries by their text in either language. A cell that cannot take its text keeps its value and says
// why.

#include "image/channelrows.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class CellRefusal {
    None,
    OutOfBand,       // a frequency outside the selected band
    NotFrequency,    // a frequency text that is not a number
    TxNotErasable,   // an empty text for a transmit frequency that is set
    NotInList,       // a text that is no entry of the column's list, in either language
    ChannelNotUsed,  // a value for a channel without a receive frequency
    NameNotTypeable, // a name of which no character can be typed
};

// Why a cell was refused, in language `language` (0 Chinese, 1 English).
QString refusalText(CellRefusal reason, int language);

// Takes `text` into column `column` (1..10) of a channel as typing or picking it there would, with the band
// position `band`. An empty receive frequency empties the channel; a receive frequency for a channel not in
// use creates it with the defaults of a new channel. Blanks around the text are ignored.
CellRefusal setCellText(Channel &channel, int column, const QString &text, int band);

struct CellText {
    int row = 0;
    int column = 0;
    QString text;
    bool operator==(const CellText &) const = default;
};

struct RefusedCell {
    int row = 0;
    int column = 0;
    CellRefusal reason = CellRefusal::None;
    bool operator==(const RefusedCell &) const = default;
};

struct PasteOutcome {
    ChannelList channels;
    QList<RefusedCell> refused; // in the order the cells were taken
};

// Takes texts into cells. Within a row the receive frequency is taken first, so that a whole channel pasted
// onto an empty one is created before its other cells are set; then the cells from left to right.
PasteOutcome pasteCells(const ChannelList &channels, int band, const QList<CellText> &cells);

struct PlacedBlock {
    QList<CellText> cells; // within the table, row by row, column 0 (the channel number) left out
    int outside = 0;       // cells that would fall below channel 128 or right of the name column
};
// Where a block of pasted rows lands with its top-left cell at (row, column). A block of at most ten columns
// put on the channel number column starts at the receive frequency instead (rows copied from a spreadsheet
// without channel numbers); a block of eleven is whole rows with their channel numbers and starts at the
// channel number column wherever it is put, the numbers left out.
PlacedBlock placeBlock(const QList<QStringList> &block, int row, int column);

// The cells emptied as the Delete key does: an RX cell empties its channel, a name cell its name, a tone cell
// goes to the "off" entry; a TX cell and the other lists have no empty value and keep theirs.
ChannelList clearCells(const ChannelList &channels, const QList<CellText> &cells);
