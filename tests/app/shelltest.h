#pragma once
// Shared pieces of the shell tests: a private settings store per run, message-box recording, and the
// main window's controls by name.

#include "app/localizedmsgbox.h"

#include <QApplication>
#include <QList>
#include <QTemporaryDir>
#include <QtTest>

// Runs the test object with the per-user settings store in a fresh temporary directory, so that every run is
// a first start.
#define ORLEX_SHELL_TEST_MAIN(TestObject)                                                                    \
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

// Answers every message box with the next of `answers` (OK when they run out) and records what was shown.
class BoxRecorder {
public:
    explicit BoxRecorder(QList<int> answers = {}) : m_answers(std::move(answers)) {
        msgbox::setHook([this](const QString &text, int style, const QString &title) {
            shown.append({text, style, title});
            return m_answers.isEmpty() ? msgbox::IdOk : m_answers.takeFirst();
        });
    }
    ~BoxRecorder() { msgbox::setHook({}); }
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;

    QList<ShownBox> shown;

private:
    QList<int> m_answers;
};
