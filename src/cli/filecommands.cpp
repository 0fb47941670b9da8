#include "cli/filecommands.h"

#include "cli/cliutil.h"
#include "cli/configjson.h"
#include "files/datfile.h"
#include "image/imagecodec.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonParseError>

namespace cli {

int runDecode(const QStringList &args) {
    if (args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return fail(QStringLiteral("usage: %1 decode FILE.dat").arg(QLatin1String(ProgramName)), Usage);
    const QString path = args.first();
    const datfile::ReadResult r = datfile::read(path);
    if (r.error == datfile::ReadError::CannotOpen) {
        const QString why =
            QFileInfo::exists(path) ? QStringLiteral("cannot be read") : QStringLiteral("does not exist");
        return fail(QStringLiteral("%1: the file %2").arg(path, why));
    }
    if (r.error == datfile::ReadError::WrongType)
        return fail(
            QStringLiteral("%1: not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")").arg(path));
    // What a freshly started program shows after opening the file.
    const RadioConfig config = decode(r.image, RadioConfig{});
    out(QJsonDocument(configjson::toJson(config)).toJson(QJsonDocument::Indented));
    return Ok;
}

int runEncode(const QStringList &arguments) {
    QStringList args = arguments;
    QString output;
    const bool optionOk = takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output);
    if (!optionOk || output.isEmpty() || args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return fail(QStringLiteral("usage: %1 encode FILE.json -o OUT.dat").arg(QLatin1String(ProgramName)),
                    Usage);
    const QString path = args.first();

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const QString why =
            file.exists() ? QStringLiteral("cannot be read") : QStringLiteral("does not exist");
        return fail(QStringLiteral("%1: the file %2").arg(path, why));
    }
    const QByteArray text = file.readAll();
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const int line = int(text.left(parseError.offset).count('\n')) + 1;
        return fail(QStringLiteral("%1: malformed JSON at line %2: %3")
                        .arg(path)
                        .arg(line)
                        .arg(parseError.errorString()));
    }
    if (!doc.isObject())
        return fail(QStringLiteral("%1: the JSON must be one object").arg(path));

    // A freshly started program whose editors hold the JSON's values; the previous write image is all 0x00.
    RadioConfig config;
    const QString error = configjson::apply(doc.object(), config);
    if (!error.isEmpty())
        return fail(QStringLiteral("%1: %2").arg(path, error));
    const QString writeError = datfile::write(output, encode(config, MemoryImage{}));
    if (!writeError.isEmpty())
        return fail(QStringLiteral("%1: cannot write the file: %2").arg(output, writeError));
    return Ok;
}

} // namespace cli
