#include "quitsequence.h"

#include "analyticstracker.h"
#include "fileutils.h"
#include "heartbeat.h"
#include "icloudhelp.h"
#include "itunessessionkiller.h"
#include "mobiledevicebackupmanager.h"
#include "processutils.h"
#include "realtimekillitunessessionmanager.h"
#include "scanitunesbackupmanage.h"
#include "settingsentry.h"
#include "thumbnailsessionmanager.h"
#include "vlog.h"

#include <QSettings>

#include <utility>
#include <vector>

namespace
{
    QuitSequence::Observer g_observer;
    QuitSequence::ProcessEnd g_processEnd;

    // Only the media cache and the program's own backup folders; the
    // deletion program refuses anything else by its own rule as well.
    void handOverFolders()
    {
        SettingsEntry *settings = SettingsEntry::instance();
        const QString cache = settings->cacheMediaPath();
        settings->addCleanupPath(cache);
        QStringList folders {cache};
        for (const QString &folder : settings->backupFolderCandidates()) {
            if (!folders.contains(folder))
                folders << folder;
        }
        runRubbishCleaner(settings->rubbishProgram(), folders);
    }

    using Step = std::pair<QString, std::function<void()>>;

    std::vector<Step> steps()
    {
        return {
            {QStringLiteral("analytics"), [] { trackEvent("Lifecycle", "Quit"); }},
            {QStringLiteral("log"), [] { vlogInfo(QStringLiteral("app quit")); }},
            {QStringLiteral("iTunes killer"), [] { iTunesSessionKiller()->stop(); }},
            {QStringLiteral("backup"), [] { MobileDeviceBackupManager::instance()->stopBackup(); }},
            {QStringLiteral("scan"), [] { ScaniTunesBackupManage::instance()->quitScan(); }},
            {QStringLiteral("iCloud"), [] { iCloudHelp::instance()->quit(); }},
            {QStringLiteral("thumbnails"), [] { ThumbnailSessionManager::instance()->stopAll(); }},
            {QStringLiteral("clean-up"), handOverFolders},
            {QStringLiteral("end"),
             [] {
                 if (g_processEnd)
                     g_processEnd(0);
                 else
                     QuitSequence::endProcess(0);
             }},
        };
    }
}

QStringList QuitSequence::stepNames()
{
    QStringList names;
    for (const Step &step : steps())
        names << step.first;
    return names;
}

void QuitSequence::run()
{
    for (const Step &step : steps()) {
        if (g_observer)
            g_observer(step.first);
        step.second();
    }
}

void QuitSequence::endProcess(int exitCode)
{
    // The log writes each entry through; the settings may still hold
    // changes in memory, and the heartbeat is written only now.
    QSettings().sync();
    Heartbeat::writeProcessReport();
    terminateCurrentProcess(exitCode);
}

void QuitSequence::setObserver(Observer observer)
{
    g_observer = std::move(observer);
}

void QuitSequence::setProcessEnd(ProcessEnd end)
{
    g_processEnd = std::move(end);
}
