// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a window's jobs on a worker thread, one at a time, while the window
// stays alive: it repaints, shows a progress window after half a second and
// takes no input but Escape, which stops the job as the progress window's
// "Annuler" does; closing it stops the job first.
#pragma once

#include "engine/runtime/job_control.h"

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

class QWidget;

namespace window {

class JobRunner : public QObject {
    Q_OBJECT

public:
    explicit JobRunner(QWidget& window);

    // Runs `job` on a worker thread and waits for its end in a local event
    // loop; false when the job was asked to stop meanwhile, else throws what
    // the job threw or returns true. The progress window is titled `title` and
    // says that `what` is being computed. Returns only once the thread has
    // ended, whatever happens: the job may use the caller's variables.
    bool run(const QString& title, const QString& what, const std::function<void()>& job);

    // How long a job runs before its progress window shows: half a second,
    // so that short computations look as they always did.
    void setProgressDelay(std::chrono::milliseconds delay) { progressDelay_ = delay; }

protected:
    // While a job runs: drops the window's mouse, keyboard and drop input
    // but for Escape, which stops the job, and turns a request to close the
    // window into a stop, the close following once the job has ended.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isInputToTheWindow(QObject* receiver, const QEvent& event) const;

    QWidget& window_;
    engine::JobControl* running_ = nullptr; // the job's control while one runs
    std::chrono::milliseconds progressDelay_{500};
    bool closeAfterJob_ = false;
};

} // namespace window
