#pragma once
// Small helpers shared by the feature window tests.

#include "gui/language.h"

#include <QAbstractButton>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QWidget>

namespace featuretest {

template <typename T> T *child(QWidget *window, const char *name) {
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qWarning("no control named %s", name);
    return widget;
}

// The caption a control shows: a label's or button's text, a frame's title, or a window's title.
inline QString caption(QWidget *widget) {
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->title();
    return widget->windowTitle();
}

// The control (or the window itself, named by its own objectName) shows `chinese`, then `english` after a
// switch, then `chinese` again after switching back.
inline void checkCaptionRoundTrip(QWidget *window, const QString &control, const QString &chinese,
                                  const QString &english) {
    QWidget *widget = control == window->objectName() ? window : window->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    QCOMPARE(caption(widget), chinese);
    Language::instance().setIndex(1);
    QCOMPARE(caption(widget), english);
    Language::instance().setIndex(0);
    QCOMPARE(caption(widget), chinese);
}

inline void showActive(QWidget *window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Screenshots are written only when ORLEX_K7_SCREENSHOT_DIR names a directory.
// Several shots are placed side by side.
// Lets pending layout work finish so that a grab shows the window as a user would see it.
inline QPixmap settledGrab(QWidget *window) {
    QCoreApplication::processEvents();
    return window->grab();
}

inline bool screenshotsWanted() {
    return !qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR").isEmpty();
}

inline void saveScreenshot(const QList<QPixmap> &shots, const QString &name) {
    const QString dir = qEnvironmentVariable("ORLEX_K7_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    int width = -12;
    int height = 0;
    for (const QPixmap &shot : shots) {
        width += shot.width() + 12;
        height = std::max(height, shot.height());
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    int x = 0;
    for (const QPixmap &shot : shots) {
        painter.drawPixmap(x, 0, shot);
        x += shot.width() + 12;
    }
    painter.end();
    QDir().mkpath(dir);
    QVERIFY(image.save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

struct LanguageGuard {
    ~LanguageGuard() { Language::instance().setIndex(0); }
};

} // namespace featuretest
