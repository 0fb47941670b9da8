#include "cli/linkcommands.h"

#include "cli/cliutil.h"
#include "files/datfile.h"
#include "image/imagecodec.h"
#include "link/portnumbering.h"
#include "link/readtransaction.h"
#include "link/seriallink.h"
#include "link/writetransaction.h"

#include <QEventLoop>
#include <QTimer>

#include <array>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace cli {

namespace {

const char InvalidPortText[] = "The serial port is invalid";
const char CommunicationErrorText[] =
    "Communication error, check the line and the serial connection selection!";
const char BandRefusedText[] = "The frequency band is not accorded with, can't write into!";

constexpr std::array<int, 3> EndingSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t interruptRequested = 0;
void onInterrupt(int) {
    interruptRequested = 1;
}

// A one-line bar on stderr, redrawn in place; only when stderr is a terminal.
class ProgressBar {
public:
    explicit ProgressBar(const char *label) : m_label(label), m_enabled(isatty(fileno(stderr)) == 1) {}
    ~ProgressBar() { done(); }

    void show(int step) {
        if (!m_enabled)
            return;
        constexpr int Width = 40;
        const int percent = std::clamp((step - 1) * 100 / (Transaction::LastStep - 1), 0, 100);
        const int filled = percent * Width / 100;
        std::fprintf(stderr, "\r%s [%s%s] %3d%%", m_label, QByteArray(filled, '#').constData(),
                     QByteArray(Width - filled, ' ').constData(), percent);
        std::fflush(stderr);
        m_drawn = true;
    }
    void done() {
        if (m_drawn)
            std::fputc('\n', stderr);
        m_drawn = false;
    }

private:
    const char *m_label;
    bool m_enabled;
    bool m_drawn = false;
};

// Runs one transaction to its end; answers a band question with `forceBand`.
// Returns the outcome, or nullopt when the port cannot be opened.
std::optional<LinkOutcome> runTransaction(const QString &device, std::unique_ptr<Transaction> transaction,
                                          const char *label, bool forceBand) {
    SerialLink link;
    ProgressBar bar(label);
    QEventLoop loop;
    LinkOutcome outcome = LinkOutcome::Running;
    QObject::connect(&link, &SerialLink::progress, &link, [&bar](int step) { bar.show(step); });
    QObject::connect(&link, &SerialLink::bandQuestion, &link,
                     [&link, forceBand](int) { link.answerBandQuestion(forceBand); });
    QObject::connect(&link, &SerialLink::finished, &link, [&](LinkOutcome result) {
        outcome = result;
        loop.quit();
    });

    // Ctrl-C, a kill and a closed terminal all end the transfer the same way: the radio is told that
    // programming has ended, instead of being left in programming mode.
    interruptRequested = 0;
    struct sigaction interrupt {};
    interrupt.sa_handler = onInterrupt;
    std::array<struct sigaction, EndingSignals.size()> previous{};
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        sigaction(EndingSignals[i], &interrupt, &previous[i]);
    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, &link, [&link]() {
        if (interruptRequested)
            link.cancel();
    });
    interruptPoll.start(50);

    std::optional<LinkOutcome> result;
    if (link.start(device, std::move(transaction))) {
        if (link.isRunning())
            loop.exec();
        result = outcome;
    }
    for (std::size_t i = 0; i < EndingSignals.size(); ++i)
        sigaction(EndingSignals[i], &previous[i], nullptr);
    bar.done();
    return result;
}

int failureExit(LinkOutcome outcome) {
    switch (outcome) {
    case LinkOutcome::BandRefused:
        return fail(QString::fromLatin1(BandRefusedText), BandRefused);
    case LinkOutcome::Cancelled:
        return fail(QStringLiteral("interrupted"), Interrupted);
    default:
        return fail(QString::fromLatin1(CommunicationErrorText), CommunicationError);
    }
}

bool takeFlag(QStringList &args, const QString &flag) {
    return args.removeAll(flag) > 0;
}

} // namespace

int runRead(const QStringList &arguments) {
    QStringList args = arguments;
    QString port;
    QString output;
    if (!takeOption(args, QStringLiteral("-p"), QStringLiteral("--port"), &port) ||
        !takeOption(args, QStringLiteral("-o"), QStringLiteral("--output"), &output) || port.isEmpty() ||
        output.isEmpty() || !args.isEmpty())
        return fail(QStringLiteral("usage: read --port DEVICE_OR_NUMBER -o OUT.dat"), Usage);
    // Standard output carries the success message; the data file needs a name.
    if (isStandardStream(output))
        return fail(QStringLiteral("read: -o - is not supported; give the name of the data file"), Usage);

    MemoryImage readImage = filledImage(0x00);
    const std::optional<LinkOutcome> outcome = runTransaction(
        ports::deviceForArgument(port), std::make_unique<ReadTransaction>(readImage), "Reading", false);
    if (!outcome)
        return fail(QString::fromLatin1(InvalidPortText), InvalidPort);
    if (*outcome != LinkOutcome::Success)
        return failureExit(*outcome);
    if (const QString error = datfile::write(output, readImage); !error.isEmpty())
        return fail(QStringLiteral("cannot write %1: %2").arg(messageText(output), error));
    return outOrFail("Reading Frequency Successful!\n");
}

int runWrite(const QStringList &arguments) {
    QStringList args = arguments;
    QString port;
    const bool forceBand = takeFlag(args, QStringLiteral("--force-band"));
    const bool calibration = takeFlag(args, QStringLiteral("--calibration"));
    if (!takeOption(args, QStringLiteral("-p"), QStringLiteral("--port"), &port) || port.isEmpty() ||
        args.size() != 1 || args.first().startsWith(QLatin1Char('-')))
        return fail(
            QStringLiteral("usage: write --port DEVICE_OR_NUMBER FILE.dat [--force-band] [--calibration]"),
            Usage);

    // As the programmer's Open, then Write: the file's image is decoded into the editors' values, and the
    // write image is built from those.
    const QString path = args.first();
    const datfile::ReadResult file = datfile::read(path);
    if (file.error == datfile::ReadError::CannotOpen)
        return fail(QStringLiteral("cannot open %1").arg(messageText(path)));
    if (file.error == datfile::ReadError::NotRegular)
        return fail(QStringLiteral("%1: not a regular file").arg(messageText(path)));
    if (file.error == datfile::ReadError::WrongType)
        return fail(QStringLiteral("File type is incorrect!"));
    const RadioConfig config = decode(file.image, RadioConfig{});
    const MemoryImage writeImage = encode(config, filledImage(0x00));

    const WriteOptions options{config.band, forceBand, calibration};
    const std::optional<LinkOutcome> outcome =
        runTransaction(ports::deviceForArgument(port),
                       std::make_unique<WriteTransaction>(writeImage, options), "Writing", forceBand);
    if (!outcome)
        return fail(QString::fromLatin1(InvalidPortText), InvalidPort);
    if (*outcome != LinkOutcome::Success)
        return failureExit(*outcome);
    return outOrFail("Writing Frequency Successful!\n");
}

} // namespace cli
