#pragma once
// Shared pieces of the GUI tests: a private settings store per run, and message boxes answered and recorded.

#include "gui/localizedmsgbox.h"

#include <QApplication>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// Runs the test object with the per-user settings store in a fresh temporary directory, so that every run is
// a first start.
#define ORLEX_GUI_TEST_MAIN(TestObject)                                                                      \
    int main(int argc, char **argv) {                                                                        \
        QTemporaryDir config;                                                                                \
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());                                             \
        QApplication app(argc, argv);                                                                        \
        QApplication::setApplicationName(QStringLiteral("ORLEX-K7"));                                        \
        TestObject test;                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                              \
    }

struct ShownBox {
    QString text;
    int style;
    QString title;
};

// Answers every message box with the next of `answers` (OK when they run out) and records it; `onShow`
// runs before the answer (with the box's number, from 0).
class BoxRecorder {
public:
    explicit BoxRecorder(QList<int> answers = {}) : m_answers(std::move(answers)) {
        msgbox::setHook([this](const QString &text, int style, const QString &title) {
            shown.append({text, style, title});
            if (onShow)
                onShow(int(shown.size()) - 1);
            return m_answers.isEmpty() ? msgbox::IdOk : m_answers.takeFirst();
        });
    }
    ~BoxRecorder() { msgbox::setHook({}); }
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    QList<ShownBox> shown;
    std::function<void(int)> onShow;

private:
    QList<int> m_answers;
};

// A file's bytes ("<missing>" when it cannot be read), and writing bytes to a file.
inline QByteArray readRaw(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
inline bool writeRaw(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}
