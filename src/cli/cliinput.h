#pragma once
// Inputs and outputs of the orlex-k7-cli commands: a file name or "-" for standard input / output, read with
// a bound and written whole or not at all; failures are reported as one line.

#include "files/inputfile.h"
#include "image/memoryimage.h"
#include "image/radioconfig.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace cli {

// How an input is named in messages: its path (escaped) or "standard input".
QString inputName(const QString &path);

// A file name, or "-" for standard input; no other option.
bool isInputArgument(const QString &arg);

// A regular file (or standard input for "-"), up to `limit` bytes; nullopt after the failure was reported.
std::optional<QByteArray> readInput(const QString &path, qint64 limit, inputfile::Oversize oversize);

// A data file (or standard input for "-"): its bytes, up to a data file's size, and its image; nullopt after
// the failure was reported.
struct DataInput {
    QByteArray contents;
    MemoryImage image;
};
std::optional<DataInput> readDataFile(const QString &path);

// The configuration a freshly started program shows after opening the data file (or standard input for "-");
// nullopt after the failure was reported.
std::optional<RadioConfig> openDataFile(const QString &path);

// Writes bytes to a file (replaced whole) or, for "-", to standard output; the exit code, after the failure
// was reported.
int writeOutput(const QString &path, const QByteArray &bytes);

} // namespace cli
