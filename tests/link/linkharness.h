#pragma once
// Runs a transaction against a RadioSimulator in virtual time, with no port: frames go straight to the
// radio, its replies come back as a driver would deliver them (receive threshold honoured), watchdog ticks
// every 50 ms of virtual time.

#include "link/radiosimulator.h"
#include "link/transaction.h"

#include <QList>

#include <functional>

class LinkHarness {
public:
    LinkHarness(Transaction &transaction, RadioSimulator &radio) : m_tx(transaction), m_radio(radio) {}

    std::function<bool(int step)> answerQuestion; // unset: the question stays open and the run stops
    QList<LinkFrame> sent;
    QList<int> progress;
    int questions = 0;
    qint64 nowMs = 0;
    qint64 lastSendMs = 0;

    LinkOutcome run(qint64 limitMs = 120000) {
        apply(m_tx.start());
        while (m_tx.isActive() && nowMs < limitMs) {
            if (m_tx.outcome() == LinkOutcome::BandQuestion) {
                if (!answerQuestion)
                    break;
                m_nextTick = nowMs + Transaction::WatchdogIntervalMs;
                apply(m_tx.answerBandQuestion(answerQuestion(m_tx.step())));
                continue;
            }
            const bool haveBytes = !m_queue.isEmpty();
            if (haveBytes && m_queue.first().first <= m_nextTick) {
                const auto [at, bytes] = m_queue.takeFirst();
                nowMs = at;
                m_waiting += bytes;
                if (m_waiting.size() >= m_tx.receiveThreshold()) {
                    const QByteArray delivered = m_waiting;
                    m_waiting.clear();
                    apply(m_tx.onBytes(delivered));
                }
            } else {
                nowMs = m_nextTick;
                m_nextTick += Transaction::WatchdogIntervalMs;
                apply(m_tx.onTick());
            }
        }
        return m_tx.outcome();
    }

    void apply(const LinkActions &actions) {
        if (actions.progress)
            progress.append(*actions.progress);
        if (actions.outcome == LinkOutcome::BandQuestion)
            ++questions;
        for (const LinkFrame &frame : actions.frames) {
            sent.append(frame);
            lastSendMs = nowMs;
            qint64 at = m_queue.isEmpty() ? nowMs : std::max(nowMs, m_queue.last().first);
            for (const RadioChunk &chunk : m_radio.receive(frame.bytes)) {
                at += chunk.delayMs;
                m_queue.append({at, chunk.bytes});
            }
        }
    }

    // The sent frames as upper-case hex, one string per frame.
    QStringList sentHex() const {
        QStringList list;
        for (const LinkFrame &frame : sent)
            list.append(QString::fromLatin1(frame.bytes.toHex(' ').toUpper()));
        return list;
    }

private:
    Transaction &m_tx;
    RadioSimulator &m_radio;
    QList<QPair<qint64, QByteArray>> m_queue;
    QByteArray m_waiting;
    qint64 m_nextTick = Transaction::WatchdogIntervalMs;
};
