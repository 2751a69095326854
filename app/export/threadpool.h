#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <type_traits>
#include <utility>
#include <vector>

// A small fixed pool of worker threads with one first-in-first-out queue.
// Tasks may be committed from any thread; the returned future may be
// dropped at once without cancelling the task. Never destroy the pool from
// one of its own tasks.
class ThreadPool
{
public:
    static constexpr int MaxThreads = 16;

    explicit ThreadPool(std::uint16_t threadCount)
    {
        for (std::uint16_t i = 0; i < threadCount && m_threads.size() < MaxThreads; ++i) {
            m_threads.emplace_back([this] { work(); });
            ++m_idleThreads;
        }
    }

    ~ThreadPool()
    {
        m_running = false;
        {
            // Taking the lock orders the flag against a worker about to wait.
            std::lock_guard<std::mutex> lock(m_mutex);
        }
        m_wake.notify_all();
        for (std::thread &thread : m_threads) {
            if (thread.joinable())
                thread.join();
        }
    }

    ThreadPool(const ThreadPool &) = delete;
    ThreadPool &operator=(const ThreadPool &) = delete;

    template <typename F, typename... Args>
    auto commit(F &&callable, Args &&...args) -> std::future<std::invoke_result_t<std::decay_t<F> &, std::decay_t<Args> &...>>
    {
        using Result = std::invoke_result_t<std::decay_t<F> &, std::decay_t<Args> &...>;
        if (!m_running)
            throw std::runtime_error("commit on ThreadPool is stopped.");
        auto task = std::make_shared<std::packaged_task<Result()>>(
            std::bind(std::forward<F>(callable), std::forward<Args>(args)...));
        std::future<Result> future = task->get_future();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_tasks.emplace_back([task] { (*task)(); });
        }
        m_wake.notify_one();
        return future;
    }

    int idleThreads() const { return m_idleThreads.load(); }
    int threadCount() const { return static_cast<int>(m_threads.size()); }

private:
    void work()
    {
        while (m_running) {
            std::function<void()> task;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return !m_running || !m_tasks.empty(); });
                if (!m_running && m_tasks.empty())
                    return;
                task = std::move(m_tasks.front());
                m_tasks.pop_front();
            }
            --m_idleThreads;
            try {
                task();
            } catch (...) {
                // A packaged task keeps its own exception; an empty callable
                // must not end the worker either.
            }
            ++m_idleThreads;
        }
    }

    std::vector<std::thread> m_threads;
    std::deque<std::function<void()>> m_tasks;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_running{true};
    std::atomic<int> m_idleThreads{0};
};
