#pragma once

#include "recovererror.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>

#include "idbexecutor.h"

// The type of the user value that IDBExecutor::ExportFromDevice hands back
// to the callback.
template <typename> struct ExportUserValueOf;
template <typename R, typename C, typename A, typename B, typename U>
struct ExportUserValueOf<R (C::*)(A, B, U)>
{
    using type = U;
};

// Carries one file from its source to its destination, synchronously on the
// calling thread. The source decides how: a local file, an http(s) address,
// or else a path on the connected device read through the engine.
//
// The destination is never overwritten: it is created exclusively, and a
// name already taken on disk moves on to "name(1).ext", "name(2).ext", ...
// A failed copy leaves no partial file behind.
class taskWorker : public QObject
{
    Q_OBJECT

public:
    using ProgressCallback = std::function<void(const QString &file, const QString &text)>;
    using DoneCallback = std::function<void(RecoverError::ErrorType err, const QString &source,
                                            const QString &destination, taskWorker *worker)>;
    using FreeSpaceQuery = std::function<qint64(const QString &folder)>;
    using UserValue = typename ExportUserValueOf<decltype(&IDBExecutor::ExportFromDevice)>::type;

    taskWorker();
    ~taskWorker() override;

    // done is called exactly once, and last.
    void copy(const QString &source, const QString &destination, ProgressCallback progress, DoneCallback done);

    // Ends the copy at its next block (a device copy through the executor's
    // own stop flag); may be called from any thread.
    void stop();
    void setStop();
    void abortDownload();
    void setExecutor(std::shared_ptr<IDBExecutor> executor);
    void clearExecutor();
    void setDeviceUserValue(UserValue value) { m_userValue = value; }

    // The destination as finally written (after a name taken on disk).
    QString destination() const { return m_destination; }

    // Free bytes for the caller on the folder's volume; the default asks
    // the file system.
    static void setFreeSpaceQuery(FreeSpaceQuery query);
    static qint64 freeSpace(const QString &folder);
    // No data for this long ends a download with 7.
    static void setDownloadTimeout(int milliseconds);
    static int downloadTimeout();

    // ExportFileName::fit, the name a destination is written under.
    static QString fitFileName(const QString &name);
    // "stem(n).suffix" of a file name, n replacing a "(k)" already there;
    // never longer than 255 bytes, the number kept.
    static QString numberedName(const QString &name, int n);

private:
    enum class Kind { Local, Device, Network };

    void finish(RecoverError::ErrorType err);
    RecoverError::ErrorType classify(Kind kind, qint64 sourceSize, int errorNumber);
    RecoverError::ErrorType reserveDestination(Kind kind, qint64 sourceSize, int &fd);
    void report(qint64 done, qint64 total);
    void copyLocal();
    void copyFromDevice();
    void download();

    ProgressCallback m_progress;
    DoneCallback m_done;
    QString m_fileName;
    QString m_source;
    QString m_destination;
    QString m_folder;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_abort{false};
    bool m_finished = false;
    int m_lastPercent = -1;
    UserValue m_userValue{};
    mutable std::mutex m_executorMutex;
    std::shared_ptr<IDBExecutor> m_executor;
};
