#include "scanintake.h"

#include "deviceparser.h"

#include <dbrecords.h>
#include <idbexecutor.h>

#include <QPair>
#include <QVector>

namespace {

// Records per batch, and batches waiting at most: the scan thread waits for
// room rather than copying a slow worker's backlog without bound.
constexpr int BatchRecords = 1000;
constexpr size_t MaxWaiting = 8;

} // namespace

struct ScanIntake::Batch
{
    quint64 resets = 0; // the store's reset count the records came under
    // The records in the engine's order; a message or member points into
    // the lists below, whose texts keep their room from batch to batch.
    QVector<QPair<int, const void *>> records;
    std::vector<STSMS> messages;
    std::vector<STSMSmember> members;
    size_t messageCount = 0;
    size_t memberCount = 0;

    void clear()
    {
        records.clear();
        messageCount = 0;
        memberCount = 0;
    }

    // Room for a whole batch from the start: the records point into it.
    Batch()
    {
        records.reserve(BatchRecords);
        messages.reserve(BatchRecords);
        members.reserve(BatchRecords);
    }

    template <typename Record>
    const Record *copy(std::vector<Record> &list, size_t &count, const Record &record)
    {
        if (count == list.size())
            list.push_back(record);
        else
            list[count] = record;
        return &list[count++];
    }
};

ScanIntake::ScanIntake(DeviceParser *parser) : m_parser(parser) {}

ScanIntake::~ScanIntake()
{
    drain();
}

void ScanIntake::onEngineCallback(int group, int status, int kind, int value, const void *record)
{
    // Records after a stop are the store's to drop, with its log line.
    if (status == DBSTATUS_RECORD && kind == DBAPP_SMS && m_parser->takesEngineRecords()) {
        stage(value, record);
        return;
    }
    drain();
    m_parser->onEngineCallback(group, status, kind, value, record);
}

void ScanIntake::stage(int subType, const void *record)
{
    const quint64 resets = m_parser->resetCount();
    if (m_current && m_current->resets != resets)
        handOver();
    if (!m_current) {
        std::lock_guard<std::mutex> guard(m_mutex);
        if (m_spare.empty()) {
            m_current = std::make_unique<Batch>();
        } else {
            m_current = std::move(m_spare.back());
            m_spare.pop_back();
        }
        m_current->resets = resets;
    }
    Batch &batch = *m_current;
    const void *copied = nullptr;
    if (record && subType == SMS_MEMBER_SUBTYPE)
        copied = batch.copy(batch.members, batch.memberCount, *static_cast<const STSMSmember *>(record));
    else if (record)
        copied = batch.copy(batch.messages, batch.messageCount, *static_cast<const STSMS *>(record));
    batch.records.append({subType, copied});
    if (batch.records.size() >= BatchRecords)
        handOver();
}

void ScanIntake::handOver()
{
    if (!m_worker.joinable())
        m_worker = std::thread([this] { run(); });
    std::unique_lock<std::mutex> guard(m_mutex);
    m_space.wait(guard, [this] { return m_full.size() < MaxWaiting; });
    m_full.push_back(std::move(m_current));
    guard.unlock();
    m_wake.notify_one();
}

void ScanIntake::drain()
{
    if (m_current && !m_current->records.isEmpty())
        handOver();
    if (!m_worker.joinable())
        return;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_ending = true;
    }
    m_wake.notify_one();
    m_worker.join();
    m_ending = false;
}

void ScanIntake::run()
{
    for (;;) {
        std::unique_ptr<Batch> batch;
        {
            std::unique_lock<std::mutex> guard(m_mutex);
            m_wake.wait(guard, [this] { return !m_full.empty() || m_ending; });
            if (m_full.empty())
                return;
            batch = std::move(m_full.front());
            m_full.pop_front();
        }
        m_space.notify_one();
        m_parser->parseEngineRecords(DBAPP_SMS, batch->resets, batch->records);
        batch->clear();
        std::lock_guard<std::mutex> guard(m_mutex);
        m_spare.push_back(std::move(batch));
    }
}
