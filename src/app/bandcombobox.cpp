#include "app/bandcombobox.h"

#include "image/bands.h"

#include <QWheelEvent>

BandComboBox::BandComboBox(QWidget *parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Combo1"));
    for (int position = 0; position < BandCount; ++position)
        addItem(bandText(position));
    setFocusPolicy(Qt::StrongFocus);
}

void BandComboBox::showPopup() {
    emit popupOpening();
    QComboBox::showPopup();
}

void BandComboBox::wheelEvent(QWheelEvent *event) {
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
