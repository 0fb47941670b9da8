#pragma once
// QJsonDocument keeps only one of two members with the same name in an object, silently. This scan of the
// JSON text finds such a member so that it can be refused.

#include <QByteArray>
#include <QString>

namespace configjson {

// The path of the first member that repeats a name within its object ("general.beep", "channels[3].power"),
// or an empty text when there is none. `json` must already have been parsed without error.
QString duplicateMember(const QByteArray &json);

} // namespace configjson
