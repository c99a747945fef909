// SPDX-License-Identifier: MIT
#include "parallel.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <vector>

namespace fourier {

namespace {

using Clock = std::chrono::steady_clock;

/// How often the waiting thread reports progress.
constexpr auto reportInterval = std::chrono::milliseconds(50);

/// The threads of one run. Leaving the scope, by any path, raises the stop flag and joins them,
/// so no thread outlives the data it uses.
class Threads {
public:
    Threads(std::atomic<bool>& stop, const ThreadStarter& startThread)
        : m_stop(stop)
        , m_startThread(startThread)
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

    /// Starts \a work on a new thread; false when the system has none to give (a starter that
    /// hands back no thread has none either).
    bool start(std::function<void()> work)
    {
        try {
            std::thread thread = m_startThread(std::move(work));
            if (!thread.joinable())
                return false;
            m_threads.push_back(std::move(thread));
            return true;
        } catch (const std::system_error&) {
            return false;
        }
    }

private:
    std::atomic<bool>& m_stop;
    const ThreadStarter& m_startThread;
    std::vector<std::thread> m_threads;
};

} // namespace

std::thread startSystemThread(std::function<void()> work)
{
    return std::thread(std::move(work));
}

bool runTasks(std::size_t tasks, const std::function<void(std::size_t, const KeepGoing&)>& task,
    std::atomic<bool>& stop, const std::function<bool()>& report, const ThreadStarter& startThread)
{
    std::mutex mutex;
    std::condition_variable finishedChanged;
    std::size_t finished = 0;
    std::size_t started = 0;
    const KeepGoing onWorker = [&stop] { return !stop.load(std::memory_order_relaxed); };

    Threads threads(stop, startThread);
    for (; started < tasks; ++started) {
        const bool running
            = threads.start([&task, &onWorker, &mutex, &finishedChanged, &finished, started] {
                  task(started, onWorker);
                  {
                      const std::lock_guard lock(mutex);
                      ++finished;
                  }
                  finishedChanged.notify_one();
              });
        if (!running)
            break;
    }

    // Whoever runs the tasks, the report keeps its schedule: it is what shows the progress
    // dialog and hears Cancel.
    auto nextReport = Clock::now() + reportInterval;
    bool cancelled = false;
    const KeepGoing onHere = [&] {
        if (cancelled)
            return false;
        const auto now = Clock::now();
        if (now < nextReport)
            return true;
        nextReport = now + reportInterval;
        cancelled = !report();
        if (cancelled)
            stop.store(true);
        return !cancelled;
    };
    for (std::size_t refused = started; refused < tasks && onHere(); ++refused)
        task(refused, onHere);
    if (cancelled)
        return false;

    std::unique_lock lock(mutex);
    const auto allFinished = [&] { return finished == started; };
    while (!finishedChanged.wait_until(lock, nextReport, allFinished)) {
        lock.unlock();
        nextReport = Clock::now() + reportInterval;
        if (!report())
            return false;
        lock.lock();
    }
    lock.unlock();
    threads.join();
    return true;
}

} // namespace fourier
