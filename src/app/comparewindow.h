#pragma once
// The window of Programming > Compare with Radio, and of a failed verify after writing: a line that says
// whether the radio and the document agree, and the table of every field that differs. It is modeless and
// changes nothing; it holds only the list of differences it was given.

#include "image/configcompare.h"

#include <QDialog>

class CompareModel;
class QLabel;
class QTableView;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    enum class Kind {
        Compare, // the radio against the open document
        Verify,  // the radio against what was just written into it
    };

    explicit CompareWindow(QWidget *parent = nullptr);

    void setDifferences(Kind kind, const QList<ConfigDifference> &differences);
    CompareModel *model() const { return m_model; }

private:
    void retranslate();

    Kind m_kind = Kind::Compare;
    QLabel *m_summary = nullptr;
    QTableView *m_table = nullptr;
    CompareModel *m_model = nullptr;
};
