#pragma once
// The .dat data file: a 48-byte header ("PWB-7K", FF x4, "V0100", FF x33) followed by the 3072-byte image.

#include "image/memoryimage.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace datfile {

inline constexpr int HeaderSize = 48;
inline constexpr int FileSize = HeaderSize + int(mem::ImageSize); // 3120

enum class ReadError {
    None,
    CannotOpen, // missing, no permission
    NotRegular, // a directory, a pipe, a device: refused without reading
    WrongType,  // the magic is wrong
};

struct ReadResult {
    ReadError error = ReadError::None;
    MemoryImage image{}; // valid when error == None
};

// True when the first six bytes are the file magic.
bool hasMagic(const QByteArray &head);
// The image held by file contents; nullopt when the magic is wrong. A short file is accepted: image bytes past
// its end are 0x00; bytes past offset 3119 are ignored.
std::optional<MemoryImage> imageFromBytes(const QByteArray &contents);
// The 3120 bytes of a data file holding `image`.
QByteArray fileBytes(const MemoryImage &image);

// Reads the first 3120 bytes of a regular file.
ReadResult read(const QString &path);
// Writes atomically (temporary file, then rename): every write and the flush are checked before the rename,
// so on any failure (a full disk included) the old file stays as it was and no new file is left. A path
// naming something other than a regular file (a directory, a device, a pipe) is refused. Returns an error
// text (empty on success).
QString write(const QString &path, const MemoryImage &image);

} // namespace datfile
