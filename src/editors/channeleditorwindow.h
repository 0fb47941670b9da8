#pragma once
// The channel table window: 128 channels edited in place.

#include <QWidget>

class Document;

class ChannelEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChannelEditorWindow(Document &document, QWidget *parent = nullptr);
    // Empties every channel and puts the editor lists to their start (New).
    void startForm();
    // Takes an open frequency or name edit into the table (before a radio read or write).
    void commitOpenEdit();
private:
    void retranslate();

    Document &m_document;
};
