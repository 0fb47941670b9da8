#include "editors/channeltablemodel.h"

#include "gui/channellists.h"
#include "gui/document.h"
#include "gui/language.h"
#include "image/channelinput.h"
#include "image/tones.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace {
struct ColumnInfo {
    const char *chinese;
    const char *english;
    int widthTwips;
};
const ColumnInfo columns[ChannelTableModel::ColumnCount] = {
    {"频道", "Channel", 900},
    {"接收频率", "RXFreq", 1000},
    {"发射频率", "TXFreq", 1000},
    {"接收亚音频", "QT/DQT Dec", 1200},
    {"发射亚音频", "QT/DQT Enc", 1200},
    {"功率", "Power", 700},
    {"繁忙信道锁定", "Busy Lock", 1300},
    {"扫描添加", "Add Scan", 950},
    {"宽窄带", "Band", 700},
    {"发射禁止", "TX Prohibit", 1250},
    {"频道名称", "Channel Name", 1400},
};

QString offText() {
    return lang::pick("关闭", "Off");
}

int &field(Channel &c, int column) {
    switch (column) {
    case ChannelTableModel::RxToneColumn:
        return c.rxTone;
    case ChannelTableModel::TxToneColumn:
        return c.txTone;
    case ChannelTableModel::PowerColumn:
        return c.power;
    case ChannelTableModel::BusyLockColumn:
        return c.busyLock;
    case ChannelTableModel::ScanAddColumn:
        return c.scanAdd;
    case ChannelTableModel::BandwidthColumn:
        return c.bandwidth;
    default:
        return c.txProhibit;
    }
}
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
    if (column < 0 || column >= ColumnCount)
        return {};
    return lang::pick(columns[column].chinese, columns[column].english);
}

int ChannelTableModel::columnWidthTwips(int column) {
    return column >= 0 && column < ColumnCount ? columns[column].widthTwips : 0;
}

QStringList ChannelTableModel::listEntries(int column) {
    return channelListEntries(column, lang::index());
}

bool ChannelTableModel::isUsed(int row) const {
    return row >= 0 && row < RowCount && m_document.config().channels[std::size_t(row)].isUsed();
}

int ChannelTableModel::choice(int row, int column) const {
    if (row < 0 || row >= RowCount || column < RxToneColumn || column > TxProhibitColumn)
        return 0;
    Channel c = m_document.config().channels[std::size_t(row)];
    return field(c, column);
}

QString ChannelTableModel::cellText(int row, int column) const {
    const Channel &c = m_document.config().channels[std::size_t(row)];
    if (column == NumberColumn)
        return QString::number(row + 1);
    // Names live apart from the record: an unused channel may still carry one from an image.
    if (column == NameColumn)
        return c.name;
    if (!c.isUsed())
        return {};
    switch (column) {
    case RxColumn:
        return c.rx;
    case TxColumn:
        return c.tx;
    case RxToneColumn:
    case TxToneColumn: {
        const int position = choice(row, column);
        return position == 0 ? offText() : toneEntry(position);
    }
    default: {
        const QStringList entries = listEntries(column);
        const int position = choice(row, column);
        if (column == BandwidthColumn && position == 1 && m_createdBandText[std::size_t(row)])
            return lang::pick("宽带", "Wide");
        return position >= 0 && position < entries.size() ? entries.at(position) : QString();
    }
    }
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
            clearChannel(row);
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
        m_createdBandText[std::size_t(row)] = true;
    }
    m_document.setChannel(row, c);
    return FreqResult::Stored;
}

void ChannelTableModel::setChoice(int row, int column, int position) {
    if (row < 0 || row >= RowCount || column < RxToneColumn || column > TxProhibitColumn)
        return;
    Channel c = m_document.config().channels[std::size_t(row)];
    if (column == BandwidthColumn && m_createdBandText[std::size_t(row)]) {
        // Even a pick of the same position shows the list's own text.
        m_createdBandText[std::size_t(row)] = false;
        emit dataChanged(index(row, column), index(row, column));
    }
    if (field(c, column) == position)
        return;
    field(c, column) = position;
    m_document.setChannel(row, c);
}

void ChannelTableModel::setName(int row, const QString &name) {
    if (row < 0 || row >= RowCount)
        return;
    Channel c = m_document.config().channels[std::size_t(row)];
    if (c.name == name)
        return;
    c.name = name;
    m_document.setChannel(row, c);
}

void ChannelTableModel::clearChannel(int row) {
    if (row < 0 || row >= RowCount)
        return;
    if (m_document.config().channels[std::size_t(row)] == Channel{})
        return;
    m_document.setChannel(row, Channel{});
}

void ChannelTableModel::channelChanged(int row) {
    if (row < 0 || row >= RowCount)
        return;
    const Channel &c = m_document.config().channels[std::size_t(row)];
    if (!c.isUsed() || c.bandwidth != 1)
        m_createdBandText[std::size_t(row)] = false;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ChannelTableModel::refreshAll() {
    m_createdBandText.reset();
    emit dataChanged(index(0, 0), index(RowCount - 1, ColumnCount - 1));
}
