#pragma once
// Running orlex-k7-cli from a test: its exit status and what it wrote on stdout and stderr.

#include <QDir>
#include <QFile>
#include <QProcess>

namespace clirun {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline QString cliPath() {
    return QDir(qEnvironmentVariable("ORLEX_K7_BIN_DIR")).filePath(QStringLiteral("orlex-k7-cli"));
}

inline QString sourceFile(const QString &relative) {
    return QDir(qEnvironmentVariable("ORLEX_K7_SOURCE_DIR")).filePath(relative);
}

// Runs the CLI in `dir` (when given), with standard input from `stdinPath` (when given).
inline Run run(const QStringList &args, const QString &dir = QString(),
               const QString &stdinPath = QString()) {
    QProcess p;
    if (!dir.isEmpty())
        p.setWorkingDirectory(dir);
    if (!stdinPath.isEmpty())
        p.setStandardInputFile(stdinPath);
    p.start(cliPath(), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace clirun
