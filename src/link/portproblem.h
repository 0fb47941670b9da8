#pragma once
// Why a serial port could not be opened, and the line that tells the user.
//
// QSerialPort reports a device this user may not open and a device that another program holds (its lock
// file, or the terminal's exclusive mode) alike, as a permission error; whether the user has read and write
// permission on the device tells the two apart.

#include <QSerialPort>
#include <QString>

enum class PortProblem {
    None,             // the port opened
    NoDevice,         // the port number names no device (0, above 20, past the ORLEX_K7_PORTS list)
    NotFound,         // no such device
    PermissionDenied, // the user may not open it
    InUse,            // another program holds it
    Other,            // anything else; the port's own error text says what
};

namespace ports {

// The problem behind a failed open, from the port's error and whether the user may read and write the
// device (`mayAccess`).
PortProblem problemFromOpenError(QSerialPort::SerialPortError error, bool mayAccess);
// The problem behind `port`'s failed open of `device`.
PortProblem problemAfterFailedOpen(const QSerialPort &port, const QString &device);
// Opens the device for reading and writing and closes it again: None when that worked, the problem otherwise
// (`detail`, if given, gets the port's error text).
PortProblem tryOpen(const QString &device, QString *detail = nullptr);
// True when this user has read and write permission on the device.
bool mayAccess(const QString &device);

// The second line of the invalid-port message: `name` (the device as the user knows it; none: the reason
// alone) and the reason, in language 0 (Chinese) or 1 (English). `detail` is the port's error text, used for
// PortProblem::Other.
QString problemText(PortProblem problem, const QString &name, const QString &detail, int language);
// The second line of the communication error when the radio identified itself as another model.
QString foreignModelText(const QByteArray &model, int language);

} // namespace ports
