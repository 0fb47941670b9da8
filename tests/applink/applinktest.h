#pragma once
// Shared pieces of the radio-link GUI tests: orlex-k7-sim on a pseudo-terminal as port 1, message boxes
// answered and recorded, the main window's commands by name.

#include "common/guitest.h"
#include "link/portnumbering.h"

#include <QAction>
#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace applinktest {

constexpr int Patience = 20000; // only a guard against hanging

// The frames the simulator logged as received ("<- 50 52 ..."), one hex text each.
inline QStringList receivedFrames(const QByteArray &log) {
    QStringList frames;
    for (const QByteArray &line : log.split('\n'))
        if (line.startsWith("<- "))
            frames.append(QString::fromLatin1(line.mid(3).trimmed()));
    return frames;
}

inline QString binary(const char *name) {
    return qEnvironmentVariable("ORLEX_K7_BIN_DIR") + QLatin1Char('/') + QLatin1String(name);
}

// One orlex-k7-sim; its device becomes port 1 (and `extraPorts` ports 2, 3, ...).
class Sim {
public:
    ~Sim() { stop(); }

    bool start(const QStringList &options, const QStringList &extraPorts = {}) {
        m_process.start(binary("orlex-k7-sim"), options);
        if (!m_process.waitForStarted(Patience))
            return false;
        QDeadlineTimer deadline(Patience);
        while (!m_process.canReadLine() && m_process.state() == QProcess::Running && !deadline.hasExpired())
            m_process.waitForReadyRead(100);
        device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
        if (!device.startsWith(QLatin1String("/dev/")))
            return false;
        qputenv(ports::OverrideVariable,
                (QStringList{device} + extraPorts).join(QLatin1Char(':')).toLocal8Bit());
        return true;
    }
    // Waits until the last frame the simulator logged (with --log) is `frame`: the program's closing 45 may
    // still be on its way when the program has already reported the outcome.
    bool waitForLastFrame(const QString &frame) {
        QDeadlineTimer deadline(Patience);
        while (!deadline.hasExpired()) {
            m_log += m_process.readAllStandardError();
            const QStringList frames = receivedFrames(m_log);
            if (!frames.isEmpty() && frames.last() == frame)
                return true;
            if (m_process.state() != QProcess::Running)
                return false;
            m_process.waitForReadyRead(100);
        }
        return false;
    }
    // The radio side goes away at once, as with a pulled cable: no dump, no clean-up.
    void kill() {
        m_process.kill();
        m_process.waitForFinished(Patience);
    }
    // Ends the simulator (its --dump file is written now) and returns what it printed on stderr.
    QByteArray stop() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            m_process.waitForFinished(Patience);
        }
        m_log += m_process.readAllStandardError();
        return m_log;
    }

    QString device;

private:
    QProcess m_process;
    QByteArray m_log;
};

inline bool commandsEnabled(const QWidget *window, bool *allSame = nullptr) {
    int on = 0;
    const char *names[] = {"MNRead", "MNWrite", "TRead", "TWrite"};
    for (const char *name : names)
        on += window->findChild<QAction *>(QLatin1String(name))->isEnabled() ? 1 : 0;
    if (allSame)
        *allSame = on == 0 || on == 4;
    return on == 4;
}

inline bool commandsDisabled(const QWidget *window) {
    bool same = false;
    return !commandsEnabled(window, &same) && same;
}

} // namespace applinktest
