#include "link/portdiscovery.h"

#include "link/portnumbering.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace ports {

QString PortPresence::adapter() const {
    QString text = manufacturer;
    if (!product.isEmpty() && !text.contains(product))
        text += (text.isEmpty() ? QString() : QStringLiteral(" ")) + product;
    if (!serialNumber.isEmpty())
        text +=
            (text.isEmpty() ? QString() : QStringLiteral(", ")) + QStringLiteral("serial ") + serialNumber;
    return text;
}

QList<SystemPort> systemPorts() {
    QList<SystemPort> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.systemLocation(),
                      info.portName(),
                      {true, info.manufacturer(), info.description(), info.serialNumber()}});
    return ports;
}

PortPresence presence(const QString &device, const QList<SystemPort> &system) {
    if (device.isEmpty())
        return {};
    const QString target = QFileInfo(device).canonicalFilePath();
    for (const SystemPort &port : system) {
        if (port.name == device || port.location == device || (!target.isEmpty() && port.location == target))
            return port.presence;
    }
    return {!qEnvironmentVariableIsEmpty(OverrideVariable) && !target.isEmpty(), {}, {}, {}};
}

QList<PortPresence> findPresent() {
    const QList<SystemPort> system = systemPorts();
    QList<PortPresence> found;
    for (int n = FirstPort; n <= LastPort; ++n)
        found.append(presence(devicePath(n), system));
    return found;
}

} // namespace ports
