#include "editors/fmchannelmodel.h"

#include "gui/language.h"

#include <QApplication>
#include <QPalette>

void FmChannelModel::setFrequencies(const Frequencies &frequencies) {
    m_frequencies = frequencies;
    emit dataChanged(index(0, 1), index(ChannelCount - 1, 1));
}

void FmChannelModel::setFrequency(int row, const QString &text) {
    if (row < 0 || row >= ChannelCount || m_frequencies[std::size_t(row)] == text)
        return;
    m_frequencies[std::size_t(row)] = text;
    emit dataChanged(index(row, 1), index(row, 1));
}

void FmChannelModel::retranslate() {
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

int FmChannelModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ChannelCount;
}

int FmChannelModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant FmChannelModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return index.column() == 0 ? QString::number(index.row() + 1)
                                   : m_frequencies[std::size_t(index.row())];
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        // the channel numbers are the table's fixed column
        if (index.column() == 0)
            return QApplication::palette().button();
        return {};
    default:
        return {};
    }
}

QVariant FmChannelModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? lang::pick("频道", "Channel") : lang::pick("频率(MHz)", "Frequency(MHz)");
}

Qt::ItemFlags FmChannelModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
