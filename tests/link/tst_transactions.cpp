// The read and write transactions driven against the radio simulator, without any port.

#include "linkharness.h"

#include "link/readtransaction.h"
#include "link/reenablecounter.h"
#include "link/writetransaction.h"

#include <QtTest>

namespace {
MemoryImage patternImage(int seed) {
    MemoryImage image;
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t((i * 7 + std::size_t(seed)) & 0xFF);
    return image;
}

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

QString hexOf(const QByteArray &bytes) {
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}
} // namespace

Q_DECLARE_METATYPE(RadioFaults)

class TestTransactions : public QObject {
    Q_OBJECT
private slots:
    void readExchangesEveryFrame();
    void readPlacesBlocksByStep();
    void readRefusesBlockOfOtherAddress_data();
    void readRefusesBlockOfOtherAddress();
    void readFaults_data();
    void readFaults();
    void failedReadKeepsReceivedBlocks();
    void secondReadOverwritesWholeImage();
    void identificationOneByteAtATime();
    void ackIsAWholeByte_data();
    void ackIsAWholeByte();
    void watchdogEndsOnTwelfthTick();
    void radioBytesDoNotResetWatchdog();
    void babblingRadio_data();
    void babblingRadio();
    void stepBoundSparesASlowRadio();
    void overlongAnswerEndsAtOnce();
    void writeBlockMap_data();
    void writeBlockMap();
    void writeAcceptsAckInsideLongerText();
    void writeFaults_data();
    void writeFaults();
    void bandCheck_data();
    void bandCheck();
    void bandQuestionStopsWatchdog();
    void cancelSendsEnd();
    void portFailureEndsLikeTimeout();
    void reEnableCounter();
};

void TestTransactions::readExchangesEveryFrame() {
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(3));
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(), LinkOutcome::Success);

    const QStringList frames = harness.sentHex();
    QCOMPARE(frames.size(), 3 + 193 * 2 + 2);
    QCOMPARE(frames.at(0), QStringLiteral("50 52 4F 47 52 41 4D"));
    QCOMPARE(frames.at(1), QStringLiteral("02"));
    QCOMPARE(frames.at(2), QStringLiteral("06"));
    QCOMPARE(frames.at(3), QStringLiteral("52 00 00 10"));
    QCOMPARE(frames.at(4), QStringLiteral("06"));
    QCOMPARE(frames.at(5), QStringLiteral("52 00 10 10"));
    QCOMPARE(frames.at(3 + 2 * 127), QStringLiteral("52 07 F0 10"));
    QCOMPARE(frames.at(3 + 2 * 192), QStringLiteral("52 0C 00 10"));
    QCOMPARE(frames.at(3 + 2 * 192 + 1), QStringLiteral("06"));
    QCOMPARE(frames.at(frames.size() - 2), QStringLiteral("45"));
    QCOMPARE(frames.at(frames.size() - 1), QStringLiteral("45"));
    QVERIFY(!harness.sent.at(0).bytewise);
    QVERIFY(harness.sent.at(3).bytewise);
    QVERIFY(!harness.sent.at(4).bytewise);

    QVERIFY(readImage == patternImage(3));
    QCOMPARE(harness.progress.first(), 1);
    QCOMPARE(harness.progress.last(), 196);
    QVERIFY(std::is_sorted(harness.progress.begin(), harness.progress.end()));
    QCOMPARE(read.readStep(), 196);
}

void TestTransactions::readPlacesBlocksByStep() {
    // The block for step 10 goes to 112..127 of the read image, whatever the image held there.
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(1));
    RadioFaults faults;
    faults.replaceReply[4 + 2 * 7] = hex("57007010ABABABABABABABABABABABABABABABAB");
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(), LinkOutcome::Success);
    for (std::size_t i = 0x70; i < 0x80; ++i)
        QCOMPARE(readImage[i], std::uint8_t(0xAB));
    QCOMPARE(readImage[0x6F], patternImage(1)[0x6F]);
    QCOMPARE(readImage[0x80], patternImage(1)[0x80]);
}

void TestTransactions::readRefusesBlockOfOtherAddress_data() {
    QTest::addColumn<int>("reply");
    QTest::addColumn<QByteArray>("block");
    // Reply 4 answers the request for 0x0000, reply 6 the one for 0x0010.
    QTest::newRow("0x0A00 for 0x0000") << 4 << hex("570A0010ABABABABABABABABABABABABABABABAB");
    QTest::newRow("0x0001 for 0x0000") << 4 << hex("57000110ABABABABABABABABABABABABABABABAB");
    QTest::newRow("0x1000 for 0x0010") << 6 << hex("57100010ABABABABABABABABABABABABABABABAB");
    QTest::newRow("0x0000 again for 0x0010") << 6 << hex("57000010ABABABABABABABABABABABABABABABAB");
}

