#include "scanfeed.h"

void ScanFeed::addRecord(int type, const QVariant &record, int total)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_batch.counts.insert(type, total);
    if (type == m_followed)
        m_batch.records.append({-1, record, total});
}

void ScanFeed::addKindRecord(int type, int kind, const QVariant &record, int total)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_batch.counts.insert(type, total);
    if (type == m_followed)
        m_batch.records.append({kind, record, total});
}

void ScanFeed::addSessionUpdate(int type, const QString &session, const QVariant &record)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    if (type == m_followed)
        m_batch.updates.append({session, record});
}

void ScanFeed::addFinished(int type)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    if (!m_batch.finished.contains(type))
        m_batch.finished.append(type);
}

void ScanFeed::follow(int type)
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_followed = type;
    m_batch.records.clear();
    m_batch.updates.clear();
}

ScanFeed::Batch ScanFeed::take()
{
    std::lock_guard<std::mutex> locker(m_mutex);
    Batch batch;
    std::swap(batch, m_batch);
    return batch;
}

void ScanFeed::clear()
{
    std::lock_guard<std::mutex> locker(m_mutex);
    m_followed = -1;
    m_batch = Batch();
}
