#include "gui/document.h"

#include "image/imagecodec.h"

Document::Document(QObject *parent) : QObject(parent) {}

void Document::setBand(int band) {
    m_config.band = band;
    emit changed(Band);
}

void Document::setChannel(int index, const Channel &channel) {
    if (index < 0 || index >= int(m_config.channels.size()))
        return;
    m_config.channels[std::size_t(index)] = channel;
    emit channelChanged(index);
}

void Document::clearChannels() {
    m_config.channels.fill(Channel{});
    emit changed(Channels);
}

void Document::setGeneral(const GeneralSettings &general) {
    m_config.general = general;
    emit changed(General);
}

void Document::setVfoA(const VfoSettings &vfo) {
    m_config.vfoA = vfo;
    emit changed(General);
}

void Document::setVfoB(const VfoSettings &vfo) {
    m_config.vfoB = vfo;
    emit changed(General);
}

void Document::setFm(const FmSettings &fm) {
    m_config.fm = fm;
    emit changed(Fm);
}

void Document::setCalibration(int slider, int value) {
    if (slider < 0 || slider >= int(m_config.calibration.size()))
        return;
    m_config.calibration[std::size_t(slider)] = value;
    emit changed(Calibration);
}

void Document::setDtmf(const DtmfSettings &dtmf) {
    m_config.dtmf = dtmf;
    emit changed(Dtmf);
}

void Document::setConfig(const RadioConfig &config) {
    m_config = config;
    emit changed(All);
}

void Document::decodeReadImage() {
    m_config = decode(m_readImage, m_config);
    m_readImage[mem::AlwaysFF] = mem::Empty;
    emit changed(All);
}

const MemoryImage &Document::encodeWriteImage() {
    m_writeImage = encode(m_config, m_writeImage);
    return m_writeImage;
}

void Document::setForceWriteMode(bool on) {
    m_forceWriteMode = on;
    emit modesChanged();
}

void Document::setCalibrationMode(bool on) {
    m_calibrationMode = on;
    emit modesChanged();
}

void Document::setNewChannelBandText(int index, bool on) {
    if (index >= 0 && index < int(m_newChannelBandText.size()))
        m_newChannelBandText[std::size_t(index)] = on;
}
