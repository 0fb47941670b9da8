#pragma once
// Window geometry is designed in twips (1/1440 inch); these convert at the screen's resolution.

#include <QGuiApplication>
#include <QScreen>

inline int twipsToPixels(int twips) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return int(twips * dpi / 1440.0 + 0.5);
}
