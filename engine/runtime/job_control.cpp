// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/runtime/job_control.h"

namespace engine {

namespace {
// True while a loop of the current job reports its progress.
constinit thread_local bool measured = false;
} // namespace

namespace detail {

constinit thread_local JobControl* currentJob = nullptr;

void throwCancelled() {
    throw Cancelled("the computation was stopped");
}

} // namespace detail

JobScope::JobScope(JobControl& control)
    : previous_(detail::currentJob), previousMeasured_(measured) {
    detail::currentJob = &control;
    measured = false;
}

JobScope::~JobScope() {
    detail::currentJob = previous_;
    measured = previousMeasured_;
}

WorkerScope::WorkerScope(JobControl* job)
    : previous_(detail::currentJob), previousMeasured_(measured) {
    detail::currentJob = job;
    measured = true;
}

WorkerScope::~WorkerScope() {
    detail::currentJob = previous_;
    measured = previousMeasured_;
}

ProgressSteps::ProgressSteps(std::int64_t total)
    : reports_(detail::currentJob != nullptr && !measured) {
    if (reports_) {
        measured = true;
        detail::currentJob->stepsDone.store(0, std::memory_order_relaxed);
        detail::currentJob->stepsTotal.store(total, std::memory_order_relaxed);
    }
    checkpoint();
}

ProgressSteps::~ProgressSteps() {
    if (reports_) {
        measured = false;
    }
}

} // namespace engine
