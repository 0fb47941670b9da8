#include "editors/clientscrollarea.h"

#include <QEvent>
#include <QScrollBar>

namespace {
void setPage(QScrollBar *bar, int inside) {
    const int extra = bar->maximum();
    if (extra < 1 || inside <= 0)
        return;
    const int pages = extra / inside + 1;
    bar->setPageStep(std::max(1, extra / pages));
}
} // namespace

ClientScrollArea::ClientScrollArea(QWidget *parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(2);
}

bool ClientScrollArea::event(QEvent *event) {
    const bool handled = QScrollArea::event(event);
    if (event->type() == QEvent::LayoutRequest || event->type() == QEvent::StyleChange)
        updatePageSteps();
    return handled;
}

void ClientScrollArea::resizeEvent(QResizeEvent *event) {
    QScrollArea::resizeEvent(event);
    updatePageSteps();
}

void ClientScrollArea::updatePageSteps() {
    setPage(verticalScrollBar(), viewport()->height());
    setPage(horizontalScrollBar(), viewport()->width());
}
