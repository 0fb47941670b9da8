// orlex-k7-cli: the programmer's core on the command line. One table lists the commands; each command lives
// in its own file and takes the arguments that follow its name.

#include "cli/cliutil.h"
#include "cli/csvcommands.h"
#include "cli/diffcommand.h"
#include "cli/filecommands.h"
#include "cli/linkcommands.h"
#include "cli/printcommand.h"
#include "cmdline/commandline.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <climits>
#include <csignal>
#include <iterator>
#include <memory>

namespace {

int runHelp(const QStringList &args);
int runVersion(const QStringList &args);

const cli::Command commands[] = {
    {"decode", "FILE.dat [--used]", "print the configuration held by a data file as JSON", cli::runDecode},
    {"encode", "FILE.json -o OUT.dat [--strict]", "write the data file of a JSON configuration",
     cli::runEncode},
    // Channel CSV commands (src/cli/csvcommands.h).
    {"export-csv", "FILE.dat [-o OUT.csv]", "write the used channels as CSV (standard output by default)",
     cli::runExportCsv},
    {"import-csv", "IN.csv -o OUT.dat [--into BASE.dat] [--first N] [--strict]",
     "put CSV rows into channels and write the data file", cli::runImportCsv},
    {"diff", "A.dat B.dat", "list the fields in which two data files differ (exit 0 same, 1 different)",
     cli::runDiff},
    {"print", "FILE.dat -o OUT.pdf [--lang zh|en]", "write the programming-data report as a PDF (no display)",
     cli::runPrint},
    // Radio link commands (src/cli/linkcommands.h) are listed here, one line each.
    // Each takes --port more than once (one transfer per port, all at once), and --trace FILE.
    {"read", "--port DEVICE_OR_NUMBER -o OUT.dat [--no-backup]",
     "read the radio into a data file (and a backup)", cli::runRead},
    {"write", "--port DEVICE_OR_NUMBER FILE.dat [--force-band] [--calibration] [--verify]",
     "write a data file into the radio", cli::runWrite},
    {"verify", "--port DEVICE_OR_NUMBER FILE.dat [--calibration]",
     "compare the radio with what a write of the file would send (exit 0 same, 1 different)", cli::runVerify},
    {"--help", "", "show this help", runHelp},
    {"--version", "", "show the version", runVersion},
};

QByteArray helpText() {
    // Summaries start in one column; a usage that reaches it puts its summary on the next line.
    constexpr int summaryColumn = 35;
    QByteArray text = QByteArray("Usage: ") + cli::ProgramName + " COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const cli::Command &c : commands) {
        QByteArray line = QByteArray("  ") + c.name;
        if (*c.usage)
            line += QByteArray(" ") + c.usage;
        if (line.size() > summaryColumn - 2)
            line += '\n' + QByteArray(summaryColumn, ' ');
        else
            line = line.leftJustified(summaryColumn, ' ');
        text += line + c.summary + '\n';
    }
    text += "\nThe JSON format is described in README.md (section \"Command-line tool\").\n";
    return text;
}

int runHelp(const QStringList &) {
    return cli::outOrFail(helpText());
}

int runVersion(const QStringList &) {
    cli::out(QByteArray(cli::ProgramName) + ' ' + cmdline::version().toLatin1() + '\n');
    return cli::Ok;
}

} // namespace

int main(int argc, char *argv[]) {
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails and is reported, instead of the signal ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The report needs fonts and painting (Qt Gui) but never a display: the offscreen platform serves it.
    std::unique_ptr<QCoreApplication> app;
    if (cli::runsPrint(cmdline::arguments(argc, argv))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt's notes about the desktop session (no runtime directory, for one) say nothing about a PDF.
        static const QtMessageHandler qtDefault = qInstallMessageHandler(nullptr);
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                qtDefault(type, context, text);
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    QCoreApplication::setApplicationVersion(cmdline::version());
    // The backups go to the programmer's data folder, whichever program read the radio.
    QCoreApplication::setApplicationName(QStringLiteral("ORLEX-K7"));
    // Global options stand before the command; everything from the command on belongs to the command.
    cmdline::CommandLine commandLine(QLatin1String(cli::ProgramName), QString());
    commandLine.parser().setOptionsAfterPositionalArgumentsMode(
        QCommandLineParser::ParseAsPositionalArguments);
    commandLine.parser().addPositionalArgument(QStringLiteral("command"), QString());
    commandLine.setMaxPositional(INT_MAX);
    commandLine.setHelpText(QString::fromUtf8(helpText()));
    if (const std::optional<int> done = commandLine.process(QCoreApplication::arguments()))
        return *done;
    QStringList args = commandLine.parser().positionalArguments();
    if (args.isEmpty())
        return cli::fail(
            QStringLiteral("no command given; try '%1 --help'").arg(QLatin1String(cli::ProgramName)),
            cli::Usage);
    const QString name = args.takeFirst();
    if (name == QLatin1String("help"))
        return runHelp(args);
    for (const cli::Command &c : commands) {
        if (name == QLatin1String(c.name))
            return c.run(args);
    }
    return cli::fail(QStringLiteral("unknown command '%1'; try '%2 --help'")
                         .arg(messageText(name), QLatin1String(cli::ProgramName)),
                     cli::Usage);
}
