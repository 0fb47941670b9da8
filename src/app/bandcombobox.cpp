#include "app/bandcombobox.h"

#include "image/bands.h"

BandComboBox::BandComboBox(QWidget *parent) : QComboBox(parent) {
    setObjectName(QStringLiteral("Combo1"));
    for (int position = 0; position < BandCount; ++position)
        addItem(bandText(position));
}

void BandComboBox::showPopup() {
    emit popupOpening();
    QComboBox::showPopup();
}
