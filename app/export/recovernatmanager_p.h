#pragma once

#include "recovernatmanager.h"

#include <QString>
#include <QTimer>
#include <QVector>

#include <atomic>
#include <mutex>

// Shared with the category jobs: the flags they test and the root folder
// they create on first need.
class RecoverNatManagerPrivate
{
public:
    explicit RecoverNatManagerPrivate(RecoverNatManager *owner);

    QString exportRootFolder();
    // Creates the root on first need, exclusively: "_1", "_2", ... when the
    // name is taken. False (and the run ends with 4) when it cannot be made.
    bool ensureRoot();
    // The category folder under the root, with its parents.
    bool ensureFolder(const QString &folder);
    QString rootPath() const;

    void run(const QVector<int> &categoryIds);
    void exportOneFile(const QString &localPath, const QString &strFilename);
    quint64 countTotal(const QVector<int> &categoryIds) const;
    void resetRun(quint64 total);
    void producerDone();
    void endCheck();
    void fail(RecoverError::ErrorType err);
    void emitProgress();
    // From any thread: a progress report within the interval.
    void requestProgress();

    std::atomic<quint64> succeeded{0};
    std::atomic<quint64> processed{0};
    std::atomic<quint64> total{0};
    std::atomic<bool> finished{true};
    std::atomic<bool> copyIdle{true};
    std::atomic<bool> running{false};
    std::atomic<bool> stopped{false};
    std::atomic<bool> producing{false};
    std::atomic<int> errorType{0};
    std::atomic<bool> progressPending{false}; // a report is due within the interval
    bool overEmitted = true;
    quint64 oversReceived = 0; // sigCopyOver seen by the manager's thread
    quint64 runId = 0;

    mutable std::mutex rootMutex;
    QString recoverPath;
    bool rootCreated = false;
    QString sourceName;

    QTimer progressTimer;
    RecoverNatManager *q;
};
