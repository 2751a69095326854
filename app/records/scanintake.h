#pragma once

// The store's intake for one scan thread. Message records, the most
// numerous by far, are copied into batches on the scan thread and converted
// into the store by a worker thread beside the engine's reading; every other
// engine event first waits until the messages before it are stored, then
// goes to DeviceParser::onEngineCallback as it is. A record's place in the
// store, its announcement and the category's end come in the engine's order.

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class DeviceParser;

class ScanIntake
{
public:
    explicit ScanIntake(DeviceParser *parser);
    ~ScanIntake(); // drains
    ScanIntake(const ScanIntake &) = delete;
    ScanIntake &operator=(const ScanIntake &) = delete;

    // The engine callback's arguments. One thread at a time; the record is
    // valid only during the call.
    void onEngineCallback(int group, int status, int kind, int value, const void *record);
    // Returns once every record given so far is in the store.
    void drain();

private:
    struct Batch;

    void stage(int subType, const void *record);
    void handOver();
    void run();

    DeviceParser *const m_parser;
    std::mutex m_mutex;
    std::condition_variable m_wake;  // the worker: a batch, or the end
    std::condition_variable m_space; // the scan thread: room in the queue
    std::deque<std::unique_ptr<Batch>> m_full;
    std::vector<std::unique_ptr<Batch>> m_spare;
    bool m_ending = false;
    // The scan thread's own.
    std::unique_ptr<Batch> m_current;
    std::thread m_worker;
};
