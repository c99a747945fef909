// SPDX-License-Identifier: MIT
#pragma once

#include "wave.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

namespace fourier {

/// How often a thread that waits for sums reports their progress: often enough for the progress
/// dialog to move smoothly and for Cancel to be heard at once, seldom enough to cost nothing.
inline constexpr std::chrono::milliseconds progressInterval { 50 };

/// How many threads the sums of one curve share out among: one per core, and at least one where
/// the system cannot tell.
std::size_t coreCount();

/// Asked by a task between two slices of its work; false means stop now.
using KeepGoing = std::function<bool()>;

/// Starts \a work on a thread of its own and hands the thread back, or throws std::system_error
/// when the system has none to give.
using ThreadStarter = std::function<std::thread(std::function<void()> work)>;

/// The system's way of starting a thread: a std::thread.
std::thread startSystemThread(std::function<void()> work);

/// Runs \a task(0, keepGoing) .. task(tasks - 1, keepGoing), each on a thread started by
/// \a startThread, while the calling thread waits and calls \a report every progressInterval.
/// When \a report returns false, \a stop is raised, the threads are joined and the result is
/// false.
///
/// A task works in small slices and asks its keepGoing between two of them, ending early when
/// told to stop. On a worker thread keepGoing looks at \a stop. When the system refuses a
/// thread, the tasks it would have run run on the calling thread instead, one after another;
/// there keepGoing also calls \a report when one is due, so that a long task still shows its
/// progress and can be cancelled.
///
/// A task that throws on a worker thread raises \a stop, so that the others end soon; once every
/// thread has been joined, runTasks throws the first such exception on the calling thread,
/// where a task that throws there throws as any call does.
bool runTasks(std::size_t tasks, const std::function<void(std::size_t, const KeepGoing&)>& task,
    std::atomic<bool>& stop, const std::function<bool()>& report, const ThreadStarter& startThread);

/// The plain loop's sum at \a x with \a extraTerms terms after the base one, its terms computed
/// on \a threads threads: bit for bit referenceSum's, since every term is computed as the plain
/// loop computes it and they are added one by one in its order. Calls \a report every
/// progressInterval, and gives nothing once it returns false. The threads come from \a startThread.
std::optional<double> referenceSumOnThreads(const Wave& wave, std::uint64_t extraTerms, double x,
    std::size_t threads, const std::function<bool()>& report, const ThreadStarter& startThread);

} // namespace fourier
