#pragma once
// The Read and Write commands: open the chosen port, run one transaction over it while the modal progress
// window is up, then report the outcome. The Read and Write commands are off during a transfer; after a
// success they come back 12 ticks of a 100 ms timer after the success message is closed, after any other
// ending at once. A read puts its image into the Document only when it succeeded, so a failed or
// cancelled read changes no editor.

#include "image/memoryimage.h"
#include "link/linkactions.h"
#include "link/reenablecounter.h"

#include <QObject>
#include <QTimer>

#include <functional>

class Document;
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

    bool isRunning() const;
    ProgressWindow *progressWindow() const { return m_progress; }
    SerialLink *link() const { return m_link; }
    // Timer1's interval (100 ms) and the watchdog's (50 ms), for tests.
    void setReEnableInterval(int ms) { m_reEnableTimer.setInterval(ms); }
    void setWatchdogInterval(int ms);
    bool reEnablePending() const { return m_reEnableTimer.isActive(); }

signals:
    // After the transaction's message, before the commands come back.
    void transferEnded(LinkOutcome outcome);

private:
    enum class Direction { Read, Write };

    void run(Direction direction, const QString &device);
    void onFinished(LinkOutcome outcome);
    void onBandQuestion();
    void onReEnableTick();
    void invalidPortMessage();

    Document &m_document;
    Host m_host;
    SerialLink *m_link = nullptr;
    ProgressWindow *m_progress = nullptr;
    QTimer m_reEnableTimer; // Timer1
    ReEnableCounter m_reEnable;
    MemoryImage m_received{};
    LinkOutcome m_outcome = LinkOutcome::Running;
    bool m_busy = false;
};
