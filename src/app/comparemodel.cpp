#include "app/comparemodel.h"

#include "app/language.h"
#include "editors/channeltablemodel.h"
#include "editors/optionalfeaturesrows.h"
#include "image/bands.h"
#include "image/tones.h"

#include <iterator>
#include <vector>

namespace {

struct Texts {
    const char *chinese;
    const char *english;
};

constexpr Texts Headers[CompareModel::ColumnCount] = {
    {"信道", "Channel"},
    {"项目", "Field"},
    {"对讲机", "Radio"},
    {"当前数据", "Ours"},
};

// The channel grid's column of each channel field.
int channelColumn(const QString &key) {
    static const char *const keys[] = {"rx",    "tx",       "rxTone",  "txTone",    "power",
                                       "busyLock", "scanAdd", "bandwidth", "txProhibit", "name"};
    for (int i = 0; i < int(std::size(keys)); ++i) {
        if (key == QLatin1String(keys[i]))
            return ChannelTableModel::RxColumn + i;
    }
    return -1;
}

const std::vector<OptionRow> &optionRows() {
    static const std::vector<OptionRow> rows = [] {
        std::vector<OptionRow> all;
        for (auto part : {optionrows::functionLeft(), optionrows::functionRight(), optionrows::vox(),
                          optionrows::voxHidden(), optionrows::vfo(0), optionrows::vfo(1), optionrows::vfoHidden()})
            all.insert(all.end(), part.begin(), part.end());
        return all;
    }();
    return rows;
}

// The optional-features row that edits the member of a difference.
const OptionRow *optionRow(const ConfigDifference &d) {
    const int side = d.area == ConfigArea::VfoB ? 1 : 0;
    for (const OptionRow &row : optionRows()) {
        const bool general = (d.generalChoice && row.generalChoice == d.generalChoice) ||
                             (d.generalText && row.generalText == d.generalText) ||
                             (d.generalCheck && row.generalCheck == d.generalCheck);
        const bool vfo =
            ((d.vfoChoice && row.vfoChoice == d.vfoChoice) || (d.vfoText && row.vfoText == d.vfoText)) &&
            row.side == side;
        if (general || vfo)
            return &row;
    }
    return nullptr;
}

QString withoutColon(QString caption) {
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

QStringList fmEntries(const QString &key) {
    if (key == QLatin1String("displayMode"))
        return {lang::pick("频道", "Channel"), lang::pick("频率", "Frequency")};
    if (key == QLatin1String("step"))
        return {QStringLiteral("50K"), QStringLiteral("100K"), QStringLiteral("200K")};
    return {};
}

// The list a choice is taken from.
QStringList entries(const ConfigDifference &d) {
    switch (d.area) {
    case ConfigArea::Band: {
        QStringList bands;
        for (int i = 0; i < BandCount; ++i)
            bands << bandText(i);
        return bands;
    }
    case ConfigArea::Channel:
        return ChannelTableModel::listEntries(channelColumn(d.key));
    case ConfigArea::General:
    case ConfigArea::VfoA:
    case ConfigArea::VfoB:
        if (const OptionRow *row = optionRow(d)) {
            QStringList list;
            for (const OptionTexts &entry : row->entries)
                list << entry.pick();
            return list;
        }
        return {};
    case ConfigArea::Fm:
        return fmEntries(d.key);
    case ConfigArea::Calibration:
        break;
    }
    return {};
}

} // namespace

CompareModel::CompareModel(QObject *parent) : QAbstractTableModel(parent) {
    connect(&Language::instance(), &Language::changed, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
        if (!m_differences.isEmpty())
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    });
}

void CompareModel::setDifferences(const QList<ConfigDifference> &differences) {
    beginResetModel();
    m_differences = differences;
    endResetModel();
}

int CompareModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_differences.size());
}

int CompareModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CompareModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_differences.size() || role != Qt::DisplayRole)
        return {};
    const ConfigDifference &d = m_differences.at(index.row());
    switch (index.column()) {
    case ChannelColumn:
        return channelText(d);
    case FieldColumn:
        return fieldText(d);
    case RadioColumn:
        return valueText(d, true);
    case OursColumn:
        return valueText(d, false);
    }
    return {};
}

QVariant CompareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section < 0 || section >= ColumnCount)
        return {};
    return lang::pick(Headers[section].chinese, Headers[section].english);
}

QString CompareModel::channelText(const ConfigDifference &d) {
    return d.area == ConfigArea::Channel ? QString::number(d.index + 1) : QString();
}

QString CompareModel::fieldText(const ConfigDifference &d) {
    switch (d.area) {
    case ConfigArea::Band:
        return lang::pick("频段", "Range");
    case ConfigArea::Channel:
        return ChannelTableModel::headerText(channelColumn(d.key));
    case ConfigArea::General:
    case ConfigArea::VfoA:
    case ConfigArea::VfoB: {
        const OptionRow *row = optionRow(d);
        const QString caption = row ? withoutColon(row->caption.pick()) : d.key;
        if (d.area == ConfigArea::General)
            return caption;
        const bool sideA = d.area == ConfigArea::VfoA;
        return lang::pick(sideA ? "A组" : "B组", sideA ? "VFO A " : "VFO B ") + caption;
    }
    case ConfigArea::Fm:
        if (d.index >= 0)
            return lang::pick("收音机频道 %1", "FM channel %1").arg(d.index + 1);
        if (d.key == QLatin1String("vfo"))
            return lang::pick("收音机频率", "FM frequency");
        if (d.key == QLatin1String("channel"))
            return lang::pick("收音机当前频道", "FM present channel");
        if (d.key == QLatin1String("displayMode"))
            return lang::pick("收音机显示方式", "FM display mode");
        return lang::pick("收音机步进", "FM step");
    case ConfigArea::Calibration:
        return lang::pick("功率校准 %1", "Power calibration %1").arg(d.index + 1);
    }
    return d.key;
}

QString CompareModel::valueText(const ConfigDifference &d, bool radio) {
    const int value = radio ? d.radioValue : d.ourValue;
    switch (d.kind) {
    case FieldKind::Text:
        return radio ? d.radio : d.ours;
    case FieldKind::Tone:
        return value == 0 ? lang::pick("关闭", "Off") : toneEntry(value);
    case FieldKind::Check:
        return value ? lang::pick("选中", "checked") : lang::pick("未选中", "unchecked");
    case FieldKind::Number:
        return QString::number(value);
    case FieldKind::Choice: {
        const QStringList list = entries(d);
        return value >= 0 && value < list.size() ? list.at(value) : QString::number(value);
    }
    }
    return {};
}
