#include "editors/channeltablemodel.h"

#include "gui/document.h"
#include "gui/language.h"
#include "image/channelinput.h"
#include "texts/channelcolumns.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace {
namespace cols = channelcolumns;

// Column widths in twips, in column order.
constexpr int ColumnWidthTwips[ChannelTableModel::ColumnCount] = {900,  1000, 1000, 1200, 1200, 700,
                                                                  1300, 950,  700,  1250, 1400};
static_assert(int(ChannelTableModel::ColumnCount) == int(cols::Count));
static_assert(int(ChannelTableModel::BandwidthColumn) == int(cols::Bandwidth));
static_assert(int(ChannelTableModel::NameColumn) == int(cols::Name));
} // namespace

ChannelTableModel::ChannelTableModel(Document &document, QObject *parent)
    : QAbstractTableModel(parent), m_document(document) {
    connect(&m_document, &Document::channelChanged, this, &ChannelTableModel::channelChanged);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) {
        if (part & Document::Channels)
            refreshAll();
    });
    // Tone codes and names stay as they are; the "off" tone and the list texts follow the language.
    connect(&Language::instance(), &Language::changed, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
        refreshAll();
    });
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : RowCount;
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString ChannelTableModel::headerText(int column) {
    return cols::headerText(column, lang::index());
}

int ChannelTableModel::columnWidthTwips(int column) {
    return column >= 0 && column < ColumnCount ? ColumnWidthTwips[column] : 0;
}

ChangeText ChannelTableModel::changeText(int row, int column) {
    if (column <= NumberColumn || column >= ColumnCount)
        return Document::channelText(row);
    return {QStringLiteral("频道%1 %2").arg(row + 1).arg(cols::headerText(column, 0)),
            QStringLiteral("Channel %1 %2").arg(row + 1).arg(cols::headerText(column, 1))};
}

QStringList ChannelTableModel::listEntries(int column) {
    return cols::list(column).texts(lang::index());
}

bool ChannelTableModel::isUsed(int row) const {
    return row >= 0 && row < RowCount && m_document.config().channels[std::size_t(row)].isUsed();
}

int ChannelTableModel::choice(int row, int column) const {
    if (row < 0 || row >= RowCount || column < RxToneColumn || column > TxProhibitColumn)
        return 0;
    return cols::choice(m_document.config().channels[std::size_t(row)], column);
}

QString ChannelTableModel::cellText(int row, int column) const {
    return cols::cellText(m_document.config().channels[std::size_t(row)], row, column,
                          m_document.newChannelBandText()[std::size_t(row)], lang::index());
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= RowCount || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole:
        // Even channels (the fixed column too) are tinted; the channel numbers otherwise look like a header.
        if ((index.row() + 1) % 2 == 0)
            return QColor(192, 192, 255);
        if (index.column() == NumberColumn)
            return QGuiApplication::palette().color(QPalette::Button);
        return {};
    case Qt::ForegroundRole:
        // Text on a set background gets a colour that reads on it whatever the palette (a dark one too).
        if ((index.row() + 1) % 2 == 0)
            return QColor(Qt::black);
        if (index.column() == NumberColumn)
            return QGuiApplication::palette().color(QPalette::ButtonText);
        return {};
    }
    return {};
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole)
            return headerText(section);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
    } else if (role == Qt::DisplayRole) {
        return section + 1;
    }
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() != NumberColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

ChannelTableModel::FreqResult ChannelTableModel::commitFrequency(int row, int column, const QString &text) {
    if (row < 0 || row >= RowCount || (column != RxColumn && column != TxColumn))
        return FreqResult::Unchanged;
    if (text.isEmpty()) {
        // An RX frequency cannot be absent from a used channel; a TX frequency cannot be erased.
        if (column == RxColumn) {
            if (!(m_document.config().channels[std::size_t(row)] == Channel{}))
                m_document.setChannel(row, Channel{}, changeText(row, column));
            return FreqResult::Cleared;
        }
        return FreqResult::Unchanged;
    }
    const TypedFrequency typed = typedChannelFrequency(text, m_document.config().band);
    if (typed.status == TypedFrequency::NotNumber)
        return FreqResult::Unchanged;
    if (typed.status == TypedFrequency::OutOfBand)
        return FreqResult::OutOfBand;
    const QString freq = typed.text;
    Channel c = m_document.config().channels[std::size_t(row)];
    if (column == TxColumn)
        c.tx = freq;
    else if (c.isUsed())
        c.rx = freq;
    else {
        c = newChannel(freq, c.name);
        m_document.setNewChannelBandText(row, true);
    }
    m_document.setChannel(row, c, changeText(row, column));
    return FreqResult::Stored;
}

void ChannelTableModel::setChoice(int row, int column, int position) {
    if (row < 0 || row >= RowCount || column < RxToneColumn || column > TxProhibitColumn)
        return;
    Channel c = m_document.config().channels[std::size_t(row)];
    if (column == BandwidthColumn && m_document.newChannelBandText()[std::size_t(row)]) {
        // Even a pick of the same position shows the list's own text.
        m_document.setNewChannelBandText(row, false);
        emit dataChanged(index(row, column), index(row, column));
    }
    if (cols::choice(c, column) == position)
        return;
    cols::choice(c, column) = position;
    m_document.setChannel(row, c, changeText(row, column));
}

void ChannelTableModel::setName(int row, const QString &name) {
    if (row < 0 || row >= RowCount)
        return;
    Channel c = m_document.config().channels[std::size_t(row)];
    if (c.name == name)
        return;
    c.name = name;
    m_document.setChannel(row, c, changeText(row, NameColumn),
                          Document::mergeKey(Document::ChannelNameGroup, row));
}

void ChannelTableModel::clearChannel(int row) {
    if (row < 0 || row >= RowCount)
        return;
    if (m_document.config().channels[std::size_t(row)] == Channel{})
        return;
    m_document.setChannel(row, Channel{});
}

void ChannelTableModel::endEdit() {
    m_document.sealChange();
}

void ChannelTableModel::channelChanged(int row) {
    if (row < 0 || row >= RowCount)
        return;
    const Channel &c = m_document.config().channels[std::size_t(row)];
    if (!c.isUsed() || c.bandwidth != 1)
        m_document.setNewChannelBandText(row, false);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ChannelTableModel::refreshAll() {
    m_document.clearNewChannelBandText();
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}
