// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/progress_window.h"

#include "window/progress_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace window {

namespace {

// The bar counts in thousandths of the work.
constexpr int BarScale = 1000;
constexpr int RefreshMilliseconds = 100;
constexpr int MinimumWidth = 360;

} // namespace

ProgressWindow::ProgressWindow(const engine::JobControl& control, const QElapsedTimer& clock,
                               const QString& title, const QString& what, QWidget* parent)
    : QDialog(parent), control_(control), clock_(clock) {
    setObjectName(QStringLiteral("progressWindow"));
    setWindowTitle(title);
    setMinimumWidth(MinimumWidth);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(what, this));
    bar_ = new QProgressBar(this);
    layout->addWidget(bar_);
    elapsed_ = new QLabel(this);
    layout->addWidget(elapsed_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* stop = buttons->addButton(stopButtonCaption(), QDialogButtonBox::RejectRole);
    stop->setObjectName(QStringLiteral("Annuler"));
    stop->setAutoDefault(false);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    connect(&refreshTimer_, &QTimer::timeout, this, &ProgressWindow::refresh);
    refresh();
}

// It takes the focus where the desktop lets it, so that its keys reach it.
void ProgressWindow::showEvent(QShowEvent* event) {
    refresh();
    refreshTimer_.start(RefreshMilliseconds);
    QDialog::showEvent(event);
    raise();
    activateWindow();
}

// A loop that reports its steps gives a bar that fills; before one reports,
// or once it has done all its steps while the job goes on, the bar only shows
// that the computation is alive.
void ProgressWindow::refresh() {
    const std::int64_t total = control_.stepsTotal.load(std::memory_order_relaxed);
    const std::int64_t done = control_.stepsDone.load(std::memory_order_relaxed);
    if (total > 0 && done < total) {
        bar_->setRange(0, BarScale);
        bar_->setValue(static_cast<int>(done * BarScale / total));
    } else {
        bar_->setRange(0, 0);
    }
    elapsed_->setText(elapsedTimeText(clock_.elapsed() / 1000));
}

} // namespace window
