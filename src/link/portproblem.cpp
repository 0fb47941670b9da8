#include "link/portproblem.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace ports {

PortProblem problemFromOpenError(QSerialPort::SerialPortError error, bool mayAccess) {
    switch (error) {
    case QSerialPort::NoError:
        return PortProblem::None;
    case QSerialPort::DeviceNotFoundError:
        return PortProblem::NotFound;
    case QSerialPort::PermissionError:
        return mayAccess ? PortProblem::InUse : PortProblem::PermissionDenied;
    case QSerialPort::OpenError: // already open in this very port object
        return PortProblem::InUse;
    default:
        return PortProblem::Other;
    }
}

bool mayAccess(const QString &device) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(device);
    return true; // Windows reports a port in use as an access error; permissions are not the usual cause
#endif
}

PortProblem problemAfterFailedOpen(const QSerialPort &port, const QString &device) {
    if (device.isEmpty())
        return PortProblem::NoDevice;
    const PortProblem problem = problemFromOpenError(port.error(), mayAccess(device));
    return problem == PortProblem::None ? PortProblem::Other : problem;
}

PortProblem tryOpen(const QString &device, QString *detail) {
    if (device.isEmpty())
        return PortProblem::NoDevice;
    QSerialPort port(device);
    if (!port.open(QIODevice::ReadWrite)) {
        if (detail)
            *detail = port.errorString();
        return problemAfterFailedOpen(port, device);
    }
    port.close();
    return PortProblem::None;
}

QString problemText(PortProblem problem, const QString &name, const QString &detail, int language) {
    const bool english = language == 1;
    const QString lead =
        name.isEmpty() ? QString() : (english ? QStringLiteral("%1: ") : QStringLiteral("%1：")).arg(name);
    auto line = [&](const char *chinese, const char *englishText) {
        return lead + QString::fromUtf8(english ? englishText : chinese);
    };
    switch (problem) {
    case PortProblem::None:
        return {};
    case PortProblem::NoDevice:
        return line("此端口号没有对应的设备，请在“通信端口”中选择",
                    "no device is assigned to this port number; "
                    "choose one under Communication Port");
    case PortProblem::NotFound:
        return line("设备不存在（数据线是否已插好？）", "no such device (is the cable plugged in?)");
    case PortProblem::PermissionDenied:
#ifdef Q_OS_WIN
        return line("没有访问权限", "permission denied");
#else
        return line("没有访问权限（请把用户加入 dialout 组：sudo usermod -aG dialout $USER，然后重新登录）",
                    "permission denied (join the dialout group: sudo usermod -aG dialout $USER, then log in "
                    "again)");
#endif
    case PortProblem::InUse:
        return line("正被其他程序占用", "in use by another program");
    case PortProblem::Other:
        break;
    }
    return lead + detail;
}

QString foreignModelText(const QByteArray &model, int language) {
    const QString text = QString::fromLatin1(model);
    return language == 1
               ? QStringLiteral("The radio answered as model \"%1\", not as an ORLEX-K7 (LQ-H4).").arg(text)
               : QStringLiteral("对讲机型号不符：应答为“%1”，不是 ORLEX-K7（LQ-H4）。").arg(text);
}

} // namespace ports
