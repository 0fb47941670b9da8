// Reads and writes over a pseudo-terminal against `orlex-k7-sim --pace`, which gives every byte its
// 9600-baud wire time (10 bits). The lower bound of a transaction is the wire time of all its bytes, since
// the protocol is strictly one frame, one answer; "ratio" is wall time over that bound (target <= 1.03).

#include "link/readtransaction.h"
#include "link/seriallink.h"
#include "link/writetransaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

namespace {

constexpr double ByteSeconds = 10.0 / 9600.0;

class PacedRadio {
public:
    PacedRadio() {
        m_process.start(QStringLiteral(ORLEX_K7_SIM), {QStringLiteral("--pace")});
        if (m_process.waitForReadyRead(10000))
            m_device = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~PacedRadio() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    const QString &device() const { return m_device; }

private:
    QProcess m_process;
    QString m_device;
};

// Runs one transaction; returns wall seconds and fills the wire-time bound, or -1 on failure.
double runOnce(const QString &device, std::unique_ptr<Transaction> transaction, double &wireSeconds) {
    SerialLink link;
    QEventLoop loop;
    LinkOutcome outcome = LinkOutcome::Running;
    QObject::connect(&link, &SerialLink::finished, &loop, [&](LinkOutcome result) {
        outcome = result;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    if (!link.start(device, std::move(transaction)))
        return -1;
    if (link.isRunning())
        loop.exec();
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    wireSeconds = double(link.bytesSent() + link.bytesReceived()) * ByteSeconds;
    return outcome == LinkOutcome::Success ? wall : -1;
}

void report(benchmark::State &state, double wall, double wire, double worst) {
    state.counters["wall_ms"] = benchmark::Counter(wall * 1000, benchmark::Counter::kAvgIterations);
    state.counters["wire_ms"] = benchmark::Counter(wire * 1000, benchmark::Counter::kAvgIterations);
    state.counters["ratio"] = benchmark::Counter(wall / wire, benchmark::Counter::kDefaults);
    state.counters["worst_ratio"] = worst;
}

template <typename MakeTransaction> void runBenchmark(benchmark::State &state, MakeTransaction make) {
    PacedRadio radio;
    if (radio.device().isEmpty()) {
        state.SkipWithError("orlex-k7-sim did not start");
        return;
    }
    double totalWall = 0;
    double totalWire = 0;
    double worst = 0;
    for (auto _ : state) {
        // The programmer re-enables Read and Write 1.2 s after a success; a short pause is ample here.
        QThread::msleep(100);
        double wire = 0;
        const double wall = runOnce(radio.device(), make(), wire);
        if (wall < 0) {
            state.SkipWithError("transaction failed");
            return;
        }
        state.SetIterationTime(wall);
        totalWall += wall;
        totalWire += wire;
        worst = std::max(worst, wall / wire);
    }
    report(state, totalWall, totalWire, worst);
}

MemoryImage g_readImage{};
const MemoryImage g_writeImage = filledImage(0x5A);

void BM_Read(benchmark::State &state) {
    runBenchmark(state, [] { return std::make_unique<ReadTransaction>(g_readImage); });
}

void BM_Write(benchmark::State &state) {
    runBenchmark(state, [] { return std::make_unique<WriteTransaction>(g_writeImage, WriteOptions{}); });
}

void BM_WriteCalibration(benchmark::State &state) {
    runBenchmark(state, [] {
        return std::make_unique<WriteTransaction>(g_writeImage, WriteOptions{0, false, true});
    });
}

} // namespace

BENCHMARK(BM_Read)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteCalibration)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
