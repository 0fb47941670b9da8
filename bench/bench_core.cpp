// Decode and encode of a full image, and loading and saving a data file.

#include "files/datfile.h"
#include "image/imagecodec.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A busy configuration: every channel used, with tones and names.
RadioConfig busyConfig() {
    RadioConfig c;
    for (int i = 0; i < 128; ++i) {
        Channel ch =
            newChannel(QStringLiteral("14%1.%2").arg(i % 10).arg(i * 125 % 100000, 5, 10, QLatin1Char('0')),
                       QStringLiteral("CH%1").arg(i));
        ch.rxTone = 1 + i % 264;
        ch.txTone = 264 - i % 264;
        c.channels[std::size_t(i)] = ch;
    }
    for (int k = 0; k < 25; ++k)
        c.fm.channels[std::size_t(k)] = QStringLiteral("%1.10").arg(88 + k % 20);
    return c;
}

void BM_Decode(benchmark::State &state) {
    const MemoryImage image = encode(busyConfig(), MemoryImage{});
    const RadioConfig start;
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(image, start));
}
BENCHMARK(BM_Decode);

void BM_DecodeRandom(benchmark::State &state) {
    MemoryImage image;
    QRandomGenerator rng(1);
    for (auto &b : image)
        b = std::uint8_t(rng.bounded(256));
    const RadioConfig start;
    for (auto _ : state)
        benchmark::DoNotOptimize(decode(image, start));
}
BENCHMARK(BM_DecodeRandom);

void BM_Encode(benchmark::State &state) {
    const RadioConfig config = busyConfig();
    MemoryImage previous{};
    for (auto _ : state)
        benchmark::DoNotOptimize(previous = encode(config, previous));
}
BENCHMARK(BM_Encode);

void BM_SaveFile(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.dat"));
    const MemoryImage image = encode(busyConfig(), MemoryImage{});
    for (auto _ : state) {
        if (!datfile::write(path, image).isEmpty())
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_SaveFile);

void BM_LoadFile(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.dat"));
    datfile::write(path, encode(busyConfig(), MemoryImage{}));
    for (auto _ : state)
        benchmark::DoNotOptimize(datfile::read(path));
}
BENCHMARK(BM_LoadFile);

// Open then Save as the program does them: read, decode, encode, write.
void BM_OpenThenSave(benchmark::State &state) {
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.dat"));
    const QString out = dir.filePath(QStringLiteral("out.dat"));
    datfile::write(in, encode(busyConfig(), MemoryImage{}));
    for (auto _ : state) {
        const RadioConfig c = decode(datfile::read(in).image, RadioConfig{});
        datfile::write(out, encode(c, MemoryImage{}));
    }
}
BENCHMARK(BM_OpenThenSave);

} // namespace

BENCHMARK_MAIN();
