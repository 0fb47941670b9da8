#include "editors/calibrationwindow.h"

#include "app/document.h"
#include "app/language.h"

CalibrationWindow::CalibrationWindow(Document &document, QWidget *parent) : QWidget(parent), m_document(document) {
    setObjectName(QStringLiteral("Form4"));
    retranslate();
    connect(&Language::instance(), &Language::changed, this, &CalibrationWindow::retranslate);
}

void CalibrationWindow::retranslate() { setWindowTitle(lang::pick("调试", "Debugging")); }
