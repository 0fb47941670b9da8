#pragma once
// The window of Programming > Compare with Radio, and of a verify after writing that found a difference: a
// line that says whether the radio and our data agree, and the table of every field that differs. It is
// modeless and changes nothing; it holds only the list of differences it was given.

#include "app/radiolinkcontroller.h"

#include <QDialog>

class CompareModel;
class QLabel;
class QTableView;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget *parent = nullptr);

    void setResult(RadioLinkController::Check check, const radiocompare::Result &result);
    CompareModel *model() const { return m_model; }

private:
    void retranslate();

    RadioLinkController::Check m_check = RadioLinkController::Check::Compare;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    CompareModel *m_model = nullptr;
};
