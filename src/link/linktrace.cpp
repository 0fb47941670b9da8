#include "link/linktrace.h"

#include <QDateTime>

bool LinkTrace::open(const QString &path, QString *error) {
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = m_file.errorString();
        return false;
    }
    m_clock.start();
    const QByteArray header = "# orlex-k7 transfer trace, started " +
                              QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() +
                              "; milliseconds, port, >> sent, << received\n";
    m_file.write(header);
    m_file.flush();
    return true;
}

void LinkTrace::line(const QString &port, const QByteArray &text) {
    if (!m_file.isOpen())
        return;
    const double ms = double(m_clock.nsecsElapsed()) / 1e6;
    m_file.write(QByteArray::number(ms, 'f', 3).rightJustified(12, ' ') + ' ' + port.toUtf8() + ' ' + text +
                 '\n');
    m_file.flush();
}
