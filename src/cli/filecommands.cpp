#include "cli/filecommands.h"

#include "cli/cliinput.h"
#include "cli/cliutil.h"
#include "cli/jsonduplicates.h"
#include "files/configjson.h"
#include "files/datfile.h"
#include "files/inputfile.h"
#include "image/imagecodec.h"

#include <QJsonDocument>
#include <QJsonParseError>

#include <optional>

#include <unistd.h>

namespace cli {

namespace {

constexpr qint64 JsonSizeLimit = 1 << 20; // a whole configuration takes about 40 KiB

} // namespace

int runDecode(const QStringList &arguments) {
    QStringList args = arguments;
    const bool usedOnly = args.removeAll(QStringLiteral("--used")) > 0;
    if (args.size() != 1 || !isInputArgument(args.first()))
        return fail(QStringLiteral("usage: %1 decode FILE.dat [--used]").arg(QLatin1String(ProgramName)),
                    Usage);
    const QString path = args.first();
    const std::optional<QByteArray> contents =
        readInput(path, datfile::FileSize, inputfile::Oversize::Truncate);
    if (!contents)
        return Failure;
    const std::optional<MemoryImage> image = datfile::imageFromBytes(*contents);
    if (!image)
        return fail(QStringLiteral("%1: not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")")
                        .arg(inputName(path)));
    // What a freshly started program shows after opening the file.
    const RadioConfig config = decode(*image, RadioConfig{});
    const configjson::Channels channels = usedOnly ? configjson::Channels::Used : configjson::Channels::All;
    return outOrFail(QJsonDocument(configjson::toJson(config, channels)).toJson(QJsonDocument::Indented));
}

int runEncode(const QStringList &arguments) {
    QStringList args = arguments;
    QString output;
    const bool strict = args.removeAll(QStringLiteral("--strict")) > 0;
    const bool optionOk = takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output);
    if (!optionOk || output.isEmpty() || args.size() != 1 || !isInputArgument(args.first()))
        return fail(QStringLiteral("usage: %1 encode FILE.json -o OUT.dat [--strict]")
                        .arg(QLatin1String(ProgramName)),
                    Usage);
    const QString path = args.first();
    if (isStandardStream(output) && isatty(fileno(stdout)) == 1)
        return fail(QStringLiteral("the data file is not written to a terminal; redirect the output"), Usage);

    const std::optional<QByteArray> text = readInput(path, JsonSizeLimit, inputfile::Oversize::Refuse);
    if (!text)
        return Failure;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(*text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = int(text->left(parseError.offset).count('\n')) + 1;
        return fail(QStringLiteral("%1: malformed JSON at line %2: %3")
                        .arg(inputName(path), QString::number(line), parseError.errorString()));
    }
    if (!doc.isObject())
        return fail(QStringLiteral("%1: the JSON must be one object").arg(inputName(path)));
    if (const QString duplicate = configjson::duplicateMember(*text); !duplicate.isEmpty())
        return fail(QStringLiteral("%1: %2: the member is given more than once")
                        .arg(inputName(path), messageText(duplicate)));

    // A freshly started program whose editors hold the JSON's values; the previous write image is all 0x00.
    RadioConfig config;
    QStringList warnings;
    const QString error = configjson::apply(doc.object(), config, &warnings);
    if (!error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(inputName(path), error));
    for (const QString &warning : warnings)
        fail(QStringLiteral("%1: %2").arg(inputName(path), warning));
    if (strict && !warnings.isEmpty())
        return fail(QStringLiteral("%1: %2 %3 the windows would refuse; nothing written (--strict)")
                        .arg(inputName(path))
                        .arg(warnings.size())
                        .arg(warnings.size() == 1 ? QStringLiteral("value") : QStringLiteral("values")));
    const MemoryImage image = encode(config, MemoryImage{});
    if (isStandardStream(output))
        return outOrFail(datfile::fileBytes(image));
    const QString writeError = datfile::write(output, image);
    if (!writeError.isEmpty())
        return fail(QStringLiteral("%1: cannot write the file: %2").arg(messageText(output), writeError));
    return Ok;
}

} // namespace cli
