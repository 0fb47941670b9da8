#pragma once
// RadioConfig <-> JSON for the command-line tool. The format is described in README.md.

#include "image/radioconfig.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace configjson {

enum class Channels {
    All,
    Used, // a channel that `null` stands for exactly (no frequency, no name) is `null`; trailing ones are
          // left out
};

// Every value the image holds (DTMF and the report-only "allow cancel" box are not in the image).
QJsonObject toJson(const RadioConfig &config, Channels channels = Channels::All);

// Applies the fields present in `json` onto `config`; absent fields keep their value. Every value is checked
// first: on an error the text names the field ("channels[3].power: 5 is outside 0..2") and `config` is left
// unchanged. Returns an empty text on success. Values that the format takes but the windows would refuse (a
// name the channel table would change, a frequency outside the band) are applied and, when `warnings` is
// given, described there ("channels[3].name: warning: ...").
QString apply(const QJsonObject &json, RadioConfig &config, QStringList *warnings = nullptr);

} // namespace configjson
