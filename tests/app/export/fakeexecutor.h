#pragma once

#include "idbexecutor.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <thread>

// An engine executor serving device files from memory. A copy reports
// progress through the callback like the engine does, and a "blocking" file
// holds its copy until Stop.
class FakeExecutor : public IDBExecutor
{
public:
    using UserValue = int;

    struct Shared
    {
        QMutex mutex;
        QMap<QString, QByteArray> files; // device path -> content
        QStringList connectIds;          // every ConnectDevice argument
        int connectResult = 0;
        QString blockingPath;
        std::atomic<bool> copying{false};
        std::atomic<int> alive{0};
        std::atomic<int> disconnects{0};
    };

    explicit FakeExecutor(Shared *shared) : m_shared(shared) { ++m_shared->alive; }
    ~FakeExecutor() override { --m_shared->alive; }

    void Start() override {}
    void Stop() override { m_stop = true; }
    void SetParam(const DBExecutorParam &) override {}
    void SetCallback(DBExecutorCallback callback, void *user) override
    {
        m_callback = callback;
        m_user = user;
    }
    std::wstring GetWhatsAppOwner(std::wstring) override { return {}; }
    int ConnectDevice(std::wstring udid) override
    {
        QMutexLocker locker(&m_shared->mutex);
        m_shared->connectIds.append(QString::fromStdWString(udid));
        return m_shared->connectResult;
    }
    int DisconnectDevice() override
    {
        ++m_shared->disconnects;
        return 0;
    }

    template <typename U>
    int exportFile(const std::wstring &localFolder, const std::wstring &devicePath, U user)
    {
        const QString path = QString::fromStdWString(devicePath);
        QByteArray content;
        bool blocking;
        {
            QMutexLocker locker(&m_shared->mutex);
            if (!m_shared->files.contains(path))
                return 2;
            content = m_shared->files.value(path);
            blocking = path == m_shared->blockingPath;
        }
        void *userValue = reinterpret_cast<void *>(static_cast<intptr_t>(user));
        const int progress = DBSTATUS_PROGRESS;
        const int copyProgress = DBSTATUS_COPY_PROGRESS;
        if (m_callback)
            m_callback(&progress, 1, 0, nullptr, userValue);
        m_shared->copying = true;
        while (blocking && !m_stop)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        m_shared->copying = false;
        if (m_stop)
            return 1;
        for (double percent : {37.5, 100.0}) {
            if (m_callback)
                m_callback(&copyProgress, 0, 0, &percent, userValue);
        }
        QFile file(QString::fromStdWString(localFolder) + '/' + QFileInfo(path).fileName());
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return 2;
        if (m_callback)
            m_callback(&progress, 2, 0, nullptr, userValue);
        return 0;
    }

private:
    Shared *m_shared;
    std::atomic<bool> m_stop{false};
    DBExecutorCallback m_callback = nullptr;
    void *m_user = nullptr;

public:
    // Whatever integer type the interface gives the user value.
    template <typename R, typename C, typename A, typename B, typename U>
    static U userTypeOf(R (C::*)(A, B, U));
    using ExportUser = decltype(userTypeOf(&IDBExecutor::ExportFromDevice));
    int ExportFromDevice(std::wstring localFolder, std::wstring devicePath, ExportUser user) override
    {
        return exportFile(localFolder, devicePath, user);
    }
};
