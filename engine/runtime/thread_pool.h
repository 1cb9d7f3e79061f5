// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's worker threads: a small pool of standard threads that long
// products use to run independent work at the same time (the transforms
// modulo each prime). The thread that hands work over runs part of it itself,
// so a pool of one thread is the calling thread alone and behaves exactly as
// if there were no pool. Work handed to a worker sees the job of the thread
// that handed it over: its checkpoints stop on that job's cancel, and the
// steps it advances move that job's progress.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace engine {

class ThreadPool {
public:
    // `threads` counts the calling thread: threads - 1 workers, started the
    // first time that work is handed over (a short computation never waits
    // for threads to start).
    explicit ThreadPool(std::size_t threads) : threads_(threads) {}
    // Asks the workers to end and joins them; no work may be running.
    ~ThreadPool();
    ThreadPool(const ThreadPool&) = delete;
    ThreadPool& operator=(const ThreadPool&) = delete;

    std::size_t threads() const { return threads_; }

    // Runs task(0), ..., task(count - 1), on the calling thread and on the
    // workers that are free, and returns when every one has ended. The first
    // exception that a task throws (Cancelled, std::bad_alloc...) is rethrown
    // here once the tasks already started have ended; the tasks not started
    // by then are skipped, and the pool serves the next call as before. Tasks
    // may themselves call run(). A worker that the system cannot start (no
    // memory left for its stack) is no failure: the tasks run on the threads
    // there are, the calling thread at least.
    void run(std::size_t count, const std::function<void(std::size_t)>& task);

    // work(begin, end) over `pieces` consecutive ranges of nearly equal
    // length that cover [0, count), one task each.
    template <class Work>
    void runInPieces(std::size_t pieces, std::size_t count, const Work& work) {
        const std::size_t piece = (count + pieces - 1) / pieces;
        run(pieces, [&](std::size_t i) {
            work(std::min(count, i * piece), std::min(count, (i + 1) * piece));
        });
    }

private:
    struct Batch;
    void work();
    void startWorkers();

    const std::size_t threads_;
    std::mutex mutex_;
    std::condition_variable wake_;     // workers: a batch is waiting, or the pool ends
    std::condition_variable released_; // callers: a worker has left a batch
    std::deque<Batch*> batches_;       // batches that may have tasks left to start
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

// How many threads the engine uses: `hardware` (one when it is 0), at most the
// number that `setting` (the text of CALCULATEUR_THREADS, or null) gives when
// it is a whole number of 1 or more.
std::size_t threadsFor(unsigned hardware, const char* setting);

// The engine's pool, of threadsFor(std::thread::hardware_concurrency(),
// CALCULATEUR_THREADS) threads; made at first use, joined when the program ends.
ThreadPool& workerPool();

} // namespace engine
