#include "cmdline/commandline.h"

#include "cmdline/version.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace cmdline {

namespace {
// False when the text could not all be written (a full disk, a closed pipe).
bool write(std::FILE *stream, const QString &text) {
    const QByteArray bytes = text.toLocal8Bit();
    const bool written =
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// Help and version go to stdout; a failed write is reported on stderr and ends with status 1.
int writeOut(const QString &program, const QString &text) {
    if (write(stdout, text))
        return 0;
    write(stderr, QStringLiteral("%1: cannot write to standard output: %2\n")
                      .arg(program, QString::fromLocal8Bit(std::strerror(errno))));
    return 1;
}

// "Unknown option 'x'." -> "unknown option 'x'", to read like the programs' own messages.
QString asClause(QString text) {
    text = text.trimmed();
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}
} // namespace

QString version() {
    return QStringLiteral(ORLEX_VERSION);
}

QStringList arguments(int argc, char **argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args.append(QString::fromLocal8Bit(argv[i]));
    return args;
}

int usageError(const QString &program, const QString &message) {
    write(stderr, QStringLiteral("%1: %2; try '%1 --help'\n").arg(program, message.simplified()));
    return UsageError;
}

CommandLine::CommandLine(const QString &program, const QString &description) : m_program(program) {
    m_parser.setApplicationDescription(description);
    // Not Qt's help option: it brings --help-all, which would list options the non-GUI programs do not have.
    m_parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help.")});
    m_parser.addOption(
        {{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version.")});
}

bool CommandLine::parses(const QStringList &args) {
    return m_parser.parse(args) && m_parser.positionalArguments().size() <= m_maxPositional;
}

std::optional<int> CommandLine::process(const QStringList &args) {
    if (!m_parser.parse(args))
        return usageError(m_program, errorMessage(args));
    // --help and --version win over anything else on the line, as with most programs.
    if (m_parser.isSet(QStringLiteral("help"))) {
        return writeOut(m_program, helpText());
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        return writeOut(m_program, QStringLiteral("%1 %2\n").arg(m_program, version()));
    }
    const QStringList positional = m_parser.positionalArguments();
    if (positional.size() > m_maxPositional)
        return usageError(m_program,
                          QStringLiteral("unexpected argument '%1'").arg(positional.at(m_maxPositional)));
    return std::nullopt;
}

QString CommandLine::helpText() const {
    if (!m_helpText.isEmpty())
        return m_helpText;
    // Qt names the program by its path as started (or a placeholder before the application object exists).
    QString text = m_parser.helpText();
    const QString usage = QStringLiteral("Usage: ");
    const QString started = QCoreApplication::instance() ? QCoreApplication::arguments().value(0)
                                                         : QStringLiteral("<executable_name>");
    if (text.startsWith(usage + started))
        text.replace(usage.size(), started.size(), m_program);
    return text;
}

QString CommandLine::errorMessage(const QStringList &args) const {
    // Qt names an unknown option without its dashes; show it as it was typed.
    const QStringList unknown = m_parser.unknownOptionNames();
    if (unknown.size() == 1) {
        for (const QString &a : args.mid(1)) {
            if (a == QLatin1String("--"))
                break;
            QString name = a;
            while (name.startsWith(QLatin1Char('-')))
                name.remove(0, 1);
            if (a.startsWith(QLatin1Char('-')) && name.section(QLatin1Char('='), 0, 0) == unknown.first())
                return QStringLiteral("unknown option '%1'").arg(a.section(QLatin1Char('='), 0, 0));
        }
    }
    return asClause(m_parser.errorText());
}

} // namespace cmdline
