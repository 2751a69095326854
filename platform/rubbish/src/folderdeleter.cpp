#include "folderdeleter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <pwd.h>
#include <unistd.h>

namespace
{
    QStringList homeFolders()
    {
        QStringList homes {QDir::homePath()};
        if (const passwd *entry = getpwuid(getuid()); entry && entry->pw_dir)
            homes << QString::fromLocal8Bit(entry->pw_dir);
        QStringList out;
        for (const QString &home : homes) {
            out << QDir::cleanPath(home);
            const QString canonical = QFileInfo(home).canonicalFilePath();
            if (!canonical.isEmpty())
                out << canonical;
        }
        return out;
    }

    bool isSameOrParentOf(const QString &folder, const QString &other)
    {
        return other == folder || folder == "/" || other.startsWith(folder + '/');
    }

    bool isVolumeRoot(const QString &path)
    {
        const QStorageInfo volume(path);
        return path == "/" || (volume.isValid() && QDir::cleanPath(volume.rootPath()) == path);
    }

    // Like QDir::removeRecursively, but a link that cannot be removed is left
    // as it is: Qt would then make the link's target writable, outside the
    // tree. Goes on after a failure so that as much as possible is removed.
    bool removeTree(const QString &folder)
    {
        bool removed = true;
        QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        while (entries.hasNext()) {
            const QString path = entries.next();
            const QFileInfo info = entries.fileInfo();
            const bool ok = info.isDir() && !info.isSymLink() ? removeTree(path) : QFile::remove(path);
            removed = removed && ok;
        }
        return QDir().rmdir(folder) && removed;
    }

    QString protectedReason(const QString &path)
    {
        if (isVolumeRoot(path))
            return QStringLiteral("refusing to remove a volume root: %1").arg(path);
        for (const QString &home : homeFolders()) {
            if (isSameOrParentOf(path, home))
                return QStringLiteral("refusing to remove the home folder or a parent of it: %1").arg(path);
        }
        return {};
    }
}

QString FolderDeleter::refusal(const QString &path)
{
    if (path.trimmed().isEmpty())
        return QStringLiteral("refusing to remove an empty path");
    if (QDir::isRelativePath(path))
        return QStringLiteral("refusing to remove a relative path: %1").arg(path);
    // Both the path as written and where it really leads must be safe:
    // "/tmp/.." or a link to the home folder are as dangerous as "/" itself.
    const QString written = QDir::cleanPath(path);
    QString reason = protectedReason(written);
    const QFileInfo info(written);
    const QString real = info.isSymLink() ? QString() : info.canonicalFilePath();
    if (reason.isEmpty() && !real.isEmpty() && real != written)
        reason = protectedReason(real);
    return reason;
}

bool FolderDeleter::remove(const QString &path, QString *error)
{
    const QString reason = refusal(path);
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    const QFileInfo info(QDir::cleanPath(path));
    bool removed = true;
    if (info.isSymLink() || (info.exists() && !info.isDir()))
        removed = QFile::remove(info.filePath());
    else if (info.exists())
        removed = removeTree(info.filePath());
    if (!removed && error)
        *error = QStringLiteral("could not remove everything below %1").arg(info.filePath());
    return removed;
}
