#include "app/filedialogs.h"

#include <QFileDialog>

namespace {
filedialog::Hook &hook() {
    static filedialog::Hook h;
    return h;
}
} // namespace

QString filedialog::datFilter() {
    return QStringLiteral("DAT文件(*.dat);;AllFiles(*.*)");
}

QString filedialog::csvFilter() {
    return QStringLiteral("CSV (*.csv);;AllFiles(*.*)");
}

void filedialog::setHook(Hook h) {
    hook() = std::move(h);
}

QString filedialog::openPath(QWidget *parent, const QString &directory) {
    if (hook())
        return hook()(Kind::Open, directory, datFilter());
    return QFileDialog::getOpenFileName(parent, QString(), directory, datFilter());
}

QString filedialog::savePath(QWidget *parent, const QString &directory) {
    if (hook())
        return hook()(Kind::Save, directory, datFilter());
    // No default suffix: a name typed without ".dat" is used as typed.
    return QFileDialog::getSaveFileName(parent, QString(), directory, datFilter());
}

QString filedialog::openCsvPath(QWidget *parent, const QString &directory) {
    if (hook())
        return hook()(Kind::Open, directory, csvFilter());
    return QFileDialog::getOpenFileName(parent, QString(), directory, csvFilter());
}

QString filedialog::saveCsvPath(QWidget *parent, const QString &directory) {
    if (hook())
        return hook()(Kind::Save, directory, csvFilter());
    QFileDialog dialog(parent, QString(), directory, csvFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
