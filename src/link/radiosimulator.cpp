#include "link/radiosimulator.h"

#include "link/transaction.h"

namespace {
const QByteArray Program("PROGRAM");
constexpr int BlockHeader = 4;
} // namespace

RadioSimulator::RadioSimulator() : m_memory(MemorySize, mem::Empty) {}

void RadioSimulator::loadImage(const MemoryImage &image) {
    std::copy(image.begin(), image.end(), m_memory.begin());
}

MemoryImage RadioSimulator::image() const {
    MemoryImage image;
    std::copy_n(m_memory.begin(), image.size(), image.begin());
    return image;
}

QByteArray RadioSimulator::memory(int address, int length) const {
    QByteArray bytes;
    for (int i = 0; i < length; ++i)
        bytes.append(char(m_memory[std::size_t((address + i) % MemorySize)]));
    return bytes;
}

QByteArray RadioSimulator::identification() const {
    QByteArray id = m_model;
    id.append(char(0x32));
    id.append(char(0x30 | (m_band & 0x0F)));
    id.append(char(0x00));
    return id;
}

QList<RadioChunk> RadioSimulator::receive(const QByteArray &bytes) {
    QList<RadioChunk> out;
    m_input += bytes;
    while (!m_input.isEmpty() && parseOne(out)) {
    }
    return out;
}

bool RadioSimulator::parseOne(QList<RadioChunk> &out) {
    if (!m_inSession) {
        const qsizetype at = m_input.indexOf(Program);
        if (at < 0) {
            // Keep a possible beginning of "PROGRAM".
            if (m_input.size() >= Program.size())
                m_input = m_input.right(Program.size() - 1);
            return false;
        }
        m_input.remove(0, at + Program.size());
        m_frames.append(Program);
        startSession(out);
        return true;
    }
    const char command = m_input.at(0);
    switch (command) {
    case 'P':
        if (m_input.startsWith(Program)) {
            m_input.remove(0, Program.size());
            m_frames.append(Program);
            startSession(out);
            return true;
        }
        if (Program.startsWith(m_input))
            return false;
        break;
    case linkbytes::Ack:
        m_input.remove(0, 1);
        m_frames.append(QByteArray(1, command));
        reply(out, QByteArray(1, linkbytes::Ack));
        return true;
    case linkbytes::Identify:
        m_input.remove(0, 1);
        m_frames.append(QByteArray(1, command));
        reply(out, identification());
        return true;
    case linkbytes::EndOfProgramming:
        m_input.remove(0, 1);
        m_frames.append(QByteArray(1, command));
        // The end of a read is acknowledged (the program then sends 45 once more); the end of a write is not.
        if (!m_sessionWrote)
            reply(out, QByteArray(1, linkbytes::Ack));
        m_inSession = false;
        return true;
    case linkbytes::ReadCommand: {
        if (m_input.size() < BlockHeader)
            return false;
        const QByteArray frame = m_input.left(BlockHeader);
        m_input.remove(0, BlockHeader);
        m_frames.append(frame);
        const int address = (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]);
        const int length = std::uint8_t(frame[3]);
        QByteArray block = frame.left(BlockHeader);
        block[0] = linkbytes::WriteCommand;
        block += memory(address, length);
        if (m_faults.longBlocks)
            block.append(char(0x00));
        reply(out, block);
        return true;
    }
    case linkbytes::WriteCommand: {
        if (m_input.size() < BlockHeader)
            return false;
        const int length = std::uint8_t(m_input[3]);
        if (m_input.size() < BlockHeader + length)
            return false;
        const QByteArray frame = m_input.left(BlockHeader + length);
        m_input.remove(0, BlockHeader + length);
        m_frames.append(frame);
        const int address = (std::uint8_t(frame[1]) << 8) | std::uint8_t(frame[2]);
        for (int i = 0; i < length && address != m_faults.dropWriteAddress; ++i)
            m_memory[std::size_t((address + i) % MemorySize)] = std::uint8_t(frame[BlockHeader + i]);
        ++m_blocksWritten;
        m_sessionWrote = true;
        reply(out, QByteArray(1, linkbytes::Ack));
        return true;
    }
    default:
        break;
    }
    m_input.remove(0, 1); // not a frame the radio knows
    return true;
}

void RadioSimulator::startSession(QList<RadioChunk> &out) {
    m_inSession = true;
    m_sessionWrote = false;
    m_replies = 0;
    reply(out, QByteArray(1, linkbytes::Ack));
}

void RadioSimulator::reply(QList<RadioChunk> &out, const QByteArray &bytes) {
    const int number = ++m_replies;
    if (m_faults.silentFromReply > 0 && number >= m_faults.silentFromReply)
        return;
    QByteArray data = m_faults.replaceReply.value(number, bytes);
    data += m_faults.appendToReply.value(number);
    if (m_faults.repeatFromReply > 0 && number >= m_faults.repeatFromReply) {
        if (number == m_faults.repeatFromReply)
            m_repeated = data;
        data = m_repeated;
    }
    const int delay = (m_faults.slowReply == 0 || m_faults.slowReply == number) ? m_faults.slowMs : 0;
    const int piece = m_faults.pieceSize > 0 ? m_faults.pieceSize : int(data.size());
    for (int at = 0; at < data.size(); at += piece)
        out.append(RadioChunk{data.mid(at, piece), at == 0 ? delay : 0});
}
