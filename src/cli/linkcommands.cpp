#include "cli/linkcommands.h"

#include "cli/cliutil.h"
#include "cli/transferrunner.h"
#include "files/backups.h"
#include "files/datfile.h"
#include "files/radiocompare.h"
#include "image/imagecodec.h"
#include "link/linktrace.h"
#include "link/readtransaction.h"
#include "link/writetransaction.h"

#include <QFileInfo>

#include <memory>
#include <optional>
#include <vector>

namespace cli {

namespace {

// What the link commands share: the ports, the trace and the backups.
struct LinkArguments {
    QStringList ports;
    QString tracePath;
    bool noBackup = false;
};

// Takes every "--port P" / "-p P" / "--port=P"; false when one is given without a port or empty.
bool takePorts(QStringList &args, QStringList &ports) {
    for (;;) {
        const qsizetype before = args.size();
        QString port;
        if (!takeOption(args, QStringLiteral("-p"), QStringLiteral("--port"), &port))
            return false;
        if (args.size() == before)
            return true;
        if (port.isEmpty())
            return false;
        ports << port;
    }
}

bool takeFlag(QStringList &args, const QString &flag) {
    return args.removeAll(flag) > 0;
}

// Takes the options every link command has; false on a usage error.
bool takeLinkArguments(QStringList &args, LinkArguments &link) {
    link.noBackup = takeFlag(args, QStringLiteral("--no-backup"));
    const qsizetype before = args.size();
    if (!takeOption(args, QStringLiteral("--trace"), QStringLiteral("--trace"), &link.tracePath))
        return false;
    if (args.size() != before && link.tracePath.isEmpty())
        return false;
    return takePorts(args, link.ports) && !link.ports.isEmpty();
}

// The trace file, when one was asked for; false (reported) when it cannot be written.
bool openTrace(const LinkArguments &link, LinkTrace &trace) {
    if (link.tracePath.isEmpty())
        return true;
    QString error;
    if (trace.open(link.tracePath, &error))
        return true;
    fail(QStringLiteral("cannot write the trace %1: %2").arg(messageText(link.tracePath), error));
    return false;
}

// A backup of what a radio held; a backup that cannot be kept is said, but the command goes on.
void keepBackup(const LinkArguments &link, const MemoryImage &image) {
    if (link.noBackup)
        return;
    const backups::SaveResult saved = backups::save(image);
    if (!saved.error.isEmpty())
        fail(QStringLiteral("warning: no backup kept: %1").arg(saved.error));
}

// The result of one port: with one port the lines as they always were, with several one line each,
// named by the port.
class Report {
public:
    explicit Report(int ports) : m_several(ports > 1) {}

    bool several() const { return m_several; }

    void success(const PortTransfer &transfer, const QString &text) {
        m_ok = m_ok && out((prefix(transfer) + text + QLatin1Char('\n')).toUtf8());
    }
    void failure(const PortTransfer &transfer, const QStringList &lines, int code) {
        if (m_several)
            fail(prefix(transfer) + lines.join(QStringLiteral(": ")));
        else
            for (const QString &line : lines)
                fail(line);
        if (m_exit == Ok)
            m_exit = code;
    }
    // Lines on standard output (the differences of verify), each named by the port when there are several.
    void lines(const PortTransfer &transfer, const QStringList &lines) {
        for (const QString &line : lines)
            m_ok = m_ok && out((prefix(transfer) + line + QLatin1Char('\n')).toUtf8());
    }
    // Lines on standard error, each named by the port when there are several.
    void errorLines(const PortTransfer &transfer, const QStringList &lines, int code) {
        for (const QString &line : lines)
            fail(prefix(transfer) + line);
        if (m_exit == Ok)
            m_exit = code;
    }
    void setExit(int code) {
        if (m_exit == Ok)
            m_exit = code;
    }
    int exitCode() const {
        if (!m_ok && m_exit == Ok)
            return fail(QStringLiteral("cannot write to standard output"));
        return m_exit;
    }

private:
    QString prefix(const PortTransfer &transfer) const {
        return m_several ? portLabel(transfer.argument) + QStringLiteral(": ") : QString();
    }

