#pragma once
// Runs one read or write transaction over a serial port on the event loop (no threads): 9600 baud, 8N1,
// no flow control. Received bytes are handed to the transaction once as many are waiting as its receive
// threshold asks for; a 50 ms watchdog timer feeds its ticks. The port is open only while a transaction runs
// and is closed at every ending; a port error (cable pulled, device gone) closes it at once and ends the
// transaction as a time-out would.

#include "link/linkactions.h"
#include "link/portproblem.h"
#include "link/transaction.h"

#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include <memory>

class LinkTrace;

class SerialLink : public QObject {
    Q_OBJECT
public:
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // Watchdog tick interval; 50 ms unless a test wants it faster.
    void setTickInterval(int ms);
    // Every frame sent and every piece received goes to `trace` as well (not owned; null: none).
    void setTrace(LinkTrace *trace) { m_trace = trace; }

    // OpenCom and start: opens the device and, if that worked, clears stale input and starts the
    // transaction ("PROGRAM" goes out). False when the port cannot be opened (empty device, missing, in
    // use): the invalid-port outcome; nothing was sent and no signal follows.
    bool start(const QString &device, std::unique_ptr<Transaction> transaction);
    // Resumes after bandQuestion(): OK continues the write, anything else ends it as cancelled.
    void answerBandQuestion(bool ok);
    // Ends a running transaction at once: 45 is sent, the port closed, finished(Cancelled) follows.
    void cancel();

    bool isRunning() const { return m_running; }
    bool isPortOpen() const { return m_port.isOpen(); }
    // The 50 ms timer runs while a transaction waits for the radio (not while a band question is open).
    bool isWatchdogActive() const { return m_watchdog.isActive(); }
    Transaction *transaction() const { return m_transaction.get(); }
    // Why the last start() could not open its port (None after a start that opened it), and the port's
    // own error text.
    PortProblem openProblem() const { return m_openProblem; }
    const QString &openErrorText() const { return m_openErrorText; }
    // Bytes that went over the line in the last transaction (for wire-time figures).
    qint64 bytesSent() const { return m_bytesSent; }
    qint64 bytesReceived() const { return m_bytesReceived; }

    // Opens a port with the radio's line settings; used by start() and the probe.
    static bool openPort(QSerialPort &port, const QString &device);

signals:
    void progress(int value);
    // The radio reports another band and ForceWriteMode is on: ask, then call answerBandQuestion().
    // The watchdog is stopped meanwhile.
    void bandQuestion(int radioBand);
    // Every ending after a successful start(): success, communication error, band refused, cancelled.
    // The port is already closed. Do not delete the link from a connected slot (use deleteLater).
    void finished(LinkOutcome outcome);

private:
    void onReadyRead();
    void onTick();
    void onPortError(QSerialPort::SerialPortError error);
    void apply(const LinkActions &actions);
    void sendFrame(const LinkFrame &frame);
    void end(LinkOutcome outcome);
    void closePort();

    QSerialPort m_port;
    QString m_device;
    LinkTrace *m_trace = nullptr;
    PortProblem m_openProblem = PortProblem::None;
    QString m_openErrorText;
    QTimer m_watchdog;
    std::unique_ptr<Transaction> m_transaction;
    int m_threshold = 1;
    int m_lastProgress = 0;
    bool m_running = false;
    bool m_questionOpen = false;
    qint64 m_bytesSent = 0;
    qint64 m_bytesReceived = 0;
};
