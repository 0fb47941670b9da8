#pragma once
// Command-line options of orlex-k7-sim.

#include "link/radiosimulator.h"

#include <QString>

class QCommandLineParser;

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

// What --help says above the options.
QString simDescription();
// Declares the simulator's options.
void addSimOptions(QCommandLineParser &parser);
// Fills `options` from a parser that has parsed the command line; returns an error text, empty when fine.
QString readSimOptions(const QCommandLineParser &parser, SimOptions &options);
