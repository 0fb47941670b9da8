#pragma once
// The radio link commands of orlex-k7-cli: read (radio -> .dat) and write (.dat -> radio).

#include <QStringList>

namespace cli {

// Exit codes of the link commands, beside cli::Ok, cli::Failure (file errors) and cli::Usage.
enum LinkExit : int {
    InvalidPort = 3,        // the port cannot be opened
    CommunicationError = 4, // the radio did not answer as expected, or the port failed during the transfer
    BandRefused = 5,        // the radio's band differs from the file's (write without --force-band)
    Interrupted = 6,        // stopped by Ctrl-C, SIGTERM or SIGHUP (45 was sent)
};

int runRead(const QStringList &args);
int runWrite(const QStringList &args);

} // namespace cli
