#pragma once
// An MDI child frame whose close box only hides it: the editor windows live until the program ends.

#include <QMdiSubWindow>

class HidingSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit HidingSubWindow(QWidget *editor, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
};
