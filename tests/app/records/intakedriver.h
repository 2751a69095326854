#pragma once

// Drives the record store as its workers do: calls on a thread of their own,
// engine callbacks as the scan worker makes them, and the store and the log
// read back.

#include "deviceparser.h"

#include <idbexecutor.h>

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QVariant>

#include <functional>
#include <memory>

namespace intakedriver {

inline DeviceParser *parser()
{
    return DeviceParser::instance();
}

// Runs the calls on a thread of their own, as the scan worker does.
inline void onWorker(const std::function<void()> &calls)
{
    std::unique_ptr<QThread> worker(QThread::create(calls));
    worker->start();
    worker->wait();
}

inline void record(int kind, int value, const void *r)
{
    parser()->onEngineCallback(0, DBSTATUS_RECORD, kind, value, r);
}

inline void categoryEnd(int kind)
{
    parser()->onEngineCallback(0, DBSTATUS_PROGRESS, DBPROGRESS_CATEGORY_END, kind, nullptr);
}

inline QStringList logLines()
{
    QFile file(qEnvironmentVariable("QUENROW_LOG_DIR") + "/app.txt");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

template <typename T>
QList<T> recordsOf(int type)
{
    QList<T> out;
    for (const QVariant &v : parser()->records(0, type))
        out << v.value<T>();
    return out;
}

} // namespace intakedriver
