#include "simoptions.h"

#include "files/messagetext.h"

namespace {
bool takeNumber(const QString &text, int &value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= 0;
}

// "N:HEX" -> reply number and bytes.
bool takeReplyBytes(const QString &text, int &reply, QByteArray &bytes) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0 || !takeNumber(text.left(colon), reply) || reply < 1)
        return false;
    const QByteArray hex = text.mid(colon + 1).toLatin1();
    bytes = QByteArray::fromHex(hex);
    return hex.size() % 2 == 0 && bytes.size() * 2 == hex.size();
}
} // namespace

QString simUsage() {
    return QStringLiteral(
        "Usage: orlex-k7-sim [OPTIONS]\n"
        "Plays an ORLEX-K7 radio on a pseudo-terminal and prints the terminal's device path.\n\n"
        "  --link PATH        also make PATH a symbolic link to the device (an existing PATH is\n"
        "                     replaced only when it is a link left by a simulator)\n"
        "  --image FILE.dat   the radio's memory at start (default: all FF)\n"
        "  --dump FILE.dat    save the radio's memory on exit and on SIGUSR1\n"
        "  --band N           band code in the identification reply (default 0)\n"
        "  --model TEXT       model text in the identification reply (default LQ-H4)\n"
        "  --log              print every frame received and every reply on stderr\n"
        "  --pace             deliver and charge every byte at 9600 baud (1.04 ms a byte)\n"
        "Faults (replies are counted per session from 1, the 06 to PROGRAM):\n"
        "  --silent-from N    send no reply from reply N on\n"
        "  --garbage N:HEX    send HEX instead of reply N\n"
        "  --stray N:HEX      send HEX right after reply N\n"
        "  --long-blocks      data blocks of 21 bytes\n"
        "  --pieces N         send replies in pieces of N bytes\n"
        "  --slow N:MS        wait MS milliseconds before reply N (N = 0: every reply)\n");
}

QString parseSimOptions(const QStringList &args, SimOptions &options) {
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool hasValue = i + 1 < args.size();
        const QString value = hasValue ? args.at(i + 1) : QString();
        auto needValue = [&]() { return hasValue ? (++i, true) : false; };
        int reply = 0;
        QByteArray bytes;
        if (a == QLatin1String("--pace")) {
            options.pace = true;
        } else if (a == QLatin1String("--log")) {
            options.log = true;
        } else if (a == QLatin1String("--long-blocks")) {
            options.faults.longBlocks = true;
        } else if (a == QLatin1String("--image") && needValue()) {
            options.imagePath = value;
        } else if (a == QLatin1String("--dump") && needValue()) {
            options.dumpPath = value;
        } else if (a == QLatin1String("--link") && needValue()) {
            options.linkPath = value;
        } else if (a == QLatin1String("--model") && needValue()) {
            options.model = value.toLatin1();
        } else if (a == QLatin1String("--band") && needValue()) {
            if (!takeNumber(value, options.band) || options.band > 15)
                return QStringLiteral("--band wants a number 0..15");
        } else if (a == QLatin1String("--silent-from") && needValue()) {
            if (!takeNumber(value, options.faults.silentFromReply))
                return QStringLiteral("--silent-from wants a reply number");
        } else if (a == QLatin1String("--pieces") && needValue()) {
            if (!takeNumber(value, options.faults.pieceSize))
                return QStringLiteral("--pieces wants a byte count");
        } else if ((a == QLatin1String("--garbage") || a == QLatin1String("--stray")) && needValue()) {
            if (!takeReplyBytes(value, reply, bytes))
                return QStringLiteral("%1 wants N:HEX").arg(a);
            (a == QLatin1String("--garbage") ? options.faults.replaceReply
                                             : options.faults.appendToReply)[reply] = bytes;
        } else if (a == QLatin1String("--slow") && needValue()) {
            const QStringList parts = value.split(QLatin1Char(':'));
            if (parts.size() != 2 || !takeNumber(parts[0], options.faults.slowReply) ||
                !takeNumber(parts[1], options.faults.slowMs))
                return QStringLiteral("--slow wants N:MS");
        } else {
            return QStringLiteral("unknown or incomplete option '%1'").arg(messageText(a));
        }
    }
    return {};
}
