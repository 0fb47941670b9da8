#pragma once
// The band list: a drop-down list that tells when the user opens it, since only a band chosen from the
// opened list is a change by hand that needs the user's confirmation.

#include <QComboBox>

class BandComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit BandComboBox(QWidget *parent = nullptr);
    void showPopup() override;

protected:
    // A wheel turned over the strip must not switch the band unnoticed: the list takes the wheel only when it
    // has the keyboard focus.
    void wheelEvent(QWheelEvent *event) override;

signals:
    void popupOpening();
};
