#pragma once
// The channel CSV commands of orlex-k7-cli: export-csv (.dat -> CSV) and import-csv (CSV -> .dat).

#include <QStringList>

namespace cli {
int runExportCsv(const QStringList &args);
int runImportCsv(const QStringList &args);
} // namespace cli
