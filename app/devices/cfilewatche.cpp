#include "cfilewatche.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QSet>

CFileWatche::CFileWatche(QObject *parent)
    : QObject(parent)
    , m_watcher(new QFileSystemWatcher(this))
{
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &CFileWatche::onDirectoryChanged);
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &CFileWatche::signalFileChange);
}

CFileWatche::~CFileWatche() = default;

QStringList CFileWatche::listing(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::AllDirs | QDir::NoDotAndDotDot, QDir::Time | QDir::DirsFirst);
}

bool CFileWatche::addWatchPath(const QString &path)
{
    const bool added = m_watcher->addPath(path);
    if (QFileInfo(path).isDir())
        m_snapshots[path] = listing(path);
    return added;
}

bool CFileWatche::removeWatchPath(const QString &path)
{
    const bool removed = m_watcher->removePath(path);
    // By key: a folder deleted meanwhile is no folder any more, yet its
    // snapshot must go.
    m_snapshots.remove(path);
    return removed;
}

QStringList CFileWatche::watchedDirectories() const
{
    return m_snapshots.keys();
}

void CFileWatche::onDirectoryChanged(const QString &path)
{
    const QStringList before = m_snapshots.value(path);
    const QStringList now = listing(path);
    m_snapshots[path] = now;
    const QSet<QString> oldNames(before.cbegin(), before.cend());
    const QSet<QString> newNames(now.cbegin(), now.cend());
    const QStringList added = (newNames - oldNames).values();
    const QStringList removed = (oldNames - newNames).values();
    const QString prefix = path + QLatin1Char('/');
    if (!added.isEmpty() && !removed.isEmpty()) {
        if (added.size() == 1 && removed.size() == 1)
            emit signalRenameFile(prefix + removed.first(), prefix + added.first());
        return;
    }
    for (const QString &name : added)
        emit signalNewFile(prefix + name);
    for (const QString &name : removed)
        emit signalDelFile(prefix + name);
}
