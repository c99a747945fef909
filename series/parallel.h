// SPDX-License-Identifier: MIT
#pragma once

#include "wave.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace fourier {

/// Runs \a task(0) .. task(tasks - 1), each on a thread of its own, while the calling thread
/// waits and calls \a report about every 50 ms. When \a report returns false, \a stop is
/// raised (the tasks are expected to look at it often), the threads are joined and the result
/// is false. When the system refuses a thread, the tasks it would have run run on the calling
/// thread instead, one after another, with a report between two of them.
bool runTasks(std::size_t tasks, const std::function<void(std::size_t)>& task,
    std::atomic<bool>& stop, const std::function<bool()>& report);

/// The plain loop's sum at \a x with \a extraTerms terms after the base one, its terms computed
/// on \a threads threads: bit for bit referenceSum's, since every term is computed as the plain
/// loop computes it and they are added one by one in its order. Calls \a report about every
/// 50 ms, and gives nothing once it returns false.
std::optional<double> referenceSumOnThreads(const Wave& wave, std::uint64_t extraTerms, double x,
    std::size_t threads, const std::function<bool()>& report);

} // namespace fourier
