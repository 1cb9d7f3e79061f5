// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/writer.h"

#include <exception>
#include <utility>

namespace history {

Writer::Writer(QString folder, Store::Tell tell)
    : store_(std::move(folder), std::move(tell)), thread_([this] { run(); }) {}

Writer::~Writer() {
    {
        const std::scoped_lock lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void Writer::post(Task task) {
    {
        const std::scoped_lock lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_one();
}

void Writer::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

void Writer::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) {
            return;
        }
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        try {
            task(store_);
        } catch (const std::exception&) {
            // A task tells of its own failures; one that escapes anyway must
            // not end the thread and the recording of the tasks after it.
        }
        task = nullptr; // the texts it held go here, off the window's thread
        lock.lock();
        busy_ = false;
        idle_.notify_all();
    }
}

} // namespace history
