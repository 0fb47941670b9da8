#pragma once
// orlex-k7-cli print: the programming-data report of a data file as a PDF, the same pages the program's
// Print gives, made without a display.

#include <QStringList>

namespace cli {
// True when the arguments (the program path first) run the print command: it needs a QGuiApplication.
bool runsPrint(const QStringList &arguments);
int runPrint(const QStringList &args);
} // namespace cli
