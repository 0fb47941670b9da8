#include "files/datfile.h"

#include "files/inputfile.h"
#include "files/savefile.h"

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
    return savefile::write(path, fileBytes(image));
}

} // namespace datfile
