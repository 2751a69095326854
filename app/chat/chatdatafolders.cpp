#include "chatdatafolders.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace ChatDataFolders {

namespace {

struct Roots
{
    QMutex lock;
    // Canonical, each ending in "/".
    QStringList folders;
};

Roots &shared()
{
    static Roots roots;
    return roots;
}

} // namespace

void setRoots(const QStringList &roots)
{
    QStringList folders;
    for (const QString &root : roots) {
        const QString canonical = root.isEmpty() ? QString() : QFileInfo(root).canonicalFilePath();
        if (canonical.isEmpty())
            continue;
        folders.append(canonical.endsWith(QLatin1Char('/')) ? canonical : canonical + QLatin1Char('/'));
    }
    QMutexLocker locker(&shared().lock);
    shared().folders = folders;
}

QStringList roots()
{
    QMutexLocker locker(&shared().lock);
    return shared().folders;
}

bool contains(const QString &path)
{
    if (path.isEmpty())
        return false;
    // Resolved without opening the file: links, "." and "..".
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return false;
    const QStringList folders = roots();
    for (const QString &folder : folders) {
        if (canonical.startsWith(folder))
            return true;
    }
    return false;
}

} // namespace ChatDataFolders
