#include "app/startup.h"

#include "app/appicon.h"
#include "app/mainwindow.h"
#include "files/settingsstore.h"
#include "gui/language.h"

#include <QApplication>

std::unique_ptr<MainWindow> startProgram(Document &document, const QString &portFilePath) {
    // The Document starts with the default calibration levels; the texts of the stored language are in place
    // before the main window loads, and each window sets its own as it is created.
    Language::instance().setIndex(settings::readLanguage());
    // Every window without an icon of its own, the editors' title bars included, shows the program's.
    QApplication::setWindowIcon(applicationIcon());
    return std::make_unique<MainWindow>(document, portFilePath);
}
