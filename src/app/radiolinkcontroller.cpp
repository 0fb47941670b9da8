#include "app/radiolinkcontroller.h"

#include "app/progresswindow.h"
#include "files/backups.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"
#include "image/imagecodec.h"
#include "link/linktrace.h"
#include "link/portnumbering.h"
#include "link/portproblem.h"
#include "link/readtransaction.h"
#include "link/seriallink.h"
#include "link/writetransaction.h"

RadioLinkController::RadioLinkController(Document &document, Host host, QWidget *window, QObject *parent)
    : QObject(parent), m_document(document), m_host(std::move(host)) {
    m_link = new SerialLink(this);
    m_progress = new ProgressWindow(window);
    m_reEnableTimer.setInterval(ReEnableCounter::IntervalMs);
    connect(&m_reEnableTimer, &QTimer::timeout, this, &RadioLinkController::onReEnableTick);
    connect(m_link, &SerialLink::progress, m_progress, &ProgressWindow::setValue);
    connect(m_link, &SerialLink::finished, this, &RadioLinkController::onFinished);
    // Asked from the event loop, not from inside the link's receive handling; the link holds the
    // transaction (watchdog stopped) until it gets the answer.
    connect(m_link, &SerialLink::bandQuestion, this, &RadioLinkController::onBandQuestion,
            Qt::QueuedConnection);
    // Closing the progress window gives the transfer up: 45 goes out, the port is closed.
    connect(m_progress, &ProgressWindow::closeRequested, m_link, &SerialLink::cancel);
}

RadioLinkController::~RadioLinkController() = default;

bool RadioLinkController::isRunning() const {
    return m_busy;
}

void RadioLinkController::setWatchdogInterval(int ms) {
    m_link->setTickInterval(ms);
}

void RadioLinkController::read() {
    if (m_busy)
        return;
    const QString device = ports::devicePath(m_host.portNumber());
    // The band stored in the radio's image is selected without the band list's question.
    m_host.disarmBandList();
    if (!portUsable(device))
        return;
    m_host.commitOpenEdits();
    if (m_host.mayStart && !m_host.mayStart(true))
        return;
    m_received = m_document.readImage();
    run(Direction::Read, device);
}

void RadioLinkController::write() {
    if (m_busy)
        return;
    const QString device = ports::devicePath(m_host.portNumber());
    if (!portUsable(device))
        return;
    m_host.commitOpenEdits();
    if (m_host.mayStart && !m_host.mayStart(false))
        return;
    run(Direction::Write, device);
}

void RadioLinkController::compare() {
    if (m_busy)
        return;
    const QString device = ports::devicePath(m_host.portNumber());
    if (!portUsable(device))
        return;
    m_host.commitOpenEdits();
    run(Direction::Compare, device);
}

bool RadioLinkController::setTrace(const QString &path, QString *error) {
    auto trace = std::make_unique<LinkTrace>();
    if (!trace->open(path, error))
        return false;
    m_trace = std::move(trace);
    m_link->setTrace(m_trace.get());
    return true;
}

void RadioLinkController::run(Direction direction, const QString &device) {
    LinkOutcome outcome = LinkOutcome::Running;
    bool succeeded = false;
    if (direction == Direction::Write) {
        const WriteOptions options{.bandPosition = m_document.config().band,
                                   .forceWriteMode = m_document.forceWriteMode(),
                                   .calibrationMode = m_document.calibrationMode()};
        const MemoryImage written = m_document.encodeWriteImage();
        outcome = transfer(std::make_unique<WriteTransaction>(written, options), false, device);
        // With verification the success message waits for the radio to be read back.
        succeeded =
            outcome == LinkOutcome::Success && (!m_verifyAfterWriting || verifyWritten(device, written));
        if (succeeded)
            LocalizedMsgBox(lang::pick("写频成功！", "Writing Frequency Successful!"), msgbox::StyleOk,
                            lang::pick("提示", "Tip"));
    } else {
        m_received = m_document.readImage();
        outcome = transfer(std::make_unique<ReadTransaction>(m_received), true, device);
        succeeded = outcome == LinkOutcome::Success;
        if (succeeded) {
            keepBackup();
            if (direction == Direction::Read) {
                m_document.readImage() = m_received;
                m_document.decodeReadImage();
                LocalizedMsgBox(lang::pick("读频成功！", "Reading Frequency Successful!"), msgbox::StyleOk,
                                lang::pick("提示", "Tip"));
            } else {
                // What a write of the document would hold, built without touching the document.
                const MemoryImage ours = encode(m_document.config(), m_document.writeImage());
                emit differencesFound(Check::Compare, radiocompare::compare(m_received, ours, true));
            }
        }
    }
    if (outcome == LinkOutcome::Running)
        return; // the port could not be opened; its message has been shown
    m_busy = false;
    emit transferEnded(outcome);
    if (succeeded) {
        m_reEnable.start();
        m_reEnableTimer.start();
    } else {
        m_host.setCommandsEnabled(true);
    }
}

