// Which ports are there, found without opening them: the kernel's terminal descriptions (a fake
// /sys/class/tty and /dev here) and the ORLEX_K7_PORTS paths.

#include "link/portdiscovery.h"
#include "link/portnumbering.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
bool writeText(const QString &path, const QByteArray &text) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
}
} // namespace

class TestPortDiscovery : public QObject {
    Q_OBJECT
private slots:
    // A device in the system's list is there, with what the list knows of its adapter; a path not in the list
    // is not, unless ORLEX_K7_PORTS names it.
    void initTestCase() {
        QVERIFY(m_root.isValid());
        m_dev = m_root.filePath(QStringLiteral("dev"));
        for (const char *name : {"ttyUSB0", "ttyUSB1", "ttyS0", "ttyS1"})
            QVERIFY(writeText(m_dev + QLatin1Char('/') + QLatin1String(name), ""));
        QVERIFY(QFile::link(m_dev + QStringLiteral("/ttyUSB0"), m_dev + QStringLiteral("/by-id-ftdi")));
    }

    void presence_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("overridden");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("adapter");
        QTest::newRow("USB adapter") << "/dev/ttyUSB0" << false << true
                                     << "FTDI FT232R USB UART, serial A10K1ZQX";
        QTest::newRow("adapter by a link to it")
            << "/dev/by-id-ftdi" << false << true << "FTDI FT232R USB UART, serial A10K1ZQX";
        QTest::newRow("adapter by its port name")
            << "ttyUSB0" << false << true << "FTDI FT232R USB UART, serial A10K1ZQX";
        QTest::newRow("adapter with a product only") << "/dev/ttyUSB1" << false << true << "CP2102 Bridge";
        QTest::newRow("built-in port") << "/dev/ttyS0" << false << true << "";
        QTest::newRow("not in the list") << "/dev/ttyS1" << false << false << "";
        QTest::newRow("a pseudo-terminal, no override") << "PTS" << false << false << "";
        QTest::newRow("a pseudo-terminal, overridden") << "PTS" << true << true << "";
        QTest::newRow("missing, overridden") << "/dev/ttyUSB9" << true << false << "";
        QTest::newRow("no device") << "" << true << false << "";
    }
    void presence() {
        QFETCH(QString, device);
        QFETCH(bool, overridden);
        QFETCH(bool, present);
        QFETCH(QString, adapter);
        // The system's list as QSerialPortInfo would give it, and a link to the adapter (as
        // /dev/serial/by-id).
        const QList<ports::SystemPort> system{
            {m_dev + "/ttyUSB0", "ttyUSB0", {true, "FTDI", "FT232R USB UART", "A10K1ZQX"}},
            {m_dev + "/ttyUSB1", "ttyUSB1", {true, "", "CP2102 Bridge", ""}},
            {m_dev + "/ttyS0", "ttyS0", {true, "", "", ""}},
        };
        device.replace(QLatin1String("/dev"), m_dev);
        if (device == QLatin1String("PTS"))
            device = QStringLiteral("/dev/ptmx"); // exists, and is in no serial-port list
        if (overridden)
            qputenv(ports::OverrideVariable, "x");
        else
            qunsetenv(ports::OverrideVariable);
        const ports::PortPresence found = ports::presence(device, system);
        qunsetenv(ports::OverrideVariable);
        QCOMPARE(found.present, present);
        QCOMPARE(found.adapter(), adapter);
    }

    // With the override a listed path counts when it exists; ports past the list have no device.
    void overriddenPorts() {
        QTemporaryDir dir;
        QVERIFY(writeText(dir.filePath(QStringLiteral("a")), ""));
        qputenv(ports::OverrideVariable,
                (dir.filePath(QStringLiteral("a")) + ':' + dir.filePath(QStringLiteral("b")) + ':' +
                 dir.filePath(QStringLiteral("a")))
                    .toLocal8Bit());
        const QList<ports::PortPresence> found = ports::findPresent();
        QCOMPARE(found.size(), 20);
        QList<int> present;
        for (int i = 0; i < found.size(); ++i) {
            if (found[i].present)
                present.append(i + 1);
        }
        QCOMPARE(present, (QList<int>{1, 3}));
        qunsetenv(ports::OverrideVariable);
    }

private:
    QTemporaryDir m_root;
    QString m_dev;
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "tst_portdiscovery.moc"
