// SPDX-License-Identifier: MIT
#include "parallel.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace fourier {

namespace {

/// How often the waiting thread reports progress.
constexpr auto reportInterval = std::chrono::milliseconds(50);

/// The threads of one run. Leaving the scope, by any path, raises the stop flag and joins them,
/// so no thread outlives the data it uses.
class Threads {
public:
    explicit Threads(std::atomic<bool>& stop)
        : m_stop(stop)
    {
    }
    Threads(const Threads&) = delete;
    Threads& operator=(const Threads&) = delete;
    ~Threads()
    {
        if (m_threads.empty())
            return;
        m_stop.store(true);
        join();
    }

    /// Waits for every thread to end.
    void join()
    {
        for (std::thread& thread : m_threads)
            thread.join();
        m_threads.clear();
    }

    /// Starts \a work on a new thread; false when the system has none to give.
    template <class Work>
    bool start(Work&& work)
    {
        try {
            m_threads.emplace_back(std::forward<Work>(work));
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }

private:
    std::atomic<bool>& m_stop;
    std::vector<std::thread> m_threads;
};

} // namespace

bool runTasks(std::size_t tasks, const std::function<void(std::size_t)>& task,
    std::atomic<bool>& stop, const std::function<bool()>& report)
{
    std::mutex mutex;
    std::condition_variable finishedChanged;
    std::size_t finished = 0;
    std::size_t started = 0;

    Threads threads(stop);
    for (; started < tasks; ++started) {
        const bool running = threads.start([&task, &mutex, &finishedChanged, &finished, started] {
            task(started);
            {
                const std::lock_guard lock(mutex);
                ++finished;
            }
            finishedChanged.notify_one();
        });
        if (!running)
            break;
    }
    for (std::size_t onHere = started; onHere < tasks; ++onHere) {
        if (!report())
            return false;
        task(onHere);
    }

    std::unique_lock lock(mutex);
    const auto allFinished = [&] { return finished == started; };
    while (!finishedChanged.wait_for(lock, reportInterval, allFinished)) {
        lock.unlock();
        if (!report())
            return false;
        lock.lock();
    }
    lock.unlock();
    threads.join();
    return true;
}

} // namespace fourier
