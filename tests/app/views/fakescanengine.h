#pragma once

#include "dbrecords.h"
#include "idbexecutor.h"

#include <QMap>
#include <QtTest>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <vector>

// A scripted scanning engine for the scan worker (ScanVardex's executor
// factory): each pass reports the begin of its category, the calls the
// script holds for it, one by one, and its end. The script can hold a pass
// before a record (or, at the list's size, before the end) until the test
// releases it; Stop ends a held pass at once, without its end, as the
// engine does.
class EngineScript
{
public:
    // Calls of a category bit (DBAPP_CALL_HISTORY, DBAPP_FACETIME).
    void setCalls(int bit, const std::vector<STCallHistory> &calls)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_calls[bit] = calls;
    }

    // The pass of bit holds before its record index; a pass held elsewhere
    // goes on to the new point.
    void holdAt(int bit, int index)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_holdBit = bit;
        m_holdIndex = index;
        m_held = false;
        m_changed.notify_all();
    }

    // Waits, turning the test's event loop, until a pass is held.
    bool waitHeld(int timeoutMs = 10000)
    {
        return QTest::qWaitFor(
            [this] {
                std::lock_guard<std::mutex> guard(m_mutex);
                return m_held;
            },
            timeoutMs);
    }

    void release()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_holdBit = 0;
        m_held = false;
        m_changed.notify_all();
    }

    // The masks of the passes run so far, and the folder each read.
    QList<int> passes()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_passes;
    }
    QStringList folders()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_folders;
    }
    // Whether a pass is inside Start now.
    bool running()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_running > 0;
    }

    std::vector<STCallHistory> calls(int bit)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_calls.value(bit);
    }

    // Called by the engine's pass: false when it was stopped meanwhile.
    bool passPoint(int bit, int index, const std::atomic<bool> &stopped)
    {
        std::unique_lock<std::mutex> guard(m_mutex);
        if (m_holdBit != bit || m_holdIndex != index)
            return !stopped;
        m_held = true;
        m_changed.wait(guard, [&] { return m_holdBit != bit || m_holdIndex != index || stopped; });
        return !stopped;
    }

    void enterPass(int mask, const QString &folder)
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_passes.append(mask);
        m_folders.append(folder);
        ++m_running;
    }
    void leavePass()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        --m_running;
    }

    void notifyStop()
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QMap<int, std::vector<STCallHistory>> m_calls;
    QList<int> m_passes;
    QStringList m_folders;
    int m_running = 0;
    int m_holdBit = 0;
    int m_holdIndex = -1;
    bool m_held = false;
};

class FakeScanEngine final : public IDBExecutor
{
public:
    explicit FakeScanEngine(EngineScript &script) : m_script(script) {}

    void Start() override
    {
        const int mask = m_param.categoryMask;
        m_script.enterPass(mask, QString::fromStdWString(m_param.backupPath));
        pass(mask);
        m_script.leavePass();
    }
    void Stop() override
    {
        m_stop = true;
        m_script.notifyStop();
    }
    void SetParam(const DBExecutorParam &param) override { m_param = param; }
    void SetCallback(DBExecutorCallback callback, void *user) override
    {
        m_callback = callback;
        m_user = user;
    }
    std::wstring GetWhatsAppOwner(std::wstring) override { return {}; }
    int ConnectDevice(std::wstring) override { return 0; }
    int DisconnectDevice() override { return 0; }
    int ExportFromDevice(std::wstring, std::wstring, intptr_t) override { return 1; }

private:
    void pass(int mask)
    {
        report(DBSTATUS_PROGRESS, DBPROGRESS_SCAN_BEGIN, 0, nullptr);
        report(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_BEGIN, mask, nullptr);
        const std::vector<STCallHistory> calls = m_script.calls(mask);
        for (size_t i = 0; i < calls.size(); ++i) {
            if (!m_script.passPoint(mask, int(i), m_stop))
                return;
            report(DBSTATUS_RECORD, mask, 0, &calls[i]);
        }
        if (!m_script.passPoint(mask, int(calls.size()), m_stop))
            return;
        report(DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, mask, nullptr);
        report(DBSTATUS_PROGRESS, DBPROGRESS_SCAN_END, 0, nullptr);
    }

    void report(int status, int kind, int value, const void *record)
    {
        if (m_callback)
            m_callback(&status, kind, value, record, m_user);
    }

    EngineScript &m_script;
    DBExecutorParam m_param;
    DBExecutorCallback m_callback = nullptr;
    void *m_user = nullptr;
    std::atomic<bool> m_stop{false};
};

// n calls of "+4930555" numbers, dates rising with i (the store shows the
// newest first once the category ends).
inline std::vector<STCallHistory> scriptedCalls(int n, int firstNumber = 1000)
{
    std::vector<STCallHistory> calls;
    for (int i = 0; i < n; ++i) {
        STCallHistory call;
        call.address = L"+4930555" + std::to_wstring(firstNumber + i);
        call.date = 700000000 + i * 60;
        call.duration = 30 + i;
        call.originated = i % 2;
        calls.push_back(call);
    }
    return calls;
}
