// Open and Save as on a desktop: where the dialogs start, the name Save proposes, the last five files in the
// File menu, and a data file dropped on the main window.

#include "common/guitest.h"

#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "app/startup.h"
#include "files/recentfiles.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

namespace {
const QByteArray Header = QByteArray::fromHex("5057422D374B"
                                              "FFFFFFFF"
                                              "5630313030") +
                          QByteArray(33, '\xFF');

// A data file whose squelch level (byte 1796) tells it apart.
bool writeDat(const QString &path, char squelch) {
    QByteArray image(3072, '\xFF');
    image[1796] = squelch;
    image[1814] = 0;
    return writeRaw(path, Header + image);
}
} // namespace

class TstRecentFiles : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;
    QString m_chosen;
    QStringList m_starts; // where each dialog started

    QAction *action(const char *name) const {
        return m_window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void start() {
        m_doc = new Document;
        m_window = startProgram(*m_doc, path(QStringLiteral("parameter")));
        Language::instance().setIndex(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void open(const QString &file) {
        m_chosen = file;
        action("MNOpen")->trigger();
    }
    // The visible recent entries of the File menu, after the existing ones.
    QStringList recentEntries() const {
        QStringList texts;
        for (QAction *a : m_window->findChild<QMenu *>(QStringLiteral("MNFile"))->actions())
            if (a->objectName().startsWith(QLatin1String("MNRecent")) && a->isVisible())
                texts << a->text();
        return texts;
    }
    int squelch() const { return m_doc->config().general.squelchLevel; }

private slots:
    void initTestCase() {
        filedialog::setHook([this](filedialog::Kind, const QString &start, const QString &) {
            m_starts << start;
            return m_chosen;
        });
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("a")));
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("b")));
        for (int i = 1; i <= 6; ++i)
            QVERIFY(writeDat(path(QStringLiteral("a/f%1.dat").arg(i)), char(i)));
    }
    void cleanupTestCase() { filedialog::setHook({}); }
    void init() {
        recent::setFiles({});
        recent::setFolder(QString());
        m_starts.clear();
        m_chosen.clear();
        start();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    void dialogsStartWhereTheUserWasLast() {
        // At first the user's documents (or home), never the program's folder.
        action("MNOpen")->trigger();
        QCOMPARE(m_starts.size(), 1);
        QVERIFY(m_starts[0] != QCoreApplication::applicationDirPath());
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(m_starts[0] == documents || m_starts[0] == QDir::homePath());

        open(path(QStringLiteral("a/f1.dat")));
        QCOMPARE(squelch(), 1);
        // Save proposes the open file.
        m_chosen.clear();
        action("MNSave")->trigger();
        QCOMPARE(m_starts.last(), path(QStringLiteral("a/f1.dat")));
        // The next Open starts in its folder.
        action("MNOpen")->trigger();
        QCOMPARE(m_starts.last(), path(QStringLiteral("a")));

        // Saved elsewhere: that folder, the file's name in the title, and ".dat" added to a bare name.
        m_chosen = path(QStringLiteral("b/copy"));
        action("MNSave")->trigger();
        QVERIFY(QFile::exists(path(QStringLiteral("b/copy.dat"))));
        QVERIFY(m_window->windowTitle().endsWith(QLatin1String(" - copy.dat")));
        m_chosen.clear();
        action("MNOpen")->trigger();
        QCOMPARE(m_starts.last(), path(QStringLiteral("b")));
        // A new start remembers it.
        cleanup();
        start();
        action("MNOpen")->trigger();
        QCOMPARE(m_starts.last(), path(QStringLiteral("b")));
    }

    void lastFiveFilesInTheFileMenu() {
        QVERIFY(recentEntries().isEmpty());
        QVERIFY(!action("MNLine3")->isVisible());
        for (int i = 1; i <= 6; ++i)
            open(path(QStringLiteral("a/f%1.dat").arg(i)));
        QCOMPARE(recentEntries(),
                 (QStringList{"&1 f6.dat", "&2 f5.dat", "&3 f4.dat", "&4 f3.dat", "&5 f2.dat"}));
        QVERIFY(action("MNLine3")->isVisible());
        // An entry opens its file, which moves to the front.
        action("MNRecent3")->trigger();
        QCOMPARE(squelch(), 4);
        QCOMPARE(recentEntries(),
                 (QStringList{"&1 f4.dat", "&2 f6.dat", "&3 f5.dat", "&4 f3.dat", "&5 f2.dat"}));
        // Kept for the next start.
        cleanup();
        start();
        QCOMPARE(recentEntries(),
                 (QStringList{"&1 f4.dat", "&2 f6.dat", "&3 f5.dat", "&4 f3.dat", "&5 f2.dat"}));
        QCOMPARE(action("MNRecent1")->data().toString(), path(QStringLiteral("a/f4.dat")));
    }

    void goneFileLeavesTheList() {
        const QString gone = path(QStringLiteral("b/gone.dat"));
        QVERIFY(writeDat(gone, 9));
        open(gone);
        open(path(QStringLiteral("a/f1.dat")));
        QVERIFY(QFile::remove(gone));
        BoxRecorder boxes;
        action("MNRecent2")->trigger();
        QCOMPARE(boxes.shown.size(), 0);
        QCOMPARE(squelch(), 1);
        QCOMPARE(recentEntries(), QStringList{"&1 f1.dat"});
    }

    void recentFileAsksBeforeReplacingChanges() {
        open(path(QStringLiteral("a/f2.dat")));
        open(path(QStringLiteral("a/f1.dat")));
        GeneralSettings general = m_doc->config().general;
        general.squelchLevel = 7;
        m_doc->setGeneral(general);
        BoxRecorder boxes({msgbox::IdCancel});
        action("MNRecent2")->trigger();
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].style, msgbox::StyleSaveChanges);
        QCOMPARE(squelch(), 7);
    }

    // orlex-k7 FILE.dat: the file opens as from the Open dialog, named in the title and first in the list.
    void fileFromTheCommandLine() {
        QCOMPARE(int(m_window->openDataFile(path(QStringLiteral("a/f3.dat")))),
                 int(datfile::ReadError::None));
        QCOMPARE(squelch(), 3);
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("ORLEX-K7 Radio Programming Software V1.20 - f3.dat"));
        QCOMPARE(recentEntries(), QStringList{"&1 f3.dat"});
        QVERIFY(!m_doc->isModified());
    }

    void dropOpensDataFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("accepted");
        QTest::newRow(".dat") << "b/drop.dat" << true;
        QTest::newRow(".DAT") << "b/UPPER.DAT" << true;
        QTest::newRow("other") << "b/notes.txt" << false;
    }
    void dropOpensDataFile() {
        QFETCH(QString, file);
        QFETCH(bool, accepted);
        if (!QFile::exists(path(file)))
            QVERIFY(writeDat(path(file), 8));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(path(file))});
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (!accepted)
            return;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QTRY_COMPARE(squelch(), 8);
        QCOMPARE(m_doc->filePath(), path(file));
        QVERIFY(!m_doc->isModified());
    }
};

ORLEX_GUI_TEST_MAIN(TstRecentFiles)
#include "tst_recentfiles.moc"
