#pragma once
// The key filter of the DTMF text boxes: lower-case letters are raised, and only the DTMF characters
// 0-9 A-D * # and backspace get through. Keys that type nothing (arrows, Delete, Tab, shortcuts) pass.

#include <QObject>

class DtmfKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    static bool isDtmfCharacter(QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
