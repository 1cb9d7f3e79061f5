// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/job_runner.h"

#include "window/progress_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <memory>

namespace window {

namespace {

// The worker gets the stack that the window's own thread usually has, so that
// a computation that ran there runs here too.
constexpr uint WorkerStackBytes = 8u << 20;

} // namespace

JobRunner::JobRunner(QWidget& window) : window_(window) {}

bool JobRunner::run(const QString& title, const QString& what, const std::function<void()>& job) {
    engine::JobControl control;
    std::exception_ptr failure;
    std::unique_ptr<QThread> worker(QThread::create([&] {
        const engine::JobScope scope(control);
        try {
            job();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    worker->setStackSize(WorkerStackBytes);

    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    ProgressWindow progress(control, clock, title, what, &window_);
    connect(&progress, &QDialog::rejected, this, [&control] { control.stopRequested.store(true); });
    QTimer::singleShot(progressDelay_, &progress, &QWidget::show);

    running_ = &control;
    qApp->installEventFilter(this);
    worker->start();
    loop.exec();
    if (!worker->isFinished()) {
        // The application is quitting, which ends every event loop at once.
        control.stopRequested.store(true);
    }
    worker->wait();
    qApp->removeEventFilter(this);
    running_ = nullptr;

    if (closeAfterJob_) {
        closeAfterJob_ = false;
        QTimer::singleShot(0, &window_, &QWidget::close);
    }
    if (control.stopRequested.load()) {
        return false;
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
    return true;
}

bool JobRunner::eventFilter(QObject* watched, QEvent* event) {
    if (running_ != nullptr && watched == &window_ && event->type() == QEvent::Close) {
        running_->stopRequested.store(true);
        closeAfterJob_ = true;
        event->ignore();
        return true;
    }
    if (!isInputToTheWindow(watched, *event)) {
        return false;
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        running_->stopRequested.store(true);
    }
    return true;
}

bool JobRunner::isInputToTheWindow(QObject* receiver, const QEvent& event) const {
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::TouchBegin:
        break;
    default:
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget != nullptr && widget->window() == &window_;
}

} // namespace window
