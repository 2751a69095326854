#include "dbafcservicebackup.h"

#include "dbmediamanager.h"
#include "enginelog.h"
#include "engineutil.h"
#include "idbprocessor.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace
{
    constexpr uint32_t ChunkSize = 65536;
    constexpr const wchar_t *DefaultThumbName = L"5005.JPG";
    constexpr const wchar_t *ThumbnailRoot = L"/PhotoData/Thumbnails/V2";
    constexpr const char *LockdownLabel = "DozadudED";
    constexpr const char *ThumbKey = "filename=";

    enum ExportResult
    {
        Copied = 0,
        Stopped = 1,
        NothingToOpen = 2,
        CopyError = 3,
        NoSlash = -1
    };

    // Device paths travel as UTF-8 ("ANSI" is UTF-8 here).
    std::string devicePathText(const std::wstring &path)
    {
        return AnsiToUtf8(WideToAnsi(path));
    }

    bool stopRequested(const std::atomic<bool> *stopFlag)
    {
        return stopFlag && *stopFlag;
    }

    // The value after key in a file-service information list.
    const char *infoValue(char **info, const char *key)
    {
        for (size_t i = 0; info && info[i] && info[i + 1]; i += 2)
            if (std::strcmp(info[i], key) == 0)
                return info[i + 1];
        return nullptr;
    }

    void removeLocal(const std::wstring &path)
    {
        std::error_code ec;
        std::filesystem::remove(WideToUtf8(path), ec);
    }
}

CDBAfcServiceBackup &CDBAfcServiceBackup::Instance()
{
    static CDBAfcServiceBackup *instance = new CDBAfcServiceBackup(); // never destroyed: copies may outlive main
    return *instance;
}

int CDBAfcServiceBackup::ConnectDevice(const std::wstring &udid, DBExecutorCallback callback)
{
    std::unique_lock<std::shared_mutex> lock(m_connection);
    Release(); // a second connect must not leak the first connection's handles
    if (callback)
        m_progressCallback = callback;
    m_connectedUdid = WideToAnsi(udid);

    // An empty UDID would make the library pick whichever device comes first.
    if (m_connectedUdid.empty() || idevice_new(&m_device, m_connectedUdid.c_str()) != IDEVICE_E_SUCCESS) {
        m_device = nullptr;
        VARDEX_LOG("*** error:Device connection failed, uuid: %s ***", m_connectedUdid.c_str());
        return 1;
    }
    if (lockdownd_client_new_with_handshake(m_device, &m_lockdown, LockdownLabel) != LOCKDOWN_E_SUCCESS) {
        m_lockdown = nullptr;
        VARDEX_LOG("*** error: Unable to get a Lockdown connection, lable: %s ***", LockdownLabel);
        Release();
        return 2;
    }
    if (lockdownd_start_service(m_lockdown, AFC_SERVICE_NAME, &m_service) != LOCKDOWN_E_SUCCESS || !m_service) {
        m_service = nullptr;
        VARDEX_LOG("*** error: Unable to get AFC service, service: %s ***", AFC_SERVICE_NAME);
        Release();
        return 3;
    }
    if (afc_client_new(m_device, m_service, &m_afc) != AFC_E_SUCCESS) {
        m_afc = nullptr;
        VARDEX_LOG("*** error: Failed to establish AFC connection. ***");
        Release();
        return 4;
    }
    return 0;
}

int CDBAfcServiceBackup::DisconnectDevice()
{
    std::unique_lock<std::shared_mutex> lock(m_connection);
    Release();
    return 0;
}

void CDBAfcServiceBackup::Release()
{
    if (m_afc)
        afc_client_free(m_afc);
    if (m_service)
        lockdownd_service_descriptor_free(m_service);
    if (m_lockdown)
        lockdownd_client_free(m_lockdown);
    if (m_device)
        idevice_free(m_device);
    m_afc = nullptr;
    m_service = nullptr;
    m_lockdown = nullptr;
    m_device = nullptr;
}

bool CDBAfcServiceBackup::IsConnected()
{
    std::shared_lock<std::shared_mutex> lock(m_connection);
    return Attached();
}