void TestTransactions::readRefusesBlockOfOtherAddress() {
    QFETCH(int, reply);
    QFETCH(QByteArray, block);
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(filledImage(0x11));
    RadioFaults faults;
    faults.replaceReply[reply] = block;
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
    // Not acknowledged: the request is the last frame before the 45.
    const QStringList frames = harness.sentHex();
    QCOMPARE(frames.at(frames.size() - 2).left(2), QStringLiteral("52"));
    QCOMPARE(frames.last(), QStringLiteral("45"));
    // Nothing of it was stored; the block before it was.
    const std::size_t at = reply == 4 ? 0 : 16;
    for (std::size_t i = 0; i < at; ++i)
        QCOMPARE(readImage[i], std::uint8_t(0x11));
    for (std::size_t i = at; i < readImage.size(); ++i)
        QCOMPARE(readImage[i], std::uint8_t(0x00));
}

void TestTransactions::readFaults_data() {
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("framesSent"); // -1: not checked
    // Replies of a read: 1 the 06 to PROGRAM, 2 the identification, 3 the 06 to its acknowledge, then a block
    // and a 06 per address (4..389), 390 the 06 to the first 45.
    const int ok = int(LinkOutcome::Success);
    const int err = int(LinkOutcome::CommunicationError);
    RadioFaults f;
    f.silentFromReply = 1;
    QTest::newRow("silent from the first step") << f << QByteArray("LQ-H4") << err << 2;
    f.silentFromReply = 200;
    QTest::newRow("silent in the middle") << f << QByteArray("LQ-H4") << err << 201;
    f.silentFromReply = 390;
    QTest::newRow("silent at the last step") << f << QByteArray("LQ-H4") << err << 391;
    f = {};
    f.replaceReply[2] = hex("FF00FF00FF00FF00");
    QTest::newRow("garbage for identification") << f << QByteArray("LQ-H4") << err << 3;
    f = {};
    f.longBlocks = true;
    QTest::newRow("21-byte block") << f << QByteArray("LQ-H4") << err << 5;
    f = {};
    f.appendToReply[3] = hex("FF");
    QTest::newRow("06 FF after identification") << f << QByteArray("LQ-H4") << err << 4;
    f = {};
    f.appendToReply[1] = hex("FF");
    QTest::newRow("06 FF at step 1 passes") << f << QByteArray("LQ-H4") << ok << -1;
    f = {};
    f.pieceSize = 12;
    QTest::newRow("blocks in pieces of 12 and 8") << f << QByteArray("LQ-H4") << ok << -1;
    f = {};
    f.pieceSize = 1;
    QTest::newRow("one byte at a time") << f << QByteArray("LQ-H4") << ok << -1;
    f = {};
    QTest::newRow("wrong model text") << f << QByteArray("LQ-H5") << err << 3;
    f.slowReply = 4;
    f.slowMs = 400;
    QTest::newRow("block 400 ms late") << f << QByteArray("LQ-H4") << ok << -1;
    f.slowMs = 700;
    QTest::newRow("block 700 ms late") << f << QByteArray("LQ-H4") << err << 5;
    f = {};
    f.replaceReply[4] = hex("57000010") + QByteArray(60, '\x11');
    QTest::newRow("block of 64 bytes") << f << QByteArray("LQ-H4") << err << 5;
}

void TestTransactions::readFaults() {
    QFETCH(RadioFaults, faults);
    QFETCH(QByteArray, model);
    QFETCH(int, outcome);
    QFETCH(int, framesSent);
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(5));
    radio.setModelText(model);
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(int(harness.run()), outcome);
    if (framesSent >= 0)
        QCOMPARE(harness.sent.size(), framesSent);
    if (outcome == int(LinkOutcome::Success)) {
        QVERIFY(readImage == patternImage(5));
    } else {
        // 45 ends it, sent on the 12th tick after the last frame.
        QCOMPARE(hexOf(harness.sent.last().bytes), QStringLiteral("45"));
        QVERIFY(harness.nowMs >= 12 * 50);
    }
}

