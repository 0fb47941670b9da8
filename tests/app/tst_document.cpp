// The document's undo history on its own: named steps, merged runs of typing, the modified flag and the file
// the configuration belongs to. Later commands (row operations, imports) replace the configuration through
// apply() as one step.

#include "common/guitest.h"

#include "gui/document.h"
#include "gui/language.h"

#include <QSignalSpy>

class TstDocument : public QObject {
    Q_OBJECT

    static RadioConfig withChannel(const RadioConfig &base, int index, const char *rx,
                                   const char *name = "") {
        RadioConfig c = base;
        c.channels[std::size_t(index)] = newChannel(QString::fromLatin1(rx), QString::fromLatin1(name));
        return c;
    }

private slots:
    void applyIsOneNamedStep() {
        Document doc;
        QSignalSpy modified(&doc, &Document::modifiedChanged);
        const RadioConfig start = doc.config();
        RadioConfig many = start;
        for (int i = 0; i < 128; ++i)
            many.channels[std::size_t(i)] = newChannel(QStringLiteral("145.00000"));
        doc.apply({"导入", "Import"}, many);
        QVERIFY(doc.config() == many);
        QVERIFY(doc.isModified());
        QCOMPARE(modified.size(), 1);
        Language::instance().setIndex(1);
        QCOMPARE(doc.undoText().pick(), QStringLiteral("Import"));
        Language::instance().setIndex(0);
        QCOMPARE(doc.undoText().pick(), QString::fromUtf8("导入"));
        doc.undo();
        QVERIFY(doc.config() == start);
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.redoText().english, QStringLiteral("Import"));
        doc.redo();
        QVERIFY(doc.config() == many);
        // The same configuration again is no step.
        doc.apply({"x", "x"}, many);
        QCOMPARE(doc.history().count(), 1);
    }

    void windowsHearWhatChanged() {
        Document doc;
        QSignalSpy parts(&doc, &Document::changed);
        QSignalSpy channels(&doc, &Document::channelChanged);
        doc.setChannel(4, newChannel(QStringLiteral("145.00000")));
        QCOMPARE(channels.size(), 1);
        QCOMPARE(channels[0][0].toInt(), 4);
        QCOMPARE(parts.size(), 0);
        doc.undo();
        QCOMPARE(channels.size(), 2);
        RadioConfig both = withChannel(withChannel(doc.config(), 0, "145.00000"), 1, "146.00000");
        both.band = 1;
        doc.apply({"a", "a"}, both);
        QCOMPARE(parts.size(), 1);
        QCOMPARE(parts[0][0].value<Document::Part>(), Document::Part(Document::Band | Document::Channels));
    }

    void typingMergesUntilSealed() {
        Document doc;
        const int key = Document::mergeKey(Document::ChannelNameGroup, 0);
        doc.setChannel(0, newChannel(QStringLiteral("145.00000"), QStringLiteral("A")), {}, key);
        doc.setChannel(0, newChannel(QStringLiteral("145.00000"), QStringLiteral("AB")), {}, key);
        QCOMPARE(doc.history().count(), 1);
        doc.sealChange();
        doc.setChannel(0, newChannel(QStringLiteral("145.00000"), QStringLiteral("ABC")), {}, key);
        QCOMPARE(doc.history().count(), 2);
        doc.undo();
        QCOMPARE(doc.config().channels[0].name, QStringLiteral("AB"));
        doc.undo();
        QCOMPARE(doc.config().channels[0].rx, QString());
        // A run that ends where it began leaves no step.
        doc.redo();
        doc.redo();
        doc.setChannel(1, newChannel(QStringLiteral("146.00000"), QStringLiteral("X")), {}, key + 1);
        doc.setChannel(1, Channel{}, {}, key + 1);
        QCOMPARE(doc.history().count(), 2);
        QCOMPARE(doc.undoText().english, QStringLiteral("Channel 1"));
    }

    void savedStateIsNotMerged() {
        Document doc;
        const int key = Document::mergeKey(Document::DtmfControlGroup, 0);
        DtmfSettings dtmf;
        dtmf.aniStart = QStringLiteral("1");
        doc.setDtmf(dtmf, {}, key);
        doc.markSaved(QStringLiteral("/tmp/x.dat"));
        QVERIFY(!doc.isModified());
        dtmf.aniStart = QStringLiteral("12");
        doc.setDtmf(dtmf, {}, key);
        QVERIFY(doc.isModified());
        doc.undo();
        QVERIFY(!doc.isModified());
        QCOMPARE(doc.config().dtmf.aniStart, QStringLiteral("1"));
    }

    void replaceNamesTheFile() {
        Document doc;
        QSignalSpy files(&doc, &Document::filePathChanged);
        doc.setChannel(0, newChannel(QStringLiteral("145.00000")));
        const RadioConfig edited = doc.config();
        doc.replace({"打开 a.dat", "Open a.dat"}, RadioConfig{}, QStringLiteral("/d/a.dat"), true);
        QCOMPARE(doc.filePath(), QStringLiteral("/d/a.dat"));
        QVERIFY(!doc.isModified());
        QCOMPARE(files.size(), 1);
        doc.undo();
        QVERIFY(doc.config() == edited);
        QCOMPARE(doc.filePath(), QString());
        QVERIFY(doc.isModified());
        doc.redo();
        QCOMPARE(doc.filePath(), QStringLiteral("/d/a.dat"));
        QVERIFY(!doc.isModified());
        // A fresh start forgets the history and the file.
        doc.setConfig(edited);
        QVERIFY(!doc.canUndo());
        QCOMPARE(doc.filePath(), QString());
        QVERIFY(!doc.isModified());
    }
};

ORLEX_GUI_TEST_MAIN(TstDocument)
#include "tst_document.moc"