bool CDBAfcServiceBackup::Attached()
{
    if (!m_afc)
        return false;
    // The muxer client keeps its request tags in an unguarded counter.
    static std::mutex enumeration;
    std::lock_guard<std::mutex> lock(enumeration);
    char **udids = nullptr;
    int count = 0;
    if (idevice_get_device_list(&udids, &count) != IDEVICE_E_SUCCESS)
        return false;
    bool found = false;
    for (int i = 0; i < count && udids[i] && !found; ++i)
        found = m_connectedUdid == udids[i];
    idevice_device_list_free(udids);
    return found;
}

bool CDBAfcServiceBackup::IsDirectory(const std::wstring &path)
{
    if (!Attached())
        return false;
    char **info = nullptr;
    if (afc_get_file_info(m_afc, devicePathText(path).c_str(), &info) != AFC_E_SUCCESS || !info)
        return false;
    bool directory = false;
    for (size_t i = 0; info[i] && !directory; ++i)
        directory = std::strcmp(info[i], "S_IFDIR") == 0;
    afc_dictionary_free(info);
    return directory;
}

uint64_t CDBAfcServiceBackup::GetFileSize(const std::wstring &path)
{
    if (!Attached())
        return 0;
    char **info = nullptr;
    if (afc_get_file_info(m_afc, devicePathText(path).c_str(), &info) != AFC_E_SUCCESS || !info)
        return 0;
    const char *size = infoValue(info, "st_size");
    const uint64_t result = size ? std::strtoull(size, nullptr, 10) : 0;
    afc_dictionary_free(info);
    return result;
}

std::wstring CDBAfcServiceBackup::Mirror(const std::wstring &devicePath) const
{
    std::wstring path = DBMediaManager::Instance().GetOutputDir() + L"/" + devicePath;
    NormalizePath(path);
    return path;
}

CDBAfcServiceBackup::CopyResult CDBAfcServiceBackup::CopyOpenFile(uint64_t handle, const std::wstring &localPath,
                                                                  uint64_t size, bool progress, intptr_t user,
                                                                  const std::atomic<bool> *stopFlag)
{
    FILE *local = OpenFileW(localPath, L"wb");
    if (!local)
        return CopyResult::Failed;
    std::vector<char> buffer(ChunkSize);
    const DBExecutorCallback callback = progress ? m_progressCallback.load() : nullptr;
    uint64_t copied = 0;
    CopyResult result = CopyResult::Complete;
    for (;;) {
        uint32_t count = 0;
        if (afc_file_read(m_afc, handle, buffer.data(), ChunkSize, &count) != AFC_E_SUCCESS) {
            // A read that fails because the device left is not a read error.
            result = Attached() ? CopyResult::Failed : CopyResult::DeviceGone;
            break;
        }
        if (count == 0)
            break;
        if (std::fwrite(buffer.data(), 1, count, local) != count) {
            result = CopyResult::Failed;
            break;
        }
        copied += count;
        if (callback && size > 0) {
            double percent = double(copied) * 100.0 / double(size);
            NotifyCallback(callback, DBSTATUS_COPY_PROGRESS, int(percent), 0, &percent, reinterpret_cast<void *>(user));
        }
        if (stopRequested(stopFlag)) {
            result = CopyResult::Stopped;
            break;
        }
        if (!Attached()) {
            result = CopyResult::DeviceGone;
            break;
        }
    }
    if (std::fclose(local) != 0 && result == CopyResult::Complete)
        result = CopyResult::Failed;
    // Whole means every byte the device announced; an early end is a lost device.
    if (result == CopyResult::Complete && copied < size)
        result = Attached() ? CopyResult::Failed : CopyResult::DeviceGone;
    if (result == CopyResult::Complete && callback && size == 0) {
        double percent = 100.0;
        NotifyCallback(callback, DBSTATUS_COPY_PROGRESS, 100, 0, &percent, reinterpret_cast<void *>(user));
    }
    return result;
}

bool CDBAfcServiceBackup::CopyFile(const std::wstring &path)
{
    if (!Attached())
        return false;
    uint64_t handle = 0;
    if (afc_file_open(m_afc, devicePathText(path).c_str(), AFC_FOPEN_RDONLY, &handle) != AFC_E_SUCCESS || !handle)
        return false;
    const uint64_t size = GetFileSize(path);
    const CopyResult result = CopyOpenFile(handle, Mirror(path), size, false, 0, nullptr);
    afc_file_close(m_afc, handle);
    return result == CopyResult::Complete;
}

