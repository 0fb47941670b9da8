#include "gui/document.h"

#include "gui/snapshotcommand.h"
#include "image/imagecodec.h"

#include <QtDebug>

Document::Document(QObject *parent) : QObject(parent) {
    connect(&m_history, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
    connect(&m_history, &QUndoStack::indexChanged, this, &Document::historyChanged);
}

Document::~Document() {
    // The steps refer to this document; they go before it does.
    m_history.clear();
}

ChangeText Document::readText() {
    return {"读频", "Read Data from the Transceive"};
}

ChangeText Document::channelText(int index) {
    return {QStringLiteral("频道%1").arg(index + 1), QStringLiteral("Channel %1").arg(index + 1)};
}

void Document::push(SnapshotCommand *command) {
    if (m_assigning) {
        // A window answering a change with another change would nest undo steps; the change is dropped.
        qWarning("Document: a change made while another one is being put in place is ignored");
        delete command;
        return;
    }
    m_history.push(command); // runs the step's redo(), which assigns
}

void Document::apply(const ChangeText &text, const RadioConfig &after, int mergeKey) {
    if (after == m_config)
        return;
    push(new SnapshotCommand(*this, text, m_config, after, mergeKey));
}

void Document::replace(const ChangeText &text, const RadioConfig &after, const QString &filePath,
                       bool loaded) {
    if (after != m_config || filePath != m_filePath)
        push(new SnapshotCommand(*this, text, m_config, after, 0,
                                 SnapshotCommand::Files{m_filePath, filePath, loaded}));
    else if (loaded)
        assign(after, &filePath, true); // nothing to undo, but every window loads itself again
    if (loaded)
        m_history.setClean();
}

SnapshotCommand *Document::lastStep() const {
    const int index = m_history.index();
    if (index <= 0)
        return nullptr;
    // The history holds only this document's steps.
    return const_cast<SnapshotCommand *>(static_cast<const SnapshotCommand *>(m_history.command(index - 1)));
}

void Document::sealChange() {
    if (SnapshotCommand *last = lastStep())
        last->seal();
}

ChangeText Document::undoText() const {
    const SnapshotCommand *last = lastStep();
    return last ? last->changeText() : ChangeText();
}

ChangeText Document::redoText() const {
    const int index = m_history.index();
    if (index >= m_history.count())
        return {};
    return static_cast<const SnapshotCommand *>(m_history.command(index))->changeText();
}

void Document::assign(const RadioConfig &config, const QString *filePath, bool reloadAll) {
    int parts = 0;
    int changedChannel = -1;
    int changedChannels = 0;
    for (std::size_t i = 0; i < config.channels.size(); ++i) {
        if (config.channels[i] != m_config.channels[i]) {
            ++changedChannels;
            changedChannel = int(i);
        }
    }
    if (changedChannels > 1)
        parts |= Channels;
    if (config.band != m_config.band)
        parts |= Band;
    if (config.general != m_config.general || config.vfoA != m_config.vfoA || config.vfoB != m_config.vfoB)
        parts |= General;
    if (config.fm != m_config.fm)
        parts |= Fm;
    if (config.calibration != m_config.calibration)
        parts |= Calibration;
    if (config.dtmf != m_config.dtmf)
        parts |= Dtmf;
    if (filePath && changedChannels == 1)
        parts |= Channels; // a new set of channels shows the lists' own texts again
    if (reloadAll)
        parts = All;

    m_config = config;
    const bool fileChanged = filePath && *filePath != m_filePath;
    if (fileChanged)
        m_filePath = *filePath;

    m_assigning = true;
    if (changedChannels == 1 && !(parts & Channels))
        emit channelChanged(changedChannel);
    if (parts != 0)
        emit changed(Part(parts));
    if (fileChanged)
        emit filePathChanged(m_filePath);
    m_assigning = false;
}

void Document::setBand(int band, const ChangeText &text) {
    RadioConfig after = m_config;
    after.band = band;
    apply(text.isEmpty() ? ChangeText("频段", "Range") : text, after);
}

void Document::setChannel(int index, const Channel &channel, const ChangeText &text, int mergeKey) {
    if (index < 0 || index >= int(m_config.channels.size()))
        return;
    RadioConfig after = m_config;
    after.channels[std::size_t(index)] = channel;
    apply(text.isEmpty() ? channelText(index) : text, after, mergeKey);
}

void Document::clearChannels(const ChangeText &text) {
    RadioConfig after = m_config;
    after.channels.fill(Channel{});
    apply(text.isEmpty() ? ChangeText("信道编辑", "Channel Edit") : text, after);
}

void Document::setGeneral(const GeneralSettings &general, const ChangeText &text, int mergeKey) {
    RadioConfig after = m_config;
    after.general = general;
    apply(text.isEmpty() ? ChangeText("可选功能", "Optional Features") : text, after, mergeKey);
}

void Document::setVfoA(const VfoSettings &vfo, const ChangeText &text, int mergeKey) {
    RadioConfig after = m_config;
    after.vfoA = vfo;
    apply(text.isEmpty() ? ChangeText("A组全频频率", "A Group VFO") : text, after, mergeKey);
}

void Document::setVfoB(const VfoSettings &vfo, const ChangeText &text, int mergeKey) {
    RadioConfig after = m_config;
    after.vfoB = vfo;
    apply(text.isEmpty() ? ChangeText("B组全频频率", "B Group VFO") : text, after, mergeKey);
}

void Document::setFm(const FmSettings &fm, const ChangeText &text) {
    RadioConfig after = m_config;
    after.fm = fm;
    apply(text.isEmpty() ? ChangeText("FM频道设置", "FM Channel Set") : text, after);
}

void Document::setCalibration(int slider, int value, const ChangeText &text, int mergeKey) {
    if (slider < 0 || slider >= int(m_config.calibration.size()))
        return;
    RadioConfig after = m_config;
    after.calibration[std::size_t(slider)] = value;
    apply(text.isEmpty() ? ChangeText("调试", "Debugging") : text, after, mergeKey);
}

void Document::setDtmf(const DtmfSettings &dtmf, const ChangeText &text, int mergeKey) {
    RadioConfig after = m_config;
    after.dtmf = dtmf;
    apply(text.isEmpty() ? ChangeText("DTMF", "DTMF") : text, after, mergeKey);
}

void Document::setConfig(const RadioConfig &config) {
    m_history.clear();
    m_config = config;
    const bool fileChanged = !m_filePath.isEmpty();
    m_filePath.clear();
    m_assigning = true;
    emit changed(All);
    if (fileChanged)
        emit filePathChanged(m_filePath);
    m_assigning = false;
    emit historyChanged();
}

void Document::markSaved(const QString &filePath) {
    if (filePath != m_filePath) {
        m_filePath = filePath;
        emit filePathChanged(m_filePath);
    }
    m_history.setClean();
}

void Document::decodeReadImage(const ChangeText &text, const QString &filePath) {
    const RadioConfig decoded = decode(m_readImage, m_config);
    m_readImage[mem::AlwaysFF] = mem::Empty;
    replace(text, decoded, filePath, true);
}

void Document::decodeReadImage() {
    decodeReadImage(readText(), QString());
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
