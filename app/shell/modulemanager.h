#pragma once

#include <QObject>

// Which source the user is recovering from; pages and views choose their
// texts and their scan by it.
class ModuleManager : public QObject
{
    Q_OBJECT

public:
    enum ModuleType
    {
        Home = 0,
        IOSDevice = 1,
        IOSDeviceSelectiveBackup = 2,
        ITunesBackup = 4,
        ICloudBackup = 8
    };
    Q_ENUM(ModuleType)

    static ModuleManager *instance();

    // A value equal to the current one changes nothing and emits nothing.
    void setCurrent(ModuleType type);
    ModuleType current() const;

signals:
    void currentChanged(ModuleManager::ModuleType type);

private:
    ModuleManager();

    ModuleType m_current = Home;
};
