#include "editors/dtmfwindow.h"

#include "app/document.h"
#include "app/language.h"

DtmfWindow::DtmfWindow(Document &document, QWidget *parent) : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form2"));
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &DtmfWindow::retranslate);
}

void DtmfWindow::retranslate() { setWindowTitle(lang::pick("DTMF(双音多频)", "DTMF(双音多频)")); }

void DtmfWindow::startForm() {}
