#pragma once
// What an undo step is called, in both interface languages ("Channel 5 RXFreq" / "频道5 接收频率"); the Edit
// menu shows it after "Undo" and "Redo" in the language of the moment.

#include "gui/language.h"

#include <QString>

struct ChangeText {
    QString chinese;
    QString english;

    ChangeText() = default;
    ChangeText(QString zh, QString en) : chinese(std::move(zh)), english(std::move(en)) {}
    ChangeText(const char *zh, const char *en)
        : chinese(QString::fromUtf8(zh)), english(QString::fromUtf8(en)) {}
    // One text for both languages (a file name, a code).
    explicit ChangeText(const QString &both) : chinese(both), english(both) {}

    bool isEmpty() const { return chinese.isEmpty() && english.isEmpty(); }
    QString pick() const { return lang::pick(chinese, english); }
};
