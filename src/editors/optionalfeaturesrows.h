#pragma once
// The rows of the optional-features window: each caption label with its control, their texts in both
// languages, and the setting the control edits.

#include "image/radioconfig.h"

#include <QString>

#include <vector>

struct OptionTexts {
    QString zh;
    QString en;
    QString pick() const; // the text of the current language
};

enum class OptionKind {
    List,         // drop-down list
    EditableList, // list whose text field also takes typed text
    ChannelNumber,
    Frequency,
    Offset,
    Password,
    DisplayCharacters,
    Check, // check box: caption only, no label
};

struct OptionRow {
    const char *label = nullptr; // objectName of the caption label (null for a check box)
    OptionTexts caption{};
    const char *control = nullptr; // objectName of the control
    OptionKind kind = OptionKind::List;
    std::vector<OptionTexts> entries{}; // lists only, in list order
    int maxLength = 0;                  // text boxes; 0 = no limit
    // The setting edited: one of these, by the control's kind and side.
    int GeneralSettings::*generalChoice = nullptr;
    QString GeneralSettings::*generalText = nullptr;
    bool GeneralSettings::*generalCheck = nullptr;
    int VfoSettings::*vfoChoice = nullptr;
    QString VfoSettings::*vfoText = nullptr;
    int side = 0; // VFO rows: 0 = A, 1 = B
};

namespace optionrows {
std::vector<OptionRow> functionLeft();
std::vector<OptionRow> functionRight();
std::vector<OptionRow> vox();       // the visible VOX rows
std::vector<OptionRow> voxHidden(); // Check13 and Check12, never shown
std::vector<OptionRow> vfo(int side);
std::vector<OptionRow> vfoHidden(); // scramble and companding of the A side, never shown
} // namespace optionrows
