#include "app/csvimportdialog.h"

#include "gui/language.h"
#include "texts/channelcolumns.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
namespace cc = channelcolumns;

// The preview's columns: the CSV line, then the channel table's columns, then the outcome.
constexpr int ChannelFields[] = {cc::Number,    cc::Rx,         cc::Tx,       cc::RxTone,
                                 cc::TxTone,    cc::Power,      cc::BusyLock, cc::ScanAdd,
                                 cc::Bandwidth, cc::TxProhibit, cc::Name};
constexpr int FieldCount = int(std::size(ChannelFields));
constexpr int LineColumn = 0;
constexpr int OutcomeColumn = FieldCount + 1;
} // namespace

CsvImportDialog::CsvImportDialog(const QByteArray &csv, const RadioConfig &current, int selectedChannel,
                                 QWidget *parent)
    : QDialog(parent), m_csv(csv), m_current(current), m_selectedChannel(selectedChannel) {
    setObjectName(QStringLiteral("CsvImportDialog"));
    resize(1000, 520);

    m_byLocation = new QRadioButton(this);
    m_byLocation->setObjectName(QStringLiteral("OptionByLocation"));
    m_fromSelected = new QRadioButton(this);
    m_fromSelected->setObjectName(QStringLiteral("OptionFromSelected"));
    auto *group = new QButtonGroup(this);
    group->addButton(m_byLocation);
    group->addButton(m_fromSelected);
    m_byLocation->setChecked(true);

    m_table = new QTableWidget(0, OutcomeColumn + 1, this);
    m_table->setObjectName(QStringLiteral("PreviewTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("SummaryLabel"));

    // Buttons of its own: the box would put Qt's "OK" back on a standard button at a language change.
    m_buttons = new QDialogButtonBox(this);
    m_import = m_buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("ImportButton"));
    m_import->setDefault(true);
    m_cancel = m_buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *placement = new QHBoxLayout;
    placement->addWidget(m_byLocation);
    placement->addWidget(m_fromSelected);
    placement->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(placement);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(m_buttons);

    // A file without a Location column can only go from the selected channel on.
    if (!channelcsv::importChannels(m_csv, m_current, channelcsv::Placement::ByLocation).error.isEmpty()) {
        m_fromSelected->setChecked(true);
        m_byLocation->setEnabled(false);
    }
    connect(m_byLocation, &QRadioButton::toggled, this, [this] { refresh(); });
    retranslate();
    refresh();
}

bool CsvImportDialog::fromSelectedChannel() const {
    return m_fromSelected->isChecked();
}

void CsvImportDialog::retranslate() {
    setWindowTitle(lang::pick("导入CSV", "Import CSV"));
    m_byLocation->setText(lang::pick("按位置 (Location)", "by Location"));
    m_fromSelected->setText(
        lang::pick(QStringLiteral("从所选频道开始 (%1)").arg(m_selectedChannel),
                   QStringLiteral("from the selected channel (%1)").arg(m_selectedChannel)));
    QStringList headers{lang::pick("行", "Line")};
    for (int column : ChannelFields)
        headers << cc::headerText(column, lang::index());
    headers << lang::pick("结果", "Result");
    m_table->setHorizontalHeaderLabels(headers);
    m_import->setText(lang::pick("导入", "Import"));
    m_cancel->setText(lang::pick("取消", "Cancel"));
}

void CsvImportDialog::refresh() {
    const bool fromSelected = fromSelectedChannel();
    m_result = channelcsv::importChannels(m_csv, m_current,
                                          fromSelected ? channelcsv::Placement::FromChannel
                                                       : channelcsv::Placement::ByLocation,
                                          m_selectedChannel);
    m_table->setRowCount(int(m_result.rows.size()));
    for (int r = 0; r < m_result.rows.size(); ++r) {
        const channelcsv::RowOutcome &row = m_result.rows.at(r);
        auto set = [&](int column, const QString &text) {
            m_table->setItem(r, column, new QTableWidgetItem(text));
        };
        set(LineColumn, QString::number(row.line));
        for (int f = 0; f < FieldCount; ++f) {
            const int column = ChannelFields[f];
            set(f + 1, row.taken() ? cc::cellText(row.value, row.channel - 1, column, false, lang::index())
                                   : QString());
        }
        // The codec's reasons are English in both languages.
        QString outcome =
            row.taken() ? lang::pick("导入", "imported") : lang::pick("拒绝: ", "refused: ") + row.refusal;
        if (!row.warnings.isEmpty())
            outcome += QStringLiteral("; ") + row.warnings.join(QStringLiteral("; "));
        set(OutcomeColumn, outcome);
        m_table->item(r, OutcomeColumn)->setToolTip(outcome);
        if (!row.taken()) {
            for (int c = 0; c <= OutcomeColumn; ++c)
                m_table->item(r, c)->setForeground(Qt::darkRed);
        }
    }
    m_table->resizeColumnsToContents();
    const int taken = m_result.takenCount();
    m_summary->setText(lang::pick(QStringLiteral("共 %1 行，导入 %2 行，拒绝 %3 行")
                                      .arg(m_result.rows.size())
                                      .arg(taken)
                                      .arg(m_result.rows.size() - taken),
                                  QStringLiteral("%1 rows: %2 imported, %3 refused")
                                      .arg(m_result.rows.size())
                                      .arg(taken)
                                      .arg(m_result.rows.size() - taken)));
    m_import->setEnabled(taken > 0);
}
