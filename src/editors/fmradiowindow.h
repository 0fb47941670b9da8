#pragma once
// The FM radio window: 25 channels, the FM VFO and the receiver settings; OK commits the window's draft.

#include <QWidget>

class Document;

class FmRadioWindow : public QWidget {
    Q_OBJECT
public:
    explicit FmRadioWindow(Document &document, QWidget *parent = nullptr);

private:
    void retranslate();

    Document &m_document;
};
