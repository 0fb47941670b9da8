#include "files/portfilelocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace settings {

namespace {
// Only the first byte means anything; the rest is kept, up to a sane size.
constexpr qint64 MaxCarriedBytes = 4096;
} // namespace

QString carryOverPortFile(const QString &configDir, const QString &legacyPath) {
    if (configDir.isEmpty() || !QDir().mkpath(configDir))
        return {};
    const QString path = QDir(configDir).filePath(QStringLiteral("parameter"));
    if (QFileInfo::exists(path) || !QFileInfo(legacyPath).isFile())
        return path;
    QFile legacy(legacyPath);
    if (!legacy.open(QIODevice::ReadOnly))
        return path;
    const QByteArray bytes = legacy.read(MaxCarriedBytes);
    QSaveFile copy(path);
    if (copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size())
        copy.commit();
    return path;
}

} // namespace settings
