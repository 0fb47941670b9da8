#include "files/datfile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = ReadError::CannotOpen;
        return result;
    }
    const QByteArray contents = file.read(FileSize);
    if (const auto image = imageFromBytes(contents)) {
        result.image = *image;
    } else {
        result.error = ReadError::WrongType;
    }
    return result;
}

QString write(const QString &path, const MemoryImage &image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = fileBytes(image);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error.isEmpty() ? QStringLiteral("write failed") : error;
    }
    if (!file.commit())
        return file.errorString().isEmpty() ? QStringLiteral("cannot replace the file") : file.errorString();
    return {};
}

} // namespace datfile