LinkOutcome RadioLinkController::transfer(std::unique_ptr<Transaction> transaction, bool reading,
                                          const QString &device) {
    m_outcome = LinkOutcome::Running;
    if (!m_link->start(device, std::move(transaction))) {
        // The port went between the check and the start.
        invalidPortMessage(m_link->openProblem(), m_link->openErrorText());
        if (m_busy) {
            // A verification's read: the write is over, so the commands come back.
            m_busy = false;
            m_host.setCommandsEnabled(true);
        }
        return LinkOutcome::Running;
    }
    m_busy = true;
    m_progress->prepare(reading ? ProgressWindow::Kind::Read : ProgressWindow::Kind::Write);
    m_host.setCommandsEnabled(false);
    // The transaction runs in the progress window's event loop; onFinished ends it.
    if (m_link->isRunning())
        m_progress->exec();

    if (m_outcome == LinkOutcome::CommunicationError) {
        QString text = lang::pick("通信出错，请检查对讲机，连线及串口选择！",
                                  "Communication error, check the line and the serial connection selection!");
        // A radio that named another model: say so on a second line.
        const QByteArray model = m_link->transaction() ? m_link->transaction()->foreignModel() : QByteArray();
        if (!model.isEmpty())
            text += QLatin1Char('\n') + ports::foreignModelText(model, Language::instance().index());
        LocalizedMsgBox(text, msgbox::StyleStop, lang::pick("错误", "Mistake"));
    }
    // Band refusal: its message came while the progress window was up. Cancelled: given up by the user.
    return m_outcome;
}

bool RadioLinkController::verifyWritten(const QString &device, const MemoryImage &written) {
    MemoryImage back = filledImage(0x00);
    if (transfer(std::make_unique<ReadTransaction>(back), true, device) != LinkOutcome::Success)
        return false;
    // Only what the write sent counts: the calibration blocks only in calibration mode.
    const radiocompare::Result result = radiocompare::compare(back, written, m_document.calibrationMode());
    if (result.equal())
        return true;
    LocalizedMsgBox(lang::pick("写入后读回的数据与写入的不同（%1 处），请再写一次。",
                               "The radio does not hold what was written (%1 differences); write again.")
                        .arg(result.count()),
                    msgbox::StyleStop, lang::pick("错误", "Mistake"));
    emit differencesFound(Check::Verify, result);
    return false;
}

void RadioLinkController::keepBackup() {
    // A backup that cannot be kept does not stop the read; the radio's image is in the editors anyway.
    backups::save(m_received);
}

void RadioLinkController::onFinished(LinkOutcome outcome) {
    m_outcome = outcome;
    if (outcome == LinkOutcome::BandRefused)
        LocalizedMsgBox(
            lang::pick("频段不符，不能写入！", "The frequency band is not accorded with, can't write into!"),
            msgbox::StyleExclamation, lang::pick("错误", "Mistake"));
    m_progress->finish();
}

void RadioLinkController::onBandQuestion() {
    if (!m_link->isRunning())
        return;
    const int answer =
        LocalizedMsgBox(lang::pick("频段不符，是否强制写入？",
                                   "The frequency band is not accorded with, whether write into by force?"),
                        msgbox::StyleQuestion, lang::pick("注意", "Be careful"));
    m_link->answerBandQuestion(answer == msgbox::IdOk);
}

void RadioLinkController::onReEnableTick() {
    if (!m_reEnable.onTick())
        return;
    m_reEnableTimer.stop();
    m_host.setCommandsEnabled(true);
}

bool RadioLinkController::portUsable(const QString &device) {
    QString detail;
    const PortProblem problem = ports::tryOpen(device, &detail);
    if (problem == PortProblem::None)
        return true;
    invalidPortMessage(problem, detail);
    return false;
}

void RadioLinkController::invalidPortMessage(PortProblem problem, const QString &detail) {
    // The message as it always was, and a second line with the device and the reason.
    const QString reason = ports::problemText(problem, ports::displayName(m_host.portNumber()), detail,
                                              Language::instance().index());
    const QString text = lang::pick("串行端口无效", "The serial port is invalid");
    // No title: the box shows the application's title.
    LocalizedMsgBox(reason.isEmpty() ? text : text + QLatin1Char('\n') + reason, msgbox::StyleOk);
}
