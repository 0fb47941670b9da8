#pragma once
// The Read and Write commands: open the chosen port, run one transaction over it while the modal progress
// window is up, then report the outcome. The Read and Write commands are off during a transfer; after a
// success they come back 12 ticks of a 100 ms timer after the success message is closed, after any other
// ending at once. A read puts its image into the Document only when it succeeded, so a failed or
// cancelled read changes no editor.
//
// Around them: every successful read of a radio also keeps a backup of its image (backups.h); Compare with
// Radio reads the radio and reports what differs from the document without changing it; with Verify After
// Writing on, a write is followed by a read that must find what was written before the success message is
// shown. A trace file, when set, gets every frame.

#include "files/radiocompare.h"
#include "image/memoryimage.h"
#include "link/linkactions.h"
#include "link/portproblem.h"
#include "link/reenablecounter.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class Document;
class LinkTrace;
class Transaction;
class ProgressWindow;
class SerialLink;
class QWidget;

class RadioLinkController : public QObject {
    Q_OBJECT
public:
    // What the controller needs from the main window.
    struct Host {
        std::function<int()> portNumber;              // PortNumber
        std::function<void()> disarmBandList;         // the band of the radio is taken without a question
        std::function<void()> commitOpenEdits;        // open edits of the editor windows into the Document
        std::function<void(bool)> setCommandsEnabled; // MNRead, MNWrite, TRead, TWrite
        // The user's last word before a transfer starts (reading: true for a read); false stops it.
        std::function<bool(bool reading)> mayStart;
    };

    RadioLinkController(Document &document, Host host, QWidget *window, QObject *parent = nullptr);
    ~RadioLinkController() override;

    // MNRead / MNWrite: return when the transaction has ended and its message has been answered.
    void read();
    void write();
    // Compare with Radio: reads the radio and reports the differences (differencesFound); the document stays.
    void compare();

    void setVerifyAfterWriting(bool on) { m_verifyAfterWriting = on; }
    bool verifyAfterWriting() const { return m_verifyAfterWriting; }
    // Every frame of the following transfers goes to `path`; false with `error` set when it cannot be
    // written.
    bool setTrace(const QString &path, QString *error);

    bool isRunning() const;
    ProgressWindow *progressWindow() const { return m_progress; }
    SerialLink *link() const { return m_link; }
    // Timer1's interval (100 ms) and the watchdog's (50 ms), for tests.
    void setReEnableInterval(int ms) { m_reEnableTimer.setInterval(ms); }
    void setWatchdogInterval(int ms);
    bool reEnablePending() const { return m_reEnableTimer.isActive(); }

    enum class Check {
        Compare, // the radio against the open document
        Verify,  // the radio against what was just written into it
    };

signals:
    // After the transaction's message, before the commands come back.
    void transferEnded(LinkOutcome outcome);
    // A compare or a verify after writing has read the radio: what differs (radio -> ours).
    void differencesFound(Check check, const radiocompare::Result &result);

private:
    enum class Direction { Read, Write, Compare };

    void run(Direction direction, const QString &device);
    // Runs one transaction while the progress window is up; returns how it ended.
    LinkOutcome transfer(std::unique_ptr<Transaction> transaction, bool reading, const QString &device);
    // The read after a write; true when the radio holds what was written (the difference was reported if
    // not).
    bool verifyWritten(const QString &device, const MemoryImage &written);
    void keepBackup();
    void onFinished(LinkOutcome outcome);
    void onBandQuestion();
    void onReEnableTick();
    // Opens and closes the port once to learn whether it is usable; tells the user why not.
    bool portUsable(const QString &device);
    void invalidPortMessage(PortProblem problem, const QString &detail);

    Document &m_document;
    Host m_host;
    SerialLink *m_link = nullptr;
    ProgressWindow *m_progress = nullptr;
    QTimer m_reEnableTimer; // Timer1
    ReEnableCounter m_reEnable;
    MemoryImage m_received{};
    LinkOutcome m_outcome = LinkOutcome::Running;
    bool m_busy = false;
    bool m_verifyAfterWriting = false;
    std::unique_ptr<LinkTrace> m_trace;
};
