#pragma once
// The open and save-as dialogs of the data-file commands, replaceable so that tests can answer them.

#include <QString>

#include <functional>

class QWidget;

namespace filedialog {
enum class Kind { Open, Save };

// The filter of both dialogs, in the language of the moment.
QString datFilter();

// A hook gets the kind, where the dialog starts (a folder, or for Save the proposed file) and the filter, and
// returns the chosen path ("" = cancelled). An empty hook shows the real dialogs.
using Hook = std::function<QString(Kind kind, const QString &start, const QString &filter)>;
void setHook(Hook hook);

// The chosen path, or an empty text when the user cancelled. The save-as dialog asks before replacing a file,
// and a name given without an extension gets ".dat".
QString openPath(QWidget *parent, const QString &start);
QString savePath(QWidget *parent, const QString &start);

// `path` with ".dat" added when its file name has no extension.
QString withDatSuffix(const QString &path);
} // namespace filedialog
