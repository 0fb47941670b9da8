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
    void initTestCase() {
        QVERIFY(m_root.isValid());
        const QString dev = m_root.filePath(QStringLiteral("dev"));
        const QString tty = m_root.filePath(QStringLiteral("sys/class/tty"));
        for (const char *name : {"ttyUSB0", "ttyUSB1", "ttyS0", "ttyS1", "ttyACM0", "ttyX9"})
            QVERIFY(writeText(dev + QLatin1Char('/') + QLatin1String(name), ""));
        // A USB adapter: its terminal's device is an interface of a USB device with vendor, product, serial.
        const QString usb = m_root.filePath(QStringLiteral("sys/devices/usb1/1-1"));
        QVERIFY(writeText(usb + QStringLiteral("/idVendor"), "0403\n"));
        QVERIFY(writeText(usb + QStringLiteral("/manufacturer"), "FTDI\n"));
        QVERIFY(writeText(usb + QStringLiteral("/product"), "FT232R USB UART\n"));
        QVERIFY(writeText(usb + QStringLiteral("/serial"), "A10K1ZQX\n"));
        QVERIFY(QDir().mkpath(usb + QStringLiteral("/1-1:1.0/ttyUSB0")));
        QVERIFY(QDir().mkpath(tty + QStringLiteral("/ttyUSB0")));
        QVERIFY(QFile::link(usb + QStringLiteral("/1-1:1.0"), tty + QStringLiteral("/ttyUSB0/device")));
        // Another adapter that tells only its product.
        const QString usb2 = m_root.filePath(QStringLiteral("sys/devices/usb1/1-2"));
        QVERIFY(writeText(usb2 + QStringLiteral("/idVendor"), "10c4\n"));
        QVERIFY(writeText(usb2 + QStringLiteral("/product"), "CP2102 USB to UART Bridge Controller\n"));
        QVERIFY(QDir().mkpath(usb2 + QStringLiteral("/1-2:1.0")));
        QVERIFY(QDir().mkpath(tty + QStringLiteral("/ttyUSB1")));
        QVERIFY(QFile::link(usb2 + QStringLiteral("/1-2:1.0"), tty + QStringLiteral("/ttyUSB1/device")));
        // Built-in ports: the kernel lists them all; type 0 means no UART there.
        QVERIFY(writeText(tty + QStringLiteral("/ttyS0/type"), "4\n"));
        QVERIFY(writeText(tty + QStringLiteral("/ttyS1/type"), "0\n"));
        // A modem whose device is not on USB.
        QVERIFY(QDir().mkpath(m_root.filePath(QStringLiteral("sys/devices/platform/acm"))));
        QVERIFY(QDir().mkpath(tty + QStringLiteral("/ttyACM0")));
        QVERIFY(QFile::link(m_root.filePath(QStringLiteral("sys/devices/platform/acm")),
                            tty + QStringLiteral("/ttyACM0/device")));
        // A name by which the adapter is known elsewhere (as /dev/serial/by-id/... is).
        QVERIFY(QFile::link(dev + QStringLiteral("/ttyUSB0"), m_root.filePath(QStringLiteral("by-id-ftdi"))));
    }

    void presence_data() {
        QTest::addColumn<QString>("device");
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("adapter");
        QTest::newRow("USB adapter") << "dev/ttyUSB0" << true << "FTDI FT232R USB UART, serial A10K1ZQX";
        QTest::newRow("USB adapter by another name")
            << "by-id-ftdi" << true << "FTDI FT232R USB UART, serial A10K1ZQX";
        QTest::newRow("adapter with a product only")
            << "dev/ttyUSB1" << true << "CP2102 USB to UART Bridge Controller";
        QTest::newRow("built-in port with a UART") << "dev/ttyS0" << true << "";
        QTest::newRow("built-in port without one") << "dev/ttyS1" << false << "";
        QTest::newRow("modem not on USB") << "dev/ttyACM0" << true << "";
        QTest::newRow("a device the kernel does not list") << "dev/ttyX9" << true << "";
        QTest::newRow("missing") << "dev/ttyUSB5" << false << "";
        QTest::newRow("no device") << "" << false << "";
    }
    void presence() {
        QFETCH(QString, device);
        QFETCH(bool, present);
        QFETCH(QString, adapter);
        const ports::PortPresence found = ports::presenceInSysfs(
            device.isEmpty() ? QString() : m_root.filePath(device),
            m_root.filePath(QStringLiteral("sys/class/tty")), m_root.filePath(QStringLiteral("dev")));
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
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "tst_portdiscovery.moc"
