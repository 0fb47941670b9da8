#pragma once
// One power grade of the calibration window: a frame holding the slider with its Low/High end labels and
// the value label. The controls are named after their index (Frame1_i, Slider1_i, Label1_i, Label2_i,
// Label3_i).

#include <QGroupBox>

class QLabel;
class QSlider;

class CalibrationFrame : public QGroupBox {
    Q_OBJECT
public:
    CalibrationFrame(int index, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QSlider *slider() const { return m_slider; }
    // Shows the value without telling anyone (no valueChanged when it is already there).
    void setValue(int value);
    void retranslate();

signals:
    void valueChanged(int index, int value);

private:
    int m_index;
    QSlider *m_slider;
    QLabel *m_lowLabel;
    QLabel *m_highLabel;
    QLabel *m_valueLabel;
};
