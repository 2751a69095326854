#pragma once

#include "dbtask.h"

#include <atomic>

// Runs the tasks of one scan in order and feeds their rows to the processors.
class CVardex
{
public:
    CVardex(std::wstring backupPath, DBExecutorCallback callback);
    virtual ~CVardex() = default;

    void AddTask(std::unique_ptr<CDBTask> task);
    void SetUser(void *user) { m_user = user; }
    void SetStopFlag(const std::atomic<bool> *stopFlag) { m_stopFlag = stopFlag; }
    void Run();

private:
    bool stopRequested() const { return m_stopFlag && m_stopFlag->load(); }

    DBTaskList m_tasks;
    std::wstring m_backupPath;
    DBExecutorCallback m_callback;
    void *m_user = nullptr;
    const std::atomic<bool> *m_stopFlag = nullptr;
};
