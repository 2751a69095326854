#include "moduleregistry.h"

#include "modulebasefrm.h"

ModuleRegistry *ModuleRegistry::instance()
{
    static ModuleRegistry registry;
    return &registry;
}

void ModuleRegistry::registerPage(Slot slot, Factory factory, Wiring wiring)
{
    if (!factory) {
        unregisterPage(slot);
        return;
    }
    m_entries.insert(slot, Entry {std::move(factory), std::move(wiring)});
}

void ModuleRegistry::unregisterPage(Slot slot)
{
    m_entries.remove(slot);
}

bool ModuleRegistry::isRegistered(Slot slot) const
{
    return m_entries.contains(slot);
}

ModuleBaseFrm *ModuleRegistry::createPage(Slot slot) const
{
    const auto entry = m_entries.constFind(slot);
    ModuleBaseFrm *page = entry != m_entries.constEnd() ? entry->factory() : nullptr;
    return page ? page : new ModuleBaseFrm;
}

void ModuleRegistry::wirePage(Slot slot, ModuleBaseFrm *page, QWidget *window) const
{
    const auto entry = m_entries.constFind(slot);
    if (page && entry != m_entries.constEnd() && entry->wiring)
        entry->wiring(page, window);
}
