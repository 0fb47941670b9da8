#include "link/readtransaction.h"

namespace {
constexpr int BlockThreshold = 20;
constexpr int DataOffsetInBlock = 4;
} // namespace

void ReadTransaction::handleStep(LinkActions &actions) {
    const QByteArray ack(1, linkbytes::Ack);
    if (m_step == 1) {
        if (rxContainsAck()) {
            send(actions, QByteArray(1, linkbytes::Identify));
            m_step = 2;
        }
    } else if (m_step == 2) {
        // The identification reply is acknowledged without moving on; the radio's 06 to that moves on.
        if (identificationTest()) {
            send(actions, ack);
        } else if (rxEquals06()) {
            requestBlock(actions, 0);
            m_step = FirstBlockStep;
        }
    } else if (m_step >= FirstBlockStep && m_step <= LastBlockStep) {
        // A block labelled with another address is not the one asked for (a confused or babbling line): it
        // is not taken, and the watchdog ends the read.
        if (blockTest((m_step - FirstBlockStep) * int(mem::BlockSize))) {
            if (m_step < LastBlockStep) {
                const QByteArray block = QByteArray::fromHex(rxHex());
                const std::size_t offset = std::size_t(m_step - FirstBlockStep) * mem::BlockSize;
                for (std::size_t i = 0; i < mem::BlockSize; ++i)
                    m_image[offset + i] = std::uint8_t(block[int(DataOffsetInBlock + i)]);
            }
            acknowledgeBlock(actions);
        } else if (rxEquals06()) {
            if (m_step < LastBlockStep) {
                requestBlock(actions, (m_step - 2) * int(mem::BlockSize));
                ++m_step;
            } else {
                send(actions, QByteArray(1, linkbytes::EndOfProgramming));
                m_step = LastStep;
            }
        }
    } else if (m_step == LastStep) {
        if (rxEquals06())
            endWith(actions, LinkOutcome::Success);
    }
}

void ReadTransaction::requestBlock(LinkActions &actions, int address) {
    send(actions, readRequest(address), true);
    setReceiveThreshold(actions, BlockThreshold);
}

void ReadTransaction::acknowledgeBlock(LinkActions &actions) {
    send(actions, QByteArray(1, linkbytes::Ack));
    setReceiveThreshold(actions, 1);
}
