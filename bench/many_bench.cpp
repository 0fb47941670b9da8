// `orlex-k7-cli write --port A --port B ...` against paced simulators (`orlex-k7-sim --pace`, every byte at
// its 9600-baud wire time): one transfer per port, all at the same time on one event loop. The wall time
// for N radios is reported beside the time for one; "ratio" is their quotient (target for four: <= 1.1).

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

class PacedRadios {
public:
    explicit PacedRadios(int count) {
        for (int i = 0; i < count; ++i) {
            auto process = std::make_unique<QProcess>();
            process->start(QStringLiteral(ORLEX_K7_SIM), {QStringLiteral("--pace")});
            if (process->waitForReadyRead(10000))
                m_devices << QString::fromLocal8Bit(process->readLine()).trimmed();
            m_processes.push_back(std::move(process));
        }
    }
    ~PacedRadios() {
        for (auto &process : m_processes) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }
    const QStringList &devices() const { return m_devices; }

private:
    std::vector<std::unique_ptr<QProcess>> m_processes;
    QStringList m_devices;
};

// One write of the sample file into every radio; wall seconds, or -1 when it did not succeed.
double writeAll(const QStringList &devices) {
    QStringList args{QStringLiteral("write")};
    for (const QString &device : devices)
        args << QStringLiteral("--port") << device;
    args << QStringLiteral(ORLEX_K7_SAMPLE);
    QProcess cli;
    QElapsedTimer clock;
    clock.start();
    cli.start(QStringLiteral(ORLEX_K7_CLI), args);
    if (!cli.waitForFinished(60000) || cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 0)
        return -1;
    return double(clock.nsecsElapsed()) / 1e9;
}

double g_oneRadioSeconds = 0;

void BM_WriteRadiosAtOnce(benchmark::State &state) {
    const int count = int(state.range(0));
    PacedRadios radios(count);
    if (radios.devices().size() != count) {
        state.SkipWithError("orlex-k7-sim did not start");
        return;
    }
    double total = 0;
    int runs = 0;
    for (auto _ : state) {
        QThread::msleep(100); // the radios settle between writes
        const double wall = writeAll(radios.devices());
        if (wall < 0) {
            state.SkipWithError("the write failed");
            return;
        }
        state.SetIterationTime(wall);
        total += wall;
        ++runs;
    }
    const double mean = total / runs;
    if (count == 1)
        g_oneRadioSeconds = mean;
    state.counters["wall_ms"] = mean * 1000;
    if (g_oneRadioSeconds > 0)
        state.counters["ratio_to_one"] = mean / g_oneRadioSeconds;
}

} // namespace

// One radio first: its time is what the others are measured against.
BENCHMARK(BM_WriteRadiosAtOnce)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
