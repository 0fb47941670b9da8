#include "app/mainwindow.h"
#include "app/radiolinkcontroller.h"
#include "app/simulatedradio.h"
#include "app/startup.h"
#include "cmdline/commandline.h"
#include "files/settingsstore.h"
#include "gui/document.h"

#include <QApplication>
#include <QGuiApplication>

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

const char Program[] = "orlex-k7";

void describe(cmdline::CommandLine &commandLine) {
    QCommandLineParser &parser = commandLine.parser();
    parser.addOption(
        {QStringLiteral("simulate"),
         QStringLiteral("Start with a simulated radio on port 1. The first FILE.dat is then the "
                        "simulated radio's memory (default: all FF) and a second one is opened.")});
    parser.addOption(
        {QStringLiteral("trace"),
         QStringLiteral("Write every frame sent to and received from the radio, with a time stamp, "
                        "to FILE (for bug reports)."),
         QStringLiteral("FILE")});
    parser.addPositionalArgument(QStringLiteral("FILE.dat"),
                                 QStringLiteral("Data file to open, as File > Open."),
                                 QStringLiteral("[FILE.dat]"));
    commandLine.setMaxPositional(2);
}

// Without --simulate only one file is taken; returns the exit status when there are more.
std::optional<int> refuseSecondFile(const QCommandLineParser &parser) {
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("simulate")) || files.size() < 2)
        return std::nullopt;
    return cmdline::usageError(QString::fromLatin1(Program),
                               QStringLiteral("unexpected argument '%1'").arg(files.at(1)));
}
} // namespace

int main(int argc, char **argv) {
#ifdef SIGXFSZ
    // Past a file-size limit a save then fails and is reported, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    cmdline::CommandLine commandLine(
        QString::fromLatin1(Program),
        QStringLiteral("Reads, edits and writes the memory of the ORLEX-K7 radio."));
    describe(commandLine);
    // --help and --version need no display. Qt's own options (-platform, -style ...) are known only once the
    // application object has taken them out, so a line that does not parse yet is judged again then.
    const QStringList rawArgs = cmdline::arguments(argc, argv);
    if (commandLine.parses(rawArgs) || !displayAvailable()) {
        if (const std::optional<int> done = commandLine.process(rawArgs))
            return *done;
        if (const std::optional<int> refused = refuseSecondFile(commandLine.parser()))
            return *refused;
    }
    if (!displayAvailable()) {
        std::fprintf(stderr, "orlex-k7: no display available (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n");
        return 2;
    }
    g_defaultHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    g_starting = false;
    qInstallMessageHandler(g_defaultHandler);
    QApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
    QApplication::setApplicationVersion(cmdline::version());
    QGuiApplication::setDesktopFileName(QStringLiteral("com.zolvarex.OrlexK7"));
    if (const std::optional<int> done = commandLine.process(QApplication::arguments()))
        return *done;
    if (const std::optional<int> refused = refuseSecondFile(commandLine.parser()))
        return *refused;
    const bool simulate = commandLine.parser().isSet(QStringLiteral("simulate"));
    QStringList files = commandLine.parser().positionalArguments();

    // --simulate [FILE.dat]: a simulated radio (with FILE.dat in its memory) on port 1.
    SimulatedRadio simulator;
    if (simulate) {
        const QString error = simulator.start(SimulatedRadio::simulatorBesideProgram(),
                                              files.isEmpty() ? QString() : files.takeFirst());
        if (!error.isEmpty()) {
            std::fprintf(stderr, "orlex-k7: %s\n", qPrintable(error));
            return 2;
        }
    }

    Document document;
    std::unique_ptr<MainWindow> window = startProgram(document, settings::defaultPortFilePath());
    if (simulator.isRunning() && window->portNumber() == 0)
        window->setPortNumber(1);
    if (const QString trace = commandLine.parser().value(QStringLiteral("trace")); !trace.isEmpty()) {
        QString error;
        if (!window->radioLink()->setTrace(trace, &error)) {
            std::fprintf(stderr, "orlex-k7: cannot write the trace %s: %s\n", qPrintable(trace),
                         qPrintable(error));
            return 2;
        }
    }
    window->probePorts();
    window->show();
    // File > Open reports nothing for a file it cannot read; from a terminal the user learns why nothing
    // opened.
    if (!files.isEmpty() && window->openDataFile(files.first()) == datfile::ReadError::CannotOpen)
        std::fprintf(stderr, "orlex-k7: cannot open %s\n", qPrintable(files.first()));
    return app.exec();
}
