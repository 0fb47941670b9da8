#include "devicelink.h"

#include "files/messagetext.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace devicelink {

namespace {
// The target of the symbolic link at `path`; nullopt when `path` is not a symbolic link.
std::optional<QByteArray> linkTarget(const QByteArray &path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return std::nullopt;
    QByteArray target(4096, '\0');
    const ssize_t n = ::readlink(path.constData(), target.data(), std::size_t(target.size()));
    if (n < 0)
        return std::nullopt;
    target.truncate(n);
    return target;
}

bool isStalePseudoTerminal(const QByteArray &target) {
    struct stat info {};
    return target.startsWith("/dev/pts/") && ::stat(target.constData(), &info) != 0 && errno == ENOENT;
}
} // namespace

QString create(const QString &linkPath, const QString &device) {
    const QByteArray path = QFile::encodeName(linkPath);
    const QByteArray own = QFile::encodeName(device);
    const QString shown = messageText(linkPath);
    struct stat info {};
    if (::lstat(path.constData(), &info) == 0) {
        const std::optional<QByteArray> target = linkTarget(path);
        if (!target)
            return QStringLiteral("--link %1: something that is not a link stands there; it is not replaced")
                .arg(shown);
        if (*target != own && !isStalePseudoTerminal(*target))
            return QStringLiteral("--link %1: a link to %2 stands there; it is not replaced")
                .arg(shown, messageText(QFile::decodeName(*target)));
        if (::unlink(path.constData()) != 0)
            return QStringLiteral("--link %1: %2").arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (::symlink(own.constData(), path.constData()) != 0)
        return QStringLiteral("cannot create the link %1: %2")
            .arg(shown, QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

void remove(const QString &linkPath, const QString &device) {
    const QByteArray path = QFile::encodeName(linkPath);
    if (linkTarget(path) == QFile::encodeName(device))
        ::unlink(path.constData());
}

} // namespace devicelink
