#include "editors/channeleditorwindow.h"

#include "app/document.h"
#include "app/language.h"

ChannelEditorWindow::ChannelEditorWindow(Document &document, QWidget *parent) : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form1"));
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &ChannelEditorWindow::retranslate);
}

void ChannelEditorWindow::retranslate() { setWindowTitle(lang::pick("信道编辑", "Channel Edit")); }

void ChannelEditorWindow::startForm() {}
void ChannelEditorWindow::commitOpenEdit() {}
