#pragma once
// The write: "PROGRAM", identification with the model and band check, then the write image block by block
// (0x07C0/0x07D0 never, 0x07E0/0x07F0 only in calibration mode, three zero blocks at 0x0C00..0x0C20).

#include "image/memoryimage.h"
#include "link/transaction.h"

struct WriteOptions {
    int bandPosition = 0;         // the band list's position the radio must report
    bool forceWriteMode = false;  // a band mismatch asks instead of refusing
    bool calibrationMode = false; // the calibration blocks 0x07E0 and 0x07F0 are written
};

class WriteTransaction : public Transaction {
public:
    static constexpr int FirstBlockStep = 3;
    static constexpr int CalibrationStepA = 127; // 0x07E0
    static constexpr int CalibrationStepB = 128; // 0x07F0
    static constexpr int LastBlockStep = 195;    // 0x0C20

    WriteTransaction(const MemoryImage &writeImage, const WriteOptions &options)
        : m_image(writeImage), m_options(options) {}

    // WriteStep
    int writeStep() const { return m_step; }
    // The radio's band code as last identified: 0..15, or -1 before identification.
    int radioBand() const { return m_radioBand; }

    LinkActions answerBandQuestion(bool ok) override;

protected:
    void handleStep(LinkActions &actions) override;

private:
    // The block frame for a step (3..195), or an empty array where a single 06 goes instead.
    QByteArray blockForStep(int step) const;
    // The address written at a step, or -1 where nothing is written.
    int addressForStep(int step) const;
    void handleIdentification(LinkActions &actions);

    MemoryImage m_image;
    WriteOptions m_options;
    int m_radioBand = -1;
    bool m_questionOpen = false;
};
