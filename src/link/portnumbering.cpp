#include "link/portnumbering.h"

#include <QSerialPort>

namespace ports {

namespace {
struct Range {
    const char *prefix;
    int count;
};
constexpr Range DefaultRanges[] = {{"/dev/ttyUSB", 8}, {"/dev/ttyACM", 4}, {"/dev/ttyS", 8}};

QString defaultPath(int portNumber) {
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(portNumber);
#else
    int index = portNumber - 1;
    for (const Range &range : DefaultRanges) {
        if (index < range.count)
            return QString::fromLatin1(range.prefix) + QString::number(index);
        index -= range.count;
    }
    return {};
#endif
}
} // namespace

QString devicePath(int portNumber) {
    if (portNumber < FirstPort || portNumber > LastPort)
        return {};
    const QByteArray list = qgetenv(OverrideVariable);
    if (!list.isEmpty()) {
        const QStringList paths = QString::fromLocal8Bit(list).split(QLatin1Char(':'));
        return portNumber <= paths.size() ? paths.at(portNumber - 1) : QString();
    }
    return defaultPath(portNumber);
}

QString displayName(int portNumber) {
    const QString path = devicePath(portNumber);
    const QString com = QStringLiteral("COM%1").arg(portNumber);
    return path.isEmpty() || path == com ? com : QStringLiteral("%1 (%2)").arg(com, path);
}

QString deviceForArgument(const QString &argument) {
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    return isNumber ? devicePath(number) : argument;
}

bool canOpen(const QString &device) {
    if (device.isEmpty())
        return false;
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

QList<int> findCom() {
    QList<int> found;
    for (int n = FirstPort; n <= LastPort; ++n) {
        if (canOpen(devicePath(n)))
            found.append(n);
    }
    return found;
}

} // namespace ports
