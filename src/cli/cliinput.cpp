#include "cli/cliinput.h"

#include "cli/cliutil.h"
#include "files/datfile.h"
#include "files/savefile.h"
#include "image/imagecodec.h"

namespace cli {

QString inputName(const QString &path) {
    return isStandardStream(path) ? QStringLiteral("standard input") : messageText(path);
}

bool isInputArgument(const QString &arg) {
    return isStandardStream(arg) || !arg.startsWith(QLatin1Char('-'));
}

std::optional<QByteArray> readInput(const QString &path, qint64 limit, inputfile::Oversize oversize) {
    const inputfile::Result input = isStandardStream(path) ? inputfile::readStandardInput(limit, oversize)
                                                           : inputfile::read(path, limit, oversize);
    QString why;
    switch (input.error) {
    case inputfile::Error::None:
        return input.bytes;
    case inputfile::Error::Missing:
        why = QStringLiteral("the file does not exist");
        break;
    case inputfile::Error::NotRegular:
        why = QStringLiteral("not a regular file");
        break;
    case inputfile::Error::TooLarge:
        why = QStringLiteral("larger than %1 bytes, too large for a configuration").arg(limit);
        break;
    case inputfile::Error::CannotRead:
        why = QStringLiteral("the file cannot be read");
        break;
    }
    fail(QStringLiteral("%1: %2").arg(inputName(path), why));
    return std::nullopt;
}

std::optional<DataInput> readDataFile(const QString &path) {
    std::optional<QByteArray> contents = readInput(path, datfile::FileSize, inputfile::Oversize::Truncate);
    if (!contents)
        return std::nullopt;
    const std::optional<MemoryImage> image = datfile::imageFromBytes(*contents);
    if (!image) {
        fail(QStringLiteral("%1: not an ORLEX-K7 data file (it does not begin with \"PWB-7K\")")
                 .arg(inputName(path)));
        return std::nullopt;
    }
    return DataInput{std::move(*contents), *image};
}

std::optional<RadioConfig> openDataFile(const QString &path) {
    const std::optional<DataInput> file = readDataFile(path);
    if (!file)
        return std::nullopt;
    return decode(file->image, RadioConfig{});
}

int writeOutput(const QString &path, const QByteArray &bytes) {
    if (isStandardStream(path))
        return outOrFail(bytes);
    const QString error = savefile::write(path, bytes);
    if (!error.isEmpty())
        return fail(QStringLiteral("%1: cannot write the file: %2").arg(messageText(path), error));
    return Ok;
}

} // namespace cli
