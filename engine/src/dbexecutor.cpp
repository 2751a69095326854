#include "dbexecutor.h"

#include "dbaddtaskfunction.h"
#include "dbafcservicebackup.h"
#include "dbmediamanager.h"
#include "enginelog.h"
#include "engineutil.h"
#include "vardex.h"

#include <dirent.h>

#include <filesystem>
#include <new>

namespace
{
    constexpr int CategoryBits = 32;
    constexpr int NotConnected = 1;

    // A folder to scan must be one that can be listed, with a Manifest.db
    // that can be read; without them every category would only look empty.
    int BackupFolderError(const std::wstring &backupPath)
    {
        namespace fs = std::filesystem;
        std::error_code ec;
        const std::string folder = WideToUtf8(backupPath);
        DIR *listing = fs::is_directory(folder, ec) ? opendir(folder.c_str()) : nullptr;
        if (!listing)
            return DBERROR_NO_BACKUP;
        closedir(listing);
        const std::wstring manifest = backupPath + L"/Manifest.db";
        if (!fs::is_regular_file(WideToUtf8(manifest), ec))
            return DBERROR_NO_MANIFEST;
        FILE *file = OpenFileW(manifest, L"rb");
        if (!file)
            return DBERROR_NO_MANIFEST;
        const bool readable = std::fgetc(file) != EOF || !std::ferror(file);
        std::fclose(file);
        return readable ? 0 : DBERROR_NO_MANIFEST;
    }
}

bool InitDBExecutor(IDBExecutor **out)
{
    if (!out)
        return false;
    InitSpdLogA("Vardex.log", nullptr);
    *out = new (std::nothrow) DBExecutor();
    return *out != nullptr;
}

void DBExecutor::Start()
{
    m_stop = false;
    if (m_param.mode == DBMODE_BACKUP)
        ScanBackup();
    else if (m_param.mode == DBMODE_DEVICE)
        ScanDevice();
}

void DBExecutor::Stop()
{
    m_stop = true;
}

void DBExecutor::SetParam(const DBExecutorParam &param)
{
    m_param = param;
}

void DBExecutor::SetCallback(DBExecutorCallback callback, void *user)
{
    m_callback = callback;
    m_user = user;
}

std::wstring DBExecutor::GetWhatsAppOwner(std::wstring backupPath)
{
    return DBMediaManager::Instance().GetWhatsAppOwner(backupPath);
}

int DBExecutor::ConnectDevice(std::wstring udid)
{
    m_stop = false;
    VARDEX_LOG("ConnectDevice.");
    const int result = CDBAfcServiceBackup::Instance().ConnectDevice(udid, m_callback);
    VARDEX_LOG("ConnectDevice Finished. ret: %d", result);
    return result;
}

int DBExecutor::DisconnectDevice()
{
    VARDEX_LOG("DisconnectDevice.");
    const int result = CDBAfcServiceBackup::Instance().DisconnectDevice();
    VARDEX_LOG("DisconnectDevice Finished. ret: %d", result);
    return result;
}

int DBExecutor::ExportFromDevice(std::wstring localFolder, std::wstring devicePath, intptr_t user)
{
    void *eventUser = reinterpret_cast<void *>(user);
    NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_SCAN_BEGIN, 0, nullptr, eventUser);
    if (StopSeen())
        return NotConnected;
    const int result = CDBAfcServiceBackup::Instance().ExportFile(localFolder, devicePath, user, &m_stop);
    if (StopSeen())
        return NotConnected;
    NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_SCAN_END, 0, nullptr, eventUser);
    return result;
}

bool DBExecutor::StopSeen() const
{
    if (!m_stop)
        return false;
    DebugTraceA("Stop Task.\n");
    return true;
}

bool DBExecutor::BuildTasks(bool deviceMode, DBTaskList &tasks)
{
    for (int position = 0; position < CategoryBits; ++position) {
        if (StopSeen())
            return false;
        const int32_t bit = int32_t(1u << position);
        if (!(m_param.categoryMask & bit))
            continue;
        const DBTaskBuilder builder = deviceMode ? DeviceTaskBuilder(bit) : BackupTaskBuilder(bit);
        if (!builder)
            continue;
        const size_t before = tasks.size();
        builder(m_param.backupPath, tasks);
        // A builder appends nothing when a database stayed locked, and a task
        // that carries its error when it could not read what it needed.
        int error = 0;
        if (tasks.size() == before) {
            error = DBERROR_LOCKED;
        } else if (tasks.back()->error) {
            error = tasks.back()->error;
            tasks.pop_back();
        }
        if (error) {
            VARDEX_LOG("Scan Backup Error: category %d could not be read, error %d", bit, error);
            NotifyCallback(m_callback, DBSTATUS_ERROR, bit, error, nullptr, m_user);
        }
    }
    return true;
}

bool DBExecutor::ReportUnusableBackup()
{
    bool wanted = false;
    for (int position = 0; position < CategoryBits && !wanted; ++position)
        wanted = (m_param.categoryMask & int32_t(1u << position)) && BackupTaskBuilder(int32_t(1u << position));
    const int error = wanted ? BackupFolderError(m_param.backupPath) : 0;
    if (!error)
        return false;
    VARDEX_LOGW(L"Scan Backup Error: %ls is no readable backup folder, error %d", m_param.backupPath.c_str(), error);
    for (int position = 0; position < CategoryBits; ++position) {
        const int32_t bit = int32_t(1u << position);
        if ((m_param.categoryMask & bit) && BackupTaskBuilder(bit))
            NotifyCallback(m_callback, DBSTATUS_ERROR, bit, error, nullptr, m_user);
    }
    return true;
}

void DBExecutor::RunTasks(DBTaskList tasks, bool logSteps)
{
    if (StopSeen())
        return;
    CVardex vardex(m_param.backupPath, m_callback);
    for (auto &task : tasks)
        vardex.AddTask(std::move(task));
    if (logSteps)
        VARDEX_LOG("scan task add success, datatype: %d", m_param.categoryMask);
    vardex.SetUser(m_user);
    vardex.SetStopFlag(&m_stop);
    if (StopSeen())
        return;

    NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_SCAN_BEGIN, 0, nullptr, m_user);
    if (StopSeen())
        return;
    if (logSteps)
        VARDEX_LOG("scan start, datatype: %d", m_param.categoryMask);
    vardex.Run();
    if (StopSeen())
        return;
    NotifyCallback(m_callback, DBSTATUS_PROGRESS, DBPROGRESS_SCAN_END, 0, nullptr, m_user);
}

void DBExecutor::ScanBackup()
{
    DBTaskList tasks;
    // Nothing is scanned in a folder that is no backup: each category is
    // reported as failed, then the scan begins and ends empty.
    if (!ReportUnusableBackup() && !BuildTasks(false, tasks))
        return;
    DBMediaManager &media = DBMediaManager::Instance();
    media.SetPaths(m_param.backupPath, m_param.outputDir, &m_stop);
    RunTasks(std::move(tasks), true);
    media.EndScan(); // also after a stop: nothing of this scan may leak into the next one
}

void DBExecutor::ScanDevice()
{
    DBMediaManager &media = DBMediaManager::Instance();
    media.SetPaths(m_param.backupPath, m_param.outputDir, &m_stop);
    if (!CDBAfcServiceBackup::Instance().PrepareDeviceScan()) {
        media.EndScan();
        return;
    }
    DBTaskList tasks;
    if (!StopSeen() && BuildTasks(true, tasks))
        RunTasks(std::move(tasks), false);
    media.EndScan();
}
