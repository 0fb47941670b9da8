#pragma once
// Reading an input file safely: only a regular file is read, and only up to a bound. A FIFO, a device such as
// /dev/zero or a directory is refused without blocking (its type is checked before anything is read).

#include <QByteArray>
#include <QString>

namespace inputfile {

enum class Error {
    None,
    Missing,    // nothing at the path
    NotRegular, // a directory, a pipe, a device, a socket
    TooLarge,   // larger than the limit, when larger files are refused
    CannotRead, // no permission, an I/O error
};

struct Result {
    Error error = Error::None;
    QByteArray bytes; // valid when error == None
};

enum class Oversize {
    Truncate, // bytes past the limit are not read
    Refuse,   // a file larger than the limit is TooLarge
};

Result read(const QString &path, qint64 limit, Oversize oversize);

// Reads standard input, up to the limit (the same rules for more bytes than that).
Result readStandardInput(qint64 limit, Oversize oversize);

} // namespace inputfile
