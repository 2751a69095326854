#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QString>

// Every entry below a folder, hidden ones too, with its content's digest
// ("<dir>" for folders): two snapshots compare equal when nothing below was
// added, removed or changed.
inline QMap<QString, QByteArray> folderSnapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray digest = "<dir>";
        if (!it.fileInfo().isDir()) {
            QFile file(path);
            digest = file.open(QIODevice::ReadOnly)
                         ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex()
                         : QByteArray("<unreadable>");
        }
        entries.insert(QDir(folder).relativeFilePath(path), digest);
    }
    return entries;
}
