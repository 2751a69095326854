#pragma once

#include <QMap>
#include <QObject>
#include <QStringList>

class QFileSystemWatcher;

// Reports which entries of watched folders appeared, went or were renamed,
// and which watched files changed, by comparing a folder's listing with the
// one seen last.
class CFileWatche : public QObject
{
    Q_OBJECT

public:
    explicit CFileWatche(QObject *parent = nullptr);
    ~CFileWatche() override;

    bool addWatchPath(const QString &path);
    bool removeWatchPath(const QString &path);
    QStringList watchedDirectories() const;

signals:
    void signalNewFile(const QString &file);
    void signalDelFile(const QString &file);
    void signalRenameFile(const QString &oldfile, const QString &newfile);
    void signalFileChange(const QString &file);

private:
    void onDirectoryChanged(const QString &path);
    static QStringList listing(const QString &path);

    QFileSystemWatcher *m_watcher;
    QMap<QString, QStringList> m_snapshots;
};
