#include "editors/calibrationframe.h"

#include "gui/language.h"
#include "texts/calibrationlevels.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace {
QString indexed(const char *name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}
} // namespace

CalibrationFrame::CalibrationFrame(int index, QWidget *parent)
    : QGroupBox(parent), m_index(index), m_slider(new QSlider(Qt::Horizontal, this)),
      m_lowLabel(new QLabel(this)), m_highLabel(new QLabel(this)), m_valueLabel(new QLabel(this)) {
    setObjectName(indexed("Frame1", index));
    m_slider->setObjectName(indexed("Slider1", index));
    m_lowLabel->setObjectName(indexed("Label1", index));
    m_highLabel->setObjectName(indexed("Label2", index));
    m_valueLabel->setObjectName(indexed("Label3", index));

    m_slider->setRange(0, 255);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(5);
    m_slider->setTracking(true); // a drag stores every position it passes, not only where it ends
    m_valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_valueLabel->setMinimumWidth(m_valueLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000")));

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_lowLabel);
    layout->addWidget(m_slider, 1);
    layout->addWidget(m_highLabel);
    layout->addSpacing(8);
    layout->addWidget(m_valueLabel);

    connect(m_slider, &QSlider::valueChanged, this, [this](int value) {
        m_valueLabel->setText(QString::number(value));
        emit valueChanged(m_index, value);
    });
    m_valueLabel->setText(QString::number(m_slider->value()));
    retranslate();
}

void CalibrationFrame::setValue(int value) {
    const QSignalBlocker blocker(this);
    m_slider->setValue(value);
    m_valueLabel->setText(QString::number(m_slider->value()));
}

void CalibrationFrame::retranslate() {
    setTitle(calibrationtexts::Levels[m_index % 3].text(lang::index()));
    m_lowLabel->setText(lang::pick("低", "Low"));
    m_highLabel->setText(lang::pick("高", "High"));
}
