#include "image/bands.h"
#include "image/codecs.h"
#include "image/imagecodec.h"
#include "image/memorymap.h"
#include "image/tones.h"

#include <QTest>

class TstCodecs : public QObject {
    Q_OBJECT
private slots:
    void normalizeFreq_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no point") << "146"
                                  << "146.00000";
        QTest::newRow("one decimal") << "146.5"
                                     << "146.50000";
        QTest::newRow("down to 5k") << "146.5271"
                                    << "146.52500";
        QTest::newRow("down to 6.25k") << "146.007"
                                       << "146.00625";
        QTest::newRow("cut then round") << "146.123456"
                                        << "146.12000";
        QTest::newRow("on 6.25k raster") << "146.00625"
                                         << "146.00625";
        QTest::newRow("equal remainders 300") << "146.0030"
                                              << "146.00000";
        QTest::newRow("equal remainders 2710") << "146.52710"
                                               << "146.52500";
        QTest::newRow("12.5k") << "446.0125"
                               << "446.01250";
        QTest::newRow("never up") << "145.99999"
                                  << "145.99500";
    }
    void normalizeFreq() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(::normalizeFreq(typed), expected);
    }

    void normalizeFmFreq_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("integer") << "98"
                                 << "98.00";
        QTest::newRow("point only") << "98."
                                    << "98.00";
        QTest::newRow("one decimal") << "98.1"
                                     << "98.10";
        QTest::newRow("second 7") << "98.17"
                                  << "98.15";
        QTest::newRow("second 4") << "98.14"
                                  << "98.10";
        QTest::newRow("three decimals") << "98.123"
                                        << "98.10";
        QTest::newRow("three decimals up") << "98.179"
                                           << "98.15";
        QTest::newRow("cut not rounded") << "100.099"
                                         << "100.05";
        QTest::newRow("107.9") << "107.9"
                               << "107.90";
    }
    void normalizeFmFreq() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(::normalizeFmFreq(typed), expected);
    }

    void freqBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("146.525") << "146.52500" << QByteArray::fromHex("00256514");
        QTest::newRow("439.98750") << "439.98750" << QByteArray::fromHex("50879943");
        QTest::newRow("136") << "136.00000" << QByteArray::fromHex("00006013");
        QTest::newRow("offset 0.6") << "000.60000" << QByteArray::fromHex("00000600");
    }
    void freqBytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const auto b = ::freqBytes(text);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), 4), bytes);
        QCOMPARE(::freqByte(text, 1), std::uint8_t(bytes[3]));
        QCOMPARE(::freqByte(text, 4), std::uint8_t(bytes[0]));
        QCOMPARE(::freqByte(text, 0), std::uint8_t(0));
        QCOMPARE(::freqByte(text, 5), std::uint8_t(0));
    }

    void freqText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("146.525") << QByteArray::fromHex("00256514") << "146.52500";
        QTest::newRow("all FF") << QByteArray::fromHex("FFFFFFFF") << "FFF.FFFFF";
        QTest::newRow("hex letters kept") << QByteArray::fromHex("0A25B514") << "14B.5250A";
        QTest::newRow("zeros") << QByteArray::fromHex("00000000") << "000.00000";
    }
    void freqText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(::freqText(reinterpret_cast<const std::uint8_t *>(bytes.constData())), text);
    }

    void offsetText_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("0.6") << QByteArray::fromHex("00000600") << "0.60000";
        QTest::newRow("10") << QByteArray::fromHex("00000001") << "10.00000";
        QTest::newRow("all FF") << QByteArray::fromHex("FFFFFFFF") << "0.00000";
        QTest::newRow("12.345") << QByteArray::fromHex("00452301") << "12.34500";
    }
    void offsetText() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(::offsetText(reinterpret_cast<const std::uint8_t *>(bytes.constData())), text);
    }

    void offsetBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("10") << "10" << QByteArray::fromHex("00000001");
        QTest::newRow("0.6") << "0.6" << QByteArray::fromHex("00000600");
        QTest::newRow("shown form") << "0.60000" << QByteArray::fromHex("00000600");
        QTest::newRow("99.995") << "99.995" << QByteArray::fromHex("00959909");
    }
    void offsetBytes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const auto b = ::offsetBytes(text);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b.data()), 4), bytes);
    }

    void tones_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("position");
        QTest::newRow("67.0") << "67.0" << 0x70 << 0x06 << 1;
        QTest::newRow("85.4 not DCS") << "85.4" << 0x54 << 0x08 << 8;
        QTest::newRow("100.0") << "100.0" << 0x00 << 0x10 << 13;
        QTest::newRow("199.5") << "199.5" << 0x95 << 0x19 << 40;
        QTest::newRow("254.1") << "254.1" << 0x41 << 0x25 << 50;
        QTest::newRow("D017N") << "D017N" << 0x17 << 0x80 << 51;
        QTest::newRow("D023N") << "D023N" << 0x23 << 0x80 << 52;
        QTest::newRow("D754N") << "D754N" << 0x54 << 0x87 << 157;
        QTest::newRow("D017I") << "D017I" << 0x17 << 0xC0 << 158;
        QTest::newRow("D023I") << "D023I" << 0x23 << 0xC0 << 159;
        QTest::newRow("D754I") << "D754I" << 0x54 << 0xC7 << 264;
    }
    void tones() {
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, position);
        QCOMPARE(::toneCode(text), (ToneBytes{std::uint8_t(low), std::uint8_t(high)}));
        QCOMPARE(::toneText(std::uint8_t(low), std::uint8_t(high)), text);
        QCOMPARE(::toneIndex(text), position);
        QCOMPARE(::toneEntry(position), text);
    }

    void tonesNotInList_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("text");
        QTest::newRow("60.0") << 0x00 << 0x06 << "60.0";
        QTest::newRow("D020N") << 0x20 << 0x80 << "D020N";
        QTest::newRow("FF FF") << 0xFF << 0xFF << "FFF.F";
    }
    void tonesNotInList() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, text);
        QCOMPARE(::toneText(std::uint8_t(low), std::uint8_t(high)), text);
        QCOMPARE(::toneIndex(text), 0);
    }

    void toneListShape() {
        const QStringList en = toneList(QStringLiteral("Off"));
        QCOMPARE(en.size(), 265);
        QCOMPARE(en.at(0), QStringLiteral("Off"));
        QCOMPARE(toneList(QStringLiteral("关闭")).at(0), QStringLiteral("关闭"));
        QCOMPARE(en.at(50), QStringLiteral("254.1"));
        QCOMPARE(en.at(157), QStringLiteral("D754N"));
        QCOMPARE(::toneIndex(QStringLiteral("d023n")), 0); // exact, case-sensitive
    }

    void removeFF() {
        QCOMPARE(::removeFF(QString(8, QChar(0xFF))), QString());
        QCOMPARE(::removeFF(QStringLiteral("AB") + QChar(0xFF) + QStringLiteral("C")), QStringLiteral("ABC"));
        QCOMPARE(::removeFF(QString()), QString());
    }

    // A channel name as encode stores it: one byte per character, 0xFF padding, the first eight characters.
    void channelNameBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ABC") << "ABC" << QByteArray::fromHex("414243FFFFFFFFFF");
        QTest::newRow("empty") << "" << QByteArray::fromHex("FFFFFFFFFFFFFFFF");
        QTest::newRow("long") << "ABCDEFGHIJ" << QByteArray::fromHex("4142434445464748");
        QTest::newRow("code below 16 is one byte")
            << QStringLiteral("A\tB") << QByteArray::fromHex("410942FFFFFFFFFF");
        QTest::newRow("latin-1") << QStringLiteral("Ä") << QByteArray::fromHex("C4FFFFFFFFFFFFFF");
    }
    void channelNameBytes() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        RadioConfig config;
        config.channels[0].name = name;
        const MemoryImage image = encode(config, MemoryImage{});
        const auto *b = image.data() + mem::nameOffset(1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(b), 8), bytes);
    }

    void fmValues_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::newRow("87.0") << "87.00" << 0;
        QTest::newRow("108.0") << "108.00" << 210;
        QTest::newRow("98.10") << "98.10" << 111;
        QTest::newRow("98.15 half to even up") << "98.15" << 112;
        QTest::newRow("98.25 half to even down") << "98.25" << 112;
        QTest::newRow("87.35") << "87.35" << 4;
        QTest::newRow("87.05") << "87.05" << 0;
    }
    void fmValues() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(::fmValue(text), std::optional<std::uint16_t>(std::uint16_t(value)));
    }

    void fmText_data() {
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("low");
        QTest::addColumn<QString>("text");
        QTest::newRow("00 00") << 0x00 << 0x00 << "87.00";
        QTest::newRow("00 6F") << 0x00 << 0x6F << "98.10";
        QTest::newRow("00 D2") << 0x00 << 0xD2 << "108.00";
        QTest::newRow("00 D3 empty") << 0x00 << 0xD3 << "";
        QTest::newRow("FF FF empty") << 0xFF << 0xFF << "";
        QTest::newRow("01 00 empty") << 0x01 << 0x00 << "";
    }
    void fmText() {
        QFETCH(int, high);
        QFETCH(int, low);
        QFETCH(QString, text);
        QCOMPARE(::fmText(std::uint8_t(high), std::uint8_t(low)), text);
    }

    void fmValueRefused() {
        QVERIFY(!::fmValue(QStringLiteral("abc")));
        QVERIFY(!::fmValue(QStringLiteral("50")));
        QVERIFY(!::fmValue(QStringLiteral("99999")));
    }

    void numbers() {
        QCOMPARE(leadingNumber(QStringLiteral("12.7x")), 12.7);
        QCOMPARE(leadingNumber(QStringLiteral("abc")), 0.0);
        QVERIFY(isNumber(QStringLiteral(" 12.5 ")));
        QVERIFY(!isNumber(QStringLiteral("1.2.3")));
        QVERIFY(!isNumber(QString()));
    }

    void bands_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("vhfLower");
        QTest::addColumn<double>("vhfUpper");
        QTest::addColumn<double>("uhfLower");
        QTest::addColumn<int>("uhfUpper");
        QTest::newRow("0") << 0 << "A:136-173.995MHz B:400-469.995MHz" << 136.0 << 173.99501 << 400.0 << 470;
        QTest::newRow("1") << 1 << "A:144-146MHz B:430-440MHz" << 144.0 << 146.0 << 430.0 << 440;
        QTest::newRow("2") << 2 << "A:136-174.995MHz B:400-479.995MHz" << 136.0 << 174.99501 << 400.0 << 480;
    }
    void bands() {
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(double, vhfLower);
        QFETCH(double, vhfUpper);
        QFETCH(double, uhfLower);
        QFETCH(int, uhfUpper);
        QCOMPARE(bandText(position), text);
        const BandLimits l = bandLimits(position);
        QCOMPARE(l.vhfLower, vhfLower);
        QCOMPARE(l.vhfUpper, vhfUpper);
        QCOMPARE(l.uhfLower, uhfLower);
        QCOMPARE(l.uhfUpper, uhfUpper);
    }
};

QTEST_APPLESS_MAIN(TstCodecs)
#include "tst_codecs.moc"
