#include "threadpool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(ThreadPool, AtMostSixteenThreads)
{
    ThreadPool pool(20);
    EXPECT_EQ(pool.threadCount(), 16);
    EXPECT_EQ(pool.idleThreads(), 16);
}

TEST(ThreadPool, OneThreadRunsTasksInCommitOrder)
{
    ThreadPool pool(1);
    std::mutex mutex;
    std::vector<int> order;
    std::vector<std::future<void>> futures;
    for (int i = 0; i < 3; ++i) {
        futures.push_back(pool.commit([&, i] {
            std::this_thread::sleep_for(5ms);
            std::lock_guard<std::mutex> lock(mutex);
            order.push_back(i);
        }));
    }
    for (auto &future : futures)
        future.get();
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
}

TEST(ThreadPool, ResultsAndArgumentsTravel)
{
    ThreadPool pool(2);
    auto moved = std::make_unique<int>(41);
    auto future = pool.commit([](std::unique_ptr<int> &value, int add) { return *value + add; }, std::move(moved), 1);
    EXPECT_EQ(future.get(), 42);
}

TEST(ThreadPool, DroppedFutureStillRuns)
{
    std::atomic<bool> ran{false};
    {
        ThreadPool pool(1);
        pool.commit([&] { ran = true; });
        // Dropped at once; the destructor lets the taken task finish.
        for (int i = 0; i < 200 && !ran; ++i)
            std::this_thread::sleep_for(5ms);
    }
    EXPECT_TRUE(ran);
}

TEST(ThreadPool, ThrowingTaskKeepsItsWorker)
{
    ThreadPool pool(1);
    auto failing = pool.commit([]() -> int { throw std::runtime_error("boom"); });
    auto next = pool.commit([] { return 7; });
    EXPECT_THROW(failing.get(), std::runtime_error);
    EXPECT_EQ(next.get(), 7);
    EXPECT_EQ(pool.threadCount(), 1);
}

TEST(ThreadPool, CommitDuringDestructionThrowsAndQueuesNothing)
{
    std::atomic<bool> release{false};
    std::atomic<bool> started{false};
    std::atomic<int> lateRuns{0};
    std::string message;
    auto pool = std::make_unique<ThreadPool>(1);
    ThreadPool *raw = pool.get();
    raw->commit([&] {
        started = true;
        while (!release)
            std::this_thread::sleep_for(1ms);
        // Destruction has begun by now: the pool is no longer running.
        try {
            raw->commit([&] { ++lateRuns; });
        } catch (const std::runtime_error &error) {
            message = error.what();
        }
    });
    while (!started)
        std::this_thread::sleep_for(1ms);
    std::thread destroyer([&] { pool.reset(); });
    std::this_thread::sleep_for(20ms);
    release = true;
    destroyer.join();
    EXPECT_EQ(message, "commit on ThreadPool is stopped.");
    EXPECT_EQ(lateRuns, 0);
}

TEST(ThreadPool, IdleCountFollowsRunningTasks)
{
    ThreadPool pool(4);
    std::atomic<bool> release{false};
    std::atomic<int> started{0};
    std::vector<std::future<void>> futures;
    for (int i = 0; i < 3; ++i) {
        futures.push_back(pool.commit([&] {
            ++started;
            while (!release)
                std::this_thread::sleep_for(1ms);
        }));
    }
    while (started < 3)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(pool.idleThreads(), 1);
    release = true;
    for (auto &future : futures)
        future.get();
    for (int i = 0; i < 200 && pool.idleThreads() != 4; ++i)
        std::this_thread::sleep_for(1ms);
    EXPECT_EQ(pool.idleThreads(), 4);
}

TEST(ThreadPool, QueuedTasksLeftAtDestructionReportBrokenPromise)
{
    std::future<void> left;
    {
        ThreadPool pool(1);
        std::atomic<bool> started{false};
        pool.commit([&] {
            started = true;
            std::this_thread::sleep_for(30ms);
        });
        while (!started)
            std::this_thread::sleep_for(1ms);
        left = pool.commit([] {});
        left = pool.commit([] {}); // the second of two queued tasks
    }
    // The busy worker ends after its task: what is still queued never runs.
    EXPECT_THROW(left.get(), std::future_error);
}
