#include "fileutils.h"

#include "settingsentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QStorageInfo>

QString linuxModuleName(const QString &name)
{
    static const QRegularExpression suffix(QStringLiteral("\\.(exe|dll)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(name).remove(suffix);
}

QString existingAncestor(const QString &path)
{
    QString current = QDir::cleanPath(QDir(path).absolutePath());
    while (!QFileInfo::exists(current) && current != "/")
        current = QFileInfo(current).path();
    return current;
}

quint64 diskFreeBytes(const QString &path)
{
    if (path.isEmpty())
        return 0;
    const QStorageInfo volume(existingAncestor(path));
    return volume.isValid() && volume.isReady() ? quint64(qMax<qint64>(volume.bytesFree(), 0)) : 0;
}

QString driveWithMostFreeSpace()
{
    QMap<qint64, QString> byFreeBytes;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        // Local disks and removable media are block devices; skip virtual
        // and read-only file systems.
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly()
            || !volume.device().startsWith("/dev/"))
            continue;
        byFreeBytes.insert(qMax<qint64>(volume.bytesFree(), 0), volume.rootPath());
    }
    return byFreeBytes.isEmpty() ? QString() : byFreeBytes.last();
}

void runRubbishCleaner(const QString &path)
{
    runRubbishCleaner(QStringList {path});
}

void runRubbishCleaner(const QStringList &paths)
{
    QStringList arguments = paths;
    arguments.removeAll(QString());
    if (arguments.isEmpty())
        return;
    const QString beside = QCoreApplication::applicationDirPath() + '/' + linuxModuleName("rubbish.exe");
    const QString program = SettingsEntry::instance()->endpoint("QUENROW_RUBBISH", SettingsKey::RubbishProgram, beside);
    QProcess::startDetached(program, arguments);
}
