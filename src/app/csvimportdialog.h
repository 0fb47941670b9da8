#pragma once
// File > Import CSV: the rows of a channel CSV with what each becomes (or why it is refused) before anything
// changes, and where the rows go: to their Location, or one after another from the selected channel.

#include "files/channelcsv.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

class CsvImportDialog : public QDialog {
    Q_OBJECT
public:
    // `csv` must be such a CSV (channelcsv::importChannels from a channel gives no error for it);
    // `selectedChannel` is 1..128.
    CsvImportDialog(const QByteArray &csv, const RadioConfig &current, int selectedChannel,
                    QWidget *parent = nullptr);

    // The import for the placement chosen now.
    const channelcsv::ImportResult &result() const { return m_result; }
    bool fromSelectedChannel() const;

private:
    void refresh();
    void retranslate();

    QByteArray m_csv;
    RadioConfig m_current;
    int m_selectedChannel;
    channelcsv::ImportResult m_result;

    QRadioButton *m_byLocation = nullptr;
    QRadioButton *m_fromSelected = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_summary = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
    QPushButton *m_import = nullptr;
    QPushButton *m_cancel = nullptr;
};