void TestTransactions::failedReadKeepsReceivedBlocks() {
    MemoryImage readImage = filledImage(0x5A);
    RadioSimulator radio;
    radio.loadImage(patternImage(9));
    RadioFaults faults;
    faults.silentFromReply = 4 + 2 * 10; // blocks 0..9 arrive, the 11th request stays unanswered
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
    const MemoryImage expected = patternImage(9);
    for (std::size_t i = 0; i < 160; ++i)
        QCOMPARE(readImage[i], expected[i]);
    for (std::size_t i = 160; i < readImage.size(); ++i)
        QCOMPARE(readImage[i], std::uint8_t(0x5A));
    QCOMPARE(read.readStep(), 13);
}

void TestTransactions::secondReadOverwritesWholeImage() {
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(1));
    ReadTransaction first(readImage);
    LinkHarness(first, radio).run();
    radio.loadImage(filledImage(0xC3));
    ReadTransaction second(readImage);
    LinkHarness harness(second, radio);
    QCOMPARE(harness.run(), LinkOutcome::Success);
    QVERIFY(readImage == filledImage(0xC3));
}

void TestTransactions::identificationOneByteAtATime() {
    MemoryImage readImage{};
    ReadTransaction read(readImage);
    read.start();
    QCOMPARE(hexOf(read.onBytes(hex("06")).frames.first().bytes), QStringLiteral("02"));
    const QByteArray id = hex("4C512D4834323000");
    for (int i = 0; i < 7; ++i)
        QVERIFY(read.onBytes(id.mid(i, 1)).frames.isEmpty());
    const LinkActions last = read.onBytes(id.mid(7, 1));
    QCOMPARE(last.frames.size(), 1);
    QCOMPARE(hexOf(last.frames.first().bytes), QStringLiteral("06"));
    QCOMPARE(read.readStep(), 2);
    QVERIFY(read.rxHex().isEmpty());
}

void TestTransactions::ackIsAWholeByte_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("step"); // 1: the answer to PROGRAM; 3: the answer to the first block (write)
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("read, 06") << false << 1 << hex("06") << true;
    QTest::newRow("read, 06 FF") << false << 1 << hex("06FF") << true;
    QTest::newRow("read, 30 6A") << false << 1 << hex("306A") << false;
    QTest::newRow("read, F0 6F") << false << 1 << hex("F06F") << false;
    QTest::newRow("write, 06") << true << 1 << hex("06") << true;
    QTest::newRow("write, F0 6F") << true << 1 << hex("F06F") << false;
    QTest::newRow("write block, 06") << true << 3 << hex("06") << true;
    QTest::newRow("write block, 00 06") << true << 3 << hex("0006") << true;
    QTest::newRow("write block, F0 6F") << true << 3 << hex("F06F") << false;
    QTest::newRow("write block, 30 6A") << true << 3 << hex("306A") << false;
    QTest::newRow("write block, 60") << true << 3 << hex("60") << false;
    QTest::newRow("write block, 00 60 6E") << true << 3 << hex("00606E") << false;
}

void TestTransactions::ackIsAWholeByte() {
    QFETCH(bool, write);
    QFETCH(int, step);
    QFETCH(QByteArray, answer);
    QFETCH(bool, accepted);
    MemoryImage readImage{};
    std::unique_ptr<Transaction> tx;
    if (write)
        tx = std::make_unique<WriteTransaction>(patternImage(0), WriteOptions{});
    else
        tx = std::make_unique<ReadTransaction>(readImage);
    tx->start();
    if (step == 3) {
        QCOMPARE(tx->onBytes(hex("06")).frames.size(), 1);
        QCOMPARE(tx->onBytes(hex("4C512D4834323000")).frames.size(), 1);
        QCOMPARE(tx->step(), 3);
    }
    const LinkActions actions = tx->onBytes(answer);
    QCOMPARE(actions.frames.size(), accepted ? 1 : 0);
    QCOMPARE(tx->step(), accepted ? step + 1 : step);
    if (!accepted) {
        // Nothing else moves it on: the watchdog ends it.
        for (int tick = 1; tick <= 11; ++tick)
            QCOMPARE(tx->onTick().outcome, LinkOutcome::Running);
        QCOMPARE(tx->onTick().outcome, LinkOutcome::CommunicationError);
    }
}

