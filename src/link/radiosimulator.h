#pragma once
// The radio's side of the programming protocol as a plain state machine: bytes from the program in,
// replies out. It has a memory of its own (the image and the addresses the program sends past it), a model
// text and a band code, and can be made to misbehave for tests.

#include "image/memoryimage.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <vector>

struct RadioChunk {
    QByteArray bytes;
    int delayMs = 0; // wait this long before sending the chunk
};

struct RadioFaults {
    // Replies are counted per programming session from 1 (the 06 to "PROGRAM").
    int silentFromReply = 0;             // 0: never silent; N: reply N and all later ones are not sent
    QMap<int, QByteArray> replaceReply;  // reply N is replaced by these bytes (garbage)
    QMap<int, QByteArray> appendToReply; // stray bytes sent right after reply N
    bool longBlocks = false;             // data blocks carry one extra byte (21 bytes)
    int pieceSize = 0;                   // 0: whole replies; N: replies go out in pieces of N bytes
    int slowReply = -1;                  // reply N waits slowMs before it goes out (0: every reply)
    int slowMs = 0;
    int repeatFromReply = 0;   // 0: off; N: reply N, and then every later reply, is reply N again
    int dropWriteAddress = -1; // a data block written to this address is acknowledged but not stored
};

class RadioSimulator {
public:
    static constexpr int MemorySize = 0x10000;
    static constexpr int IdentificationLength = 8;

    RadioSimulator();

    void loadImage(const MemoryImage &image);
    MemoryImage image() const;
    // Memory content at any address (past the image too); 0xFF where nothing was ever written.
    QByteArray memory(int address, int length) const;

    void setModelText(const QByteArray &model) { m_model = model; }
    void setBandCode(int band) { m_band = band; }
    void setFaults(const RadioFaults &faults) { m_faults = faults; }
    const RadioFaults &faults() const { return m_faults; }

    // Bytes from the program; returns what the radio sends back, in order.
    QList<RadioChunk> receive(const QByteArray &bytes);

    // Every frame received so far, as parsed (all sessions).
    const QList<QByteArray> &receivedFrames() const { return m_frames; }
    int blocksWritten() const { return m_blocksWritten; }

private:
    // The identification reply: model text, then 32, 30 + band code, 00.
    QByteArray identification() const;
    // Parses one frame from the front of the input; false when more bytes are needed.
    bool parseOne(QList<RadioChunk> &out);
    void startSession(QList<RadioChunk> &out);
    void reply(QList<RadioChunk> &out, const QByteArray &bytes);

    std::vector<std::uint8_t> m_memory;
    QByteArray m_model = "LQ-H4";
    int m_band = 0;
    RadioFaults m_faults;
    QByteArray m_input;
    bool m_inSession = false;
    bool m_sessionWrote = false;
    int m_replies = 0;
    int m_blocksWritten = 0;
    QByteArray m_repeated; // the reply a repeating radio is stuck on
    QList<QByteArray> m_frames;
};
