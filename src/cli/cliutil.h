#pragma once
// Shared pieces of the orlex-k7-cli commands: exit codes, the one-line error report, and the command table
// entry type. A command receives the arguments that follow its name and returns the process exit code.

#include "files/messagetext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace cli {

enum Exit : int {
    Ok = 0,
    Failure = 1, // bad input, a file that cannot be read or written, a radio that does not answer
    Usage = 2,   // wrong arguments
};

inline constexpr char ProgramName[] = "orlex-k7-cli";

// Prints "orlex-k7-cli: <message>" as one line on stderr and returns `code`, so a command can
// `return cli::fail(...)`. Texts taken from the input should be passed through messageText() (escaped and
// cut); control characters left in the message are escaped here too.
inline int fail(const QString &message, int code = Failure) {
    const QByteArray line = QByteArray(ProgramName) + ": " +
                            messageText(message, std::numeric_limits<int>::max()).toUtf8() + '\n';
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
    std::fflush(stderr);
    return code;
}

// Writes bytes to stdout as they are; false when they could not all be written (a full disk, a closed pipe).
inline bool out(const QByteArray &bytes) {
    const bool written =
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size());
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

// out(), or the one-line report of its failure.
inline int outOrFail(const QByteArray &bytes) {
    if (out(bytes))
        return Ok;
    return fail(QStringLiteral("cannot write to standard output: %1")
                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
}

// "-" given as a file name: standard input or output.
inline bool isStandardStream(const QString &name) {
    return name == QLatin1String("-");
}

struct Command {
    const char *name;    // as typed after the program name
    const char *usage;   // arguments, for --help: "FILE.json -o OUT.dat"
    const char *summary; // one line, for --help
    int (*run)(const QStringList &args);
};

// Takes "-o PATH" / "--output PATH" / "--output=PATH" out of args; returns false when the option is given
// without a path.
inline bool takeOption(QStringList &args, const QString &shortName, const QString &longName, QString *value) {
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        if (a == shortName || a == longName) {
            if (i + 1 >= args.size())
                return false;
            *value = args.at(i + 1);
            args.remove(i, 2);
            return true;
        }
        if (a.startsWith(longName + QLatin1Char('='))) {
            *value = a.mid(longName.size() + 1);
            args.remove(i);
            return true;
        }
    }
    return true;
}

} // namespace cli
