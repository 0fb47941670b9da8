#include "files/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {
const QString FilesKey = QStringLiteral("recent/files");
const QString FolderKey = QStringLiteral("recent/folder");

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("ORLEX-K7"),
                     QStringLiteral("ORLEX-K7"));
}

QString absolute(const QString &path) {
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

namespace recent {

QStringList without(const QStringList &files, const QString &path) {
    const QString key = absolute(path);
    QStringList kept;
    for (const QString &file : files)
        if (absolute(file) != key)
            kept << file;
    return kept;
}

QStringList withFirst(const QStringList &files, const QString &path) {
    QStringList list = without(files, path);
    list.prepend(absolute(path));
    while (list.size() > MaxFiles)
        list.removeLast();
    return list;
}

QStringList files() {
    QStringList list = store().value(FilesKey).toStringList();
    list.removeAll(QString());
    return list.mid(0, MaxFiles);
}

void setFiles(const QStringList &files) {
    QSettings s = store();
    s.setValue(FilesKey, files);
    s.sync();
}

QString folder() {
    return store().value(FolderKey).toString();
}

void setFolder(const QString &folder) {
    QSettings s = store();
    s.setValue(FolderKey, folder);
    s.sync();
}

} // namespace recent
