#include "cli/printcommand.h"

#include "cli/cliinput.h"
#include "cli/cliutil.h"
#include "report/reportcontent.h"
#include "report/reportrenderer.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <optional>

#include <unistd.h>

namespace cli {

bool runsPrint(const QStringList &arguments) {
    // Global options (--help, --version) stand before the command; the first other argument names it.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments.at(i).startsWith(QLatin1Char('-')))
            return arguments.at(i) == QLatin1String("print");
    }
    return false;
}

int runPrint(const QStringList &arguments) {
    QStringList args = arguments;
    const QString usage =
        QStringLiteral("usage: %1 print FILE.dat -o OUT.pdf [--lang zh|en]").arg(QLatin1String(ProgramName));
    QString output;
    QString languageName = QStringLiteral("zh");
    const bool optionsOk =
        takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output) &&
        takeOption(args, QStringLiteral("--lang"), QStringLiteral("--lang"), &languageName);
    if (!optionsOk || output.isEmpty() || args.size() != 1 || !isInputArgument(args.first()))
        return fail(usage, Usage);
    if (languageName != QLatin1String("zh") && languageName != QLatin1String("en"))
        return fail(QStringLiteral("--lang %1: not zh or en").arg(messageText(languageName)), Usage);
    if (isStandardStream(output) && isatty(fileno(stdout)) == 1)
        return fail(QStringLiteral("the PDF is not written to a terminal; redirect the output"), Usage);
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fail(QStringLiteral("print needs the graphical part of Qt, which did not start"));

    const std::optional<RadioConfig> config = openDataFile(args.first());
    if (!config)
        return Failure;
    const int language = languageName == QLatin1String("en") ? 1 : 0;

    // The whole PDF is made in memory, then written as one file (or to standard output).
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200); // as the program's high-resolution printer
        writer.setCreator(QLatin1String(ProgramName));
        setReportPage(&writer);
        if (!renderReport(&writer, buildReport(*config, language)))
            return fail(QStringLiteral("the report could not be drawn"));
    }
    return writeOutput(output, pdf.data());
}

} // namespace cli
