// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <cstddef>
#include <functional>

namespace fourier {

/// Runs \a task(0) .. task(tasks - 1), each on a thread of its own, while the calling thread
/// waits and calls \a report about every 50 ms. When \a report returns false, \a stop is
/// raised (the tasks are expected to look at it often), the threads are joined and the result
/// is false. When the system refuses a thread, the tasks it would have run run on the calling
/// thread instead, one after another, with a report between two of them.
bool runTasks(std::size_t tasks, const std::function<void(std::size_t)>& task,
    std::atomic<bool>& stop, const std::function<bool()>& report);

} // namespace fourier