void TestTransactions::watchdogEndsOnTwelfthTick() {
    MemoryImage readImage{};
    ReadTransaction read(readImage);
    read.start();
    read.onBytes(hex("06")); // identify goes out: the count starts again
    for (int tick = 1; tick <= 11; ++tick) {
        const LinkActions actions = read.onTick();
        QVERIFY(actions.frames.isEmpty());
        QCOMPARE(actions.outcome, LinkOutcome::Running);
    }
    const LinkActions twelfth = read.onTick();
    QCOMPARE(twelfth.outcome, LinkOutcome::CommunicationError);
    QCOMPARE(twelfth.frames.size(), 1);
    QCOMPARE(hexOf(twelfth.frames.first().bytes), QStringLiteral("45"));
    QCOMPARE(twelfth.receiveThreshold.value_or(0), 1);
    QVERIFY(!read.isActive());
    QVERIFY(read.onTick().frames.isEmpty());
}

void TestTransactions::radioBytesDoNotResetWatchdog() {
    MemoryImage readImage{};
    ReadTransaction read(readImage);
    read.start();
    for (int tick = 1; tick <= 6; ++tick)
        read.onTick();
    read.onBytes(hex("FF"));
    for (int tick = 7; tick <= 11; ++tick)
        QCOMPARE(read.onTick().outcome, LinkOutcome::Running);
    QCOMPARE(read.onTick().outcome, LinkOutcome::CommunicationError);
}

void TestTransactions::babblingRadio_data() {
    QTest::addColumn<int>("repeatFrom");
    QTest::addColumn<int>("stuckStep");
    // A read's replies: 2 the identification, 4 the first block, 6 the second.
    QTest::newRow("identification over and over") << 2 << 2;
    QTest::newRow("first block over and over") << 4 << 3;
    QTest::newRow("second block over and over") << 6 << 4;
}

void TestTransactions::babblingRadio() {
    // Every repeated answer passes its test and is acknowledged, which keeps IdleTicks at 0; the step never
    // moves on, and that ends it.
    QFETCH(int, repeatFrom);
    QFETCH(int, stuckStep);
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(7));
    RadioFaults faults;
    faults.repeatFromReply = repeatFrom;
    faults.slowReply = 0; // 10 ms per answer: the harness has no wire time of its own
    faults.slowMs = 10;
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
    QCOMPARE(read.readStep(), stuckStep);
    QVERIFY(harness.sent.size() > 20); // it did talk on for a while
    QCOMPARE(hexOf(harness.sent.last().bytes), QStringLiteral("45"));
    // On the 24th tick of the stuck step: 1.2 s after it began.
    QVERIFY2(harness.nowMs >= 1200 && harness.nowMs <= 1400, qPrintable(QString::number(harness.nowMs)));
}

void TestTransactions::stepBoundSparesASlowRadio() {
    // Every answer 550 ms late, just inside the watchdog: a read step of two exchanges takes 1.1 s.
    MemoryImage readImage = filledImage(0x00);
    RadioSimulator radio;
    radio.loadImage(patternImage(8));
    RadioFaults faults;
    faults.slowReply = 0;
    faults.slowMs = 550;
    radio.setFaults(faults);
    ReadTransaction read(readImage);
    LinkHarness harness(read, radio);
    QCOMPARE(harness.run(400000), LinkOutcome::Success);
    QVERIFY(readImage == patternImage(8));
}

void TestTransactions::overlongAnswerEndsAtOnce() {
    // A device that floods the line (a modem, a GPS) is not left to fill memory until the watchdog fires.
    MemoryImage readImage = filledImage(0x00);
    ReadTransaction read(readImage);
    read.start();
    read.onBytes(hex("06"));
    QVERIFY(read.onBytes(QByteArray(64, 'G')).frames.isEmpty());
    QCOMPARE(read.step(), 2);
    QVERIFY(read.isActive());
    const LinkActions actions = read.onBytes(QByteArray(1, 'G'));
    QCOMPARE(actions.outcome, LinkOutcome::CommunicationError);
    QCOMPARE(actions.frames.size(), 1);
    QCOMPARE(hexOf(actions.frames.first().bytes), QStringLiteral("45"));

    // In a write, an ack byte inside such a flood does not count.
    WriteTransaction write(patternImage(0), WriteOptions{});
    write.start();
    QCOMPARE(write.onBytes(QByteArray(80, '\x06')).outcome, LinkOutcome::CommunicationError);
    QCOMPARE(write.writeStep(), 1);
}

void TestTransactions::writeBlockMap_data() {
    QTest::addColumn<bool>("calibration");
    QTest::newRow("normal") << false;
    QTest::newRow("calibration mode") << true;
}

