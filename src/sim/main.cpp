// orlex-k7-sim: an ORLEX-K7 radio on a pseudo-terminal, for tests, benchmarks and trying the programmer
// without a radio.

#include "devicelink.h"
#include "ptyradio.h"
#include "simoptions.h"

#include "cmdline/commandline.h"
#include "files/datfile.h"
#include "files/messagetext.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

namespace {
volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t dumpRequested = 0;

void onStop(int) {
    stopRequested = 1;
}
void onDump(int) {
    dumpRequested = 1;
}

int fail(const QString &message) {
    std::fprintf(stderr, "orlex-k7-sim: %s\n", qPrintable(message));
    return 2;
}
} // namespace

int main(int argc, char *argv[]) {
#ifdef SIGXFSZ
    // Past a file-size limit the dump then fails and is reported, instead of the signal ending the simulator.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    // The handlers come first: whoever starts the simulator may stop it as soon as it has printed its device
    // path (or even earlier), and it must still end in order, with its dump.
    struct sigaction stop {};
    stop.sa_handler = onStop;
    sigaction(SIGTERM, &stop, nullptr);
    sigaction(SIGINT, &stop, nullptr);
    sigaction(SIGHUP, &stop, nullptr);
    struct sigaction dump {};
    dump.sa_handler = onDump;
    sigaction(SIGUSR1, &dump, nullptr);

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(cmdline::version());
    cmdline::CommandLine commandLine(QStringLiteral("orlex-k7-sim"), simDescription());
    addSimOptions(commandLine.parser());
    if (const std::optional<int> done = commandLine.process(QCoreApplication::arguments()))
        return *done;
    SimOptions options;
    if (const QString error = readSimOptions(commandLine.parser(), options); !error.isEmpty())
        return cmdline::usageError(QStringLiteral("orlex-k7-sim"), error);

    RadioSimulator radio;
    radio.setModelText(options.model);
    radio.setBandCode(options.band);
    radio.setFaults(options.faults);
    if (!options.imagePath.isEmpty()) {
        const datfile::ReadResult file = datfile::read(options.imagePath);
        if (file.error == datfile::ReadError::CannotOpen)
            return fail(QStringLiteral("cannot open %1").arg(messageText(options.imagePath)));
        if (file.error == datfile::ReadError::NotRegular)
            return fail(QStringLiteral("%1 is not a regular file").arg(messageText(options.imagePath)));
        if (file.error == datfile::ReadError::WrongType)
            return fail(QStringLiteral("%1 is not a data file").arg(messageText(options.imagePath)));
        radio.loadImage(file.image);
    }

    PtyRadio pty(radio, options.pace);
    pty.setLog(options.log);
    QString error;
    const QString device = pty.open(error);
    if (device.isEmpty())
        return fail(QStringLiteral("cannot create a pseudo-terminal: %1").arg(error));
    if (!options.linkPath.isEmpty()) {
        if (const QString linkError = devicelink::create(options.linkPath, device); !linkError.isEmpty())
            return fail(linkError);
    }
    std::printf("%s\n", qPrintable(device));
    std::fflush(stdout);

    auto dumpImage = [&]() {
        if (options.dumpPath.isEmpty())
            return;
        if (const QString writeError = datfile::write(options.dumpPath, radio.image()); !writeError.isEmpty())
            std::fprintf(stderr, "orlex-k7-sim: cannot write %s: %s\n",
                         qPrintable(messageText(options.dumpPath)), qPrintable(writeError));
    };
    pty.run(&stopRequested, &dumpRequested, dumpImage);
    dumpImage();
    if (!options.linkPath.isEmpty())
        devicelink::remove(options.linkPath, device);
    return 0;
}
