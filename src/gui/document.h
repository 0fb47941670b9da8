#pragma once
// The open configuration: what every editor window shows, the read image (filled by a radio read or Open)
// and the write image (built for Save and Write). Windows are views of it: they change it through the
// setters and follow its signals.

#include "image/memoryimage.h"
#include "image/radioconfig.h"

#include <QObject>

#include <bitset>

class Document : public QObject {
    Q_OBJECT
public:
    enum Part {
        Band = 0x01,
        Channels = 0x02,
        General = 0x04, // general settings and both VFO sides (the optional-features window)
        Fm = 0x08,
        Calibration = 0x10,
        Dtmf = 0x20,
        All = 0x3F,
    };
    Q_ENUM(Part)

    explicit Document(QObject *parent = nullptr);

    const RadioConfig &config() const { return m_config; }

    void setBand(int band);
    void setChannel(int index, const Channel &channel); // index 0..127
    void clearChannels();
    void setGeneral(const GeneralSettings &general);
    void setVfoA(const VfoSettings &vfo);
    void setVfoB(const VfoSettings &vfo);
    void setFm(const FmSettings &fm);
    void setCalibration(int slider, int value);
    void setDtmf(const DtmfSettings &dtmf);
    // Replaces everything (for tests and the command line); emits changed(All).
    void setConfig(const RadioConfig &config);

    // The read image: a radio read or an Open puts an image here, then loadReadImage spreads it.
    const MemoryImage &readImage() const { return m_readImage; }
    MemoryImage &readImage() { return m_readImage; }
    // Spreads the read image over the editors (decode) and sets its byte 1815 to 0xFF.
    void decodeReadImage();
    // Builds the write image from the editors (encode) and returns it.
    const MemoryImage &encodeWriteImage();
    const MemoryImage &writeImage() const { return m_writeImage; }

    // The hidden service modes; off at every start.
    bool forceWriteMode() const { return m_forceWriteMode; }
    bool calibrationMode() const { return m_calibrationMode; }
    void setForceWriteMode(bool on);
    void setCalibrationMode(bool on);

    // Channels whose Band cell shows the text a newly typed channel gets ("Wide") rather than the list's
    // entry for the same position ("wide" in English). The channel table sets and clears them; they live here
    // so that the report prints what the table shows. No signal: the table repaints the cells itself.
    const std::bitset<128> &newChannelBandText() const { return m_newChannelBandText; }
    void setNewChannelBandText(int index, bool on);
    void clearNewChannelBandText() { m_newChannelBandText.reset(); }

signals:
    void changed(Document::Part part);
    void channelChanged(int index);
    void modesChanged();

private:
    RadioConfig m_config;
    MemoryImage m_readImage{};  // 0x00 at program start
    MemoryImage m_writeImage{}; // 0x00 at program start
    bool m_forceWriteMode = false;
    bool m_calibrationMode = false;
    std::bitset<128> m_newChannelBandText;
};
