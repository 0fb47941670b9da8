#pragma once
// The power calibration window: six sliders, enabled only in calibration mode.

#include <QWidget>

class Document;

class CalibrationWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationWindow(Document &document, QWidget *parent = nullptr);

private:
    void retranslate();

    Document &m_document;
};
