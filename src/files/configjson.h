#pragma once
// RadioConfig <-> JSON for the command-line tool. The format is described in README.md.

#include "image/radioconfig.h"

#include <QJsonObject>
#include <QString>

namespace configjson {

// Every value the image holds (DTMF and the report-only "allow cancel" box are not in the image).
QJsonObject toJson(const RadioConfig &config);

// Applies the fields present in `json` onto `config`; absent fields keep their value. Every value is checked
// first: on an error the text names the field ("channels[3].power: 5 is outside 0..2") and `config` is left
// unchanged. Returns an empty text on success.
QString apply(const QJsonObject &json, RadioConfig &config);

} // namespace configjson
