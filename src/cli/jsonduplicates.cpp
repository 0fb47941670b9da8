#include "cli/jsonduplicates.h"

#include <QSet>

namespace configjson {

namespace {

class Scanner {
public:
    explicit Scanner(const QByteArray &text) : m_text(text) {}

    QString run() {
        if (m_text.startsWith("\xEF\xBB\xBF")) // a byte order mark, which the parser skips too
            m_at = 3;
        value(QString());
        return m_found;
    }

private:
    char peek() const { return m_at < m_text.size() ? m_text.at(m_at) : '\0'; }

    void skipSpace() {
        while (m_at < m_text.size() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r'))
            ++m_at;
    }

    static QString join(const QString &path, const QString &name) {
        return path.isEmpty() ? name : path + QLatin1Char('.') + name;
    }

    void value(const QString &path) {
        skipSpace();
        if (peek() == '{')
            object(path);
        else if (peek() == '[')
            array(path);
        else if (peek() == '"')
            string();
        else
            while (m_at < m_text.size() && !QByteArray(",]} \t\r\n").contains(peek()))
                ++m_at;
    }

    void object(const QString &path) {
        ++m_at; // {
        QSet<QString> names;
        for (skipSpace(); m_at < m_text.size() && peek() != '}'; skipSpace()) {
            if (peek() == ',') {
                ++m_at;
                continue;
            }
            const QString name = string();
            if (names.contains(name) && m_found.isEmpty())
                m_found = join(path, name);
            names.insert(name);
            skipSpace();
            ++m_at; // :
            value(join(path, name));
        }
        ++m_at; // }
    }

    void array(const QString &path) {
        ++m_at; // [
        int index = 0;
        for (skipSpace(); m_at < m_text.size() && peek() != ']'; skipSpace()) {
            if (peek() == ',') {
                ++m_at;
                ++index;
                continue;
            }
            value(path + QStringLiteral("[%1]").arg(index));
        }
        ++m_at; // ]
    }

    // A string at the current position, its escapes resolved as the parser resolves them.
    QString string() {
        ++m_at; // "
        QString decoded;
        qsizetype runStart = m_at;
        auto flushRun = [&]() {
            decoded += QString::fromUtf8(m_text.constData() + runStart, m_at - runStart);
        };
        while (m_at < m_text.size() && peek() != '"') {
            if (peek() != '\\') {
                ++m_at;
                continue;
            }
            flushRun();
            const char kind = m_at + 1 < m_text.size() ? m_text.at(m_at + 1) : '\0';
            m_at += 2;
            switch (kind) {
            case 'b':
                decoded += QLatin1Char('\b');
                break;
            case 'f':
                decoded += QLatin1Char('\f');
                break;
            case 'n':
                decoded += QLatin1Char('\n');
                break;
            case 'r':
                decoded += QLatin1Char('\r');
                break;
            case 't':
                decoded += QLatin1Char('\t');
                break;
            case 'u':
                decoded += QChar(char16_t(m_text.mid(m_at, 4).toUShort(nullptr, 16)));
                m_at += 4;
                break;
            default:
                decoded += QLatin1Char(kind);
                break; // \" \\ \/
            }
            runStart = m_at;
        }
        flushRun();
        ++m_at; // "
        return decoded;
    }

    const QByteArray &m_text;
    qsizetype m_at = 0;
    QString m_found;
};

} // namespace

QString duplicateMember(const QByteArray &json) {
    return Scanner(json).run();
}

} // namespace configjson
