// Why a port cannot be opened, and the radio of another model: the reason lines and how they are found.

#include "linkharness.h"

#include "link/portproblem.h"
#include "link/readtransaction.h"
#include "link/writetransaction.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A pseudo-terminal whose other side this test holds; its device behaves like a serial port.
class Pty {
public:
    Pty() {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            device = QString::fromLocal8Bit(ptsname(m_master));
    }
    ~Pty() {
        if (m_master >= 0)
            ::close(m_master);
    }
    QString device;

private:
    int m_master = -1;
};
} // namespace

class TestPortProblem : public QObject {
    Q_OBJECT
private slots:
    void reasonFromPortError_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<bool>("mayAccess");
        QTest::addColumn<int>("problem");
        QTest::newRow("opened") << int(QSerialPort::NoError) << true << int(PortProblem::None);
        QTest::newRow("no such device")
            << int(QSerialPort::DeviceNotFoundError) << true << int(PortProblem::NotFound);
        QTest::newRow("permission, user may not")
            << int(QSerialPort::PermissionError) << false << int(PortProblem::PermissionDenied);
        QTest::newRow("permission, user may: locked")
            << int(QSerialPort::PermissionError) << true << int(PortProblem::InUse);
        QTest::newRow("already open") << int(QSerialPort::OpenError) << true << int(PortProblem::InUse);
        QTest::newRow("resource") << int(QSerialPort::ResourceError) << true << int(PortProblem::Other);
        QTest::newRow("unsupported") << int(QSerialPort::UnsupportedOperationError) << true
                                     << int(PortProblem::Other);
    }
    void reasonFromPortError() {
        QFETCH(int, error);
        QFETCH(bool, mayAccess);
        QFETCH(int, problem);
        QCOMPARE(int(ports::problemFromOpenError(QSerialPort::SerialPortError(error), mayAccess)), problem);
    }

    void noDeviceAndMissingDevice() {
        QCOMPARE(ports::tryOpen(QString()), PortProblem::NoDevice);
        QTemporaryDir dir;
        QString detail;
        QCOMPARE(ports::tryOpen(dir.filePath(QStringLiteral("ttyUSB9")), &detail), PortProblem::NotFound);
        QVERIFY(!detail.isEmpty());
    }

    // A port another program holds: QSerialPort locks the device, so a second open fails.
    void deviceInUse() {
        Pty pty;
        QVERIFY(!pty.device.isEmpty());
        QCOMPARE(ports::tryOpen(pty.device), PortProblem::None);
        QSerialPort holder(pty.device);
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QCOMPARE(ports::tryOpen(pty.device), PortProblem::InUse);
        holder.close();
        QCOMPARE(ports::tryOpen(pty.device), PortProblem::None);
    }

    // Permissions do not hold for root; the mapping itself is covered by reasonFromPortError.
    void devicePermissionDenied() {
        if (::geteuid() == 0)
            QSKIP("root may open any device");
        Pty pty;
        const QByteArray path = QFile::encodeName(pty.device);
        QCOMPARE(::chmod(path.constData(), 0), 0);
        QVERIFY(!ports::mayAccess(pty.device));
        QCOMPARE(ports::tryOpen(pty.device), PortProblem::PermissionDenied);
    }

    void reasonLines_data() {
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("line");
        const auto row = [](const char *name, PortProblem p, int language, const char *text) {
            QTest::newRow(name) << int(p) << language << QString::fromUtf8(text);
        };
        row("no device en", PortProblem::NoDevice, 1,
            "COM0: no device is assigned to this port number; choose one under Communication Port");
        row("no device zh", PortProblem::NoDevice, 0, "COM0：此端口号没有对应的设备，请在“通信端口”中选择");
        row("missing en", PortProblem::NotFound, 1, "COM0: no such device (is the cable plugged in?)");
        row("missing zh", PortProblem::NotFound, 0, "COM0：设备不存在（数据线是否已插好？）");
        row("permission en", PortProblem::PermissionDenied, 1,
            "COM0: permission denied (join the dialout group: sudo usermod -aG dialout $USER, then log in "
            "again)");
        row("permission zh", PortProblem::PermissionDenied, 0,
            "COM0：没有访问权限（请把用户加入 dialout 组：sudo usermod -aG dialout $USER，然后重新登录）");
        row("in use en", PortProblem::InUse, 1, "COM0: in use by another program");
        row("in use zh", PortProblem::InUse, 0, "COM0：正被其他程序占用");
        row("other en", PortProblem::Other, 1, "COM0: Input/output error");
        row("other zh", PortProblem::Other, 0, "COM0：Input/output error");
    }
    void reasonLines() {
        QFETCH(int, problem);
        QFETCH(int, language);
        QFETCH(QString, line);
        QCOMPARE(ports::problemText(PortProblem(problem), QStringLiteral("COM0"),
                                    QStringLiteral("Input/output error"), language),
                 line);
    }

    // A radio that answers the identify byte as another model: the read or write ends by the watchdog, on
    // the wire exactly as before, and the model it named is known.
    void foreignModel_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QByteArray>("named");
        QTest::newRow("read, other model") << false << QByteArray("UV-5R") << QByteArray("UV-5R");
        QTest::newRow("write, other model") << true << QByteArray("LQ-H5") << QByteArray("LQ-H5");
        QTest::newRow("read, longer model text") << false << QByteArray("TK-3207") << QByteArray("TK-3207");
        QTest::newRow("read, not a text") << false << QByteArray("\x01\x02\x03\x04\x05", 5) << QByteArray();
    }
    void foreignModel() {
        QFETCH(bool, write);
        QFETCH(QByteArray, model);
        QFETCH(QByteArray, named);
        RadioSimulator radio;
        radio.setModelText(model);
        MemoryImage image = filledImage(0);
        std::unique_ptr<Transaction> transaction;
        if (write)
            transaction = std::make_unique<WriteTransaction>(image, WriteOptions{});
        else
            transaction = std::make_unique<ReadTransaction>(image);
        LinkHarness harness(*transaction, radio);
        QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
        QCOMPARE(harness.sentHex(), (QStringList{"50 52 4F 47 52 41 4D", "02", "45"}));
        QCOMPARE(transaction->foreignModel(), named);
    }

    void ourModelNamesNoOther() {
        RadioSimulator radio;
        RadioFaults faults;
        faults.silentFromReply = 3; // identification, then silence
        radio.setFaults(faults);
        MemoryImage image = filledImage(0);
        ReadTransaction read(image);
        LinkHarness harness(read, radio);
        QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
        QCOMPARE(read.foreignModel(), QByteArray());
    }

    void foreignModelLines() {
        QCOMPARE(ports::foreignModelText("UV-5R", 1),
                 QStringLiteral("The radio answered as model \"UV-5R\", not as an ORLEX-K7 (LQ-H4)."));
        QCOMPARE(ports::foreignModelText("UV-5R", 0),
                 QStringLiteral("对讲机型号不符：应答为“UV-5R”，不是 ORLEX-K7（LQ-H4）。"));
    }
};

QTEST_GUILESS_MAIN(TestPortProblem)
#include "tst_portproblem.moc"
