#pragma once
// Runs transfers of orlex-k7-cli: one transaction per port, all at the same time on one event loop (one
// SerialLink each, no threads). Ctrl-C, SIGTERM and SIGHUP give every running transfer up cleanly (45 is
// sent). A progress bar on stderr is drawn when there is one port and stderr is a terminal.

#include "link/linkactions.h"
#include "link/portproblem.h"
#include "link/transaction.h"

#include <QString>

#include <memory>
#include <vector>

class LinkTrace;

namespace cli {

struct PortTransfer {
    PortTransfer(const QString &portArgument, std::unique_ptr<Transaction> transfer);

    QString argument; // the port as given on the command line: a number or a device path
    QString device;   // the device it names
    std::unique_ptr<Transaction> transaction;

    // After the run:
    PortProblem problem = PortProblem::None; // not None: the port could not be opened, nothing was sent
    QString problemDetail;                   // the port's error text
    LinkOutcome outcome = LinkOutcome::Running;
    QByteArray foreignModel; // the model text of a radio of another model, when that ended it

    bool succeeded() const { return problem == PortProblem::None && outcome == LinkOutcome::Success; }
};

// The port as the user knows it: "COM2 (/dev/ttyUSB1)" for a number, the path as given otherwise.
QString portLabel(const QString &argument);

// Runs the transaction of every transfer to its end. A band question is answered with `forceBand`.
// `label` ("Reading", "Writing") names the progress bar. Every frame goes to `trace` when given.
void runTransfers(const std::vector<PortTransfer *> &transfers, const char *label, bool forceBand,
                  LinkTrace *trace);

// The lines that report a failed transfer (without the program name): the first as before, a second one
// giving the reason where it is known, starting with the port unless `named` is false (the port is said
// already).
QStringList failureLines(const PortTransfer &transfer, bool named = true);
// The exit status of a failed transfer.
int failureExit(const PortTransfer &transfer);

} // namespace cli
