#include "app/filedialogs.h"

#include "gui/language.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
filedialog::Hook &hook() {
    static filedialog::Hook h;
    return h;
}
} // namespace

QString filedialog::datFilter() {
    return lang::pick("DAT文件(*.dat);;AllFiles(*.*)", "DAT files (*.dat);;All files (*.*)");
}

void filedialog::setHook(Hook h) {
    hook() = std::move(h);
}

QString filedialog::withDatSuffix(const QString &path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    // "name." has an empty suffix too: the point is not doubled.
    return path.endsWith(QLatin1Char('.')) ? path + QStringLiteral("dat") : path + QStringLiteral(".dat");
}

QString filedialog::openPath(QWidget *parent, const QString &start) {
    if (hook())
        return hook()(Kind::Open, start, datFilter());
    return QFileDialog::getOpenFileName(parent, QString(), start, datFilter());
}

QString filedialog::savePath(QWidget *parent, const QString &start) {
    if (hook())
        return withDatSuffix(hook()(Kind::Save, start, datFilter()));
    QFileDialog dialog(parent, QString(), start, datFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds the suffix itself, before it asks about replacing a file of that name.
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return withDatSuffix(dialog.selectedFiles().constFirst());
}
