#include "app/radiolinkcontroller.h"

#include "app/progresswindow.h"
#include "gui/document.h"
#include "gui/language.h"
#include "gui/localizedmsgbox.h"
#include "link/portnumbering.h"
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
    if (!ports::canOpen(device)) {
        invalidPortMessage();
        return;
    }
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
    if (!ports::canOpen(device)) {
        invalidPortMessage();
        return;
    }
    m_host.commitOpenEdits();
    if (m_host.mayStart && !m_host.mayStart(false))
        return;
    run(Direction::Write, device);
}

void RadioLinkController::run(Direction direction, const QString &device) {
    std::unique_ptr<Transaction> transaction;
    if (direction == Direction::Read) {
        transaction = std::make_unique<ReadTransaction>(m_received);
    } else {
        const WriteOptions options{.bandPosition = m_document.config().band,
                                   .forceWriteMode = m_document.forceWriteMode(),
                                   .calibrationMode = m_document.calibrationMode()};
        transaction = std::make_unique<WriteTransaction>(m_document.encodeWriteImage(), options);
    }
    m_outcome = LinkOutcome::Running;
    if (!m_link->start(device, std::move(transaction))) {
        // The port went between the check and the start.
        invalidPortMessage();
        return;
    }
    m_busy = true;
    m_progress->prepare(direction == Direction::Read ? ProgressWindow::Kind::Read
                                                     : ProgressWindow::Kind::Write);
    m_host.setCommandsEnabled(false);
    // The transaction runs in the progress window's event loop; onFinished ends it.
    if (m_link->isRunning())
        m_progress->exec();

    const LinkOutcome outcome = m_outcome;
    switch (outcome) {
    case LinkOutcome::Success:
        if (direction == Direction::Read) {
            m_document.readImage() = m_received;
            m_document.decodeReadImage();
            LocalizedMsgBox(lang::pick("读频成功！", "Reading Frequency Successful!"), msgbox::StyleOk,
                            lang::pick("提示", "Tip"));
        } else {
            LocalizedMsgBox(lang::pick("写频成功！", "Writing Frequency Successful!"), msgbox::StyleOk,
                            lang::pick("提示", "Tip"));
        }
        break;
    case LinkOutcome::CommunicationError:
        LocalizedMsgBox(
            lang::pick("通信出错，请检查对讲机，连线及串口选择！",
                       "Communication error, check the line and the serial connection selection!"),
            msgbox::StyleStop, lang::pick("错误", "Mistake"));
        break;
    default:
        // Band refusal (its message came while the progress window was up) or given up by the user.
        break;
    }
    m_busy = false;
    emit transferEnded(outcome);
    if (outcome == LinkOutcome::Success) {
        m_reEnable.start();
        m_reEnableTimer.start();
    } else {
        m_host.setCommandsEnabled(true);
    }
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

void RadioLinkController::invalidPortMessage() {
    // No title: the box shows the application's title.
    LocalizedMsgBox(lang::pick("串行端口无效", "The serial port is invalid"), msgbox::StyleOk);
}
