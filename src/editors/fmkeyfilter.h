#pragma once
// The key filter of the FM frequency boxes: only digits, "." and backspace type; Enter types nothing and
// is reported instead (it ends the edit). Keys that type nothing (arrows, Delete, Tab, shortcuts) pass.

#include <QObject>

class FmKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
