#pragma once
// The part that the read and the write share: the accumulated receive text RxHex with its four tests, the
// frames, the watchdog count IdleTicks and the ways a transaction ends. No I/O: a driver feeds received
// bytes and watchdog ticks in and carries out the returned actions.
//
// Two bounds stand beside the watchdog, because a device that keeps talking (a radio stuck repeating one
// answer, a modem or GPS on the wrong port) gets a frame sent back again and again and so keeps IdleTicks
// low: a step that has not moved on within StepTickLimit ticks, and an answer longer than MaxAnswerBytes,
// end the transaction as the watchdog does. A radio that answers each frame within the watchdog time never
// meets either.

#include "link/linkactions.h"

#include <QByteArray>

class Transaction {
public:
    static constexpr int LastStep = 196;
    static constexpr int WatchdogIntervalMs = 50;
    static constexpr int WatchdogLimit = 10; // a tick with IdleTicks above this ends the transaction
    // A step holds at most two exchanges (request and block, acknowledge and 06); the watchdog allows each up
    // to 11 ticks, so a good radio moves on within 22, and the 24th tick of a step ends it.
    static constexpr int StepTickLimit = 2 * (WatchdogLimit + 2);
    // The longest answer of a radio is a data block of 20 bytes.
    static constexpr int MaxAnswerBytes = 64;

    virtual ~Transaction() = default;

    // Starts the watchdog and sends the programming request "PROGRAM".
    LinkActions start();
    // Bytes from the radio, as many as the driver had waiting.
    LinkActions onBytes(const QByteArray &bytes);
    // One watchdog tick (every 50 ms while the watchdog runs).
    LinkActions onTick();
    // The user gave up (closed the progress window): 45 is sent and the transaction ends as cancelled.
    LinkActions cancel();
    // The port failed (cable pulled): the transaction ends as after a time-out. The driver has closed the
    // port already, so the 45 in the actions cannot be sent any more.
    LinkActions portFailed();
    // The answer to a band question (write only).
    virtual LinkActions answerBandQuestion(bool ok);

    bool isActive() const { return m_active; }
    LinkOutcome outcome() const { return m_paused ? LinkOutcome::BandQuestion : m_outcome; }
    int step() const { return m_step; }
    const QByteArray &rxHex() const { return m_rxHex; }
    int receiveThreshold() const { return m_receiveThreshold; }
    bool watchdogRunning() const { return m_watchdogOn; }
    // The model text of an identification reply that named another model (empty when none came). Such a
    // reply fails the identification test, so the watchdog still ends the transaction; this only lets the
    // user be told why.
    const QByteArray &foreignModel() const { return m_foreignModel; }

protected:
    static const QByteArray &programRequest();
    static QByteArray readRequest(int address);
    static QByteArray dataBlock(int address, const QByteArray &data);

    // Applies the step table to RxHex (called after new bytes have been appended).
    virtual void handleStep(LinkActions &actions) = 0;

    // Every send empties RxHex and sets IdleTicks to 0.
    void send(LinkActions &actions, const QByteArray &frame, bool bytewise = false);
    void setReceiveThreshold(LinkActions &actions, int threshold);
    // Sends 45 and ends the transaction with the given outcome.
    void endWith(LinkActions &actions, LinkOutcome outcome);
    void stopWatchdog() { m_watchdogOn = false; }
    void startWatchdog() { m_watchdogOn = true; }
    void setPaused(bool paused) { m_paused = paused; }

    // An acknowledgement somewhere in the answer, as a whole byte: 00 06 and 06 FF hold, F0 6F does not.
    bool rxContainsAck() const;
    bool rxEquals06() const { return m_rxHex == "06"; }
    bool identificationTest() const { return m_rxHex.size() == 16 && m_rxHex.startsWith("4C512D4834"); }
    // A 20-byte data block that names the address asked for.
    bool blockTest(int address) const;

    int m_step = 1;

private:
    LinkActions endAsCommunicationError();

    void noteForeignModel();

    QByteArray m_rxHex;
    QByteArray m_foreignModel;
    int m_idleTicks = 0;
    int m_stepTicks = 0;
    int m_countedStep = 0;
    int m_receiveThreshold = 1;
    bool m_active = false;
    bool m_watchdogOn = false;
    bool m_paused = false;
    LinkOutcome m_outcome = LinkOutcome::Running;
};

namespace linkbytes {
inline constexpr char Ack = 0x06;
inline constexpr char Identify = 0x02;
inline constexpr char EndOfProgramming = 0x45;
inline constexpr char ReadCommand = 0x52;
inline constexpr char WriteCommand = 0x57;
inline constexpr char BlockLength = 0x10;
} // namespace linkbytes
