#include "app/mainwindow.h"
#include "app/simulatedradio.h"
#include "app/startup.h"
#include "files/settingsstore.h"
#include "gui/document.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {
bool g_starting = true;
QtMessageHandler g_defaultHandler = nullptr;

// Without a usable display Qt ends with a fatal message; say so in one line and exit instead of aborting.
void startupMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message) {
    if (g_starting && type == QtFatalMsg) {
        std::fprintf(stderr, "orlex-k7: cannot open the display: %s\n",
                     qPrintable(message.section('\n', 0, 0)));
        std::_Exit(2);
    }
    if (g_starting && context.category && QByteArrayView(context.category).startsWith("qt.qpa"))
        return;
    if (g_defaultHandler)
        g_defaultHandler(type, context, message);
}

bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}
} // namespace

int main(int argc, char **argv) {
#ifdef SIGXFSZ
    // Past a file-size limit a save then fails and is reported, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    if (!displayAvailable()) {
        std::fprintf(stderr, "orlex-k7: no display available (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n");
        return 2;
    }
    g_defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    g_starting = false;
    qInstallMessageHandler(g_defaultHandler);
    QApplication::setApplicationName(QStringLiteral("ORLEX-K7"));

    // --simulate [FILE.dat]: a simulated radio (with FILE.dat in its memory) on port 1.
    SimulatedRadio simulator;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--simulate")); at > 0) {
        const bool withFile = at + 1 < args.size() && !args.at(at + 1).startsWith(QLatin1Char('-'));
        const QString error =
            simulator.start(SimulatedRadio::simulatorBesideProgram(), withFile ? args.at(at + 1) : QString());
        if (!error.isEmpty()) {
            std::fprintf(stderr, "orlex-k7: %s\n", qPrintable(error));
            return 2;
        }
    }

    Document document;
    std::unique_ptr<MainWindow> window = startProgram(document, settings::defaultPortFilePath());
    if (simulator.isRunning() && window->portNumber() == 0)
        window->setPortNumber(1);
    window->probePorts();
    window->show();
    return app.exec();
}
