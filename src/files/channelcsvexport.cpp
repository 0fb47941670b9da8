#include "files/channelcsv.h"

#include "files/channelcsvfields.h"
#include "files/csvtable.h"

namespace channelcsv {

namespace {

// Transmit frequencies in the other half of the radio (VHF against UHF) are written as split.
constexpr qint64 HalfBoundary = 300LL * 100000;

// 5.00 when the frequency lies on the 5 kHz raster, otherwise 6.25.
QString stepText(qint64 units) {
    return units % 500 == 0 ? QStringLiteral("5.00") : QStringLiteral("6.25");
}

struct Duplex {
    QString duplex;
    QString offset;
};

Duplex duplexOf(qint64 rx, std::optional<qint64> tx, bool txProhibited) {
    if (txProhibited || !tx)
        return {QStringLiteral("off"), megahertz(0)};
    if (*tx == rx)
        return {QString(), megahertz(0)};
    if ((rx < HalfBoundary) != (*tx < HalfBoundary))
        return {QStringLiteral("split"), megahertz(*tx)};
    if (*tx > rx)
        return {QStringLiteral("+"), megahertz(*tx - rx)};
    return {QStringLiteral("-"), megahertz(rx - *tx)};
}

} // namespace

QStringList columns() {
    return {"Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
            "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
            "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
}

ExportResult exportChannels(const RadioConfig &config) {
    ExportResult result;
    QString text = csv::line(columns());
    for (int n = 1; n <= int(config.channels.size()); ++n) {
        const Channel &c = config.channels[std::size_t(n - 1)];
        if (!c.isUsed())
            continue;
        const std::optional<qint64> rx = tenHertz(c.rx);
        if (!rx) {
            result.warnings << QStringLiteral("channel %1: the receive frequency %2 is not a frequency; the "
                                              "channel is left out")
                                   .arg(n)
                                   .arg(quoteValue(c.rx));
            continue;
        }
        const std::optional<qint64> tx = tenHertz(c.tx);
        if (!c.tx.isEmpty() && !tx)
            result.warnings << QStringLiteral("channel %1: the transmit frequency %2 is not a frequency; "
                                              "written as Duplex off")
                                   .arg(n)
                                   .arg(quoteValue(c.tx));
        const Duplex d = duplexOf(*rx, tx, c.txProhibit == 0);
        const ToneColumns t = toneColumns(c.txTone, c.rxTone);
        text += csv::line({
            QString::number(n),
            c.name,
            megahertz(*rx),
            d.duplex,
            d.offset,
            t.mode,
            t.rToneFreq,
            t.cToneFreq,
            t.dtcsCode,
            t.dtcsPolarity,
            t.rxDtcsCode,
            t.crossMode,
            c.bandwidth == 0 ? QStringLiteral("NFM") : QStringLiteral("FM"),
            stepText(*rx),
            c.scanAdd == 0 ? QStringLiteral("S") : QString(),
            powerWord(c.power),
            QString(),
            QString(),
            QString(),
            QString(),
            QString(),
        });
    }
    result.text = text.toUtf8();
    return result;
}

} // namespace channelcsv
