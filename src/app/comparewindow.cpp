#include "app/comparewindow.h"

#include "app/comparemodel.h"
#include "gui/language.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

CompareWindow::CompareWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CompareWindow"));
    setModal(false);
    resize(620, 420);
    auto *layout = new QVBoxLayout(this);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("CompareSummary"));
    m_summary->setWordWrap(true);
    layout->addWidget(m_summary);
    m_model = new CompareModel(this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("CompareTable"));
    m_table->setModel(m_model);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &CompareWindow::retranslate);
}

void CompareWindow::setResult(RadioLinkController::Check check, const radiocompare::Result &result) {
    m_check = check;
    m_model->setResult(result);
    m_table->setVisible(!result.equal());
    m_table->resizeColumnsToContents();
    retranslate();
}

void CompareWindow::retranslate() {
    const bool compare = m_check == RadioLinkController::Check::Compare;
    setWindowTitle(compare ? lang::pick("与对讲机比较", "Compare with Radio")
                           : lang::pick("写频后校验", "Verify After Writing"));
    const int count = m_model->rowCount();
    if (count == 0) {
        m_summary->setText(
            compare ? lang::pick("对讲机中的数据与当前数据相同。",
                                 "The radio holds the same data as the open document.")
                    : lang::pick("对讲机中的数据与写入的数据相同。", "The radio holds what was written."));
    } else if (compare) {
        m_summary->setText(count == 1 ? lang::pick("对讲机与当前数据有 1 处不同：",
                                                   "1 difference between the radio and the open document:")
                                      : lang::pick("对讲机与当前数据有 %1 处不同：",
                                                   "%1 differences between the radio and the open document:")
                                            .arg(count));
    } else {
        m_summary->setText(count == 1
                               ? lang::pick("对讲机中的数据与写入的不同，共 1 处：",
                                            "The radio does not hold what was written; 1 difference:")
                               : lang::pick("对讲机中的数据与写入的不同，共 %1 处：",
                                            "The radio does not hold what was written; %1 differences:")
                                     .arg(count));
    }
    if (auto *buttons = findChild<QDialogButtonBox *>())
        buttons->button(QDialogButtonBox::Close)->setText(lang::pick("关闭", "Close"));
    m_table->resizeColumnsToContents();
}