void TestTransactions::writeBlockMap() {
    QFETCH(bool, calibration);
    const MemoryImage writeImage = patternImage(11);
    RadioSimulator radio;
    radio.loadImage(filledImage(0x33));
    WriteTransaction write(writeImage, WriteOptions{0, false, calibration});
    LinkHarness harness(write, radio);
    QCOMPARE(harness.run(), LinkOutcome::Success);
    QCOMPARE(radio.blocksWritten(), calibration ? 193 : 191);

    const QStringList frames = harness.sentHex();
    QCOMPARE(frames.size(), 3 + 193 + 1);
    QCOMPARE(frames.at(0), QStringLiteral("50 52 4F 47 52 41 4D"));
    QCOMPARE(frames.at(1), QStringLiteral("02"));
    QCOMPARE(frames.at(2), QStringLiteral("06"));
    QCOMPARE(frames.at(3),
             hexOf(hex("57000010") + QByteArray(reinterpret_cast<const char *>(&writeImage[0]), 16)));
    QVERIFY(harness.sent.at(3).bytewise);
    QCOMPARE(frames.at(3 + 123).left(11), QStringLiteral("57 07 B0 10"));
    if (calibration) {
        QCOMPARE(frames.at(3 + 124),
                 hexOf(hex("5707E010") + QByteArray(reinterpret_cast<const char *>(&writeImage[2016]), 16)));
        QCOMPARE(frames.at(3 + 125).left(11), QStringLiteral("57 07 F0 10"));
    } else {
        QCOMPARE(frames.at(3 + 124), QStringLiteral("06"));
        QCOMPARE(frames.at(3 + 125), QStringLiteral("06"));
    }
    QCOMPARE(frames.at(3 + 126).left(11), QStringLiteral("57 08 00 10"));
    QCOMPARE(frames.at(3 + 192),
             QStringLiteral("57 0C 20 10 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"));
    QCOMPARE(frames.last(), QStringLiteral("45"));

    const MemoryImage inRadio = radio.image();
    for (std::size_t i = 0; i < inRadio.size(); ++i) {
        const bool filler = i >= 1984 && i < 2016;
        const bool calibrationArea = i >= 2016 && i < 2048;
        const std::uint8_t expected = filler || (calibrationArea && !calibration) ? 0x33 : writeImage[i];
        QCOMPARE(inRadio[i], expected);
    }
    QCOMPARE(radio.memory(0x0C00, 48), QByteArray(48, '\0'));
    QCOMPARE(harness.progress.last(), 196);
}

void TestTransactions::writeAcceptsAckInsideLongerText() {
    RadioSimulator radio;
    RadioFaults faults;
    faults.replaceReply[4] = hex("0006");
    radio.setFaults(faults);
    WriteTransaction write(patternImage(2), WriteOptions{});
    LinkHarness harness(write, radio);
    QCOMPARE(harness.run(), LinkOutcome::Success);
}

void TestTransactions::writeFaults_data() {
    QTest::addColumn<RadioFaults>("faults");
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<int>("blocksInRadio");
    // Replies of a write: 1 the 06 to PROGRAM, 2 the identification, 3 the 06 to its acknowledge, 4..196 the
    // 06 to each block step.
    RadioFaults f;
    f.silentFromReply = 1;
    QTest::newRow("silent from the first step") << f << QByteArray("LQ-H4") << 0;
    f.silentFromReply = 100;
    QTest::newRow("silent in the middle") << f << QByteArray("LQ-H4") << 97;
    f.silentFromReply = 196;
    QTest::newRow("silent at the last step") << f << QByteArray("LQ-H4") << 191;
    f = {};
    QTest::newRow("wrong model text") << f << QByteArray("LQ-H5") << 0;
    f.replaceReply[2] = hex("4C512D483432300000"); // nine bytes
    QTest::newRow("identification of 9 bytes") << f << QByteArray("LQ-H4") << 0;
}

void TestTransactions::writeFaults() {
    QFETCH(RadioFaults, faults);
    QFETCH(QByteArray, model);
    QFETCH(int, blocksInRadio);
    RadioSimulator radio;
    radio.setModelText(model);
    radio.setFaults(faults);
    WriteTransaction write(patternImage(4), WriteOptions{});
    LinkHarness harness(write, radio);
    QCOMPARE(harness.run(), LinkOutcome::CommunicationError);
    QCOMPARE(radio.blocksWritten(), blocksInRadio);
    QCOMPARE(hexOf(harness.sent.last().bytes), QStringLiteral("45"));
    QCOMPARE(harness.nowMs - harness.lastSendMs, 0); // the 45 is the last thing that happened
}

