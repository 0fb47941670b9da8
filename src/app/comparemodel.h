#pragma once
// The differences between the radio and the open document as a four-column table: channel, field, the
// radio's value, ours. Captions and list entries come from the editors' own tables and follow the language.

#include "image/configcompare.h"

#include <QAbstractTableModel>

class CompareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ChannelColumn = 0, FieldColumn, RadioColumn, OursColumn, ColumnCount };

    explicit CompareModel(QObject *parent = nullptr);

    void setDifferences(const QList<ConfigDifference> &differences);
    const QList<ConfigDifference> &differences() const { return m_differences; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The texts of one difference in the current language.
    static QString channelText(const ConfigDifference &d);
    static QString fieldText(const ConfigDifference &d);
    static QString valueText(const ConfigDifference &d, bool radio);

private:
    QList<ConfigDifference> m_differences;
};
