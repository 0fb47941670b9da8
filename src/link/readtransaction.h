#pragma once
// The read: "PROGRAM", identification, then 193 blocks of 16 bytes requested one by one. Each block goes
// straight into the read image at the place given by the step counter, so a read that fails half way
// leaves the blocks received so far in the image and nothing else changed.

#include "image/memoryimage.h"
#include "link/transaction.h"

class ReadTransaction : public Transaction {
public:
    static constexpr int FirstBlockStep = 3;
    static constexpr int LastBlockStep = 195; // requests 0x0C00, past the image; its data are dropped

    explicit ReadTransaction(MemoryImage &readImage) : m_image(readImage) {}

    // ReadStep
    int readStep() const { return m_step; }

protected:
    void handleStep(LinkActions &actions) override;

private:
    void requestBlock(LinkActions &actions, int address);
    void acknowledgeBlock(LinkActions &actions);

    MemoryImage &m_image;
};
