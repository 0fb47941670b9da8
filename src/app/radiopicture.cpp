#include "app/radiopicture.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int FrameCount = 8;
constexpr int FrameMs = 150;
} // namespace

RadioPicture::RadioPicture(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Image1"));
    setFixedSize(Width, Height);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_frame = (m_frame + 1) % FrameCount;
        update();
    });
    m_timer.start(FrameMs);
}

void RadioPicture::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(235, 242, 250));

    // Antenna and body of the radio.
    p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(24, 22), QPointF(24, 6));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(55, 60, 70));
    p.drawRoundedRect(QRectF(14, 20, 26, 48), 5, 5);
    // Display, lit while sending.
    const bool sending = m_frame < FrameCount / 2 + 2;
    p.setBrush(sending ? QColor(150, 220, 120) : QColor(110, 140, 100));
    p.drawRect(QRectF(18, 25, 18, 10));
    // Keypad.
    p.setBrush(QColor(180, 185, 195));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(18 + col * 6.5, 40 + row * 6.5, 4.5, 4.5));
    // Transmit LED.
    p.setBrush(m_frame % 2 == 0 ? QColor(230, 40, 40) : QColor(110, 30, 30));
    p.drawEllipse(QPointF(34, 23.5), 1.8, 1.8);

    // Waves spreading from the antenna tip, one more arc per frame.
    const QPointF tip(24, 8);
    const int arcs = m_frame % (FrameCount / 2 + 1);
    for (int i = 1; i <= arcs; ++i) {
        const double r = 9.0 * i;
        QColor c(20, 90, 200);
        c.setAlphaF(1.0 - 0.2 * (i - 1));
        p.setPen(QPen(c, 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(tip.x() - r, tip.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
}
