#pragma once
// Writing a whole file safely: to a temporary file that replaces the old one only when every byte has been
// written, flushed and synced. On any failure (a full disk included) the old file stays as it was and no new
// file is left. A path naming something other than a regular file (a directory, a device, a pipe) is refused.

#include <QByteArray>
#include <QString>

namespace savefile {

// Returns an error text (empty on success).
QString write(const QString &path, const QByteArray &bytes);

} // namespace savefile
