#include "cli/transferrunner.h"

#include "cli/cliutil.h"
#include "cli/linkcommands.h"
#include "link/portnumbering.h"
#include "link/seriallink.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>
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
constexpr int EnglishIndex = 1;

constexpr std::array<int, 3> EndingSignals{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t interruptRequested = 0;
void onInterrupt(int) {
    interruptRequested = 1;
}

// A one-line bar on stderr, redrawn in place; only when stderr is a terminal.
class ProgressBar {
public:
    ProgressBar(const char *label, bool wanted)
        : m_label(label), m_enabled(wanted && isatty(fileno(stderr)) == 1) {}
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

// Ctrl-C, a kill and a closed terminal all end the transfers the same way while this object lives: the
// radios are told that programming has ended, instead of being left in programming mode.
class InterruptGuard {
public:
    InterruptGuard() {
        interruptRequested = 0;
        struct sigaction interrupt {};
        interrupt.sa_handler = onInterrupt;
        for (std::size_t i = 0; i < EndingSignals.size(); ++i)
            sigaction(EndingSignals[i], &interrupt, &m_previous[i]);
    }
    ~InterruptGuard() {
        for (std::size_t i = 0; i < EndingSignals.size(); ++i)
            sigaction(EndingSignals[i], &m_previous[i], nullptr);
    }
    static bool requested() { return interruptRequested != 0; }

private:
    std::array<struct sigaction, EndingSignals.size()> m_previous{};
};

} // namespace

PortTransfer::PortTransfer(const QString &portArgument, std::unique_ptr<Transaction> transfer)
    : argument(portArgument), device(ports::deviceForArgument(portArgument)),
      transaction(std::move(transfer)) {}

QString portLabel(const QString &argument) {
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    return isNumber ? ports::displayName(number) : argument;
}

void runTransfers(const std::vector<PortTransfer *> &transfers, const char *label, bool forceBand,
                  LinkTrace *trace) {
    QEventLoop loop;
    ProgressBar bar(label, transfers.size() == 1);
    InterruptGuard guard;
    std::vector<std::unique_ptr<SerialLink>> links;
    int running = 0;

    for (PortTransfer *transfer : transfers) {
        auto link = std::make_unique<SerialLink>();
        SerialLink *l = link.get();
        l->setTrace(trace);
        QObject::connect(l, &SerialLink::progress, l, [&bar](int step) { bar.show(step); });
        QObject::connect(l, &SerialLink::bandQuestion, l,
                         [l, forceBand](int) { l->answerBandQuestion(forceBand); });
        QObject::connect(l, &SerialLink::finished, l, [&, transfer, l](LinkOutcome outcome) {
            transfer->outcome = outcome;
            transfer->foreignModel = l->transaction()->foreignModel();
            if (--running == 0)
                loop.quit();
        });
        // Counted before the start: a port that fails while "PROGRAM" goes out ends within start().
        ++running;
        if (!l->start(transfer->device, std::move(transfer->transaction))) {
            --running;
            transfer->problem = l->openProblem();
            transfer->problemDetail = l->openErrorText();
        }
        links.push_back(std::move(link));
    }

    QTimer interruptPoll;
    QObject::connect(&interruptPoll, &QTimer::timeout, &loop, [&links]() {
        if (!InterruptGuard::requested())
            return;
        for (const auto &link : links)
            link->cancel();
    });
    interruptPoll.start(50);
    if (running > 0)
        loop.exec();
    bar.done();
}

QStringList failureLines(const PortTransfer &transfer, bool named) {
    if (transfer.problem != PortProblem::None)
        return {QString::fromLatin1(InvalidPortText),
                ports::problemText(transfer.problem, named ? portLabel(transfer.argument) : QString(),
                                   transfer.problemDetail, EnglishIndex)};
    switch (transfer.outcome) {
    case LinkOutcome::BandRefused:
        return {QString::fromLatin1(BandRefusedText)};
    case LinkOutcome::Cancelled:
        return {QStringLiteral("interrupted")};
    default:
        break;
    }
    QStringList lines{QString::fromLatin1(CommunicationErrorText)};
    if (!transfer.foreignModel.isEmpty())
        lines.append(ports::foreignModelText(transfer.foreignModel, EnglishIndex));
    return lines;
}

int failureExit(const PortTransfer &transfer) {
    if (transfer.problem != PortProblem::None)
        return InvalidPort;
    switch (transfer.outcome) {
    case LinkOutcome::Success:
        return Ok;
    case LinkOutcome::BandRefused:
        return BandRefused;
    case LinkOutcome::Cancelled:
        return Interrupted;
    default:
        return CommunicationError;
    }
}

} // namespace cli
