#pragma once
// Automatic backups: every successful read of a radio also keeps its image as an ordinary data file in the
// user's data folder (QStandardPaths::AppDataLocation, "/backups"; ~/.local/share/ORLEX-K7/backups on Linux),
// named by the local date and time of the read, e.g. 2026-12-08_05-40-12.dat; a second read within the same
// second gets 2026-12-08_05-40-12_2.dat, and so on. The newest 100 are kept: saving the 101st removes the
// oldest. Only files named this way are counted or removed; anything else in the folder is left alone.

#include "image/memoryimage.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace backups {

inline constexpr int Kept = 100;

// The backup folder (not created here).
QString folder();

struct SaveResult {
    QString path;  // the file written; empty on failure
    QString error; // why it failed; empty on success
};

// Saves `image` as a data file named by `when` in `dir` (created if needed) and removes the oldest backups
// beyond the newest Kept.
SaveResult save(const MemoryImage &image, const QDateTime &when = QDateTime::currentDateTime(),
                const QString &dir = folder());

// The backups in `dir`, oldest first.
QStringList list(const QString &dir = folder());

} // namespace backups
