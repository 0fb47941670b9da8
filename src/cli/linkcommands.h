#pragma once
// The radio link commands of orlex-k7-cli: read (radio -> .dat), write (.dat -> radio) and verify (radio
// compared with what a write of a .dat would send). Each takes one or more ports and runs one transfer per
// port, all at the same time; every successful read of a radio also keeps a backup (--no-backup: none), and
// --trace FILE writes every frame to FILE.

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
// Exit 0 when every radio holds what a write would send, 1 when one differs (the fields are listed).
int runVerify(const QStringList &args);

} // namespace cli
