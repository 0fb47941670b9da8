#include "files/datfile.h"

#include "files/inputfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace datfile {

namespace {
const char Magic[] = "PWB-7K";
const char Version[] = "V0100";

QByteArray header() {
    QByteArray h(HeaderSize, char(0xFF));
    h.replace(0, 6, QByteArray(Magic, 6));
    h.replace(10, 5, QByteArray(Version, 5));
    return h;
}
} // namespace

bool hasMagic(const QByteArray &head) {
    return head.size() >= 6 && head.left(6) == QByteArray(Magic, 6);
}

std::optional<MemoryImage> imageFromBytes(const QByteArray &contents) {
    if (!hasMagic(contents))
        return std::nullopt;
    MemoryImage image{};
    const qsizetype available = std::min<qsizetype>(contents.size() - HeaderSize, qsizetype(mem::ImageSize));
    for (qsizetype i = 0; i < available; ++i)
        image[std::size_t(i)] = std::uint8_t(contents[HeaderSize + i]);
    return image;
}

QByteArray fileBytes(const MemoryImage &image) {
    QByteArray bytes = header();
    bytes.append(reinterpret_cast<const char *>(image.data()), qsizetype(image.size()));
    return bytes;
}

ReadResult read(const QString &path) {
    ReadResult result;
    const inputfile::Result input = inputfile::read(path, FileSize, inputfile::Oversize::Truncate);
    if (input.error == inputfile::Error::NotRegular) {
        result.error = ReadError::NotRegular;
    } else if (input.error != inputfile::Error::None) {
        result.error = ReadError::CannotOpen;
    } else if (const auto image = imageFromBytes(input.bytes)) {
        result.image = *image;
    } else {
        result.error = ReadError::WrongType;
    }
    return result;
}

QString write(const QString &path, const MemoryImage &image) {
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
    const QByteArray bytes = fileBytes(image);
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

} // namespace datfile
