#pragma once

#include <QMap>

#include <functional>

class ModuleBaseFrm;
class QWidget;

// Where the pages of the main window's four slots come from. The shell
// links none of them: the folders that build them register a factory at
// start-up from a source compiled into the OBJECT library quenrow_pages,
// which only the program links (tests register pages of their own):
//
//     static void registerITunesPage()
//     {
//         ModuleRegistry::instance()->registerPage(
//             ModuleRegistry::ITunes, [] { return new RecoverFromiTunesFrm; },
//             [](ModuleBaseFrm *page, QWidget *window) { /* queued service connections */ });
//     }
//     Q_COREAPP_STARTUP_FUNCTION(registerITunesPage)
//
// The main window creates each page once, without a parent, and runs its
// wiring among its own connections, so that the shell alone wires services
// to pages. A slot without a registration gets an empty ModuleBaseFrm, and
// its home card is disabled.
//
// The data view's page has Q_INVOKABLE void startScan(const QString &backupId,
// const QString &deviceId): the window calls it by name when a module asks
// for the scan of a backup.
class ModuleRegistry
{
public:
    // The page's index in the main window's stack (0 is the home page).
    enum Slot
    {
        Device = 1,
        ITunes = 2,
        ICloud = 3,
        DataView = 4
    };
    using Factory = std::function<ModuleBaseFrm *()>;
    using Wiring = std::function<void(ModuleBaseFrm *page, QWidget *window)>;

    static ModuleRegistry *instance();

    // A later registration of a slot replaces the earlier one.
    void registerPage(Slot slot, Factory factory, Wiring wiring = Wiring());
    void unregisterPage(Slot slot);
    bool isRegistered(Slot slot) const;

    // A new page of the slot: an empty ModuleBaseFrm when the slot has no
    // registration or its factory gives none.
    ModuleBaseFrm *createPage(Slot slot) const;
    void wirePage(Slot slot, ModuleBaseFrm *page, QWidget *window) const;

private:
    struct Entry
    {
        Factory factory;
        Wiring wiring;
    };
    QMap<Slot, Entry> m_entries;
};
