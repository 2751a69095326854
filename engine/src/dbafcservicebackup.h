#pragma once

#include "idbexecutor.h"

#include <libimobiledevice/afc.h>
#include <libimobiledevice/libimobiledevice.h>
#include <libimobiledevice/lockdown.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <string>

// The one file-service session of the process, shared by every executor.
// Copies hold the connection lock shared; connecting and disconnecting hold
// it exclusively, so parallel copies never see handles being replaced.
class CDBAfcServiceBackup
{
public:
    static CDBAfcServiceBackup &Instance();

    // 0 connected, 1 device, 2 lockdown, 3 file service, 4 file-service client failed.
    int ConnectDevice(const std::wstring &udid, DBExecutorCallback callback);
    int DisconnectDevice();
    bool PrepareDeviceScan();
    // 0 copied whole, 1 stopped/not connected/empty argument/device gone,
    // 2 nothing to open, 3 read or write error, -1 a path without "/".
    int ExportFile(const std::wstring &localDir, const std::wstring &devicePath, intptr_t user,
                   const std::atomic<bool> *stopFlag);

    bool IsConnected(); // open, and the device still attached
    std::wstring ThumbName() const;

    // Where "thumb.ini" lies: in programFolder when it is a writable folder,
    // else in the per-user data folder that the logging library falls back to.
    static std::wstring ThumbConfigPath(const std::wstring &programFolder);

private:
    CDBAfcServiceBackup() = default;

    // The steps below run under the connection lock their caller holds.
    bool Attached();
    bool IsDirectory(const std::wstring &path);
    uint64_t GetFileSize(const std::wstring &path);
    bool CopyFile(const std::wstring &path);
    bool CreateLocalDir(const std::wstring &relative);
    bool CopyDirectory(const std::wstring &path);
    bool BackupThumbnails();
    bool BackupPhotosDB();
    bool SaveThumbConfig(const std::wstring &name);
    void LoadThumbConfig();

    enum class CopyResult
    {
        Complete,
        DeviceGone,
        Failed, // read, write or open error
        Stopped
    };
    // Copies an open device file to localPath in 64 KiB chunks.
    CopyResult CopyOpenFile(uint64_t handle, const std::wstring &localPath, uint64_t size, bool progress,
                            intptr_t user, const std::atomic<bool> *stopFlag);
    void Release();
    std::wstring Mirror(const std::wstring &devicePath) const;
    void SetThumbName(const std::wstring &name);

    std::shared_mutex m_connection; // over the four handles and the UDID
    mutable std::mutex m_thumbMutex;
    std::wstring m_thumbName = L"5005.JPG";
    idevice_t m_device = nullptr;
    lockdownd_client_t m_lockdown = nullptr;
    lockdownd_service_descriptor_t m_service = nullptr;
    afc_client_t m_afc = nullptr;
    std::atomic<DBExecutorCallback> m_progressCallback {nullptr};
    std::string m_connectedUdid;
};
