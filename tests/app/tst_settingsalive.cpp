// The language and the port chosen in a run survive that run being killed: the program runs as a child
// process (this executable in a child role), the user's choices are made in its windows, the child is killed
// with SIGKILL, and a new child reports what it started with.

#include "common/guitest.h"

#include "app/mainwindow.h"
#include "app/portchooser.h"
#include "app/startup.h"
#include "files/settingsstore.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QRadioButton>

#include <cstdio>

namespace {
const char *const RoleVariable = "ORLEX_K7_TEST_ROLE";

// The child: the program as it starts, then (role "choose") English and port 3 chosen in its windows, then
// waiting to be killed; (role "report") one line "language port title".
int runChild(const QByteArray &role) {
    Document document;
    std::unique_ptr<MainWindow> window = startProgram(document, settings::defaultPortFilePath());
    window->show();
    if (role == "report") {
        std::printf("%d %d %s\n", Language::instance().index(), window->portNumber(),
                    window->windowTitle().toUtf8().constData());
        std::fflush(stdout);
        return 0;
    }
    window->findChild<QAction *>(QStringLiteral("MNEnglish"))->trigger();
    window->portChooser()->setUsablePorts({3});
    window->showPortChooser();
    QTest::mouseClick(window->portChooser()->button(2), Qt::LeftButton);
    std::printf("chosen %d\n", window->portNumber());
    std::fflush(stdout);
    return QApplication::exec();
}
} // namespace

class TstSettingsAlive : public QObject {
    Q_OBJECT

    QTemporaryDir m_config;

    QByteArray runRole(const char *role, bool killAfterFirstLine) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(RoleVariable), QString::fromLatin1(role));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        // The chooser finds its ports again when shown: ports 1..3 are files that exist.
        QStringList ports;
        for (int n = 1; n <= 3; ++n) {
            ports << m_config.filePath(QStringLiteral("port%1").arg(n));
            QFile(ports.last()).open(QIODevice::WriteOnly);
        }
        env.insert(QStringLiteral("ORLEX_K7_PORTS"), ports.join(QLatin1Char(':')));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForStarted(20000))
            return "<not started>";
        QDeadlineTimer deadline(60000);
        while (!child.canReadLine() && child.state() == QProcess::Running && !deadline.hasExpired())
            child.waitForReadyRead(100);
        const QByteArray line = child.readLine().trimmed();
        if (killAfterFirstLine) {
            child.kill(); // SIGKILL: no shutdown code runs
            child.waitForFinished(20000);
            if (child.exitStatus() != QProcess::CrashExit)
                return "<not killed>";
        } else {
            child.waitForFinished(20000);
        }
        return line;
    }

private slots:
    void choicesSurviveKill() {
        QCOMPARE(runRole("report", false),
                 QByteArray("0 0 ORLEX-K7 \xE5\xAF\xB9\xE8\xAE\xB2\xE6\x9C\xBA"
                            "\xE7\xBC\x96\xE7\xA8\x8B\xE8\xBD\xAF\xE4\xBB\xB6V1.20"));
        QCOMPARE(runRole("choose", true), QByteArray("chosen 3"));
        QCOMPARE(runRole("report", false), QByteArray("1 3 ORLEX-K7 Radio Programming Software V1.20"));
    }
};

int main(int argc, char **argv) {
    const QByteArray role = qgetenv(RoleVariable);
    if (!role.isEmpty()) {
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
        return runChild(role);
    }
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
    TstSettingsAlive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settingsalive.moc"
