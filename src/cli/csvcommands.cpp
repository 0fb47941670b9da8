#include "cli/csvcommands.h"

#include "cli/cliinput.h"
#include "cli/cliutil.h"
#include "files/channelcsv.h"
#include "files/datfile.h"
#include "image/imagecodec.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <optional>

#include <unistd.h>

namespace cli {

namespace {

constexpr qint64 CsvSizeLimit = 16 << 20; // a repeater directory of many thousand rows

// One line on stderr as it stands (the "FILE:LINE: reason" lines carry no program name).
void errorLine(const QString &line) {
    const QByteArray bytes = messageText(line, std::numeric_limits<int>::max()).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

bool takeFlag(QStringList &args, const QString &name) {
    return args.removeAll(name) > 0;
}

} // namespace

int runExportCsv(const QStringList &arguments) {
    QStringList args = arguments;
    QString output = QStringLiteral("-");
    const bool optionOk = takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output);
    if (!optionOk || output.isEmpty() || args.size() != 1 || !isInputArgument(args.first()))
        return fail(
            QStringLiteral("usage: %1 export-csv FILE.dat [-o OUT.csv]").arg(QLatin1String(ProgramName)),
            Usage);
    const QString path = args.first();
    const std::optional<RadioConfig> config = openDataFile(path);
    if (!config)
        return Failure;
    const channelcsv::ExportResult csv = channelcsv::exportChannels(*config);
    for (const QString &warning : csv.warnings)
        fail(QStringLiteral("%1: %2").arg(inputName(path), warning));
    return writeOutput(output, csv.text);
}

int runImportCsv(const QStringList &arguments) {
    QStringList args = arguments;
    const QString usage =
        QStringLiteral("usage: %1 import-csv IN.csv -o OUT.dat [--into BASE.dat] [--first N] [--strict]")
            .arg(QLatin1String(ProgramName));
    QString output;
    QString base;
    QString firstText;
    const bool strict = takeFlag(args, QStringLiteral("--strict"));
    const bool optionsOk = takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output) &&
                           takeOption(args, QStringLiteral("--into"), QStringLiteral("--into"), &base) &&
                           takeOption(args, QStringLiteral("--first"), QStringLiteral("--first"), &firstText);
    if (!optionsOk || output.isEmpty() || args.size() != 1 || !isInputArgument(args.first()))
        return fail(usage, Usage);
    int first = 0;
    if (!firstText.isNull()) {
        bool ok = false;
        first = firstText.toInt(&ok);
        if (!ok || first < 1 || first > int(RadioConfig{}.channels.size()))
            return fail(QStringLiteral("--first %1: not a channel 1..128").arg(messageText(firstText)),
                        Usage);
    }
    const QString path = args.first();
    if (isStandardStream(path) && isStandardStream(base))
        return fail(QStringLiteral("only one of IN.csv and BASE.dat can be standard input"), Usage);
    if (isStandardStream(output) && isatty(fileno(stdout)) == 1)
        return fail(QStringLiteral("the data file is not written to a terminal; redirect the output"), Usage);

    RadioConfig current;
    if (!base.isNull()) {
        const std::optional<RadioConfig> opened = openDataFile(base);
        if (!opened)
            return Failure;
        current = *opened;
    }
    const std::optional<QByteArray> text = readInput(path, CsvSizeLimit, inputfile::Oversize::Refuse);
    if (!text)
        return Failure;
    const channelcsv::ImportResult result = channelcsv::importChannels(
        *text, current, first > 0 ? channelcsv::Placement::FromChannel : channelcsv::Placement::ByLocation,
        std::max(first, 1));
    if (!result.error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(inputName(path), result.error));
    int refused = 0;
    for (const channelcsv::RowOutcome &row : result.rows) {
        const QString where = QStringLiteral("%1:%2: ").arg(inputName(path)).arg(row.line);
        for (const QString &warning : row.warnings)
            errorLine(where + QStringLiteral("warning: ") + warning);
        if (!row.taken()) {
            errorLine(where + row.refusal);
            ++refused;
        }
    }
    if (result.takenCount() == 0)
        return fail(QStringLiteral("%1: no row was imported; nothing written").arg(inputName(path)));
    if (strict && refused > 0)
        return fail(QStringLiteral("%1: %2 of %3 rows refused; nothing written (--strict)")
                        .arg(inputName(path))
                        .arg(refused)
                        .arg(result.rows.size()));
    // Save in a program that opened BASE.dat (or was just started) and imported the rows.
    return writeOutput(output, datfile::fileBytes(encode(result.config, MemoryImage{})));
}

} // namespace cli
