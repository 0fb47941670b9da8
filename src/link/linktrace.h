#pragma once
// A transfer trace for bug reports: every frame sent and every piece received, one line each, with the time
// since the trace began, the port, the direction and the bytes in hex:
//
//     # orlex-k7 transfer trace, started 2026-12-08T05:40:12
//          0.412 /dev/ttyUSB0 open
//          0.530 /dev/ttyUSB0 >> 50 52 4F 47 52 41 4D
//         12.871 /dev/ttyUSB0 << 06
//       4120.004 /dev/ttyUSB0 end success
//
// Times are milliseconds. Every line is written out at once, so a trace survives a crash. Several links may
// share one trace; their lines interleave in time order.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QString>

class LinkTrace {
public:
    // Starts a trace in `path` (replacing the file); false with `error` set when it cannot be written.
    bool open(const QString &path, QString *error = nullptr);
    bool isOpen() const { return m_file.isOpen(); }

    void sent(const QString &port, const QByteArray &bytes) { line(port, ">> " + hex(bytes)); }
    void received(const QString &port, const QByteArray &bytes) { line(port, "<< " + hex(bytes)); }
    // An event without bytes: "open", "end success", ...
    void note(const QString &port, const QString &text) { line(port, text.toUtf8()); }

private:
    static QByteArray hex(const QByteArray &bytes) { return bytes.toHex(' ').toUpper(); }
    void line(const QString &port, const QByteArray &text);

    QFile m_file;
    QElapsedTimer m_clock;
};
