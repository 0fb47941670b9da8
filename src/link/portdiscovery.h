#pragma once
// Which of the ports 1..20 are there, found without opening any device: opening a serial port sets its
// control lines (an interface that keys a transmitter on RTS would key it), and the system's own serial-port
// list (QSerialPortInfo) opens the built-in ports to check them. So on Linux the kernel's description of its
// terminals is read instead (/sys/class/tty): a built-in port counts when the kernel knows its UART type, a
// USB adapter when its device is there, with its manufacturer, product and serial number. Elsewhere the
// system's serial-port list is asked. With ORLEX_K7_PORTS set, a path counts when it exists.

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

// What is known about a device without opening it.
PortPresence presence(const QString &device);
// The same, reading the kernel's descriptions below `ttyClassDir` (/sys/class/tty) of the terminals in
// `devDir` (/dev); for tests.
PortPresence presenceInSysfs(const QString &device, const QString &ttyClassDir, const QString &devDir);
// FindCom without opening anything: the presence of ports 1..20 (index 0 is port 1).
QList<PortPresence> findPresent();

} // namespace ports
