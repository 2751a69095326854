#pragma once

#include "dbtask.h"
#include "idbexecutor.h"

#include <atomic>

class DBExecutor : public IDBExecutor
{
public:
    void Start() override;
    void Stop() override;
    void SetParam(const DBExecutorParam &param) override;
    void SetCallback(DBExecutorCallback callback, void *user) override;
    std::wstring GetWhatsAppOwner(std::wstring backupPath) override;
    int ConnectDevice(std::wstring udid) override;
    int DisconnectDevice() override;
    int ExportFromDevice(std::wstring localFolder, std::wstring devicePath, intptr_t user) override;

private:
    void ScanBackup();
    void ScanDevice();
    // Builds a task per set bit, in ascending order; false when stopped.
    bool BuildTasks(bool deviceMode, DBTaskList &tasks);
    // When the backup folder or its Manifest.db cannot be read, reports every
    // requested category as failed and returns true.
    bool ReportUnusableBackup();
    // Runs the built tasks with begin and end events (steps shared by both modes).
    void RunTasks(DBTaskList tasks, bool logSteps);
    bool StopSeen() const;

    DBExecutorParam m_param;
    DBExecutorCallback m_callback = nullptr;
    std::atomic<bool> m_stop {false};
    void *m_user = nullptr;
};
