#pragma once
// The open configuration: what every editor window shows, the read image (filled by a radio read or Open)
// and the write image (built for Save and Write). Windows are views of it: they change it through apply() or
// the setters and follow its signals.
//
// Every change is one step of the undo history, holding the configuration before and after. The history also
// knows whether the configuration differs from what was last saved, opened or read (isModified), and which
// file the configuration belongs to.

#include "gui/changetext.h"
#include "image/memoryimage.h"
#include "image/radioconfig.h"

#include <QObject>
#include <QUndoStack>

#include <bitset>

class SnapshotCommand;

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

    // Changes that follow each other with the same merge key become one undo step (the letters typed into one
    // box, the positions a slider passes while dragged). A key is a group and a control's index in it.
    enum MergeGroup {
        ChannelNameGroup = 1,
        OptionControlGroup = 2,
        DtmfControlGroup = 3,
        CalibrationSliderGroup = 4,
    };
    static int mergeKey(MergeGroup group, int index) { return (int(group) << 16) | (index & 0xFFFF); }

    explicit Document(QObject *parent = nullptr);
    ~Document() override;

    const RadioConfig &config() const { return m_config; }

    // One undo step from the present configuration to `after`, named `text`. Nothing happens when `after` is
    // the present configuration. A non-zero `mergeKey` equal to the step just before joins that step, until
    // sealChange().
    void apply(const ChangeText &text, const RadioConfig &after, int mergeKey = 0);
    // A new content (New, Open, Read): one undo step that also names the file the content belongs to ("" for
    // none). `loaded`: the content is what a file or the radio holds, so the document is not modified and
    // every window loads itself again (an FM draft included).
    void replace(const ChangeText &text, const RadioConfig &after, const QString &filePath, bool loaded);
    // The next change starts a step of its own even when its merge key equals the last one's.
    void sealChange();

    // Shorthands for apply(); an empty text names the step after what it changes.
    void setBand(int band, const ChangeText &text = {});
    void setChannel(int index, const Channel &channel, const ChangeText &text = {},
                    int mergeKey = 0); // index 0..127
    void clearChannels(const ChangeText &text = {});
    void setGeneral(const GeneralSettings &general, const ChangeText &text = {}, int mergeKey = 0);
    void setVfoA(const VfoSettings &vfo, const ChangeText &text = {}, int mergeKey = 0);
    void setVfoB(const VfoSettings &vfo, const ChangeText &text = {}, int mergeKey = 0);
    void setFm(const FmSettings &fm, const ChangeText &text = {});
    void setCalibration(int slider, int value, const ChangeText &text = {}, int mergeKey = 0);
    void setDtmf(const DtmfSettings &dtmf, const ChangeText &text = {}, int mergeKey = 0);
    // Loads a configuration as a fresh start (tests and the command line): no undo history, not modified, no
    // file; emits changed(All).
    void setConfig(const RadioConfig &config);

    // The undo history.
    QUndoStack &history() { return m_history; }
    bool canUndo() const { return m_history.canUndo(); }
    bool canRedo() const { return m_history.canRedo(); }
    void undo() { m_history.undo(); }
    void redo() { m_history.redo(); }
    // Names of the steps that undo() and redo() would take; empty when there is none.
    ChangeText undoText() const;
    ChangeText redoText() const;

    // True while the configuration differs from what was last saved, opened or read.
    bool isModified() const { return !m_history.isClean(); }
    // The file the configuration was opened from or saved to; empty for none.
    QString filePath() const { return m_filePath; }
    // After a successful Save into `filePath`.
    void markSaved(const QString &filePath);

    // The read image: a radio read or an Open puts an image here, then decodeReadImage spreads it.
    const MemoryImage &readImage() const { return m_readImage; }
    MemoryImage &readImage() { return m_readImage; }
    // Spreads the read image over the editors (decode) as one undo step named `text`, after which the
    // document belongs to `filePath` and is not modified; sets byte 1815 of the read image to 0xFF.
    void decodeReadImage(const ChangeText &text, const QString &filePath);
    // The same for a radio read.
    void decodeReadImage();
    // Builds the write image from the editors (encode) and returns it.
    const MemoryImage &encodeWriteImage();
    const MemoryImage &writeImage() const { return m_writeImage; }

    // The hidden service modes; off at every start, not part of the configuration.
    bool forceWriteMode() const { return m_forceWriteMode; }
    bool calibrationMode() const { return m_calibrationMode; }
    void setForceWriteMode(bool on);
    void setCalibrationMode(bool on);

    // Default step names.
    static ChangeText readText();
    static ChangeText channelText(int index);

    // Channels whose Band cell shows the text a newly typed channel gets ("Wide") rather than the list's
    // entry for the same position ("wide" in English). The channel table sets and clears them; they live here
    // so that the report prints what the table shows. No signal: the table repaints the cells itself.
    const std::bitset<128> &newChannelBandText() const { return m_newChannelBandText; }
    void setNewChannelBandText(int index, bool on);
    void clearNewChannelBandText() { m_newChannelBandText.reset(); }

signals:
    // `part` may combine several parts; one changed channel alone comes as channelChanged.
    void changed(Document::Part part);
    void channelChanged(int index);
    void modesChanged();
    void modifiedChanged(bool modified);
    void filePathChanged(const QString &filePath);
    // The undo or redo step (or its name) changed.
    void historyChanged();

private:
    friend class SnapshotCommand;
    // Puts a configuration (and the file it belongs to) in place and tells the windows what changed, or
    // with `reloadAll` that everything did.
    void assign(const RadioConfig &config, const QString *filePath, bool reloadAll);
    void push(SnapshotCommand *command);
    SnapshotCommand *lastStep() const;

    RadioConfig m_config;
    QString m_filePath;
    QUndoStack m_history;
    bool m_assigning = false;
    MemoryImage m_readImage{};  // 0x00 at program start
    MemoryImage m_writeImage{}; // 0x00 at program start
    bool m_forceWriteMode = false;
    bool m_calibrationMode = false;
    std::bitset<128> m_newChannelBandText;
};
