#pragma once
// Plays a RadioSimulator on a pseudo-terminal. The program under test opens the terminal's device like a
// serial port. The simulator keeps the device open itself, so the terminal survives the program closing and
// reopening it between transactions. With pacing, every byte takes its 9600-baud wire time (10 bits) in
// both directions: the radio's bytes are delivered one by one at that rate, and the program's bytes are
// handled only once they would have finished arriving.

#include "link/radiosimulator.h"

#include <QString>

#include <csignal>
#include <cstdint>
#include <deque>
#include <functional>

class PtyRadio {
public:
    static constexpr std::int64_t ByteTimeNs = 10 * 1000000000LL / 9600; // 1.04 ms

    PtyRadio(RadioSimulator &radio, bool pace) : m_radio(radio), m_pace(pace) {}
    ~PtyRadio();

    // Prints every frame received ("<- "), every reply as it is scheduled ("-> ") and "== all sent" whenever
    // the last scheduled byte has been written to the terminal, on stderr.
    void setLog(bool on) { m_log = on; }

    // Creates the terminal; returns its device path, or an empty string with `error` set.
    QString open(QString &error);
    // Serves the radio until *stop is set; calls `dump` whenever *dumpRequest is set (and clears it).
    void run(const volatile std::sig_atomic_t *stop, volatile std::sig_atomic_t *dumpRequest,
             const std::function<void()> &dump);

private:
    struct Pending {
        std::int64_t at; // monotonic ns
        QByteArray bytes;
    };

    void log(qsizetype framesBefore, const QList<RadioChunk> &chunks) const;
    void arrive(const QByteArray &bytes, std::int64_t now);
    void schedule(const QList<RadioChunk> &chunks, std::int64_t base);
    void deliverDue(std::int64_t now);

    RadioSimulator &m_radio;
    bool m_pace;
    bool m_log = false;
    int m_master = -1;
    int m_slave = -1;
    std::deque<Pending> m_input;
    std::deque<Pending> m_output;
    std::int64_t m_rxBusyUntil = 0;
    std::int64_t m_txBusyUntil = 0;
};
