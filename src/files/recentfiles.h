#pragma once
// The data files used last and the folder the file dialogs showed last, kept between runs in the program's
// own settings file (~/.config/ORLEX-K7/ORLEX-K7.conf on Linux).

#include <QString>
#include <QStringList>

namespace recent {

inline constexpr int MaxFiles = 5;

// `files` with `path` in front and nowhere else, at most MaxFiles long. Paths are compared as absolute paths.
QStringList withFirst(const QStringList &files, const QString &path);
// `files` without `path`.
QStringList without(const QStringList &files, const QString &path);

QStringList files();
void setFiles(const QStringList &files);
// "" when no dialog has been used yet.
QString folder();
void setFolder(const QString &folder);

} // namespace recent
