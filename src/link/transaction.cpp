#include "link/transaction.h"

LinkActions Transaction::start() {
    LinkActions actions;
    m_step = 1;
    m_active = true;
    m_paused = false;
    m_outcome = LinkOutcome::Running;
    m_watchdogOn = true;
    m_idleTicks = 0;
    m_stepTicks = 0;
    m_countedStep = m_step;
    m_foreignModel.clear();
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
    if (m_rxHex.size() > 2 * MaxAnswerBytes) {
        LinkActions ended = endAsCommunicationError();
        ended.progress = m_step;
        return ended;
    }
    actions.progress = m_step;
    noteForeignModel();
    handleStep(actions);
    actions.outcome = outcome();
    return actions;
}

LinkActions Transaction::onTick() {
    LinkActions actions;
    actions.outcome = outcome();
    if (!m_active || !m_watchdogOn)
        return actions;
    if (m_idleTicks > WatchdogLimit)
        return endAsCommunicationError();
    ++m_idleTicks;
    if (m_step != m_countedStep) {
        m_countedStep = m_step;
        m_stepTicks = 0;
    }
    if (++m_stepTicks >= StepTickLimit)
        return endAsCommunicationError();
    return actions;
}

LinkActions Transaction::endAsCommunicationError() {
    LinkActions actions;
    setReceiveThreshold(actions, 1);
    endWith(actions, LinkOutcome::CommunicationError);
    return actions;
}

void Transaction::noteForeignModel() {
    // Step 2 waits for the identification: a model text and three bytes. Another radio may name itself
    // with a text of another length; anything that is not printable text is not taken for a model.
    static const QByteArray ourModelHex("4C512D4834");
    constexpr int TrailingBytes = 3;
    if (m_step != 2)
        return;
    if (m_rxHex.startsWith(ourModelHex) || ourModelHex.startsWith(m_rxHex)) {
        m_foreignModel.clear();
        return;
    }
    const QByteArray reply = QByteArray::fromHex(m_rxHex);
    if (reply.size() <= TrailingBytes)
        return;
    const QByteArray model = reply.left(reply.size() - TrailingBytes);
    for (char c : model) {
        if (c < 0x20 || c > 0x7E)
            return;
    }
    m_foreignModel = model;
}

bool Transaction::rxContainsAck() const {
    for (qsizetype i = 0; i + 1 < m_rxHex.size(); i += 2) {
        if (m_rxHex[i] == '0' && m_rxHex[i + 1] == '6')
            return true;
    }
    return false;
}

bool Transaction::blockTest(int address) const {
    if (m_rxHex.size() != 40 || !m_rxHex.startsWith("57"))
        return false;
    return m_rxHex.mid(2, 4) == QByteArray::number(address, 16).toUpper().rightJustified(4, '0');
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
