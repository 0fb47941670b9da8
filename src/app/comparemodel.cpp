#include "app/comparemodel.h"

#include "editors/channeltablemodel.h"
#include "texts/listtables.h"
#include "texts/optionalfeaturesrows.h"
#include "files/configjson.h"
#include "gui/language.h"
#include "image/bands.h"

#include <QHash>
#include <QRegularExpression>

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

// The channel grid's column of each member of a channel in the JSON form.
int channelColumn(const QString &key) {
    static const char *const keys[] = {"rx",       "tx",      "rxTone",    "txTone",     "power",
                                       "busyLock", "scanAdd", "bandwidth", "txProhibit", "name"};
    for (int i = 0; i < int(std::size(keys)); ++i) {
        if (key == QLatin1String(keys[i]))
            return ChannelTableModel::RxColumn + i;
    }
    return -1;
}

// The optional-features row of each general and VFO member, by its path in the JSON form. The path of a
// row's member is found by changing that member alone and asking the JSON form which member changed, so
// that no second list of member names is kept here.
const QHash<QString, OptionRow> &rowsByPath() {
    static const QHash<QString, OptionRow> rows = [] {
        QHash<QString, OptionRow> byPath;
        const RadioConfig start;
        const QJsonObject before = configjson::toJson(start);
        for (auto part :
             {optionrows::functionLeft(), optionrows::functionRight(), optionrows::vox(),
              optionrows::voxHidden(), optionrows::vfo(0), optionrows::vfo(1), optionrows::vfoHidden()}) {
            for (const OptionRow &row : part) {
                RadioConfig changed = start;
                VfoSettings &vfo = row.side == 0 ? changed.vfoA : changed.vfoB;
                if (row.generalChoice)
                    changed.general.*row.generalChoice += 1;
                else if (row.generalText)
                    (changed.general.*row.generalText).append(QLatin1Char('1'));
                else if (row.generalCheck)
                    changed.general.*row.generalCheck = !(changed.general.*row.generalCheck);
                else if (row.vfoChoice)
                    vfo.*row.vfoChoice += 1;
                else if (row.vfoText)
                    (vfo.*row.vfoText).append(QLatin1Char('1'));
                const QList<configdiff::Difference> found =
                    configdiff::differences(before, configjson::toJson(changed));
                if (found.size() == 1)
                    byPath.insert(found.first().path, row);
            }
        }
        return byPath;
    }();
    return rows;
}

QString withoutColon(QString caption) {
    while (caption.endsWith(QLatin1Char(':')) || caption.endsWith(QChar(0xFF1A)))
        caption.chop(1);
    return caption.trimmed();
}

// "channels[5].rx" -> ("channels", 5, "rx"); "general.beep" -> ("general", -1, "beep").
struct Path {
    QString area;
    int index = -1;
    QString key;
};

Path split(const QString &path) {
    static const QRegularExpression shape(
        QStringLiteral("^([a-zA-Z]+)(?:\\[(\\d+)\\])?(?:\\.([a-zA-Z]+))?(?:\\[(\\d+)\\])?$"));
    const QRegularExpressionMatch m = shape.match(path);
    if (!m.hasMatch())
        return {path, -1, QString()};
    Path p{m.captured(1), m.captured(2).isEmpty() ? -1 : m.captured(2).toInt(), m.captured(3)};
    if (!m.captured(4).isEmpty())
        p.index = m.captured(4).toInt(); // fm.channels[2]
    return p;
}

QStringList texts(const ChoiceList &list) {
    QStringList out;
    for (int i = 0; i < list.size(); ++i)
        out << list.text(i, lang::index());
    return out;
}

// The list a position is taken from; empty where the value is a plain number.
QStringList entries(const Path &p, const QString &path) {
    if (p.area == QLatin1String("band")) {
        QStringList bands;
        for (int i = 0; i < BandCount; ++i)
            bands << bandText(i);
        return bands;
    }
    if (p.area == QLatin1String("channels"))
        return ChannelTableModel::listEntries(channelColumn(p.key));
    if (p.area == QLatin1String("fm")) {
        if (p.key == QLatin1String("displayMode"))
            return texts(listtables::FmDisplayMode);
        if (p.key == QLatin1String("step"))
            return texts(listtables::FmStep);
        return {};
    }
    const auto row = rowsByPath().constFind(path);
    return row == rowsByPath().constEnd() ? QStringList() : texts(row->entries);
}

