#include "link/portdiscovery.h"

#include "link/portnumbering.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace ports {

namespace {

QString firstLine(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine(256)).trimmed();
}

// The USB device a terminal belongs to: the nearest folder above its device that has a vendor id.
PortPresence usbAdapter(const QString &deviceDir) {
    QDir dir(QFileInfo(deviceDir).canonicalFilePath());
    for (int up = 0; up < 6 && !dir.isRoot() && !dir.path().isEmpty(); ++up) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("idVendor"))))
            return {true, firstLine(dir.filePath(QStringLiteral("manufacturer"))),
                    firstLine(dir.filePath(QStringLiteral("product"))),
                    firstLine(dir.filePath(QStringLiteral("serial")))};
        if (!dir.cdUp())
            break;
    }
    return {true, {}, {}, {}};
}

} // namespace

QString PortPresence::adapter() const {
    QString text = manufacturer;
    if (!product.isEmpty() && !text.contains(product))
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + product;
    if (!serialNumber.isEmpty())
        text +=
            (text.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("serial ") + serialNumber;
    return text;
}

PortPresence presenceInSysfs(const QString &device, const QString &ttyClassDir, const QString &devDir) {
    const QString target = QFileInfo(device).canonicalFilePath();
    if (device.isEmpty() || target.isEmpty())
        return {};
    const QDir tty(QDir(ttyClassDir).filePath(QFileInfo(target).fileName()));
    // Not a terminal the kernel lists by that name (a pseudo-terminal, a file): it is there.
    if (QFileInfo(target).dir().path() != QFileInfo(devDir).canonicalFilePath() || !tty.exists())
        return {true, {}, {}, {}};
    // A built-in port: the kernel lists every one it might have; UART type 0 means no chip answers there.
    if (QFileInfo::exists(tty.filePath(QStringLiteral("type")))) {
        const QString type = firstLine(tty.filePath(QStringLiteral("type")));
        return {!type.isEmpty() && type != QLatin1String("0"), {}, {}, {}};
    }
    const QString deviceDir = tty.filePath(QStringLiteral("device"));
    if (!QFileInfo::exists(deviceDir))
        return {true, {}, {}, {}};
    return usbAdapter(deviceDir);
}

PortPresence presence(const QString &device) {
    if (device.isEmpty())
        return {};
#ifdef Q_OS_LINUX
    return presenceInSysfs(device, QStringLiteral("/sys/class/tty"), QStringLiteral("/dev"));
#else
    // The system's list: Windows reads it from the registry, macOS from the I/O registry.
    const QString target = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        if (info.portName() == device || info.systemLocation() == device ||
            (!target.isEmpty() && info.systemLocation() == target))
            return {true, info.manufacturer(), info.description(), info.serialNumber()};
    }
    // With ORLEX_K7_PORTS a path that exists counts (pseudo-terminals are in no system list).
    return {!qEnvironmentVariableIsEmpty(OverrideVariable) && QFileInfo::exists(device), {}, {}, {}};
#endif
}

QList<PortPresence> findPresent() {
    QList<PortPresence> found;
    for (int n = FirstPort; n <= LastPort; ++n)
        found.append(presence(devicePath(n)));
    return found;
}

} // namespace ports
