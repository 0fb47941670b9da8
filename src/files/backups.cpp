#include "files/backups.h"

#include "files/datfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <tuple>
#include <vector>

namespace backups {

namespace {
const char TimeFormat[] = "yyyy-MM-dd_HH-mm-ss";

const QRegularExpression &backupName() {
    static const QRegularExpression name(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{2}-\\d{2}-\\d{2})(?:_(\\d{1,9}))?\\.dat$"));
    return name;
}

// Orders by time, then by the number that makes a name unique within its second (none counts as 1).
struct SortKey {
    QString time;
    int number;
    QString name;
    bool operator<(const SortKey &other) const {
        return std::tie(time, number) < std::tie(other.time, other.number);
    }
};

std::vector<SortKey> sortedBackups(const QString &dir) {
    std::vector<SortKey> keys;
    const QFileInfoList entries = QDir(dir).entryInfoList({QStringLiteral("*.dat")}, QDir::Files);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = backupName().match(entry.fileName());
        if (match.hasMatch())
            keys.push_back({match.captured(1), match.captured(2).isEmpty() ? 1 : match.captured(2).toInt(),
                            entry.fileName()});
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}
} // namespace

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

QStringList list(const QString &dir) {
    QStringList paths;
    for (const SortKey &key : sortedBackups(dir))
        paths.append(QDir(dir).filePath(key.name));
    return paths;
}

SaveResult save(const MemoryImage &image, const QDateTime &when, const QString &dir) {
    if (!QDir().mkpath(dir))
        return {QString(), QStringLiteral("cannot create the folder %1").arg(dir)};
    const QString stem = when.toString(QString::fromLatin1(TimeFormat));
    QString path = QDir(dir).filePath(stem + QStringLiteral(".dat"));
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = QDir(dir).filePath(QStringLiteral("%1_%2.dat").arg(stem).arg(number));
    if (const QString error = datfile::write(path, image); !error.isEmpty())
        return {QString(), error};
    const std::vector<SortKey> keys = sortedBackups(dir);
    // The one just written stays even when the clock was set back and it sorts among the oldest.
    const QString written = QFileInfo(path).fileName();
    std::size_t excess = keys.size() > std::size_t(Kept) ? keys.size() - std::size_t(Kept) : 0;
    for (std::size_t i = 0; i < keys.size() && excess > 0; ++i) {
        if (keys[i].name == written)
            continue;
        QFile::remove(QDir(dir).filePath(keys[i].name));
        --excess;
    }
    return {path, QString()};
}

} // namespace backups