void TestTransactions::bandCheck_data() {
    QTest::addColumn<int>("radioBand");
    QTest::addColumn<bool>("force");
    QTest::addColumn<int>("answer"); // -1 no question expected, 0 Cancel, 1 OK
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("firstFrames");
    const QStringList refused{"50 52 4F 47 52 41 4D", "02", "45"};
    const QStringList accepted{"50 52 4F 47 52 41 4D", "02", "06"};
    QTest::newRow("same band") << 2 << false << -1 << int(LinkOutcome::Success) << accepted;
    QTest::newRow("other band refused") << 1 << false << -1 << int(LinkOutcome::BandRefused) << refused;
    QTest::newRow("forced, OK") << 0 << true << 1 << int(LinkOutcome::Success) << accepted;
    QTest::newRow("forced, Cancel") << 0 << true << 0 << int(LinkOutcome::Cancelled) << refused;
    QTest::newRow("band code 10 never matches")
        << 10 << false << -1 << int(LinkOutcome::BandRefused) << refused;
}

void TestTransactions::bandCheck() {
    QFETCH(int, radioBand);
    QFETCH(bool, force);
    QFETCH(int, answer);
    QFETCH(int, outcome);
    QFETCH(QStringList, firstFrames);
    RadioSimulator radio;
    radio.setBandCode(radioBand);
    WriteTransaction write(patternImage(6), WriteOptions{2, force, false});
    LinkHarness harness(write, radio);
    if (answer >= 0)
        harness.answerQuestion = [answer](int) { return answer == 1; };
    QCOMPARE(int(harness.run()), outcome);
    QCOMPARE(harness.questions, answer >= 0 ? 1 : 0);
    QCOMPARE(harness.sentHex().mid(0, 3), firstFrames);
    if (outcome != int(LinkOutcome::Success)) {
        QCOMPARE(harness.sent.size(), 3);
        QCOMPARE(radio.blocksWritten(), 0);
    } else {
        QCOMPARE(radio.blocksWritten(), 191);
    }
}

void TestTransactions::bandQuestionStopsWatchdog() {
    WriteTransaction write(patternImage(0), WriteOptions{0, true, false});
    write.start();
    write.onBytes(hex("06"));
    const LinkActions question = write.onBytes(hex("4C512D4834323100"));
    QCOMPARE(question.outcome, LinkOutcome::BandQuestion);
    QVERIFY(question.frames.isEmpty());
    QCOMPARE(write.radioBand(), 1);
    for (int tick = 0; tick < 40; ++tick)
        QVERIFY(write.onTick().frames.isEmpty());
    const LinkActions ok = write.answerBandQuestion(true);
    QCOMPARE(ok.outcome, LinkOutcome::Running);
    QCOMPARE(hexOf(ok.frames.first().bytes), QStringLiteral("06"));
    QCOMPARE(write.writeStep(), 3);
    for (int tick = 1; tick <= 11; ++tick)
        write.onTick();
    QCOMPARE(write.onTick().outcome, LinkOutcome::CommunicationError);
}

void TestTransactions::cancelSendsEnd() {
    MemoryImage readImage{};
    ReadTransaction read(readImage);
    read.start();
    read.onBytes(hex("06"));
    const LinkActions actions = read.cancel();
    QCOMPARE(actions.outcome, LinkOutcome::Cancelled);
    QCOMPARE(hexOf(actions.frames.first().bytes), QStringLiteral("45"));
    QVERIFY(read.cancel().frames.isEmpty());
}

void TestTransactions::portFailureEndsLikeTimeout() {
    WriteTransaction write(patternImage(0), WriteOptions{});
    write.start();
    QCOMPARE(write.portFailed().outcome, LinkOutcome::CommunicationError);
    QVERIFY(!write.isActive());
}

void TestTransactions::reEnableCounter() {
    ReEnableCounter counter;
    QVERIFY(!counter.onTick());
    counter.start();
    for (int tick = 1; tick <= 11; ++tick)
        QVERIFY(!counter.onTick());
    QVERIFY(counter.onTick());
    QVERIFY(!counter.isRunning());
    QCOMPARE(counter.ticks(), 0);
}

QTEST_GUILESS_MAIN(TestTransactions)
#include "tst_transactions.moc"
