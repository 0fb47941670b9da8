#pragma once
// The progress window FrmWriting: a two-line text above a bar that runs from 1 to 196, shown modally while
// a read or write runs. The transaction sets it up and ends it with finish(). The user's attempts to close
// it (close box, Escape) only report closeRequested(); whoever runs the transaction decides.

#include <QDialog>

class QLabel;
class QProgressBar;

class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Read, Write };

    static constexpr int Minimum = 1;
    static constexpr int Maximum = 196;

    explicit ProgressWindow(QWidget *parent = nullptr);

    // Title and text of the transaction; the bar back at its start.
    void prepare(Kind kind);
    void setValue(int step);
    int value() const;
    Kind kind() const { return m_kind; }

    // Unloads the window at the end of a transaction (exec() returns).
    void finish();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void retranslate();

    QLabel *m_label = nullptr;
    QProgressBar *m_bar = nullptr;
    Kind m_kind = Kind::Read;
    bool m_finishing = false;
};
