#include "editors/optionalfeatureswindow.h"

#include "app/document.h"
#include "app/language.h"

OptionalFeaturesWindow::OptionalFeaturesWindow(Document &document, QWidget *parent) : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form3"));
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &OptionalFeaturesWindow::retranslate);
}

void OptionalFeaturesWindow::retranslate() { setWindowTitle(lang::pick("可选功能", "Optional Features")); }