    bool m_several;
    bool m_ok = true;
    int m_exit = Ok;
};

// The file's image as the programmer's Open, then Write builds it: the file is decoded into the editors'
// values and the write image is encoded from those.
struct WriteSource {
    RadioConfig config;
    MemoryImage image;
};

std::optional<WriteSource> openForWriting(const QString &path) {
    const datfile::ReadResult file = datfile::read(path);
    if (file.error == datfile::ReadError::CannotOpen) {
        fail(QStringLiteral("cannot open %1").arg(messageText(path)));
        return std::nullopt;
    }
    if (file.error == datfile::ReadError::NotRegular) {
        fail(QStringLiteral("%1: not a regular file").arg(messageText(path)));
        return std::nullopt;
    }
    if (file.error == datfile::ReadError::WrongType) {
        fail(QStringLiteral("File type is incorrect!"));
        return std::nullopt;
    }
    WriteSource source;
    source.config = decode(file.image, RadioConfig{});
    source.image = encode(source.config, filledImage(0x00));
    return source;
}

// The port options and the one FILE.dat of write and verify, the file opened as the programmer's Open does,
// and the trace; Ok, or the exit code after the failure was reported.
int takeFileAndTrace(QStringList &args, LinkArguments &link, LinkTrace &trace,
                     std::optional<WriteSource> &source, const char *usage) {
    if (!takeLinkArguments(args, link) || args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return fail(QStringLiteral("usage: %1").arg(QLatin1String(usage)), Usage);
    source = openForWriting(args.first());
    if (!source || !openTrace(link, trace))
        return Failure;
    return Ok;
}

// "out.dat" for one port; "out-1.dat", "out-2.dat", ... for several.
QString outputFor(const QString &output, int index, int count) {
    if (count == 1)
        return output;
    const QFileInfo info(output);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = suffix.isEmpty() ? output : output.left(output.size() - suffix.size());
    return QStringLiteral("%1-%2%3").arg(stem).arg(index + 1).arg(suffix);
}

// Reads every port at once into `images` (one per transfer).
void readAll(std::vector<std::unique_ptr<PortTransfer>> &transfers, std::vector<MemoryImage> &images,
             const QStringList &ports, LinkTrace *trace) {
    images.assign(std::size_t(ports.size()), filledImage(0x00));
    transfers.clear();
    std::vector<PortTransfer *> run;
    for (qsizetype i = 0; i < ports.size(); ++i) {
        transfers.push_back(std::make_unique<PortTransfer>(
            ports.at(i), std::make_unique<ReadTransaction>(images[std::size_t(i)])));
        run.push_back(transfers.back().get());
    }
    runTransfers(run, "Reading", false, trace);
}

QString differencesText(int count) {
    return count == 1 ? QStringLiteral("1 field differs") : QStringLiteral("%1 fields differ").arg(count);
}

// Reads every port at once. A port that could not be read is reported; the image of each one read is kept
// as a backup and handed to `done` with its transfer and its position among the ports.
template <typename Done>
void readEach(const LinkArguments &link, LinkTrace &trace, Report &report, Done done) {
    std::vector<std::unique_ptr<PortTransfer>> transfers;
    std::vector<MemoryImage> images;
    readAll(transfers, images, link.ports, &trace);
    for (std::size_t i = 0; i < transfers.size(); ++i) {
        const PortTransfer &transfer = *transfers[i];
        if (!transfer.succeeded()) {
            report.failure(transfer, failureLines(transfer, !report.several()), failureExit(transfer));
            continue;
        }
        keepBackup(link, images[i]);
        done(transfer, images[i], int(i));
    }
}

} // namespace

int runRead(const QStringList &arguments) {
    QStringList args = arguments;
    LinkArguments link;
    QString output;
    if (!takeLinkArguments(args, link) ||
        !takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output) || output.isEmpty() ||
        !args.isEmpty())
        return fail(
            QStringLiteral("usage: read --port DEVICE_OR_NUMBER [--port ...] -o OUT.dat [--no-backup] "
                           "[--trace FILE]"),
            Usage);
    // Standard output carries the success message; the data file needs a name.
    if (isStandardStream(output))
        return fail(QStringLiteral("read: -o - is not supported; give the name of the data file"), Usage);
    LinkTrace trace;
    if (!openTrace(link, trace))
        return Failure;

