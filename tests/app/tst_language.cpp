// The main window's and the About window's texts in both languages, and switching back and forth.

#include "common/guitest.h"

#include "app/aboutdialog.h"
#include "app/bandcombobox.h"
#include "app/mainwindow.h"
#include "app/radiopicture.h"
#include "app/startup.h"
#include "editors/calibrationwindow.h"
#include "editors/channeleditorwindow.h"
#include "editors/dtmfwindow.h"
#include "editors/fmradiowindow.h"
#include "editors/optionalfeatureswindow.h"
#include "gui/document.h"
#include "gui/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QToolBar>

namespace {
QString rectText(const QRect &r, const QRect &area) {
    return QStringLiteral("%1,%2 %3x%4 in %5x%6")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .arg(area.width())
        .arg(area.height());
}

// Every text a user can see on a window and its children, keyed by where it is.
QMap<QString, QString> allTexts(QWidget *root) {
    QMap<QString, QString> texts;
    auto path = [root](QObject *o) {
        QStringList parts;
        for (QObject *p = o; p && p != root; p = p->parent())
            parts.prepend(p->objectName() + QLatin1Char(':') +
                          QString::fromLatin1(p->metaObject()->className()));
        return parts.join(QLatin1Char('/'));
    };
    texts.insert(QStringLiteral("<title>"), root->windowTitle());
    for (QWidget *w : root->findChildren<QWidget *>()) {
        const QString key = path(w);
        texts.insert(key + QStringLiteral("#title"), w->windowTitle());
        texts.insert(key + QStringLiteral("#tip"), w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w))
            texts.insert(key + QStringLiteral("#text"), label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            texts.insert(key + QStringLiteral("#text"), button->text());
        if (auto *box = qobject_cast<QGroupBox *>(w))
            texts.insert(key + QStringLiteral("#text"), box->title());
        if (auto *menu = qobject_cast<QMenu *>(w))
            texts.insert(key + QStringLiteral("#text"), menu->title());
        if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                texts.insert(key + QStringLiteral("#item%1").arg(i), combo->itemText(i));
            texts.insert(key + QStringLiteral("#current"), QString::number(combo->currentIndex()));
        }
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                texts.insert(key + QStringLiteral("#tab%1").arg(i), tabs->tabText(i));
        if (auto *header = qobject_cast<QHeaderView *>(w); header && header->model())
            for (int i = 0; i < header->count(); ++i)
                texts.insert(key + QStringLiteral("#section%1").arg(i),
                             header->model()->headerData(i, header->orientation()).toString());
    }
    for (QAction *a : root->findChildren<QAction *>()) {
        const QString key = path(a);
        texts.insert(key + QStringLiteral("#text"), a->text());
        texts.insert(key + QStringLiteral("#tip"), a->toolTip());
    }
    return texts;
}
} // namespace

class TstLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    Document *m_doc = nullptr;
    std::unique_ptr<MainWindow> m_window;

    template <typename T> T *child(const QString &name) const { return m_window->findChild<T *>(name); }
    QWidget *strip() const { return child<QWidget>(QStringLiteral("Picture1")); }

