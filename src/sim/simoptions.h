#pragma once
// Command-line options of orlex-k7-sim.

#include "link/radiosimulator.h"

#include <QString>
#include <QStringList>

struct SimOptions {
    QString imagePath; // --image FILE.dat: the radio's memory at start
    QString dumpPath;  // --dump FILE.dat: written on exit and on SIGUSR1
    QString linkPath;  // --link PATH: a symbolic link to the pseudo-terminal's device
    QByteArray model = "LQ-H4";
    int band = 0;
    bool pace = false; // deliver and charge bytes at 9600 baud
    bool log = false;  // print the exchange on stderr
    RadioFaults faults;
};

// Fills `options` from the arguments (without the program name); returns an error text, empty when fine.
QString parseSimOptions(const QStringList &args, SimOptions &options);
QString simUsage();
