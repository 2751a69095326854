#include "settingsentry.h"

#include "fileutils.h"
#include "folderdeleter.h"
#include "spdlogcore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

namespace
{
    const QString kBackupFolderName = QStringLiteral("Quenrow(iOS)_Backup");

    QString backupFolderIn(const QString &root)
    {
        return QDir::cleanPath(root + '/' + kBackupFolderName);
    }

    // The backup folder a path lies in, else the one at the root of its volume.
    QString backupFolderOf(const QString &path)
    {
        const QStringList parts = QDir::cleanPath(QDir(path).absolutePath()).split('/');
        const int at = parts.indexOf(kBackupFolderName, 1);
        if (at > 0)
            return parts.mid(0, at + 1).join('/');
        const QStorageInfo volume(existingAncestor(path));
        return volume.isValid() ? backupFolderIn(volume.rootPath()) : QString();
    }

    bool makeWritableFolder(const QString &folder)
    {
        const QFileInfo info(folder);
        return QDir().mkpath(folder) && info.isDir() && info.isWritable();
    }

    void removeNow(const QString &path)
    {
        QString error;
        if (!FolderDeleter::remove(path, &error))
            SpdLogA(__FILE__, __LINE__, SPDLOG_LEVEL_ERROR, "%s", error.toUtf8().constData());
    }
}

SettingsEntry::SettingsEntry(QObject *parent)
    : QObject(parent)
{
    const QStringList names {"english", "italian", "russian", "german", "french", "spanish",
                             "portuguese", "japanese", "chinesesimplified", "chinesetraditional"};
    for (int i = 0; i < names.size(); ++i)
        m_languages.insert(DefaultLanguageId + i, names.at(i));
}

SettingsEntry *SettingsEntry::instance()
{
    static SettingsEntry entry;
    return &entry;
}

void SettingsEntry::setValue(const QString &key, const QVariant &value, Scope scope)
{
    switch (scope) {
    case Scope::Memory: {
        QMutexLocker lock(&m_mutex);
        m_options.insert(key, value);
        break;
    }
    case Scope::User:
        QSettings().setValue(key, value);
        break;
    case Scope::LanguageId: {
        QSettings settings;
        settings.setValue(key, languageName(value.toInt()));
        settings.sync();
        break;
    }
    default:
        break;
    }
}

QVariant SettingsEntry::value(const QString &key, Scope scope, const QVariant &defaultValue) const
{
    switch (scope) {
    case Scope::Memory: {
        QMutexLocker lock(&m_mutex);
        return m_options.value(key, defaultValue);
    }
    case Scope::User:
        return QSettings().value(key, defaultValue);
    case Scope::LanguageId:
        return languageId(QSettings().value(key).toString());
    case Scope::LanguageName:
        return QSettings().value(key).toString();
    default:
        return defaultValue;
    }
}

bool SettingsEntry::contains(const QString &key, Scope scope) const
{
    if (scope == Scope::Memory) {
        QMutexLocker lock(&m_mutex);
        return m_options.contains(key);
    }
    return scope == Scope::User && QSettings().contains(key);
}

QString SettingsEntry::languageName(int id) const
{
    return m_languages.value(id, m_languages.value(DefaultLanguageId));
}

int SettingsEntry::languageId(const QString &name) const
{
    return m_languages.key(name, DefaultLanguageId);
}

QString SettingsEntry::endpoint(const char *envName, const QString &key, const QString &fallback) const
{
    const QString fromEnv = qEnvironmentVariable(envName);
    if (!fromEnv.isEmpty())
        return fromEnv;
    const QString fromSettings = value(key, Scope::User).toString();
    return fromSettings.isEmpty() ? fallback : fromSettings;
}

QString SettingsEntry::rubbishProgram() const
{
    const QString beside = QCoreApplication::applicationDirPath() + '/' + linuxModuleName("rubbish.exe");
    return endpoint("QUENROW_RUBBISH", SettingsKey::RubbishProgram, beside);
}

void SettingsEntry::addCleanupPath(const QString &path)
{
    if (path.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    m_cleanupPaths << QDir(path).absolutePath();
}

QStringList SettingsEntry::cleanupPaths() const
{
    QMutexLocker lock(&m_mutex);
    return m_cleanupPaths;
}

QStringList SettingsEntry::backupFolderCandidates() const
{
    QStringList kept;
    for (const QString &path : cleanupPaths()) {
        const QString folder = backupFolderOf(path);
        if (!folder.isEmpty() && !kept.contains(folder) && QFileInfo(folder).isDir())
            kept << folder;
    }
    return kept;
}

void SettingsEntry::cleanBackupFolders(bool allDrives, bool viaCleaner)
{
    if (!allDrives) {
        QString last;
        {
            QMutexLocker lock(&m_mutex);
            if (m_cleanupPaths.isEmpty())
                return;
            last = m_cleanupPaths.takeLast();
        }
        viaCleaner ? runRubbishCleaner(rubbishProgram(), last) : removeNow(last);
        return;
    }
    const QStringList kept = backupFolderCandidates();
    if (viaCleaner && !kept.isEmpty()) {
        runRubbishCleaner(rubbishProgram(), kept);
        return;
    }
    for (const QString &folder : kept)
        removeNow(folder);
}

QString SettingsEntry::logPath() const
{
    // Where the logging library writes, so that "app.txt" is found here.
    const QString folder = QString::fromUtf8(SpdLogFolder());
    QDir().mkpath(folder);
    return folder;
}

QString SettingsEntry::backupRootPath() const
{
    const QString root = endpoint("QUENROW_DATA_ROOT", SettingsKey::DataRoot, driveWithMostFreeSpace());
    if (!root.isEmpty()) {
        const QString folder = backupFolderIn(root);
        if (makeWritableFolder(folder))
            return folder;
    }
    // A volume root is seldom writable for a user; keep the backup in a
    // per-user folder then. It lies in a folder of the same name, so the
    // full clean-up finds it as well.
    const QString fallback = fallbackBackupRootPath();
    QDir().mkpath(fallback);
    return fallback;
}

QString SettingsEntry::fallbackBackupRootPath() const
{
    return backupFolderIn(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}

QString SettingsEntry::cacheMediaPath() const
{
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + "/cache_media";
}

QString SettingsEntry::desktopPath() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString SettingsEntry::resourcesPath() const
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::DataLocation);
    const QString folder = data + "/resources";
    QDir().mkpath(folder);
    return folder;
}
