// SPDX-License-Identifier: GPL-3.0-or-later
// The history's own thread: it owns the Store and does, in the order they
// were handed over, the tasks that read or write the file, so that the
// window's thread never waits for the disk.
#pragma once

#include "window/history/store.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace history {

class Writer {
public:
    using Task = std::function<void(Store& store)>;

    // `tell` is called on the writer's thread.
    Writer(QString folder, Store::Tell tell);
    // Does what was handed over, then ends the thread.
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // Hands `task` over and returns at once.
    void post(Task task);
    // Returns once every task handed over so far is done.
    void waitUntilIdle();

private:
    void run();

    Store store_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_; // last: starts once the rest is ready
};

} // namespace history
