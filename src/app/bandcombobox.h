#pragma once
// The band list: a drop-down list that tells when the user opens it, since only a band chosen from the
// opened list is a change by hand that needs the user's confirmation.

#include <QComboBox>

class BandComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit BandComboBox(QWidget *parent = nullptr);
    void showPopup() override;

signals:
    void popupOpening();
};
