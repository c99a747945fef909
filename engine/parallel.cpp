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

/// What the workers of one run tell the thread that waits for them: how many have finished,
/// and the first exception a task threw. Nothing may leave a thread's function, or the program
/// would end there and then.
class WorkerResults {
public:
    /// Runs \a task(\a index, \a keepGoing) on a worker thread; an exception it throws is kept,
    /// and raises \a stop so that the other tasks end soon.
    void run(const std::function<void(std::size_t, const KeepGoing&)>& task, std::size_t index,
        const KeepGoing& keepGoing, std::atomic<bool>& stop)
    {
        std::exception_ptr thrown;
        try {
            task(index, keepGoing);
        } catch (...) {
            thrown = std::current_exception();
            stop.store(true);
        }
        {
            const std::lock_guard lock(m_mutex);
            if (thrown && !m_failure)
                m_failure = thrown;
            ++m_finished;
        }
        m_finishedChanged.notify_one();
    }

    /// Waits until \a workers tasks have finished, or until \a deadline; whether they have.
    bool waitUntil(std::size_t workers, Clock::time_point deadline)
    {
        std::unique_lock lock(m_mutex);
        return m_finishedChanged.wait_until(
            lock, deadline, [this, workers] { return m_finished == workers; });
    }

    /// Throws the exception a task threw, if one did; every worker must have been joined.
    void rethrowFailure() const
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_finishedChanged;
    std::size_t m_finished = 0;
    std::exception_ptr m_failure;
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
    WorkerResults results;
    const KeepGoing onWorker = [&stop] { return !stop.load(std::memory_order_relaxed); };
    Threads threads(stop, startThread);
    std::size_t started = 0;
    while (started < tasks
        && threads.start([&, started] { results.run(task, started, onWorker, stop); }))
        ++started;

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
    while (goingOn && !results.waitUntil(started, nextReport)) {
        nextReport = Clock::now() + progressInterval;
        goingOn = report();
    }
    if (!goingOn)
        stop.store(true);
    threads.join();
    results.rethrowFailure();
    return goingOn;
}

std::optional<double> referenceSumOnThreads(const Wave& wave, std::uint64_t extraTerms, double x,
    std::size_t threads, const std::function<bool()>& report, const ThreadStarter& startThread)
{
    // Each thread computes this many terms at a time, some milliseconds of work: far more than
    // starting it costs, and little memory.
    constexpr std::uint64_t share = std::uint64_t { 1 } << 17;
    // A look at whether to stop every few thousand terms costs nothing beside them, and comes
    // far more often than a report.
    constexpr std::uint64_t termsBetweenLooks = 4096;
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
                if (i % termsBetweenLooks == 0 && !keepGoing())
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
