// The simulator's options as its command line gives them.

#include "cmdline/commandline.h"
#include "sim/simoptions.h"

#include <QTest>

namespace {
QString replies(const QMap<int, QByteArray> &map) {
    QStringList parts;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        parts << QStringLiteral("%1:%2").arg(it.key()).arg(QString::fromLatin1(it.value().toHex().toUpper()));
    return parts.join(QLatin1Char(','));
}

QString summary(const SimOptions &o) {
    return QStringLiteral("image=%1 dump=%2 link=%3 model=%4 band=%5 pace=%6 log=%7 silent=%8 garbage=%9 "
                          "stray=%10 long=%11 pieces=%12 slow=%13:%14")
        .arg(o.imagePath, o.dumpPath, o.linkPath, QString::fromLatin1(o.model))
        .arg(o.band)
        .arg(int(o.pace))
        .arg(int(o.log))
        .arg(o.faults.silentFromReply)
        .arg(replies(o.faults.replaceReply), replies(o.faults.appendToReply))
        .arg(int(o.faults.longBlocks))
        .arg(o.faults.pieceSize)
        .arg(o.faults.slowReply)
        .arg(o.faults.slowMs);
}
} // namespace

class TstSimOptions : public QObject {
    Q_OBJECT
private slots:
    void options_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults") << QStringList{}
                                  << "image= dump= link= model=LQ-H4 band=0 pace=0 log=0 silent=0 garbage= "
                                     "stray= long=0 pieces=0 slow=-1:0";
        QTest::newRow("files and identity")
            << QStringList{"--image", "in.dat", "--dump=out.dat", "--link", "/tmp/r", "--model", "XY-1",
                           "--band",  "15",     "--pace",         "--log"}
            << "image=in.dat dump=out.dat link=/tmp/r model=XY-1 band=15 pace=1 log=1 silent=0 garbage= "
               "stray= "
               "long=0 pieces=0 slow=-1:0";
        QTest::newRow("faults, repeated ones kept")
            << QStringList{"--garbage", "5:AABB",        "--garbage", "2:01",          "--stray",
                           "3:ff",      "--silent-from", "7",         "--long-blocks", "--pieces",
                           "4",         "--slow",        "0:25"}
            << "image= dump= link= model=LQ-H4 band=0 pace=0 log=0 silent=7 garbage=2:01,5:AABB stray=3:FF "
               "long=1 pieces=4 slow=0:25";
        QTest::newRow("same reply twice: the last wins")
            << QStringList{"--garbage", "5:AA", "--garbage", "5:BB"}
            << "image= dump= link= model=LQ-H4 band=0 pace=0 log=0 silent=0 garbage=5:BB stray= long=0 "
               "pieces=0 "
               "slow=-1:0";
    }
    void options() {
        QFETCH(QStringList, args);
        QFETCH(QString, expected);
        cmdline::CommandLine commandLine(QStringLiteral("orlex-k7-sim"), simDescription());
        addSimOptions(commandLine.parser());
        QVERIFY(commandLine.parses(QStringList{QStringLiteral("orlex-k7-sim")} + args));
        SimOptions options;
        QCOMPARE(readSimOptions(commandLine.parser(), options), QString());
        QCOMPARE(summary(options), expected);
    }

    void refused_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("band too high") << QStringList{"--band", "16"} << "--band wants a number 0..15";
        QTest::newRow("band negative") << QStringList{"--band=-1"} << "--band wants a number 0..15";
        QTest::newRow("silent-from text")
            << QStringList{"--silent-from", "x"} << "--silent-from wants a reply number";
        QTest::newRow("pieces text") << QStringList{"--pieces", "x"} << "--pieces wants a byte count";
        QTest::newRow("garbage reply 0") << QStringList{"--garbage", "0:AA"} << "--garbage wants N:HEX";
        QTest::newRow("stray odd hex") << QStringList{"--stray", "2:ABC"} << "--stray wants N:HEX";
        QTest::newRow("stray not hex") << QStringList{"--stray", "2:GG"} << "--stray wants N:HEX";
        QTest::newRow("second garbage bad")
            << QStringList{"--garbage", "1:AA", "--garbage", "x"} << "--garbage wants N:HEX";
        QTest::newRow("slow without colon") << QStringList{"--slow", "5"} << "--slow wants N:MS";
        QTest::newRow("drop-write text")
            << QStringList{"--drop-write", "x"} << "--drop-write wants an address 0..0xFFFF";
        QTest::newRow("drop-write past the memory")
            << QStringList{"--drop-write", "0x10000"} << "--drop-write wants an address 0..0xFFFF";
    }
    void dropWrite_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<int>("address");
        QTest::newRow("hex") << "0x0010" << 0x10;
        QTest::newRow("decimal") << "2048" << 0x800;
    }
    void dropWrite() {
        QFETCH(QString, given);
        QFETCH(int, address);
        cmdline::CommandLine commandLine(QStringLiteral("orlex-k7-sim"), simDescription());
        addSimOptions(commandLine.parser());
        QVERIFY(commandLine.parses({QStringLiteral("orlex-k7-sim"), QStringLiteral("--drop-write"), given}));
        SimOptions options;
        QCOMPARE(readSimOptions(commandLine.parser(), options), QString());
        QCOMPARE(options.faults.dropWriteAddress, address);
        QCOMPARE(SimOptions().faults.dropWriteAddress, -1);
    }

    void refused() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        cmdline::CommandLine commandLine(QStringLiteral("orlex-k7-sim"), simDescription());
        addSimOptions(commandLine.parser());
        QVERIFY(commandLine.parses(QStringList{QStringLiteral("orlex-k7-sim")} + args));
        SimOptions options;
        QCOMPARE(readSimOptions(commandLine.parser(), options), error);
    }
};

QTEST_GUILESS_MAIN(TstSimOptions)
#include "tst_simoptions.moc"
