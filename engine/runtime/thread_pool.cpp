// SPDX-License-Identifier: GPL-3.0-or-later
// Tasks are claimed one at a time from a shared counter, by the caller and by
// the workers that join its batch, so no thread ever waits for a task that
// nobody has started: a caller waits only for the workers already inside its
// batch, and those are running tasks.
#include "engine/runtime/thread_pool.h"

#include "engine/runtime/job_control.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>
#include <system_error>

namespace engine {

struct ThreadPool::Batch {
    Batch(std::size_t count, const std::function<void(std::size_t)>& task)
        : count(count), task(task), job(detail::currentJob) {}

    // Runs tasks until none is left to start; records the first failure.
    void runTasks() {
        for (std::size_t i = next++; i < count; i = next++) {
            if (failed.load(std::memory_order_relaxed)) {
                continue;
            }
            try {
                task(i);
            } catch (...) {
                const std::lock_guard lock(errorMutex);
                if (!error) {
                    error = std::current_exception();
                }
                failed = true;
            }
        }
    }
    bool exhausted() const { return next.load() >= count; }

    const std::size_t count;
    const std::function<void(std::size_t)>& task;
    JobControl* const job;
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex errorMutex;
    std::exception_ptr error;
    std::size_t helpers = 0; // workers inside runTasks; guarded by the pool's mutex
};

ThreadPool::~ThreadPool() {
    std::vector<std::thread> workers;
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        workers.swap(workers_);
    }
    wake_.notify_all();
    for (auto& worker : workers) {
        worker.join();
    }
}

void ThreadPool::work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !batches_.empty(); });
        if (stopping_) {
            return;
        }
        Batch* batch = batches_.front();
        if (!batch->exhausted()) {
            ++batch->helpers;
            lock.unlock();
            {
                const WorkerScope scope(batch->job);
                batch->runTasks();
            }
            lock.lock();
            --batch->helpers;
            released_.notify_all();
        }
        // Nothing is left to start in it: no worker needs to see it again.
        std::erase(batches_, batch);
    }
}

// Called with the mutex held. A thread that cannot be started now is tried
// again at the next call.
void ThreadPool::startWorkers() {
    try {
        while (workers_.size() + 1 < threads_) {
            workers_.emplace_back([this] { work(); });
        }
    } catch (const std::system_error&) {
    } catch (const std::bad_alloc&) {
    }
}

void ThreadPool::run(std::size_t count, const std::function<void(std::size_t)>& task) {
    if (threads_ <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            task(i);
        }
        return;
    }
    Batch batch(count, task);
    {
        const std::lock_guard lock(mutex_);
        startWorkers();
        batches_.push_back(&batch);
    }
    wake_.notify_all();
    batch.runTasks();
    {
        std::unique_lock lock(mutex_);
        std::erase(batches_, &batch);
        released_.wait(lock, [&batch] { return batch.helpers == 0; });
    }
    if (batch.error) {
        std::rethrow_exception(batch.error);
    }
}

std::size_t threadsFor(unsigned hardware, const char* setting) {
    std::size_t threads = std::max(hardware, 1U);
    if (setting != nullptr) {
        const char* end = setting + std::strlen(setting);
        std::size_t cap = 0;
        const auto [stop, failure] = std::from_chars(setting, end, cap);
        if (failure == std::errc{} && stop == end && cap >= 1) {
            threads = std::min(threads, cap);
        }
    }
    return threads;
}

ThreadPool& workerPool() {
    static ThreadPool pool(
        threadsFor(std::thread::hardware_concurrency(), std::getenv("CALCULATEUR_THREADS")));
    return pool;
}

} // namespace engine
