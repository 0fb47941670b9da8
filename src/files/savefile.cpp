#include "files/savefile.h"

#include <QFileInfo>
#include <QSaveFile>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace savefile {

QString write(const QString &path, const QByteArray &bytes) {
    // The save file would be renamed over whatever stands there: a device or a pipe must not be replaced.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return QStringLiteral("not a regular file");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    auto cancel = [&file](const QString &fallback) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error.isEmpty() ? fallback : error;
    };
    // The bytes are only buffered by write(); a full disk or a file-size limit shows at the flush, and
    // commit() would not notice it.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return cancel(QStringLiteral("write failed"));
#ifndef _WIN32
    // Some file systems report a full disk only when the data reach it.
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != EROFS) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        file.cancelWriting();
        return error;
    }
#endif
    if (!file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("cannot replace the file") : file.errorString();
    return {};
}

} // namespace savefile
