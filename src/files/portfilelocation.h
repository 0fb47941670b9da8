#pragma once
// Where the port file lives: "parameter" in the user's configuration folder. Older and portable copies of the
// program kept it beside the executable; such a file is taken over once, and nothing is ever written there.

#include <QString>

namespace settings {

// The port file in `configDir`, which is created when missing. When the file is not there yet and
// `legacyPath` is a regular file, its bytes are copied first (the stored format is the same). `legacyPath` is
// only read. An empty `configDir` (no home folder) gives an empty path, which reads as port 0.
QString carryOverPortFile(const QString &configDir, const QString &legacyPath);

} // namespace settings
