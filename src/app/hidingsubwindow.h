#pragma once
// An MDI child frame whose close box only hides it: the editor windows live until the program ends.

#include <QMdiSubWindow>

class HidingSubWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit HidingSubWindow(QWidget *editor, QWidget *parent = nullptr);
    // Sizes the frame so that the editor has its designed size (call once the frame is in the MDI area).
    void fitEditor();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A frame that grew is moved back inside the MDI area as far as it fits.
    void keepInsideArea();

    QSize m_designedSize;
};
