#include "editors/fmradiowindow.h"

#include "app/document.h"
#include "app/language.h"

FmRadioWindow::FmRadioWindow(Document &document, QWidget *parent) : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form5"));
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &FmRadioWindow::retranslate);
}

void FmRadioWindow::retranslate() { setWindowTitle(lang::pick("FM频道设置", "FM Channel Set")); }
