#pragma once
// The program's one message box. Its buttons are captioned in the program's language (not the system's) and
// it returns the system's button identifiers.

#include <QString>

#include <functional>

class QWidget;

namespace msgbox {
// Button identifiers.
inline constexpr int IdOk = 1;
inline constexpr int IdCancel = 2;
inline constexpr int IdAbort = 3;
inline constexpr int IdRetry = 4;
inline constexpr int IdIgnore = 5;
inline constexpr int IdYes = 6;
inline constexpr int IdNo = 7;

// Styles used by the program.
inline constexpr int StyleOk = 0;           // OK, no icon
inline constexpr int StyleStop = 16;        // OK, stop icon
inline constexpr int StyleExclamation = 48; // OK, exclamation icon
inline constexpr int StyleQuestion = 4385;  // OK and Cancel, question icon, Cancel default, system-modal
// The program's own three-button questions: the buttons Yes, No and Cancel (the system's 3) with a question
// icon (32) under other captions, named by a bit above the system's flags; the first button is the default,
// Escape and the close box answer Cancel.
inline constexpr int StyleSaveChanges = 0x100000 | 35;  // "Save", "Discard", "Cancel"
inline constexpr int StyleApplyChanges = 0x200000 | 35; // "Apply", "Discard", "Cancel"
// What those buttons return.
inline constexpr int IdSave = IdYes;
inline constexpr int IdApply = IdYes;
inline constexpr int IdDiscard = IdNo;

// The title used when a message is shown with an empty title.
QString applicationTitle();

// Tests may answer boxes without showing them: the hook gets text, style and the title shown and returns
// the button identifier. An empty hook shows real boxes.
using Hook = std::function<int(const QString &text, int style, const QString &title)>;
void setHook(Hook hook);

// The owner of every box (the channel editor window); boxes without one are application-modal.
void setOwner(QWidget *owner);
} // namespace msgbox

int LocalizedMsgBox(const QString &text, int style, const QString &title = QString());
