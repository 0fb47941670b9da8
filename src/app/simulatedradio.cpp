#include "app/simulatedradio.h"

#include "link/portnumbering.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {
constexpr int StartPatienceMs = 10000;
constexpr int StopPatienceMs = 3000;
} // namespace

SimulatedRadio::~SimulatedRadio() {
    stop();
}

QString SimulatedRadio::simulatorBesideProgram() {
    QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/orlex-k7-sim");
#ifdef Q_OS_WIN
    path += QStringLiteral(".exe");
#endif
    return path;
}

bool SimulatedRadio::isRunning() const {
    return m_process && m_process->state() == QProcess::Running;
}

QString SimulatedRadio::start(const QString &simulatorPath, const QString &imageFile, bool pace) {
    stop();
    if (!QFileInfo(simulatorPath).isExecutable())
        return QStringLiteral("the radio simulator %1 was not found").arg(simulatorPath);
    if (!imageFile.isEmpty() && !QFileInfo(imageFile).isFile())
        return QStringLiteral("cannot open %1").arg(imageFile);

    QStringList args;
    if (pace)
        args << QStringLiteral("--pace");
    if (!imageFile.isEmpty())
        args << QStringLiteral("--image") << imageFile;

    m_process = new QProcess;
    m_process->setReadChannel(QProcess::StandardOutput);
    // Its complaints go where ours go.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // Should this program die without stopping it, the simulator goes too.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    m_process->start(simulatorPath, args);
    if (!m_process->waitForStarted(StartPatienceMs)) {
        const QString error = m_process->errorString();
        stop();
        return QStringLiteral("cannot start the radio simulator: %1").arg(error);
    }
    // Its first line is the device of the pseudo-terminal.
    const QDeadlineTimer deadline(StartPatienceMs);
    while (!m_process->canReadLine() && m_process->state() == QProcess::Running && !deadline.hasExpired())
        m_process->waitForReadyRead(int(deadline.remainingTime()));
    const QString line = QString::fromLocal8Bit(m_process->readLine()).trimmed();
    if (line.isEmpty() || m_process->state() != QProcess::Running) {
        stop();
        return QStringLiteral("the radio simulator ended before it was ready");
    }
    m_device = line;
    qputenv(ports::OverrideVariable, m_device.toLocal8Bit());
    return {};
}

void SimulatedRadio::stop() {
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(StopPatienceMs)) {
            m_process->kill();
            m_process->waitForFinished(StopPatienceMs);
        }
    }
    delete m_process;
    m_process = nullptr;
    m_device.clear();
}
