#pragma once
// The FM window's table: the 25 channel frequencies the window is editing (its draft, committed by OK).
// Column 0 shows the channel number, column 1 the frequency text.

#include <QAbstractTableModel>

#include <array>

class FmChannelModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int ChannelCount = 25;
    using Frequencies = std::array<QString, ChannelCount>;

    using QAbstractTableModel::QAbstractTableModel;

    const Frequencies &frequencies() const { return m_frequencies; }
    void setFrequencies(const Frequencies &frequencies);
    void setFrequency(int row, const QString &text);
    // The header texts follow the language.
    void retranslate();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    Frequencies m_frequencies;
};
