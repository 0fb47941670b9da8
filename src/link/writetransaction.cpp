#include "link/writetransaction.h"

namespace {
constexpr int BandCharIndex = 13;    // the 14th character of RxHex: low nibble of reply byte 7
constexpr int ImageBlockSteps = 126; // steps 3..126 write 0x0000..0x07B0
constexpr int ZeroBlockFirstStep = 193;

int bandDigit(char c) {
    return (c >= '0' && c <= '9') ? c - '0' : c >= 'A' && c <= 'F' ? 10 + (c - 'A') : -1;
}
} // namespace

int WriteTransaction::addressForStep(int step) const {
    if (step >= FirstBlockStep && step <= ImageBlockSteps)
        return (step - 3) * int(mem::BlockSize);
    if (step == CalibrationStepA || step == CalibrationStepB)
        return m_options.calibrationMode
                   ? int(mem::CalibrationArea) + (step - CalibrationStepA) * int(mem::BlockSize)
                   : -1;
    if (step > CalibrationStepB && step <= LastBlockStep)
        return (step - 1) * int(mem::BlockSize);
    return -1;
}

QByteArray WriteTransaction::blockForStep(int step) const {
    const int address = addressForStep(step);
    if (address < 0)
        return {};
    QByteArray data(int(mem::BlockSize), '\0');
    if (step < ZeroBlockFirstStep) {
        for (int i = 0; i < int(mem::BlockSize); ++i)
            data[i] = char(m_image[std::size_t(address + i)]);
    }
    return dataBlock(address, data);
}

void WriteTransaction::handleStep(LinkActions &actions) {
    if (m_step == 1) {
        if (rxContainsAck()) {
            send(actions, QByteArray(1, linkbytes::Identify));
            m_step = 2;
        }
    } else if (m_step == 2) {
        handleIdentification(actions);
    } else if (m_step >= FirstBlockStep && m_step <= LastBlockStep) {
        if (rxContainsAck()) {
            const QByteArray block = blockForStep(m_step);
            if (block.isEmpty())
                send(actions, QByteArray(1, linkbytes::Ack));
            else
                send(actions, block, true);
            ++m_step;
        }
    } else if (m_step == LastStep) {
        if (rxContainsAck())
            endWith(actions, LinkOutcome::Success);
    }
}

void WriteTransaction::handleIdentification(LinkActions &actions) {
    if (!identificationTest())
        return;
    // A band code of 10 or more (a letter) never equals a band position.
    m_radioBand = bandDigit(rxHex().at(BandCharIndex));
    if (m_radioBand == m_options.bandPosition) {
        send(actions, QByteArray(1, linkbytes::Ack));
        m_step = FirstBlockStep;
        return;
    }
    if (m_options.forceWriteMode) {
        stopWatchdog();
        setPaused(true);
        m_questionOpen = true;
        actions.outcome = LinkOutcome::BandQuestion;
        return;
    }
    stopWatchdog();
    endWith(actions, LinkOutcome::BandRefused);
}

LinkActions WriteTransaction::answerBandQuestion(bool ok) {
    LinkActions actions;
    actions.outcome = outcome();
    if (!m_questionOpen || !isActive())
        return actions;
    m_questionOpen = false;
    setPaused(false);
    if (ok) {
        startWatchdog();
        send(actions, QByteArray(1, linkbytes::Ack));
        m_step = FirstBlockStep;
    } else {
        endWith(actions, LinkOutcome::Cancelled);
    }
    actions.outcome = outcome();
    return actions;
}
