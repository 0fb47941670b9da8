#include "cli/diffcommand.h"

#include "cli/cliinput.h"
#include "cli/cliutil.h"
#include "files/configdiff.h"
#include "files/configjson.h"
#include "files/datfile.h"
#include "image/imagecodec.h"

#include <optional>

namespace cli {

namespace {

// As diff(1): 0 the same, 1 different, 2 trouble.
enum DiffExit { Same = 0, Different = 1, Trouble = 2 };

struct Opened {
    QByteArray header; // the file's first bytes, up to the header size
    MemoryImage image;
};

std::optional<Opened> open(const QString &path) {
    const std::optional<DataInput> file = readDataFile(path);
    if (!file)
        return std::nullopt;
    return Opened{file->contents.left(datfile::HeaderSize), file->image};
}

// Header offsets whose bytes differ (a byte missing from a short file differs from any byte).
QList<configdiff::ByteRange> headerDifferences(const QByteArray &a, const QByteArray &b) {
    QList<configdiff::ByteRange> ranges;
    for (int i = 0; i < datfile::HeaderSize; ++i) {
        const bool same = (i < a.size()) == (i < b.size()) && (i >= a.size() || a.at(i) == b.at(i));
        if (same)
            continue;
        if (!ranges.isEmpty() && ranges.last().last == i - 1)
            ranges.last().last = i;
        else
            ranges << configdiff::ByteRange{i, i};
    }
    return ranges;
}

} // namespace

int runDiff(const QStringList &args) {
    if (args.size() != 2 || !isInputArgument(args.at(0)) || !isInputArgument(args.at(1)))
        return fail(QStringLiteral("usage: %1 diff A.dat B.dat").arg(QLatin1String(ProgramName)), Trouble);
    if (isStandardStream(args.at(0)) && isStandardStream(args.at(1)))
        return fail(QStringLiteral("only one of A.dat and B.dat can be standard input"), Trouble);
    const std::optional<Opened> a = open(args.at(0));
    if (!a)
        return Trouble;
    const std::optional<Opened> b = open(args.at(1));
    if (!b)
        return Trouble;

    QStringList lines = configdiff::jsonDifferences(configjson::toJson(decode(a->image, RadioConfig{})),
                                                    configjson::toJson(decode(b->image, RadioConfig{})));
    for (const configdiff::ByteRange &r : headerDifferences(a->header, b->header))
        lines << configdiff::rangeLine(r, QStringLiteral("header "), 2);
    for (const configdiff::ByteRange &r : configdiff::unshownBytes(a->image, b->image))
        lines << configdiff::rangeLine(r, QString(), 4);
    if (lines.isEmpty())
        return Same;
    if (!out((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()))
        return fail(QStringLiteral("cannot write to standard output"), Trouble);
    return Different;
}

} // namespace cli