bool CDBAfcServiceBackup::CreateLocalDir(const std::wstring &relative)
{
    const std::filesystem::path folder(WideToUtf8(Mirror(relative)));
    std::error_code ec;
    return std::filesystem::create_directory(folder, ec) && !ec;
}

bool CDBAfcServiceBackup::CopyDirectory(const std::wstring &path)
{
    if (!Attached())
        return false;
    char **names = nullptr;
    const afc_error_t error = afc_read_directory(m_afc, devicePathText(path).c_str(), &names);
    if (error != AFC_E_SUCCESS) {
        VARDEX_LOG("Failed to read directory: %d\n", int(error));
        return false;
    }
    for (size_t i = 0; names && names[i]; ++i) {
        const std::string name = names[i];
        if (name == "." || name == "..")
            continue;
        if (!Attached())
            break;
        const std::wstring child = path + L"/" + AnsiToWide(name);
        // A separator in a name would place the copy somewhere else.
        if (name.find_first_of("/\\") != std::string::npos) {
            VARDEX_LOGW(L"skip a name with a separator: %ls", child.c_str());
            continue;
        }
        if (IsDirectory(child)) {
            if (CreateLocalDir(child))
                CopyDirectory(child);
            else
                VARDEX_LOGW(L"local folder exists or cannot be made, not walked: %ls", child.c_str());
        } else if (CopyFile(child)) {
            SetThumbName(AnsiToWide(name));
        } else {
            VARDEX_LOGW(L"copy failed: %ls", child.c_str());
        }
    }
    if (names)
        afc_dictionary_free(names);
    return Attached();
}

bool CDBAfcServiceBackup::BackupThumbnails()
{
    if (!Attached())
        return false;
    std::error_code ec;
    if (!std::filesystem::is_directory(WideToUtf8(Mirror(ThumbnailRoot)), ec)) {
        CreateLocalDir(L"/PhotoData");
        CreateLocalDir(L"/PhotoData/Thumbnails");
        CreateLocalDir(ThumbnailRoot);
    }
    return CopyDirectory(ThumbnailRoot);
}

bool CDBAfcServiceBackup::BackupPhotosDB()
{
    // A log left from an earlier scan would be replayed onto the new copy.
    for (const wchar_t *stale : {L"Photos.sqlite-wal", L"Photos.sqlite-shm"})
        removeLocal(Mirror(stale));

    bool result = false;
    for (const wchar_t *name : {L"Photos.sqlite", L"Photos.sqlite-wal"}) {
        const std::wstring path = std::wstring(L"/PhotoData/") + name;
        const uint64_t size = GetFileSize(path);
        uint64_t handle = 0;
        if (size == 0 || afc_file_open(m_afc, devicePathText(path).c_str(), AFC_FOPEN_RDONLY, &handle) != AFC_E_SUCCESS ||
            !handle)
            return result;
        const CopyResult copied = CopyOpenFile(handle, Mirror(name), size, false, 0, nullptr);
        afc_file_close(m_afc, handle);
        if (copied != CopyResult::Complete) {
            // Half a log is worse than none: the database alone is consistent.
            if (result)
                removeLocal(Mirror(name));
            return false;
        }
        result = true;
    }
    return result;
}

std::wstring CDBAfcServiceBackup::ThumbConfigPath(const std::wstring &programFolder)
{
    const std::string folder = WideToUtf8(programFolder);
    std::error_code ec;
    if (!folder.empty() && std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0)
        return programFolder + L"/thumb.ini";
    const char *xdg = std::getenv("XDG_DATA_HOME");
    const char *home = std::getenv("HOME");
    const std::string base = (xdg && *xdg) ? std::string(xdg) : std::string(home ? home : "/tmp") + "/.local/share";
    return Utf8ToWide(base + "/Quenrow(iOS)/thumb.ini");
}

