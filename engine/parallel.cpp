// SPDX-License-Identifier: MIT
#include "parallel.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <vector>

namespace fourier {

namespace {

using Clock = std::chrono::steady_clock;

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

std::size_t coreCount()
{
    return std::max(1u, std::thread::hardware_concurrency());
}

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
    // The first exception a worker's task threw; nothing may leave a thread's function, or the
    // program would end there and then.
    std::exception_ptr failure;
    const KeepGoing onWorker = [&stop] { return !stop.load(std::memory_order_relaxed); };

    Threads threads(stop, startThread);
    for (; started < tasks; ++started) {
        const bool running = threads.start([&, started] {
            std::exception_ptr thrown;
            try {
                task(started, onWorker);
            } catch (...) {
                thrown = std::current_exception();
                stop.store(true);
            }
            {
                const std::lock_guard lock(mutex);
                if (thrown && !failure)
                    failure = thrown;
                ++finished;
            }
            finishedChanged.notify_one();
        });
        if (!running)
            break;
    }

    // Whoever runs the tasks, the report keeps its schedule: it is what shows the progress
    // dialog and hears Cancel.
    auto nextReport = Clock::now() + progressInterval;
    bool cancelled = false;
    const KeepGoing onHere = [&] {
        if (cancelled || stop.load(std::memory_order_relaxed))
            return false;
        const auto now = Clock::now();
        if (now < nextReport)
            return true;
        nextReport = now + progressInterval;
        cancelled = !report();
        if (cancelled)
            stop.store(true);
        return !cancelled;
    };
    for (std::size_t refused = started; refused < tasks && onHere(); ++refused)
        task(refused, onHere);

    bool goingOn = !cancelled;
    std::unique_lock lock(mutex);
    const auto allFinished = [&] { return finished == started; };
    while (goingOn && !finishedChanged.wait_until(lock, nextReport, allFinished)) {
        lock.unlock();
        nextReport = Clock::now() + progressInterval;
        goingOn = report();
        lock.lock();
    }
    lock.unlock();
    if (!goingOn)
        stop.store(true);
    threads.join();
    if (failure)
        std::rethrow_exception(failure);
    return goingOn;
}

std::optional<double> referenceSumOnThreads(const Wave& wave, std::uint64_t extraTerms, double x,
    std::size_t threads, const std::function<bool()>& report, const ThreadStarter& startThread)
{
    // Each thread computes this many terms at a time, some milliseconds of work: far more than
    // starting it costs, and little memory.
    constexpr std::uint64_t share = std::uint64_t { 1 } << 17;
    threads = std::max<std::size_t>(threads, 1);
    std::vector<double> terms(std::min<std::uint64_t>(threads * share, extraTerms));
    double y = basisAt(wave.basis, x) * seriesAmplitude;
    std::atomic<bool> stop { false };
    auto lastReport = std::chrono::steady_clock::now();
    for (std::uint64_t done = 0; done < extraTerms;) {
        const std::uint64_t round = std::min<std::uint64_t>(extraTerms - done, terms.size());
        const auto compute = [&](std::size_t thread, const KeepGoing& keepGoing) {
            const std::uint64_t first = thread * share;
            const std::uint64_t last = std::min(first + share, round);
            for (std::uint64_t i = first; i < last; ++i) {
                if (i % 4096 == 0 && !keepGoing())
                    return;
                // The harmonic of the plain loop's term done + i + 2.
                const auto k = 1 + static_cast<std::int64_t>(done + i + 1) * wave.step;
                const double kd = static_cast<double>(k);
                terms[i] = coefficient(wave.falloff, kd) * basisAt(wave.basis, kd * x);
            }
        };
        if (!runTasks(threads, compute, stop, report, startThread))
            return std::nullopt;
        for (std::uint64_t i = 0; i < round; ++i)
            y = y + terms[i];
        done += round;
        // A round is over before runTasks reports; over many rounds, report between them.
        const auto now = std::chrono::steady_clock::now();
        if (now - lastReport >= progressInterval) {
            lastReport = now;
            if (!report())
                return std::nullopt;
        }
    }
    return y;
}

} // namespace fourier
