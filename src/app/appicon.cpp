#include "app/appicon.h"

QIcon applicationIcon() {
    // Bitmaps drawn for each size read better than one picture scaled down, and need no SVG support.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/orlex-k7.png").arg(size), QSize(size, size));
    return icon;
}
