#pragma once
// The window's own scroll bars: they pan the window's content when the window is smaller than it and hide
// (content back at the top-left) when it fits. A page is the overhang divided into whole window-sized parts.

#include <QScrollArea>

class ClientScrollArea : public QScrollArea {
    Q_OBJECT
public:
    explicit ClientScrollArea(QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updatePageSteps();
};
