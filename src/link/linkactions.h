#pragma once
// What a transaction asks its driver to do after an event: frames to send, the receive threshold, the
// progress value and how the transaction stands.

#include <QByteArray>
#include <QList>

#include <optional>

enum class LinkOutcome {
    Running,            // waiting for the radio
    Success,            // the last step was reached
    CommunicationError, // the watchdog (or a port failure) ended it
    BandRefused,        // the radio's band differs and ForceWriteMode is off
    BandQuestion,       // the radio's band differs: the driver asks the user and calls answerBandQuestion
    Cancelled,          // the band question was declined or the user closed the progress window
};

struct LinkFrame {
    QByteArray bytes;
    bool bytewise = false; // read requests and data blocks go out one byte per output call
};

struct LinkActions {
    QList<LinkFrame> frames;             // to send, in order
    std::optional<int> receiveThreshold; // new receive threshold in bytes (1 or 20)
    std::optional<int> progress;         // new progress bar value (the step, 1..196)
    LinkOutcome outcome = LinkOutcome::Running;

    bool finished() const { return outcome != LinkOutcome::Running && outcome != LinkOutcome::BandQuestion; }
};
