#pragma once
// The differences between the radio and our data as a four-column table: channel, field, the radio's value,
// ours. The fields come named as the JSON form names them ("channels[5].rx", "general.beep"); captions and
// list entries are taken from the editors' own tables and follow the language. Written bytes that differ
// where no field shows it get a row each.

#include "files/radiocompare.h"

#include <QAbstractTableModel>

class CompareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ChannelColumn = 0, FieldColumn, RadioColumn, OursColumn, ColumnCount };

    explicit CompareModel(QObject *parent = nullptr);

    void setResult(const radiocompare::Result &result);
    const radiocompare::Result &result() const { return m_result; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The texts of one field difference in the current language: channel number ("" outside the channel
    // table), field caption, and a value (a: the radio's, b: ours).
    static QString channelText(const configdiff::Difference &d);
    static QString fieldText(const configdiff::Difference &d);
    static QString valueText(const configdiff::Difference &d, const QJsonValue &value);

private:
    radiocompare::Result m_result;
};
