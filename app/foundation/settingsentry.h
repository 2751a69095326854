#pragma once

#include <QMap>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

// Keys of the user's settings store that several parts of the program share.
namespace SettingsKey
{
    inline const QString Language = QStringLiteral("Language");
    inline const QString RecoverPath = QStringLiteral("RecoverPath");
    inline const QString ImportBackupPath = QStringLiteral("ImportBackupPath");
    inline const QString ICloudAccount = QStringLiteral("iCloudAccount");
    inline const QString LocalAmds = QStringLiteral("LocalAMDS");
    inline const QString FirstLaunch = QStringLiteral("firstLaunch");
    inline const QString AppFirstCycle = QStringLiteral("AppFirstCycle");
    inline const QString DataRoot = QStringLiteral("DataRoot");
    inline const QString RubbishProgram = QStringLiteral("RubbishProgram");
}

// The program's options, its language choice, the folders to delete at quit
// and its well-known folders.
//
// Scopes of a value: in memory only; the user's settings store; the language
// as its id (5 to 14); the stored language name as text. A scoped enum, so
// that a default value passed where the scope belongs does not compile.
class SettingsEntry : public QObject
{
    Q_OBJECT

public:
    enum class Scope
    {
        Memory = 0,
        User = 1,
        LanguageId = 2,
        LanguageName = 3
    };
    static constexpr Scope MemoryScope = Scope::Memory;
    static constexpr Scope UserScope = Scope::User;
    static constexpr Scope LanguageIdScope = Scope::LanguageId;
    static constexpr Scope LanguageNameScope = Scope::LanguageName;
    static constexpr int DefaultLanguageId = 5;

    explicit SettingsEntry(QObject *parent = nullptr);
    static SettingsEntry *instance();

    void setValue(const QString &key, const QVariant &value, Scope scope);
    QVariant value(const QString &key, Scope scope, const QVariant &defaultValue = QVariant()) const;
    bool contains(const QString &key, Scope scope) const;

    QString languageName(int id) const;
    int languageId(const QString &name) const;

    // An outside program or endpoint: the environment variable when set, else
    // the setting under key, else the built-in fallback.
    QString endpoint(const char *envName, const QString &key, const QString &fallback) const;
    // The deletion program: QUENROW_RUBBISH, else the setting, else
    // "rubbish" beside this program.
    QString rubbishProgram() const;

    void addCleanupPath(const QString &path);
    QStringList cleanupPaths() const;
    // The "Quenrow(iOS)_Backup" folders that a full clean-up removes: for each
    // listed path the backup folder holding it, else the one at its volume root.
    QStringList backupFolderCandidates() const;
    void cleanBackupFolders(bool allDrives, bool viaCleaner);

    QString logPath() const;
    QString backupRootPath() const;
    QString fallbackBackupRootPath() const;
    QString cacheMediaPath() const;
    QString desktopPath() const;
    QString resourcesPath() const;

private:
    mutable QMutex m_mutex; // guards the option map and the clean-up list
    QMap<QString, QVariant> m_options;
    QMap<int, QString> m_languages;
    QStringList m_cleanupPaths;
};
