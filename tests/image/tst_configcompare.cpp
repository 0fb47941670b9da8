// The field-by-field comparison of the radio's configuration with ours: which fields, their names and
// values, and what a write would send (the calibration only when it is written).

#include "image/configcompare.h"

#include <QtTest>

namespace {
// An image as a fresh radio holds it, with one channel (6, record at 65) and a few settings set by hand.
MemoryImage baseImage() {
    MemoryImage image = filledImage(0xFF);
    const std::uint8_t channel6[13] = {0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60, 0x44,
                                       0x54, 0xC7, 0x54, 0xC7, 0xE8};
    std::copy(std::begin(channel6), std::end(channel6), image.begin() + 65);
    const std::uint8_t name6[8] = {'P', 'M', 'R', '1', 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(name6), std::end(name6), image.begin() + 2088);
    image[1796] = 3;    // squelch level
    image[1798] = 0x7E; // beep off (bit 0)
    image[2016] = 0xD7, image[2017] = 0xCD, image[2018] = 0x6E;
    image[2032] = 0xDC, image[2033] = 0xC8, image[2034] = 0x78;
    return image;
}

struct Row {
    QString path;
    QString radio;
    QString ours;
};

QList<Row> rows(const QList<ConfigDifference> &differences) {
    QList<Row> result;
    for (const ConfigDifference &d : differences)
        result.append({d.path(), d.radio, d.ours});
    return result;
}

bool operator==(const Row &a, const Row &b) {
    return a.path == b.path && a.radio == b.radio && a.ours == b.ours;
}
} // namespace

namespace QTest {
template <> char *toString(const Row &row) {
    return qstrdup(qPrintable(QStringLiteral("%1: %2 / %3").arg(row.path, row.radio, row.ours)));
}
} // namespace QTest

