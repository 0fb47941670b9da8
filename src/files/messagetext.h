#pragma once
// Text taken from input (a file name, a JSON string or member name) as it may appear in a message: terminal
// control characters are written as escapes ("\x1b", "\u202e"), so a message cannot move the cursor, change
// colours or reorder the line, and a long text is cut (ending in "…") so a message stays one short line.

#include <QString>

inline constexpr int MessageTextLimit = 200;

QString messageText(const QString &text, int maxChars = MessageTextLimit);
