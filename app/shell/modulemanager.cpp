#include "modulemanager.h"

ModuleManager::ModuleManager()
    : QObject(nullptr)
{
    // Pages and views connect to currentChanged across threads too.
    qRegisterMetaType<ModuleManager::ModuleType>("ModuleManager::ModuleType");
}

ModuleManager *ModuleManager::instance()
{
    static ModuleManager manager;
    return &manager;
}

void ModuleManager::setCurrent(ModuleType type)
{
    if (type == m_current)
        return;
    m_current = type;
    emit currentChanged(type);
}

ModuleManager::ModuleType ModuleManager::current() const
{
    return m_current;
}
