// SPDX-License-Identifier: GPL-3.0-or-later
// Cooperative cancellation and progress of long computations. The thread that
// runs a job installs a JobControl for the job's duration (JobScope); the
// engine's long loops call checkpoint(), which throws Cancelled once a stop has
// been asked for, and report how far they are through ProgressSteps. Another
// thread (the window) asks for the stop and reads the progress through the
// same JobControl. Without an installed control both cost one thread-local load.
#pragma once

#include "engine/runtime/errors.h"

#include <atomic>
#include <cstdint>

namespace engine {

// Shared by the thread that computes and the thread that watches it.
struct JobControl {
    std::atomic<bool> stopRequested{false};
    std::atomic<std::int64_t> stepsDone{0};
    std::atomic<std::int64_t> stepsTotal{0}; // 0 while the amount of work is unknown
};

// Installs `control` for the calling thread until the scope ends; scopes nest.
class JobScope {
public:
    explicit JobScope(JobControl& control);
    ~JobScope();
    JobScope(const JobScope&) = delete;
    JobScope& operator=(const JobScope&) = delete;

private:
    JobControl* previous_;
    bool previousMeasured_;
};

// Installs, for the duration of one piece of a job's work on a worker thread,
// the job of the thread that handed it over (null: none). Its checkpoints then
// see that job's stop and its steps reach that job's progress; no loop inside
// takes the progress over, since the handing thread's outermost loop reports.
class WorkerScope {
public:
    explicit WorkerScope(JobControl* job);
    ~WorkerScope();
    WorkerScope(const WorkerScope&) = delete;
    WorkerScope& operator=(const WorkerScope&) = delete;

private:
    JobControl* previous_;
    bool previousMeasured_;
};

namespace detail {
extern constinit thread_local JobControl* currentJob;
[[noreturn]] void throwCancelled();
} // namespace detail

// Throws Cancelled when the calling thread's job has been asked to stop.
inline void checkpoint() {
    const JobControl* job = detail::currentJob;
    if (job != nullptr && job->stopRequested.load(std::memory_order_relaxed)) {
        detail::throwCancelled();
    }
}

// The progress of one long loop: `total` steps, advanced as they are done.
// Only the outermost loop of a job reports (a power's steps, not the products
// inside each step); inner loops still check for cancellation.
class ProgressSteps {
public:
    explicit ProgressSteps(std::int64_t total);
    ~ProgressSteps();
    ProgressSteps(const ProgressSteps&) = delete;
    ProgressSteps& operator=(const ProgressSteps&) = delete;

    // Counts `steps` more as done, then checks for cancellation.
    void advance(std::int64_t steps = 1) {
        if (reports_) {
            detail::currentJob->stepsDone.fetch_add(steps, std::memory_order_relaxed);
        }
        checkpoint();
    }

private:
    bool reports_;
};

} // namespace engine
