#pragma once
// The DTMF signalling window; its values are kept nowhere else.

#include <QWidget>

class Document;

class DtmfWindow : public QWidget {
    Q_OBJECT
public:
    explicit DtmfWindow(Document &document, QWidget *parent = nullptr);
    // Back to the start values (New); the ANI end code is kept.
    void startForm();
private:
    void retranslate();

    Document &m_document;
};
