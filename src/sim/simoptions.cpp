#include "simoptions.h"

#include <QCommandLineParser>

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

struct OptionText {
    const char *name;
    const char *valueName; // empty for a switch
    const char *description;
};

const OptionText optionTexts[] = {
    {"link", "PATH",
     "Also make PATH a symbolic link to the device (removed on exit; an existing PATH is replaced only when "
     "it is a link left by a simulator)."},
    {"image", "FILE.dat", "The radio's memory at start (default: all FF)."},
    {"dump", "FILE.dat", "Save the radio's memory on exit and on SIGUSR1."},
    {"band", "N", "Band code 0..15 in the identification reply (default 0)."},
    {"model", "TEXT", "Model text in the identification reply (default LQ-H4)."},
    {"log", "", "Print every frame received and every reply on stderr."},
    {"pace", "", "Deliver and charge every byte at 9600 baud (1.04 ms a byte)."},
    {"silent-from", "N", "Fault: send no reply from reply N on."},
    {"repeat-from", "N", "Fault: send reply N again as every later reply (a device that keeps talking)."},
    {"garbage", "N:HEX", "Fault: send the bytes HEX instead of reply N."},
    {"stray", "N:HEX", "Fault: send the bytes HEX right after reply N."},
    {"long-blocks", "", "Fault: answer read requests with 21-byte blocks."},
    {"pieces", "N", "Fault: send every reply in pieces of N bytes."},
    {"slow", "N:MS", "Fault: wait MS milliseconds before reply N (N = 0: before every reply)."},
    {"drop-write", "ADDRESS",
     "Fault: acknowledge a data block written to ADDRESS (e.g. 0x0010) but keep the old memory there."},
};
} // namespace

QString simDescription() {
    return QStringLiteral(
        "Plays an ORLEX-K7 radio on a pseudo-terminal and prints the terminal's device path.\n"
        "Replies are counted per session from 1, the 06 to PROGRAM.");
}

void addSimOptions(QCommandLineParser &parser) {
    for (const OptionText &o : optionTexts) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(o.name), QString::fromLatin1(o.description),
                                            QString::fromLatin1(o.valueName)));
    }
}

QString readSimOptions(const QCommandLineParser &parser, SimOptions &options) {
    auto value = [&](const char *name) { return parser.value(QString::fromLatin1(name)); };
    auto isSet = [&](const char *name) { return parser.isSet(QString::fromLatin1(name)); };
    options.pace = isSet("pace");
    options.log = isSet("log");
    options.faults.longBlocks = isSet("long-blocks");
    options.imagePath = value("image");
    options.dumpPath = value("dump");
    options.linkPath = value("link");
    if (isSet("model"))
        options.model = value("model").toLatin1();
    if (isSet("band") && (!takeNumber(value("band"), options.band) || options.band > 15))
        return QStringLiteral("--band wants a number 0..15");
    if (isSet("silent-from") && !takeNumber(value("silent-from"), options.faults.silentFromReply))
        return QStringLiteral("--silent-from wants a reply number");
    if (isSet("repeat-from") && !takeNumber(value("repeat-from"), options.faults.repeatFromReply))
        return QStringLiteral("--repeat-from wants a reply number");
    if (isSet("pieces") && !takeNumber(value("pieces"), options.faults.pieceSize))
        return QStringLiteral("--pieces wants a byte count");
    for (const char *name : {"garbage", "stray"}) {
        auto &replies = QLatin1String(name) == QLatin1String("garbage") ? options.faults.replaceReply
                                                                        : options.faults.appendToReply;
        for (const QString &given : parser.values(QString::fromLatin1(name))) {
            int reply = 0;
            QByteArray bytes;
            if (!takeReplyBytes(given, reply, bytes))
                return QStringLiteral("--%1 wants N:HEX").arg(QLatin1String(name));
            replies[reply] = bytes;
        }
    }
    if (isSet("drop-write")) {
        bool ok = false;
        const int address = value("drop-write").toInt(&ok, 0);
        if (!ok || address < 0 || address >= RadioSimulator::MemorySize)
            return QStringLiteral("--drop-write wants an address 0..0xFFFF");
        options.faults.dropWriteAddress = address;
    }
    if (isSet("slow")) {
        const QStringList parts = value("slow").split(QLatin1Char(':'));
        if (parts.size() != 2 || !takeNumber(parts[0], options.faults.slowReply) ||
            !takeNumber(parts[1], options.faults.slowMs))
            return QStringLiteral("--slow wants N:MS");
    }
    return {};
}