QString byteText(const configdiff::ByteRange &r) {
    const auto hex = [](int v) {
        return QStringLiteral("0x%1")
            .arg(v, 4, 16, QLatin1Char('0'))
            .toUpper()
            .replace(QLatin1String("0X"), QLatin1String("0x"));
    };
    const QString where =
        r.first == r.last ? hex(r.first) : hex(r.first) + QStringLiteral("..") + hex(r.last);
    return lang::pick("字节 ", "Bytes ") + where;
}

} // namespace

CompareModel::CompareModel(QObject *parent) : QAbstractTableModel(parent) {
    connect(&Language::instance(), &Language::changed, this, [this] {
        emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    });
}

void CompareModel::setResult(const radiocompare::Result &result) {
    beginResetModel();
    m_result = result;
    endResetModel();
}

int CompareModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_result.count();
}

int CompareModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CompareModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const int row = index.row();
    if (row >= m_result.fields.size()) {
        // Written bytes that no field shows: the rows after the fields.
        if (index.column() == FieldColumn)
            return byteText(m_result.bytes.at(row - m_result.fields.size()));
        return {};
    }
    const configdiff::Difference &d = m_result.fields.at(row);
    switch (index.column()) {
    case ChannelColumn:
        return channelText(d);
    case FieldColumn:
        return fieldText(d);
    case RadioColumn:
        return valueText(d, d.a);
    case OursColumn:
        return valueText(d, d.b);
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

QString CompareModel::channelText(const configdiff::Difference &d) {
    const Path p = split(d.path);
    return p.area == QLatin1String("channels") ? QString::number(p.index + 1) : QString();
}

QString CompareModel::fieldText(const configdiff::Difference &d) {
    const Path p = split(d.path);
    if (p.area == QLatin1String("band"))
        return withoutColon(lang::pick("频段:", "Range:"));
    if (p.area == QLatin1String("channels"))
        return ChannelTableModel::headerText(channelColumn(p.key));
    if (p.area == QLatin1String("calibration"))
        return lang::pick("功率校准 %1", "Power calibration %1").arg(p.index + 1);
    if (p.area == QLatin1String("fm")) {
        if (p.index >= 0)
            return lang::pick("收音机频道 %1", "FM channel %1").arg(p.index + 1);
        if (p.key == QLatin1String("vfo"))
            return lang::pick("收音机频率", "FM frequency");
        if (p.key == QLatin1String("channel"))
            return lang::pick("收音机当前频道", "FM present channel");
        if (p.key == QLatin1String("displayMode"))
            return lang::pick("收音机显示方式", "FM display mode");
        return lang::pick("收音机步进", "FM step");
    }
    const auto row = rowsByPath().constFind(d.path);
    const QString caption = row == rowsByPath().constEnd() ? d.path : withoutColon(row->caption.text(lang::index()));
    if (p.area == QLatin1String("vfoA"))
        return lang::pick("A组", "VFO A ") + caption;
    if (p.area == QLatin1String("vfoB"))
        return lang::pick("B组", "VFO B ") + caption;
    return caption;
}

QString CompareModel::valueText(const configdiff::Difference &d, const QJsonValue &value) {
    const Path p = split(d.path);
    if (value.isBool())
        return value.toBool() ? lang::pick("选中", "checked") : lang::pick("未选中", "unchecked");
    if (value.isString()) {
        const bool tone = p.key.endsWith(QLatin1String("Tone"));
        return tone && value.toString().isEmpty() ? lang::pick("关闭", "Off") : value.toString();
    }
    if (value.isDouble()) {
        const int position = value.toInt();
        const QStringList list = entries(p, d.path);
        return position >= 0 && position < list.size() ? list.at(position) : QString::number(position);
    }
    return {};
}
