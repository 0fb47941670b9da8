#pragma once
// The power calibration window: six sliders, enabled only in calibration mode.

#include "gui/changetext.h"

#include <QWidget>

#include <array>

class CalibrationFrame;
class Document;
class QTabWidget;

class CalibrationWindow : public QWidget {
    Q_OBJECT
public:
    explicit CalibrationWindow(Document &document, QWidget *parent = nullptr);
    // The name of an undo step that moves a slider.
    static ChangeText changeText(int slider);

private:
    void retranslate();
    void loadFromDocument();
    void followModes();

    Document &m_document;
    QTabWidget *m_tabs;
    std::array<CalibrationFrame *, 6> m_frames{};
};