class TestConfigCompare : public QObject {
    Q_OBJECT
private slots:
    void imagesCompared_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("calibration");
        QTest::addColumn<QList<Row>>("expected");
        QTest::newRow("equal") << "none" << true << QList<Row>{};
        QTest::newRow("receive frequency")
            << "rx" << false << QList<Row>{{"channels[5].rx", "446.01250", "446.00625"}};
        QTest::newRow("receive tone off") << "tone" << false << QList<Row>{{"channels[5].rxTone", "", "D754I"}};
        QTest::newRow("power in the flags") << "power" << false << QList<Row>{{"channels[5].power", "1", "0"}};
        QTest::newRow("name") << "name" << false << QList<Row>{{"channels[5].name", "PMR2", "PMR1"}};
        // The channel empty in the radio: every field of its record differs, the name (apart) does not.
        QTest::newRow("channel empty")
            << "empty" << false
            << QList<Row>{{"channels[5].rx", "", "446.00625"},        {"channels[5].tx", "", "446.00625"},
                          {"channels[5].rxTone", "", "D754I"},        {"channels[5].txTone", "", "D754I"},
                          {"channels[5].scanAdd", "0", "1"},          {"channels[5].txProhibit", "0", "1"}};
        QTest::newRow("setting") << "squelch" << false << QList<Row>{{"general.squelchLevel", "5", "3"}};
        QTest::newRow("bit of a setting") << "beep" << false << QList<Row>{{"general.beep", "1", "0"}};
        QTest::newRow("calibration, written") << "calibration" << true
                                              << QList<Row>{{"calibration[5]", "112", "110"}};
        QTest::newRow("calibration, not written") << "calibration" << false << QList<Row>{};
        QTest::newRow("band") << "band" << false << QList<Row>{{"band", "2", "0"}};
        QTest::newRow("VFO A frequency") << "vfoA" << false
                                         << QList<Row>{{"vfoA.frequency", "145.50000", "FFF.FFFFF"}};
        QTest::newRow("FM channel") << "fm" << false << QList<Row>{{"fm.channels[2]", "98.10", ""}};
        // Filler and fixed texts are no field.
        QTest::newRow("filler") << "filler" << true << QList<Row>{};
    }
    void imagesCompared() {
        QFETCH(QString, change);
        QFETCH(bool, calibration);
        QFETCH(QList<Row>, expected);
        const MemoryImage ours = baseImage();
        MemoryImage radio = ours;
        if (change == QLatin1String("rx"))
            radio[65] = 0x50, radio[66] = 0x12;
        if (change == QLatin1String("tone"))
            radio[73] = 0xFF, radio[74] = 0xFF;
        if (change == QLatin1String("power"))
            radio[77] = 0xE9;
        if (change == QLatin1String("name"))
            radio[2091] = '2';
        if (change == QLatin1String("empty"))
            std::fill(radio.begin() + 65, radio.begin() + 78, 0xFF);
        if (change == QLatin1String("squelch"))
            radio[1796] = 5;
        if (change == QLatin1String("beep"))
            radio[1798] = 0x7F;
        if (change == QLatin1String("calibration"))
            radio[2018] = 0x70;
        if (change == QLatin1String("band"))
            radio[1814] = 2;
        if (change == QLatin1String("vfoA"))
            radio[1824] = 0x00, radio[1825] = 0x00, radio[1826] = 0x55, radio[1827] = 0x14;
        if (change == QLatin1String("fm"))
            radio[1892] = 0x00, radio[1893] = 0x6F; // 87 + 11.1 MHz
        if (change == QLatin1String("filler")) {
            radio[1700] = 0x00;
            radio[1808] = 'X';
            radio[1940] = 0x12;
            radio[2000] = 0x34;
        }
        QCOMPARE(rows(compareImages(radio, ours, calibration)), expected);
    }

    // What a window needs to caption a setting: the member the optional-features rows name.
    void membersNamed() {
        MemoryImage radio = baseImage();
        radio[1798] = 0x7F;
        radio[1840 + 14] = 0x00; // VFO B shift
        const QList<ConfigDifference> differences = compareImages(radio, baseImage(), false);
        QCOMPARE(differences.size(), 2);
        QCOMPARE(differences[0].area, ConfigArea::General);
        QVERIFY(differences[0].generalChoice == &GeneralSettings::beep);
        QCOMPARE(differences[0].kind, FieldKind::Choice);
        QCOMPARE(differences[0].radioValue, 1);
        QCOMPARE(differences[0].ourValue, 0);
        QCOMPARE(differences[1].area, ConfigArea::VfoB);
        QCOMPARE(differences[1].path(), QStringLiteral("vfoB.shift"));
        QVERIFY(differences[1].vfoChoice == &VfoSettings::shift);
    }

    void tonePositions() {
        MemoryImage radio = baseImage();
        radio[73] = 0xFF, radio[74] = 0xFF;
        const QList<ConfigDifference> differences = compareImages(radio, baseImage(), false);
        QCOMPARE(differences.size(), 1);
        QCOMPARE(differences[0].kind, FieldKind::Tone);
        QCOMPARE(differences[0].radioValue, 0);
        QVERIFY(differences[0].ourValue > 0);
    }

    void paths_data() {
        QTest::addColumn<int>("area");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("path");
        QTest::newRow("band") << int(ConfigArea::Band) << -1 << "" << "band";
        QTest::newRow("channel") << int(ConfigArea::Channel) << 127 << "name" << "channels[127].name";
        QTest::newRow("general") << int(ConfigArea::General) << -1 << "password" << "general.password";
        QTest::newRow("vfo A") << int(ConfigArea::VfoA) << -1 << "scramble" << "vfoA.scramble";
        QTest::newRow("fm channel") << int(ConfigArea::Fm) << 24 << "" << "fm.channels[24]";
        QTest::newRow("fm") << int(ConfigArea::Fm) << -1 << "displayMode" << "fm.displayMode";
        QTest::newRow("calibration") << int(ConfigArea::Calibration) << 0 << "" << "calibration[0]";
    }
    void paths() {
        QFETCH(int, area);
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, path);
        ConfigDifference d;
        d.area = ConfigArea(area);
        d.index = index;
        d.key = key;
        QCOMPARE(d.path(), path);
    }
};

QTEST_GUILESS_MAIN(TestConfigCompare)
#include "tst_configcompare.moc"
