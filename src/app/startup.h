#pragma once
// The program's start: the language from the settings store, then the main window, which loads every editor.

#include <QString>

#include <memory>

class Document;
class MainWindow;

std::unique_ptr<MainWindow> startProgram(Document &document, const QString &portFilePath);