bool CDBAfcServiceBackup::SaveThumbConfig(const std::wstring &name)
{
    std::wstring path = ThumbConfigPath(ModuleFolder());
    NormalizePath(path);
    std::wstring folder, fileName;
    SplitPath(path, folder, fileName);
    MakeFolders(folder);
    const std::string content = ThumbKey + WideToAnsi(name);
    return WriteWholeFile(path, content.data(), content.size());
}

void CDBAfcServiceBackup::LoadThumbConfig()
{
    std::wstring path = ThumbConfigPath(ModuleFolder());
    NormalizePath(path);
    const std::wstring name = AnsiToWide(AfterFirst(ReadWholeFile(path), ThumbKey));
    SetThumbName(name.empty() ? DefaultThumbName : name);
}

void CDBAfcServiceBackup::SetThumbName(const std::wstring &name)
{
    std::lock_guard<std::mutex> lock(m_thumbMutex);
    m_thumbName = name;
}

std::wstring CDBAfcServiceBackup::ThumbName() const
{
    std::lock_guard<std::mutex> lock(m_thumbMutex);
    return m_thumbName;
}

bool CDBAfcServiceBackup::PrepareDeviceScan()
{
    std::shared_lock<std::shared_mutex> lock(m_connection);
    if (!Attached())
        return false;
    // Without an output folder the mirror would land at the file system's root.
    if (DBMediaManager::Instance().GetOutputDir().empty()) {
        VARDEX_LOG("error: no output folder for the device copy");
        return false;
    }
    if (!BackupThumbnails()) {
        VARDEX_LOG("error: BackupThumbnails Failed!");
        return false;
    }
    const std::wstring thumbName = ThumbName();
    const bool saved = SaveThumbConfig(thumbName);
    if (!Attached())
        return false;
    DBMediaManager::Instance().SetThumbName(thumbName);
    if (!saved) {
        VARDEX_LOG("error: Carete Config Failed!");
        return false;
    }
    if (!Attached())
        return false;
    if (!BackupPhotosDB()) {
        VARDEX_LOG("error: BackupPhotosDB Failed!");
        return false;
    }
    return Attached();
}

int CDBAfcServiceBackup::ExportFile(const std::wstring &localDir, const std::wstring &devicePath, intptr_t user,
                                    const std::atomic<bool> *stopFlag)
{
    std::shared_lock<std::shared_mutex> lock(m_connection);
    if (!Attached() || stopRequested(stopFlag))
        return Stopped;
    LoadThumbConfig();
    if (localDir.empty() || devicePath.empty()) {
        VARDEX_LOG("export fail, prama is empty");
        return Stopped;
    }
    MakeFolders(localDir);
    if (stopRequested(stopFlag) || !Attached())
        return Stopped;

    std::wstring opened = devicePath;
    uint64_t handle = 0;
    if (afc_file_open(m_afc, devicePathText(opened).c_str(), AFC_FOPEN_RDONLY, &handle) != AFC_E_SUCCESS)
        handle = 0;
    const size_t slash = devicePath.rfind(L'/');
    if (slash == std::wstring::npos) {
        if (handle)
            afc_file_close(m_afc, handle);
        return NoSlash;
    }
    const std::wstring fileName = devicePath.substr(slash + 1);
    if (!handle) {
        // The photo itself may be gone from the device while its thumbnail stays.
        opened = std::wstring(ThumbnailRoot) + devicePath + L"/" + ThumbName();
        if (afc_file_open(m_afc, devicePathText(opened).c_str(), AFC_FOPEN_RDONLY, &handle) != AFC_E_SUCCESS || !handle)
            return NothingToOpen;
    }

    int result = Stopped;
    if (!stopRequested(stopFlag)) {
        const uint64_t size = GetFileSize(opened);
        std::wstring localPath = localDir + L"/" + fileName;
        NormalizePath(localPath);
        if (!stopRequested(stopFlag) && Attached()) {
            switch (CopyOpenFile(handle, localPath, size, true, user, stopFlag)) {
            case CopyResult::Complete: result = Copied; break;
            case CopyResult::Failed: result = CopyError; break;
            case CopyResult::DeviceGone:
            case CopyResult::Stopped: result = Stopped; break;
            }
        }
    }
    afc_file_close(m_afc, handle);
    return result;
}
