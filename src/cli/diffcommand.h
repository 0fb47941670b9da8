#pragma once
// orlex-k7-cli diff A.dat B.dat: the fields (and other bytes) in which two data files differ.

#include <QStringList>

namespace cli {
int runDiff(const QStringList &args);
} // namespace cli
