#pragma once
// Field-by-field comparison of the radio's configuration with ours, for Compare with Radio, verify and the
// check after a write. Each difference names its field as the JSON form of a configuration does
// ("channels[5].rx", "general.beep"), and for the optional-features settings also by the member it edits,
// so that a window can give it the caption of its control. DTMF and the report-only "allow cancel" box are
// not in the image and are never compared.

#include "image/memoryimage.h"
#include "image/radioconfig.h"

#include <QList>
#include <QString>

enum class ConfigArea { Band, Channel, General, VfoA, VfoB, Fm, Calibration };

enum class FieldKind {
    Text,   // frequencies, names, channel numbers, characters
    Choice, // a list position
    Tone,   // a position in the tone list; 0 is off
    Number, // a plain number (FM channel byte, calibration value)
    Check,  // true or false
};

struct ConfigDifference {
    ConfigArea area = ConfigArea::Band;
    int index = -1;   // channel 0..127, FM channel 0..24, calibration value 0..5; -1 for single fields
    QString key;      // member name within the area ("rx", "beep", "frequency"); empty where the index alone names it
    FieldKind kind = FieldKind::Text;
    QString radio;    // the values as text: positions and numbers in decimal, a tone by its text ("" for off)
    QString ours;
    int radioValue = 0; // Choice, Tone, Number, Check: the values as numbers
    int ourValue = 0;
    // The member edited, for the general settings and the VFO sides (as the optional-features rows name it).
    int GeneralSettings::*generalChoice = nullptr;
    QString GeneralSettings::*generalText = nullptr;
    bool GeneralSettings::*generalCheck = nullptr;
    int VfoSettings::*vfoChoice = nullptr;
    QString VfoSettings::*vfoText = nullptr;

    // The field as the JSON form names it: "band", "channels[5].rx", "general.beep", "vfoA.power",
    // "fm.channels[2]", "fm.vfo", "calibration[3]".
    QString path() const;
};

// Every field whose value differs, in the order of the JSON form. The calibration values only when
// `withCalibration` is set.
QList<ConfigDifference> compareConfigs(const RadioConfig &radio, const RadioConfig &ours, bool withCalibration);

// What a write of `ours` would change in a radio that holds `radio`: both images are decoded from the start
// configuration and compared field by field (the calibration area only when `withCalibration` is set, as a
// write sends it only then). Bytes that no field shows (filler, fixed texts) are not compared.
QList<ConfigDifference> compareImages(const MemoryImage &radio, const MemoryImage &ours, bool withCalibration);