private slots:
    void init() {
        Language::instance().setIndex(0);
        m_doc = new Document;
        m_window = startProgram(*m_doc, m_dir.filePath(QStringLiteral("parameter")));
        m_window->show();
    }
    void cleanup() {
        m_window.reset();
        delete m_doc;
        m_doc = nullptr;
        Language::instance().setIndex(0);
    }

    void mainWindowTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("chinese");
        QTest::addColumn<QString>("english");
        const char *rows[][3] = {
            {"MNFile", "文件(&F)", "File(&F)"},
            {"MNNew", "新建(&N)", "New(&N)"},
            {"MNOpen", "打开(&O)", "Open(&O)"},
            {"MNSave", "保存(&S)", "Save(&S)"},
            {"MNPrint", "打印(&P)", "Print(&P)"},
            {"MNQuit", "退出(&Q)", "Quit(&Q)"},
            {"MNEdit", "编辑(&E)", "Edit(&E)"},
            {"MNModel", "信道编辑(&M)", "Channel Edit(&M)"},
            {"MNDTMF", "DTMF信令(&D)", "DTMF(&D)"},
            {"MNOption", "可选功能(&P)", "Optional Features(&P)"},
            {"MNDebug", "调试信息(&B)", "Debug Information(&B)"},
            {"MNFMset", "收音机频道设置", "FM Channel Set"},
            {"MNProgram", "编程(&G)", "Programming(&G)"},
            {"MNRead", "读频(&R)", "Read Data from the Transceive(&R)"},
            {"MNWrite", "写频(&W)", "Write Data in the Transceive(&W)"},
            {"MNCommPort", "通信端口(&C)", "Communication Port(&C)"},
            {"MNLanguage", "语言选择(&L)", "Language Select(&L)"},
            {"MNChinese", "中文(&C)", "Chinese(&C)"},
            {"MNEnglish", "英文(&E)", "English(&E)"},
            {"MNHelp", "帮助(&H)", "Help(&H)"},
            {"MNF1", "帮助主题(F1)", "Help Theme(F1)"},
            {"MNAbout", "帮助(&H)", "About(&H)"},
            {"MNOpenBackup", "打开备份(&B)…", "Open Backup(&B)…"},
            {"MNCompare", "与对讲机比较(&C)", "Compare with Radio(&C)"},
            {"MNVerify", "写频后校验(&V)", "Verify After Writing(&V)"},
            {"window", "ORLEX-K7 对讲机编程软件V1.20", "ORLEX-K7 Radio Programming Software V1.20"},
            {"Label1", "频段:", "Range:"},
            {"Panel2", "Zolvarex", ""},
            {"tip:TNew", "新建", "New"},
            {"tip:TOpen", "打开", "Open"},
            {"tip:TSave", "保存", "Save"},
            {"tip:TRead", "读频", "Read Data from the Transceive"},
            {"tip:TWrite", "写频", "Write Data in the Transceive"},
            {"tip:TAnMa", "", ""},
            {"tip:TDebug", "", ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1])
                                  << QString::fromUtf8(row[2]);
    }
    void mainWindowTexts() {
        QFETCH(QString, name);
        QFETCH(QString, chinese);
        QFETCH(QString, english);
        auto current = [&]() -> QString {
            if (name == QStringLiteral("window"))
                return m_window->windowTitle();
            if (name == QStringLiteral("Label1"))
                return strip()->findChild<QLabel *>(name)->text();
            if (name == QStringLiteral("Panel2"))
                return child<QLabel>(name)->text();
            if (name.startsWith(QStringLiteral("tip:"))) {
                const QString key = name.mid(4);
                QAction *a = child<QToolBar>(QStringLiteral("Toolbar1"))->findChild<QAction *>(key);
                // An action without its own tip shows its text; the toolbar buttons have no text.
                return a->toolTip() == a->text() ? QString() : a->toolTip();
            }
            if (auto *menu = child<QMenu>(name))
                return menu->title();
            return child<QAction>(name)->text();
        };
        QCOMPARE(current(), chinese);
        child<QAction>(QStringLiteral("MNEnglish"))->trigger();
        QCOMPARE(current(), english);
        child<QAction>(QStringLiteral("MNChinese"))->trigger();
        QCOMPARE(current(), chinese);
    }

    void sameInBothLanguages() {
        auto *bands = strip()->findChild<BandComboBox *>(QStringLiteral("Combo1"));
        const QStringList entries = {"A:136-173.995MHz B:400-469.995MHz", "A:144-146MHz B:430-440MHz",
                                     "A:136-174.995MHz B:400-479.995MHz"};
        for (int lang : {1, 0}) {
            Language::instance().setIndex(lang);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(bands->itemText(i), entries[i]);
            QCOMPARE(child<QLabel>(QStringLiteral("Panel1"))->text(), QStringLiteral("COM: 0"));
        }
    }

    void roundTripRestoresEveryText_data() {
        QTest::addColumn<int>("first");
        QTest::newRow("English -> Chinese -> English") << 1;
        QTest::newRow("Chinese -> English -> Chinese") << 0;
    }
    void roundTripRestoresEveryText() {
        QFETCH(int, first);
        // Every editor shows, so hidden windows count too.
        for (const char *command : {"MNOption", "MNDebug", "MNFMset", "MNModel"})
            child<QAction>(QString::fromLatin1(command))->trigger();
        Language::instance().setIndex(first);
        const QMap<QString, QString> before = allTexts(m_window.get());
        Language::instance().setIndex(1 - first);
        const QMap<QString, QString> switched = allTexts(m_window.get());
        QVERIFY(before != switched);
        Language::instance().setIndex(first);
        const QMap<QString, QString> after = allTexts(m_window.get());
        QCOMPARE(after.keys(), before.keys());
        for (auto it = before.begin(); it != before.end(); ++it)
            QVERIFY2(after.value(it.key()) == it.value(),
                     qPrintable(it.key() + QStringLiteral(": ") + it.value() + QStringLiteral(" -> ") +
                                after.value(it.key())));
    }

    void switchKeepsValues() {
        m_window->setPortNumber(5);
        RadioConfig config = m_doc->config();
        config.band = 2;
        config.channels[3] = newChannel(QStringLiteral("440.12500"), QStringLiteral("ABC"));
        m_doc->setConfig(config);
        child<QAction>(QStringLiteral("MNEnglish"))->trigger();
        child<QAction>(QStringLiteral("MNChinese"))->trigger();
        QVERIFY(m_doc->config() == config);
        QCOMPARE(strip()->findChild<QComboBox *>(QStringLiteral("Combo1"))->currentIndex(), 2);
        QCOMPARE(child<QLabel>(QStringLiteral("Panel1"))->text(), QStringLiteral("COM: 5"));
    }

    void grownEditorStaysInside_data() {
        QTest::addColumn<QString>("placed"); // where the window stands when the language changes
        QTest::newRow("where it opened") << "opened";
        QTest::newRow("at the right edge") << "right";
        QTest::newRow("in the bottom right corner") << "corner";
        QTest::newRow("at the left edge") << "left";
    }
    // The optional-features window grows for the longer English texts; it stays inside the main window's
    // client area (the main window keeps its 1024 pixels), moving no further than it must.
    void grownEditorStaysInside() {
        QFETCH(QString, placed);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->width(), 1024);
        auto *area = child<QMdiArea>(QStringLiteral("MdiArea"));
        auto *sub = child<QMdiSubWindow>(QStringLiteral("Form3Frame"));
        QVERIFY(area && sub);
        child<QAction>(QStringLiteral("MNOption"))->trigger();
        QVERIFY(sub->isVisible());
        const QRect client = area->viewport()->rect();
        QVERIFY2(client.contains(sub->geometry()), qPrintable(rectText(sub->geometry(), client)));
        if (placed == "right")
            sub->move(client.width() - sub->width(), 20);
        else if (placed == "corner")
            sub->move(client.width() - sub->width(), client.height() - sub->height());
        else if (placed == "left")
            sub->move(0, 20);
        const QRect before = sub->geometry();

        child<QAction>(QStringLiteral("MNEnglish"))->trigger();
        QTRY_VERIFY(sub->width() > before.width()); // once the window's layout has settled
        const QRect after = sub->geometry();
        QVERIFY2(client.contains(after), qPrintable(rectText(after, client)));
        QVERIFY(after.height() >= before.height());
        if (placed == "left") {
            QCOMPARE(after.topLeft(), before.topLeft());
        } else {
            QCOMPARE(after.right(), client.right());
            QCOMPARE(after.top(), std::min(before.top(), client.height() - after.height()));
        }
        child<QAction>(QStringLiteral("MNChinese"))->trigger();
        QVERIFY(client.contains(sub->geometry()));
    }

    void otherIndexChangesNothing() {
        Language::instance().setIndex(1);
        const QMap<QString, QString> before = allTexts(m_window.get());
        Language::instance().setIndex(2);
        QCOMPARE(Language::instance().index(), 1);
        QCOMPARE(allTexts(m_window.get()), before);
    }

    void aboutTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::newRow("Chinese") << 0 << QString::fromUtf8("帮助")
                                 << QString::fromUtf8("ORLEX-K7 对讲机编程软件")
                                 << QString::fromUtf8("简体中文版 V1.20");
        QTest::newRow("English") << 1 << "Help"
                                 << "ORLEX-K7 Radio Programming Software"
                                 << "English edition V1.20";
    }
    void aboutTexts() {
        QFETCH(int, language);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, version);
        Language::instance().setIndex(language);
        for (int round = 0; round < 2; ++round) {
            QString seenCaption, seenTitle, seenVersion, seenCopyright;
            bool modal = false;
            QSize pictureSize;
            QTimer::singleShot(0, this, [&] {
                QWidget *about = QApplication::activeModalWidget();
                QVERIFY(about);
                QCOMPARE(about->objectName(), QStringLiteral("FrmAbout"));
                modal = about->isModal();
                seenCaption = about->windowTitle();
                seenTitle = about->findChild<QLabel *>(QStringLiteral("lblTitle"))->text();
                seenVersion = about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text();
                seenCopyright = about->findChild<QLabel *>(QStringLiteral("lblCopyR"))->text();
                pictureSize = about->findChild<QWidget *>(QStringLiteral("Image1"))->size();
                // A click on a label leaves it open; a click on the background closes it.
                QTest::mouseClick(about->findChild<QLabel *>(QStringLiteral("lblTitle")), Qt::LeftButton);
                QVERIFY(about->isVisible());
                QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(3, 3));
            });
            child<QAction>(QStringLiteral("MNAbout"))->trigger();
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(modal);
            QCOMPARE(seenCaption, caption);
            QCOMPARE(seenTitle, title);
            QCOMPARE(seenVersion, version);
            QVERIFY(!seenCopyright.isEmpty());
            QCOMPARE(pictureSize, QSize(87, 73));
        }
        QVERIFY(m_window->channelEditor()->isVisible());
    }

    void aboutCopyrightAndIconAreFixed() {
        AboutDialog zh(m_window->channelEditor()->windowIcon());
        const QString copyright = zh.findChild<QLabel *>(QStringLiteral("lblCopyR"))->text();
        Language::instance().setIndex(1);
        AboutDialog en(m_window->channelEditor()->windowIcon());
        QCOMPARE(en.findChild<QLabel *>(QStringLiteral("lblCopyR"))->text(), copyright);
        QCOMPARE(en.windowIcon().cacheKey(), m_window->channelEditor()->windowIcon().cacheKey());
    }

    // Set ORLEX_K7_SCREENSHOT_DIR to save the main window and the About window in both languages.
    void screenshots() {
        const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
        if (dir.isEmpty())
            QSKIP("ORLEX_K7_SCREENSHOT_DIR not set");
        m_window->resize(1100, 760);
        RadioConfig config = m_doc->config();
        config.channels[0] = newChannel(QStringLiteral("145.00000"), QStringLiteral("HOME"));
        config.channels[1] = newChannel(QStringLiteral("435.12500"));
        m_doc->setConfig(config);
        m_doc->setForceWriteMode(true);
        for (int language : {0, 1}) {
            Language::instance().setIndex(language);
            QTest::qWait(50);
            const QString suffix = language == 0 ? QStringLiteral("zh") : QStringLiteral("en");
            QVERIFY(m_window->grab().save(dir + QStringLiteral("/main_%1.png").arg(suffix)));
            AboutDialog about(m_window->channelEditor()->windowIcon());
            about.show();
            QTest::qWait(400);
            QVERIFY(about.grab().save(dir + QStringLiteral("/about_%1.png").arg(suffix)));
        }
    }

    void aboutPictureMoves() {
        RadioPicture picture;
        const int first = picture.frame();
        QTRY_VERIFY(picture.frame() != first);
        const QImage a = picture.grab().toImage();
        const int next = picture.frame();
        QTRY_VERIFY(picture.frame() != next);
        QVERIFY(picture.grab().toImage() != a);
    }
};

ORLEX_GUI_TEST_MAIN(TstLanguage)
#include "tst_language.moc"
