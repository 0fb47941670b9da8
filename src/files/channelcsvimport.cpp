#include "files/channelcsv.h"

#include "files/channelcsvfields.h"
#include "files/csvtable.h"
#include "image/bands.h"
#include "image/channelinput.h"

#include <QHash>
#include <QRegularExpression>

#include <optional>

namespace channelcsv {

namespace {

// Column positions by header name (-1 when the file has no such column).
class Columns {
public:
    explicit Columns(const QStringList &header) {
        for (int i = 0; i < header.size(); ++i) {
            const QString key = header.at(i).trimmed().toLower();
            if (!m_index.contains(key))
                m_index.insert(key, i);
        }
    }
    bool has(const char *name) const { return m_index.contains(QString::fromLatin1(name).toLower()); }
    // The row's value of a column, blanks around it removed; "" when the column or the field is missing.
    QString value(const QStringList &fields, const char *name) const {
        const int i = m_index.value(QString::fromLatin1(name).toLower(), -1);
        return i >= 0 && i < fields.size() ? fields.at(i).trimmed() : QString();
    }

private:
    QHash<QString, int> m_index;
};

QString bandRefusal(const char *what, const QString &value, int band) {
    return QStringLiteral("%1 %2 is outside the band %3")
        .arg(QLatin1String(what), quoteValue(value), bandText(band));
}

// A frequency through the channel table's rules; the refusal names the column it came from.
std::optional<QString> frequency(const char *what, const QString &value, int band, QString *refusal) {
    const TypedFrequency f = typedChannelFrequency(value, band);
    switch (f.status) {
    case TypedFrequency::Stored:
        return f.text;
    case TypedFrequency::Empty:
        *refusal = QStringLiteral("%1 is empty").arg(QLatin1String(what));
        break;
    case TypedFrequency::NotNumber:
        *refusal =
            QStringLiteral("%1 %2 is not a frequency in MHz").arg(QLatin1String(what), quoteValue(value));
        break;
    case TypedFrequency::OutOfBand:
        *refusal = bandRefusal(what, value, band);
        break;
    }
    return std::nullopt;
}

// What one row becomes, apart from where it goes.
RowOutcome channelOf(const QStringList &fields, const Columns &col, int band) {
    RowOutcome out;
    QString refusal;
    const auto refuse = [&out](const QString &why) {
        out.refusal = why;
        return out;
    };

    const std::optional<QString> rx = frequency("Frequency", col.value(fields, "Frequency"), band, &refusal);
    if (!rx)
        return refuse(refusal);
    Channel c = newChannel(*rx);

    const QString duplex = col.value(fields, "Duplex");
    const QString offsetText = col.value(fields, "Offset");
    const auto offset = [&]() -> std::optional<qint64> {
        const std::optional<qint64> units = tenHertz(offsetText);
        if (!units)
            refusal = QStringLiteral("Offset %1 is not a number of MHz").arg(quoteValue(offsetText));
        return units;
    };
    if (duplex.isEmpty()) {
        // TX = RX
    } else if (duplex == QLatin1String("+") || duplex == QLatin1String("-")) {
        const std::optional<qint64> shift = offset();
        if (!shift)
            return refuse(refusal);
        const qint64 rxUnits = *tenHertz(*rx);
        const qint64 txUnits = duplex == QLatin1String("+") ? rxUnits + *shift : rxUnits - *shift;
        const QString typed = txUnits < 0 ? QStringLiteral("0") : megahertz(txUnits);
        const std::optional<QString> tx = frequency("transmit frequency", typed, band, &refusal);
        if (!tx)
            return refuse(refusal);
        c.tx = *tx;
    } else if (duplex.compare(QLatin1String("split"), Qt::CaseInsensitive) == 0) {
        const std::optional<QString> tx =
            frequency("Offset (split transmit frequency)", offsetText, band, &refusal);
        if (!tx)
            return refuse(refusal);
        c.tx = *tx;
    } else if (duplex.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) {
        c.txProhibit = 0;
    } else {
        return refuse(QStringLiteral("Duplex %1 is not empty, +, -, split or off").arg(quoteValue(duplex)));
    }

    const Tones tones = tonesFromColumns({col.value(fields, "Tone"), col.value(fields, "rToneFreq"),
                                          col.value(fields, "cToneFreq"), col.value(fields, "DtcsCode"),
                                          col.value(fields, "DtcsPolarity"), col.value(fields, "RxDtcsCode"),
                                          col.value(fields, "CrossMode")});
    if (!tones.refusal.isEmpty())
        return refuse(tones.refusal);
    c.txTone = tones.tx;
    c.rxTone = tones.rx;

    if (col.has("Mode")) {
        const QString mode = col.value(fields, "Mode");
        if (mode.compare(QLatin1String("FM"), Qt::CaseInsensitive) == 0)
            c.bandwidth = 1;
        else if (mode.compare(QLatin1String("NFM"), Qt::CaseInsensitive) == 0)
            c.bandwidth = 0;
        else
            return refuse(QStringLiteral("Mode %1 is not FM or NFM").arg(quoteValue(mode)));
    }

    const QString power = col.value(fields, "Power");
    if (!power.isEmpty()) {
        const std::optional<int> p = powerFromText(power);
        if (!p)
            return refuse(
                QStringLiteral("Power %1 is not High, Mid, Low or a figure in watts").arg(quoteValue(power)));
        c.power = *p;
    }

    c.scanAdd = col.value(fields, "Skip").compare(QLatin1String("S"), Qt::CaseInsensitive) == 0 ? 0 : 1;

    // The name is taken as the name box takes typed text.
    const QString written = col.value(fields, "Name");
    c.name = typedChannelName(written);
    if (c.name != written)
        out.warnings << QStringLiteral("Name %1 becomes %2").arg(quoteValue(written), quoteValue(c.name));
    out.value = c;
    return out;
}

bool blank(const csv::Record &r) {
    for (const QString &f : r.fields) {
        if (!f.trimmed().isEmpty())
            return false;
    }
    return true;
}

QString decodeText(const QByteArray &bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    return QString::fromUtf8(bytes.startsWith(bom) ? bytes.mid(bom.size()) : bytes);
}

} // namespace

int ImportResult::takenCount() const {
    int n = 0;
    for (const RowOutcome &r : rows)
        n += r.taken() ? 1 : 0;
    return n;
}

ImportResult importChannels(const QByteArray &bytes, const RadioConfig &current, Placement placement,
                            int first) {
    ImportResult result;
    result.config = current;
    const QList<csv::Record> records = csv::parse(decodeText(bytes));
    qsizetype start = 0;
    while (start < records.size() && blank(records.at(start)))
        ++start;
    if (start == records.size()) {
        result.error = QStringLiteral("the file is empty");
        return result;
    }
    const Columns col(records.at(start).fields);
    if (!col.has("Frequency")) {
        result.error = QStringLiteral("not a channel CSV: line %1 has no column \"Frequency\"")
                           .arg(records.at(start).line);
        return result;
    }
    if (placement == Placement::ByLocation && !col.has("Location")) {
        result.error = QStringLiteral("line %1 has no column \"Location\"; give the first channel instead")
                           .arg(records.at(start).line);
        return result;
    }

    QHash<int, int> lineOfChannel; // channel -> line that took it
    int next = first;
    for (qsizetype i = start + 1; i < records.size(); ++i) {
        const csv::Record &record = records.at(i);
        if (blank(record))
            continue;
        RowOutcome row;
        row.line = record.line;
        if (record.unclosedQuote) {
            row.refusal = QStringLiteral("a quoted field that begins in this row is never closed");
            result.rows << row;
            continue;
        }
        int channel = 0;
        if (placement == Placement::ByLocation) {
            const QString location = col.value(record.fields, "Location");
            static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
            channel = digits.match(location).hasMatch() ? location.toInt() : 0;
            if (channel < 1 || channel > int(current.channels.size())) {
                row.refusal = QStringLiteral("Location %1 is not a channel 1..128").arg(quoteValue(location));
                result.rows << row;
                continue;
            }
        }
        RowOutcome mapped = channelOf(record.fields, col, current.band);
        mapped.line = record.line;
        if (mapped.taken()) {
            if (placement == Placement::FromChannel) {
                channel = next;
                if (channel > int(current.channels.size()))
                    mapped.refusal = QStringLiteral("no channel is left after channel 128");
            } else if (lineOfChannel.contains(channel)) {
                mapped.refusal = QStringLiteral("channel %1 is already taken by line %2")
                                     .arg(channel)
                                     .arg(lineOfChannel.value(channel));
            }
        }
        if (mapped.taken()) {
            mapped.channel = channel;
            lineOfChannel.insert(channel, record.line);
            result.config.channels[std::size_t(channel - 1)] = mapped.value;
            ++next;
        } else {
            mapped.value = Channel{};
            mapped.warnings.clear();
        }
        result.rows << mapped;
    }
    return result;
}

} // namespace channelcsv
