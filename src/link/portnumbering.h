#pragma once
// PortNumber 1..20 and the device each number stands for.
//
// Windows: COM1..COM20. Elsewhere a fixed mapping that does not depend on what is plugged in, USB serial
// adapters first:
//   1..8   /dev/ttyUSB0 .. /dev/ttyUSB7
//   9..12  /dev/ttyACM0 .. /dev/ttyACM3
//   13..20 /dev/ttyS0   .. /dev/ttyS7
// The environment variable ORLEX_K7_PORTS (device paths separated by ':') replaces the mapping: its first
// path is port 1, the second port 2, and so on; numbers past the list name no device.

#include <QList>
#include <QString>

namespace ports {

inline constexpr int FirstPort = 1;
inline constexpr int LastPort = 20;
inline constexpr const char *OverrideVariable = "ORLEX_K7_PORTS";

// The device path of a port number; empty for 0, numbers above 20 and numbers the override leaves out.
QString devicePath(int portNumber);
// Short text for the user, e.g. "COM3 (/dev/ttyUSB2)"; "COM3" where the device is COM3 or none.
QString displayName(int portNumber);
// A command-line port argument: a number 0..255 names a port number, anything else is a device path.
QString deviceForArgument(const QString &argument);
// The start-up probe (FindCom): the port numbers 1..20 whose device could be opened (and was closed again).
QList<int> findCom();
// True if the device can be opened for reading and writing now.
bool canOpen(const QString &device);

} // namespace ports
