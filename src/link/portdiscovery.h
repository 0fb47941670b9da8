#pragma once
// Which of the ports 1..20 are there, found without opening any device: opening a serial port sets its
// control lines (an interface that keys a transmitter on RTS would key it). The system's serial-port list
// (QSerialPortInfo, which reads udev or sysfs on Linux and the registry on Windows) says which devices exist
// and, for USB adapters, their manufacturer, product and serial number. With ORLEX_K7_PORTS set, a listed
// path that exists counts as well (pseudo-terminals are in no system list).

#include <QList>
#include <QString>

namespace ports {

struct PortPresence {
    bool present = false;
    // The adapter, as far as it tells (USB adapters); empty when nothing is known.
    QString manufacturer;
    QString product;
    QString serialNumber;

    // "FTDI FT232R USB UART, serial A10K1ZQX"; empty when nothing is known.
    QString adapter() const;
};

// One entry of the system's serial-port list.
struct SystemPort {
    QString location; // "/dev/ttyUSB0", "COM3"
    QString name;     // "ttyUSB0", "COM3"
    PortPresence presence;
};

// The system's serial-port list, as QSerialPortInfo gives it.
QList<SystemPort> systemPorts();
// What `system` knows of a device, found by its path, its name, or the path a link such as
// /dev/serial/by-id/... leads to.
PortPresence presence(const QString &device, const QList<SystemPort> &system);
// FindCom without opening anything: the presence of ports 1..20 (index 0 is port 1).
QList<PortPresence> findPresent();

} // namespace ports
