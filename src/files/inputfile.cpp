#include "files/inputfile.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace inputfile {

namespace {
Result bounded(QByteArray bytes, qint64 limit, Oversize oversize) {
    if (bytes.size() > limit) {
        if (oversize == Oversize::Refuse)
            return {Error::TooLarge, {}};
        bytes.truncate(limit);
    }
    return {Error::None, bytes};
}

Result readOpenFile(QFile &file, qint64 limit, Oversize oversize) {
    const QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError)
        return {Error::CannotRead, {}};
    return bounded(bytes, limit, oversize);
}
} // namespace

#ifndef _WIN32
Result read(const QString &path, qint64 limit, Oversize oversize) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return {errno == ENOENT || errno == ENOTDIR ? Error::Missing : Error::CannotRead, {}};
    if (!S_ISREG(info.st_mode))
        return {Error::NotRegular, {}};
    // Should a pipe have taken the file's place since the check, opening it does not wait for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {errno == ENOENT ? Error::Missing : Error::CannotRead, {}};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return {Error::NotRegular, {}};
    }
    if (oversize == Oversize::Refuse && info.st_size > limit) {
        ::close(fd);
        return {Error::TooLarge, {}};
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Error::CannotRead, {}};
    }
    return readOpenFile(file, limit, oversize);
}
#else
Result read(const QString &path, qint64 limit, Oversize oversize) {
    const QFileInfo info(path);
    if (!info.exists())
        return {Error::Missing, {}};
    if (!info.isFile())
        return {Error::NotRegular, {}};
    if (oversize == Oversize::Refuse && info.size() > limit)
        return {Error::TooLarge, {}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Error::CannotRead, {}};
    return readOpenFile(file, limit, oversize);
}
#endif

Result readStandardInput(qint64 limit, Oversize oversize) {
    QByteArray bytes(limit + 1, '\0');
    const std::size_t n = std::fread(bytes.data(), 1, std::size_t(bytes.size()), stdin);
    if (std::ferror(stdin))
        return {Error::CannotRead, {}};
    bytes.truncate(qsizetype(n));
    return bounded(bytes, limit, oversize);
}

} // namespace inputfile
