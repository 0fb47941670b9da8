#pragma once
// The 128 channels of the Document as an 11-column table: the channel number, then the ten fields of a
// channel. Cell texts are derived from the stored list positions and the interface language, so a language
// switch only has to repaint them.

#include "gui/changetext.h"

#include <QAbstractTableModel>
#include <QStringList>

class Document;

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NumberColumn = 0,
        RxColumn = 1,
        TxColumn = 2,
        RxToneColumn = 3,
        TxToneColumn = 4,
        PowerColumn = 5,
        BusyLockColumn = 6,
        ScanAddColumn = 7,
        BandwidthColumn = 8,
        TxProhibitColumn = 9,
        NameColumn = 10,
        ColumnCount = 11,
    };
    static constexpr int RowCount = 128;

    enum class FreqResult {
        Stored,    // the channel took the normalised frequency
        Cleared,   // an empty RX text emptied the channel
        Unchanged, // an empty TX text or a text that is not a number
        OutOfBand, // refused by the band check; the caller tells the user
    };

    explicit ChannelTableModel(Document &document, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Texts of the current language.
    static QString headerText(int column);
    // Entries of the choice list that edits a column (3..9); empty for the other columns.
    static QStringList listEntries(int column);
    static int columnWidthTwips(int column);
    // The name of an undo step that changes a cell: "Channel 5 RXFreq" / "频道5 接收频率".
    static ChangeText changeText(int row, int column);

    bool isUsed(int row) const;
    // Position stored for a list column (3..9) of a channel.
    int choice(int row, int column) const;

    // A typed frequency for column 1 or 2, checked against the selected band and put onto the raster.
    FreqResult commitFrequency(int row, int column, const QString &text);
    void setChoice(int row, int column, int position);
    // The name follows every letter typed; the letters typed in a row are one undo step.
    void setName(int row, const QString &name);
    void clearChannel(int row);
    // An editor closed: what it typed is one undo step, the next edit of the same cell another.
    void endEdit();

private:
    void channelChanged(int row);
    void refreshAll();
    QString cellText(int row, int column) const;

    // A Band cell of a newly typed channel shows "Wide", not the list's entry for the same position ("wide"
    // in English), until a pick from the list, a language switch or a new set of channels (the flags are
    // kept in the Document, see Document::newChannelBandText).
    Document &m_document;
};
