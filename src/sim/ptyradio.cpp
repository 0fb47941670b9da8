#include "ptyradio.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

namespace {
constexpr std::int64_t IdleWaitNs = 200'000'000;
constexpr std::int64_t PieceGapNs = 3'000'000; // unpaced pieces must arrive as separate reads
constexpr std::int64_t NsPerMs = 1'000'000;

std::int64_t monotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}
} // namespace

PtyRadio::~PtyRadio() {
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

QString PtyRadio::open(QString &error) {
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    const char *name = ptsname(m_master);
    if (!name) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    const QString path = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return {};
    }
    // Bytes pass unchanged: no echo, no line editing, no newline translation.
    termios tio{};
    tcgetattr(m_slave, &tio);
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tcsetattr(m_slave, TCSANOW, &tio);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    prctl(PR_SET_TIMERSLACK, 1UL); // byte pacing wants sub-millisecond wake-ups
    return path;
}

void PtyRadio::run(const volatile std::sig_atomic_t *stop, volatile std::sig_atomic_t *dumpRequest,
                   const std::function<void()> &dump) {
    char buffer[4096];
    while (!*stop) {
        if (*dumpRequest) {
            *dumpRequest = 0;
            dump();
        }
        std::int64_t now = monotonicNs();
        while (!m_input.empty() && m_input.front().at <= now) {
            const Pending input = m_input.front();
            m_input.pop_front();
            const qsizetype framesBefore = m_radio.receivedFrames().size();
            const QList<RadioChunk> chunks = m_radio.receive(input.bytes);
            if (m_log)
                log(framesBefore, chunks);
            schedule(chunks, input.at);
        }
        deliverDue(now);

        std::int64_t next = now + IdleWaitNs;
        if (!m_input.empty())
            next = std::min(next, m_input.front().at);
        if (!m_output.empty())
            next = std::min(next, m_output.front().at);
        const std::int64_t wait = std::max<std::int64_t>(0, next - now);
        const timespec timeout{time_t(wait / 1'000'000'000), long(wait % 1'000'000'000)};
        pollfd fd{m_master, POLLIN, 0};
        const int ready = ppoll(&fd, 1, &timeout, nullptr);
        if (ready <= 0)
            continue; // time-out or a signal
        if (fd.revents & POLLIN) {
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                arrive(QByteArray(buffer, qsizetype(n)), monotonicNs());
        } else if (fd.revents & (POLLHUP | POLLERR)) {
            usleep(10000);
        }
    }
}

void PtyRadio::log(qsizetype framesBefore, const QList<RadioChunk> &chunks) const {
    const QList<QByteArray> &frames = m_radio.receivedFrames();
    for (qsizetype i = framesBefore; i < frames.size(); ++i)
        std::fprintf(stderr, "<- %s\n", frames.at(i).toHex(' ').toUpper().constData());
    for (const RadioChunk &chunk : chunks)
        std::fprintf(stderr, "-> %s\n", chunk.bytes.toHex(' ').toUpper().constData());
}

void PtyRadio::arrive(const QByteArray &bytes, std::int64_t now) {
    std::int64_t at = now;
    if (m_pace) {
        at = std::max(now, m_rxBusyUntil) + ByteTimeNs * bytes.size();
        m_rxBusyUntil = at;
    }
    m_input.push_back({at, bytes});
}

void PtyRadio::schedule(const QList<RadioChunk> &chunks, std::int64_t base) {
    std::int64_t previous = -1;
    for (const RadioChunk &chunk : chunks) {
        std::int64_t start = base + chunk.delayMs * NsPerMs;
        if (m_pace) {
            start = std::max(start, m_txBusyUntil);
            for (char byte : chunk.bytes) {
                start += ByteTimeNs;
                m_output.push_back({start, QByteArray(1, byte)});
            }
            m_txBusyUntil = start;
        } else {
            if (previous >= 0 && m_radio.faults().pieceSize > 0)
                start = std::max(start, previous + PieceGapNs);
            start = std::max(start, m_txBusyUntil);
            m_output.push_back({start, chunk.bytes});
            m_txBusyUntil = start;
            previous = start;
        }
    }
}

void PtyRadio::deliverDue(std::int64_t now) {
    QByteArray due;
    while (!m_output.empty() && m_output.front().at <= now) {
        due += m_output.front().bytes;
        m_output.pop_front();
        // Separate pieces must not merge into one write when unpaced.
        if (!m_pace && m_radio.faults().pieceSize > 0)
            break;
    }
    if (!due.isEmpty()) {
        // Nobody reading and the terminal's buffer full: the bytes are lost, as on a line with no listener.
        [[maybe_unused]] const ssize_t written = ::write(m_master, due.constData(), std::size_t(due.size()));
        // Tells a test that every reply logged so far is on the line.
        if (m_log && m_output.empty())
            std::fprintf(stderr, "== all sent\n");
    }
}
