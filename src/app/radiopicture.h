#pragma once
// The About window's picture: a small handheld radio sending waves, drawn frame by frame.

#include <QTimer>
#include <QWidget>

class RadioPicture : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 87;
    static constexpr int Height = 73;

    explicit RadioPicture(QWidget *parent = nullptr);
    int frame() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_frame = 0;
};
