#include "editors/calibrationwindow.h"

#include "editors/calibrationframe.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/twips.h"

#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

CalibrationWindow::CalibrationWindow(Document &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_tabs(new QTabWidget(this)) {
    setObjectName(QStringLiteral("Form4"));
    m_tabs->setObjectName(QStringLiteral("SSTab1"));

    for (int tab = 0; tab < 2; ++tab) {
        auto *page = new QWidget(m_tabs);
        auto *pageLayout = new QVBoxLayout(page);
        for (int row = 0; row < 3; ++row) {
            const int index = tab * 3 + row;
            auto *frame = new CalibrationFrame(index, page);
            m_frames[std::size_t(index)] = frame;
            pageLayout->addWidget(frame);
            connect(frame, &CalibrationFrame::valueChanged, this, [this](int i, int value) {
                m_document.setCalibration(i, value, changeText(i),
                                          Document::mergeKey(Document::CalibrationSliderGroup, i));
            });
        }
        pageLayout->addStretch(1);
        m_tabs->addTab(page, QString());
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    resize(twipsToPixels(6000), twipsToPixels(4200));

    loadFromDocument();
    followModes();
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &CalibrationWindow::retranslate);
    connect(&m_document, &Document::changed, this, [this](Document::Part part) {
        if (part & Document::Calibration)
            loadFromDocument();
    });
    connect(&m_document, &Document::modesChanged, this, &CalibrationWindow::followModes);
}

ChangeText CalibrationWindow::changeText(int slider) {
    // "A High Power Grades" / "A组高功率等级"
    static const char *const grades[3][2] = {{"高功率等级", "High Power Grades"},
                                             {"中功率等级", "Middle Power Grades"},
                                             {"低功率等级", "Low Power Grades"}};
    const char *const *grade = grades[slider % 3];
    const QString group = slider < 3 ? QStringLiteral("A") : QStringLiteral("B");
    return {group + QString::fromUtf8("组") + QString::fromUtf8(grade[0]),
            group + QLatin1Char(' ') + QLatin1String(grade[1])};
}

void CalibrationWindow::retranslate() {
    setWindowTitle(lang::pick("调试", "Debugging"));
    m_tabs->setTabText(0, lang::pick("A组功率等级", "A Power Grades"));
    m_tabs->setTabText(1, lang::pick("B组功率等级", "B Power Grades"));
    for (CalibrationFrame *frame : m_frames)
        frame->retranslate();
}

void CalibrationWindow::loadFromDocument() {
    const auto &values = m_document.config().calibration;
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i]->setValue(values[i]);
}

void CalibrationWindow::followModes() {
    const bool on = m_document.calibrationMode();
    for (CalibrationFrame *frame : m_frames)
        frame->slider()->setEnabled(on);
}
