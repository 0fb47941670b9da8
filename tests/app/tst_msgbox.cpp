// The real message box: buttons and their captions by language, icons, default button, results.

#include "common/guitest.h"

#include "gui/language.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {
enum class Action { ClickOk, ClickCancel, Escape, Enter, CloseBox };
}
Q_DECLARE_METATYPE(Action)

class TstMsgBox : public QObject {
    Q_OBJECT

    struct Seen {
        QStringList buttons;
        QString defaultButton;
        QString focused;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
    };

    // Shows a box, inspects it as it appears, then answers it with `action`.
    int show(const QString &text, int style, const QString &title, Action action, Seen &seen) {
        QTimer::singleShot(0, this, [&seen, action] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton *b : box->buttons())
                seen.buttons << b->text();
            seen.buttons.sort();
            seen.defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            auto *focused = qobject_cast<QPushButton *>(box->focusWidget());
            seen.focused = focused ? focused->text() : QString();
            seen.icon = box->icon();
            seen.title = box->windowTitle();
            seen.text = box->text();
            switch (action) {
            case Action::ClickOk:
                box->findChild<QAbstractButton *>(QStringLiteral("IdOk"))->click();
                break;
            case Action::ClickCancel:
                box->findChild<QAbstractButton *>(QStringLiteral("IdCancel"))->click();
                break;
            case Action::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Action::Enter:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            case Action::CloseBox:
                box->close();
                break;
            }
        });
        return LocalizedMsgBox(text, style, title);
    }

private slots:
    void init() { msgbox::setHook({}); }

    void buttonsAndResults_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("style");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("defaultButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("result");
        const QString ok = QString::fromUtf8("确定"), cancel = QString::fromUtf8("取消");
        QTest::newRow("0 zh OK") << 0 << 0 << Action::ClickOk << QStringList{ok} << ok
                                 << int(QMessageBox::NoIcon) << 1;
        QTest::newRow("0 en OK") << 1 << 0 << Action::ClickOk << QStringList{"OK"} << "OK"
                                 << int(QMessageBox::NoIcon) << 1;
        QTest::newRow("0 en Escape") << 1 << 0 << Action::Escape << QStringList{"OK"} << "OK"
                                     << int(QMessageBox::NoIcon) << 1;
        QTest::newRow("16 zh") << 0 << 16 << Action::ClickOk << QStringList{ok} << ok
                               << int(QMessageBox::Critical) << 1;
        QTest::newRow("48 en") << 1 << 48 << Action::Enter << QStringList{"OK"} << "OK"
                               << int(QMessageBox::Warning) << 1;
        QTest::newRow("4385 zh OK") << 0 << 4385 << Action::ClickOk << QStringList{cancel, ok} << cancel
                                    << int(QMessageBox::Question) << 1;
        QTest::newRow("4385 zh Cancel") << 0 << 4385 << Action::ClickCancel << QStringList{cancel, ok}
                                        << cancel << int(QMessageBox::Question) << 2;
        QTest::newRow("4385 en Escape") << 1 << 4385 << Action::Escape << QStringList{"Cancel", "OK"}
                                        << "Cancel" << int(QMessageBox::Question) << 2;
        QTest::newRow("4385 en Enter takes Cancel")
            << 1 << 4385 << Action::Enter << QStringList{"Cancel", "OK"} << "Cancel"
            << int(QMessageBox::Question) << 2;
        QTest::newRow("4385 zh close box") << 0 << 4385 << Action::CloseBox << QStringList{cancel, ok}
                                           << cancel << int(QMessageBox::Question) << 2;
    }
    void buttonsAndResults() {
        QFETCH(int, language);
        QFETCH(int, style);
        QFETCH(Action, action);
        QFETCH(QStringList, buttons);
        QFETCH(QString, defaultButton);
        QFETCH(int, icon);
        QFETCH(int, result);
        Language::instance().setIndex(language);
        Seen seen;
        QCOMPARE(show(QStringLiteral("text"), style, QStringLiteral("Title"), action, seen), result);
        QCOMPARE(seen.buttons, buttons);
        QCOMPARE(seen.defaultButton, defaultButton);
        QCOMPARE(int(seen.icon), icon);
        QCOMPARE(seen.title, QStringLiteral("Title"));
    }

    void quitBoxFocusesCancel() {
        Language::instance().setIndex(0);
        Seen seen;
        show(QString::fromUtf8("确定退出本程序？\r\n未保存的更改将全部丢失！"), 4385,
             QString::fromUtf8("注意"), Action::Escape, seen);
        QCOMPARE(seen.focused, QString::fromUtf8("取消"));
        // The line break shows as a second line.
        QCOMPARE(seen.text, QString::fromUtf8("确定退出本程序？\n未保存的更改将全部丢失！"));
    }

    void emptyTitleIsTheApplicationTitle() {
        Seen seen;
        show(QStringLiteral("x"), 0, QString(), Action::ClickOk, seen);
        QCOMPARE(seen.title, QStringLiteral("ORLEX-K7"));
    }

    void hookSeesWhatWouldShow() {
        BoxRecorder boxes({msgbox::IdCancel});
        QCOMPARE(LocalizedMsgBox(QStringLiteral("q"), 4385), msgbox::IdCancel);
        QCOMPARE(boxes.shown.size(), 1);
        QCOMPARE(boxes.shown[0].title, QStringLiteral("ORLEX-K7"));
    }
};

ORLEX_GUI_TEST_MAIN(TstMsgBox)
#include "tst_msgbox.moc"
