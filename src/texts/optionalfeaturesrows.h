#pragma once
// The rows of the optional-features window: each caption label with its control, their texts in both
// languages, and the setting the control edits. The report prints its rows' captions from here too.

#include "image/radioconfig.h"
#include "texts/listtables.h"

#include <vector>

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
    ListEntry caption{};
    const char *control = nullptr; // objectName of the control
    OptionKind kind = OptionKind::List;
    ChoiceList entries{}; // lists only
    int maxLength = 0;    // text boxes; 0 = no limit
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

// The position of the setting a list row edits, or the text of a text row's setting.
int choiceValue(const OptionRow &row, const RadioConfig &config);
QString textValue(const OptionRow &row, const RadioConfig &config);