    Report report(int(link.ports.size()));
    const int count = int(link.ports.size());
    readEach(link, trace, report, [&](const PortTransfer &transfer, const MemoryImage &image, int index) {
        const QString path = outputFor(output, index, count);
        if (const QString error = datfile::write(path, image); !error.isEmpty()) {
            report.failure(transfer, {QStringLiteral("cannot write %1: %2").arg(messageText(path), error)},
                           Failure);
            return;
        }
        report.success(transfer, count == 1 ? QStringLiteral("Reading Frequency Successful!")
                                            : QStringLiteral("Reading Frequency Successful! (%1)").arg(path));
    });
    return report.exitCode();
}

int runWrite(const QStringList &arguments) {
    QStringList args = arguments;
    LinkArguments link;
    const bool forceBand = takeFlag(args, QStringLiteral("--force-band"));
    const bool calibration = takeFlag(args, QStringLiteral("--calibration"));
    const bool verify = takeFlag(args, QStringLiteral("--verify"));
    LinkTrace trace;
    std::optional<WriteSource> source;
    if (const int exit =
            takeFileAndTrace(args, link, trace, source,
                             "write --port DEVICE_OR_NUMBER [--port ...] FILE.dat [--force-band] "
                             "[--calibration] [--verify] [--trace FILE]");
        exit != Ok)
        return exit;

    const WriteOptions options{source->config.band, forceBand, calibration};
    std::vector<std::unique_ptr<PortTransfer>> transfers;
    std::vector<PortTransfer *> run;
    for (const QString &port : std::as_const(link.ports)) {
        transfers.push_back(
            std::make_unique<PortTransfer>(port, std::make_unique<WriteTransaction>(source->image, options)));
        run.push_back(transfers.back().get());
    }
    runTransfers(run, "Writing", forceBand, &trace);

    // With --verify every radio written is read back, all at once again.
    QStringList written;
    for (const auto &transfer : transfers) {
        if (transfer->succeeded())
            written << transfer->argument;
    }
    std::vector<std::unique_ptr<PortTransfer>> readBacks;
    std::vector<MemoryImage> images;
    if (verify && !written.isEmpty())
        readAll(readBacks, images, written, &trace);

    Report report(int(link.ports.size()));
    const bool several = report.several();
    std::size_t next = 0;
    for (const auto &transfer : transfers) {
        if (!transfer->succeeded()) {
            report.failure(*transfer, failureLines(*transfer, !several), failureExit(*transfer));
            continue;
        }
        if (verify) {
            const std::size_t at = next++;
            const PortTransfer &readBack = *readBacks[at];
            if (!readBack.succeeded()) {
                QStringList lines = failureLines(readBack, !several);
                lines.first().prepend(QStringLiteral("written, but not read back: "));
                report.failure(*transfer, lines, failureExit(readBack));
                continue;
            }
            const radiocompare::Result result = radiocompare::compare(images[at], source->image, calibration);
            if (!result.equal()) {
                report.errorLines(*transfer,
                                  QStringList{QStringLiteral("the radio does not hold what was written (%1; "
                                                             "radio -> file):")
                                                  .arg(differencesText(result.count()))} +
                                      result.lines(),
                                  Failure);
                continue;
            }
        }
        report.success(*transfer, QStringLiteral("Writing Frequency Successful!"));
    }
    return report.exitCode();
}

int runVerify(const QStringList &arguments) {
    QStringList args = arguments;
    LinkArguments link;
    const bool calibration = takeFlag(args, QStringLiteral("--calibration"));
    LinkTrace trace;
    std::optional<WriteSource> source;
    if (const int exit =
            takeFileAndTrace(args, link, trace, source,
                             "verify --port DEVICE_OR_NUMBER [--port ...] FILE.dat [--calibration] "
                             "[--no-backup] [--trace FILE]");
        exit != Ok)
        return exit;

    Report report(int(link.ports.size()));
    readEach(link, trace, report, [&](const PortTransfer &transfer, const MemoryImage &image, int) {
        const radiocompare::Result result = radiocompare::compare(image, source->image, calibration);
        if (result.equal()) {
            report.success(transfer, QStringLiteral("no differences"));
            return;
        }
        if (report.several())
            report.success(transfer, differencesText(result.count()));
        report.lines(transfer, result.lines());
        report.setExit(Failure);
    });
    return report.exitCode();
}

} // namespace cli
