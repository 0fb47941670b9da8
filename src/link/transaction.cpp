#include "link/transaction.h"

LinkActions Transaction::start() {
    LinkActions actions;
    m_step = 1;
    m_active = true;
    m_paused = false;
    m_outcome = LinkOutcome::Running;
    m_watchdogOn = true;
    m_idleTicks = 0;
    send(actions, programRequest());
    return actions;
}

LinkActions Transaction::onBytes(const QByteArray &bytes) {
    LinkActions actions;
    m_rxHex += bytes.toHex().toUpper();
    if (!m_active) {
        actions.outcome = outcome();
        return actions;
    }
    if (m_paused) {
        actions.outcome = LinkOutcome::BandQuestion;
        return actions;
    }
    actions.progress = m_step;
    handleStep(actions);
    actions.outcome = outcome();
    return actions;
}

LinkActions Transaction::onTick() {
    LinkActions actions;
    actions.outcome = outcome();
    if (!m_active || !m_watchdogOn)
        return actions;
    if (m_idleTicks <= WatchdogLimit) {
        ++m_idleTicks;
        return actions;
    }
    setReceiveThreshold(actions, 1);
    endWith(actions, LinkOutcome::CommunicationError);
    return actions;
}

LinkActions Transaction::cancel() {
    LinkActions actions;
    actions.outcome = outcome();
    if (m_active)
        endWith(actions, LinkOutcome::Cancelled);
    return actions;
}

LinkActions Transaction::portFailed() {
    LinkActions actions;
    actions.outcome = outcome();
    if (m_active)
        endWith(actions, LinkOutcome::CommunicationError);
    return actions;
}

LinkActions Transaction::answerBandQuestion(bool) {
    LinkActions actions;
    actions.outcome = outcome();
    return actions;
}

const QByteArray &Transaction::programRequest() {
    static const QByteArray request("PROGRAM");
    return request;
}

QByteArray Transaction::readRequest(int address) {
    QByteArray frame;
    frame.append(linkbytes::ReadCommand);
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(linkbytes::BlockLength);
    return frame;
}

QByteArray Transaction::dataBlock(int address, const QByteArray &data) {
    QByteArray frame;
    frame.append(linkbytes::WriteCommand);
    frame.append(char((address >> 8) & 0xFF));
    frame.append(char(address & 0xFF));
    frame.append(linkbytes::BlockLength);
    frame.append(data);
    return frame;
}

void Transaction::send(LinkActions &actions, const QByteArray &frame, bool bytewise) {
    m_rxHex.clear();
    m_idleTicks = 0;
    actions.frames.append(LinkFrame{frame, bytewise});
}

void Transaction::setReceiveThreshold(LinkActions &actions, int threshold) {
    m_receiveThreshold = threshold;
    actions.receiveThreshold = threshold;
}

void Transaction::endWith(LinkActions &actions, LinkOutcome outcome) {
    send(actions, QByteArray(1, linkbytes::EndOfProgramming));
    m_active = false;
    m_paused = false;
    m_watchdogOn = false;
    m_outcome = outcome;
    actions.outcome = outcome;
}
