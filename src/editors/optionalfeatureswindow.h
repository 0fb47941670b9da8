#pragma once
// The optional-features window: general settings, VOX, both VFO sides, and the hidden service gestures.

#include <QWidget>

class Document;

class OptionalFeaturesWindow : public QWidget {
    Q_OBJECT
public:
    explicit OptionalFeaturesWindow(Document &document, QWidget *parent = nullptr);

private:
    void retranslate();

    Document &m_document;
};
