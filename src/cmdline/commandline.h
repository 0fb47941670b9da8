#pragma once
// The command line shared by orlex-k7, orlex-k7-cli and orlex-k7-sim: --help and --version print to stdout
// and end the program with status 0; an unknown option or a wrong argument prints one line on stderr and ends
// it with status 2.

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace cmdline {

inline constexpr int UsageError = 2;

// The version of all three programs: the project's version.
QString version();

// The arguments as the process received them; usable before any QCoreApplication exists.
QStringList arguments(int argc, char **argv);

// Prints "PROGRAM: MESSAGE; try 'PROGRAM --help'" as one line on stderr and returns UsageError.
int usageError(const QString &program, const QString &message);

class CommandLine {
public:
    // `program` is the name shown in the usage line, the version line and error lines.
    CommandLine(const QString &program, const QString &description);

    QCommandLineParser &parser() { return m_parser; }
    // Positional arguments beyond this count are refused (default: none allowed).
    void setMaxPositional(int count) { m_maxPositional = count; }
    // Replaces the text that --help prints.
    void setHelpText(const QString &text) { m_helpText = text; }

    // True when `args` (the program path first) parse without error.
    bool parses(const QStringList &args);
    // Parses `args`. Returns the exit status when the program is done (--help or --version printed: 0; an
    // error line printed: 2), std::nullopt when it goes on with the parsed options.
    std::optional<int> process(const QStringList &args);

    QString helpText() const;

private:
    QString errorMessage(const QStringList &args) const;

    QString m_program;
    QCommandLineParser m_parser;
    int m_maxPositional = 0;
    QString m_helpText;
};

} // namespace cmdline
