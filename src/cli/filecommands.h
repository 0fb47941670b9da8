#pragma once
// The data-file commands of orlex-k7-cli: decode (.dat -> JSON) and encode (JSON -> .dat).

#include <QStringList>

namespace cli {
int runDecode(const QStringList &args);
int runEncode(const QStringList &args);
} // namespace cli
