#pragma once
// The open and save-as dialogs of the data-file commands, replaceable so that tests can answer them.

#include <QString>

#include <functional>

class QWidget;

namespace filedialog {
enum class Kind { Open, Save };

// The filter of both dialogs, the same in both languages.
QString datFilter();
// The filter of the channel CSV dialogs (File > Import CSV, Export CSV).
QString csvFilter();

// A hook gets the kind, the initial directory and the filter and returns the chosen path ("" = cancelled).
// An empty hook shows the real dialogs.
using Hook = std::function<QString(Kind kind, const QString &directory, const QString &filter)>;
void setHook(Hook hook);

// The chosen path, or an empty text when the user cancelled. The save-as dialog asks before replacing a file.
QString openPath(QWidget *parent, const QString &directory);
QString savePath(QWidget *parent, const QString &directory);
QString openCsvPath(QWidget *parent, const QString &directory);
QString saveCsvPath(QWidget *parent, const QString &directory);
} // namespace filedialog
