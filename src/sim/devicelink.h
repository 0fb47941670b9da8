#pragma once
// The --link symbolic link to the simulator's device. An existing path is replaced only when it is a link
// that a simulator left behind: one to a pseudo-terminal (/dev/pts/N) that no longer exists, or one to this
// simulator's own device. A file, a directory, or a link to anything else is never removed.

#include <QString>

namespace devicelink {

// Makes `linkPath` a symbolic link to `device`; returns an error text, empty on success.
QString create(const QString &linkPath, const QString &device);
// Removes the link, if it still leads to `device`.
void remove(const QString &linkPath, const QString &device);

} // namespace devicelink
