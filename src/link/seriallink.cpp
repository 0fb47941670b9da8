#include "link/seriallink.h"

#include "link/linktrace.h"
#include "link/writetransaction.h"

namespace {
constexpr int LineSpeed = 9600;
constexpr int FinalFlushMs = 200;

// How a transaction ended, for the trace.
const char *outcomeText(LinkOutcome outcome) {
    switch (outcome) {
    case LinkOutcome::Success:
        return "success";
    case LinkOutcome::CommunicationError:
        return "communication error";
    case LinkOutcome::BandRefused:
        return "band refused";
    case LinkOutcome::Cancelled:
        return "cancelled";
    case LinkOutcome::Running:
    case LinkOutcome::BandQuestion:
        break;
    }
    return "?";
}
} // namespace

SerialLink::SerialLink(QObject *parent) : QObject(parent) {
    m_watchdog.setInterval(Transaction::WatchdogIntervalMs);
    m_watchdog.setTimerType(Qt::PreciseTimer);
    connect(&m_watchdog, &QTimer::timeout, this, &SerialLink::onTick);
    connect(&m_port, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialLink::onPortError);
}

SerialLink::~SerialLink() {
    if (m_running) {
        m_running = false;
        // Leave the radio's programming mode even when the link goes away mid-way.
        const LinkActions actions = m_transaction->cancel();
        for (const LinkFrame &frame : actions.frames)
            sendFrame(frame);
        closePort();
    }
}

void SerialLink::setTickInterval(int ms) {
    m_watchdog.setInterval(ms);
}

bool SerialLink::openPort(QSerialPort &port, const QString &device) {
    if (device.isEmpty())
        return false;
    port.setPortName(device);
    port.setBaudRate(LineSpeed);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

bool SerialLink::start(const QString &device, std::unique_ptr<Transaction> transaction) {
    if (m_running || !transaction)
        return false;
    if (m_port.isOpen())
        m_port.close();
    m_device = device;
    m_openProblem = PortProblem::None;
    m_openErrorText.clear();
    if (!openPort(m_port, device)) {
        m_openProblem = ports::problemAfterFailedOpen(m_port, device);
        m_openErrorText = m_port.errorString();
        if (m_trace)
            m_trace->note(device, QStringLiteral("cannot open: ") + m_openErrorText);
        return false;
    }
    if (m_trace)
        m_trace->note(device, QStringLiteral("open"));
    m_port.clear(QSerialPort::Input); // nothing left over from an earlier session counts as an answer
    m_transaction = std::move(transaction);
    m_threshold = 1;
    m_lastProgress = 0;
    m_questionOpen = false;
    m_bytesSent = 0;
    m_bytesReceived = 0;
    m_running = true;
    m_watchdog.start();
    apply(m_transaction->start());
    return true;
}

void SerialLink::answerBandQuestion(bool ok) {
    if (!m_running || !m_questionOpen)
        return;
    m_questionOpen = false;
    if (ok)
        m_watchdog.start();
    apply(m_transaction->answerBandQuestion(ok));
    onReadyRead(); // bytes that came while the question was open
}

void SerialLink::cancel() {
    if (m_running)
        apply(m_transaction->cancel());
}

void SerialLink::onReadyRead() {
    while (m_running && !m_questionOpen && m_port.isOpen() && m_port.bytesAvailable() > 0 &&
           m_port.bytesAvailable() >= m_threshold) {
        const QByteArray bytes = m_port.readAll();
        m_bytesReceived += bytes.size();
        if (m_trace)
            m_trace->received(m_device, bytes);
        apply(m_transaction->onBytes(bytes));
    }
}

void SerialLink::onTick() {
    if (m_running && !m_questionOpen)
        apply(m_transaction->onTick());
}

void SerialLink::onPortError(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::UnknownError:
        break;
    default:
        return; // time-outs of blocking calls, settings a pseudo-terminal does not support
    }
    if (!m_running)
        return;
    // A hung-up device keeps raising errors; close it before anything else.
    m_port.close();
    m_questionOpen = false;
    apply(m_transaction->portFailed());
}

void SerialLink::apply(const LinkActions &actions) {
    if (actions.progress && *actions.progress != m_lastProgress) {
        m_lastProgress = *actions.progress;
        emit progress(m_lastProgress);
    }
    if (actions.receiveThreshold)
        m_threshold = *actions.receiveThreshold;
    for (const LinkFrame &frame : actions.frames)
        sendFrame(frame);
    if (!m_running)
        return; // a port error while sending ended it already
    if (actions.finished()) {
        end(actions.outcome);
        return;
    }
    if (actions.outcome == LinkOutcome::BandQuestion && !m_questionOpen) {
        m_questionOpen = true;
        m_watchdog.stop();
        const auto *write = dynamic_cast<const WriteTransaction *>(m_transaction.get());
        emit bandQuestion(write ? write->radioBand() : -1);
    }
}

void SerialLink::sendFrame(const LinkFrame &frame) {
    if (!m_port.isOpen())
        return;
    if (frame.bytewise) {
        for (char byte : frame.bytes) {
            m_port.write(&byte, 1);
            m_port.flush();
        }
    } else {
        m_port.write(frame.bytes);
        m_port.flush();
    }
    m_bytesSent += frame.bytes.size();
    if (m_trace)
        m_trace->sent(m_device, frame.bytes);
}

void SerialLink::end(LinkOutcome outcome) {
    m_running = false;
    m_questionOpen = false;
    m_watchdog.stop();
    closePort();
    if (m_trace)
        m_trace->note(m_device, QStringLiteral("end ") + QLatin1String(outcomeText(outcome)));
    emit finished(outcome);
}

void SerialLink::closePort() {
    if (!m_port.isOpen())
        return;
    // The 45 must reach the line before the port goes.
    if (m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(FinalFlushMs);
    m_port.close();
}
