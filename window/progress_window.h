// SPDX-License-Identifier: GPL-3.0-or-later
// The small window shown while a long computation runs: what is computed, how
// far it has gone, how long it has taken, and a button that stops it.
#pragma once

#include "engine/runtime/job_control.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

class QLabel;
class QProgressBar;

namespace window {

// Not modal for Qt: the window that runs the job drops its own input instead,
// so that the user can still close that window. "Annuler", Escape and the
// window's own close button all reject it, which is how the job's owner learns
// that the user wants the computation stopped. Enter does nothing, so that a
// key pressed for the main window cannot stop a computation by chance.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    // Reads `control` while shown; `clock` runs from the job's start.
    ProgressWindow(const engine::JobControl& control, const QElapsedTimer& clock,
                   const QString& title, const QString& what, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    const engine::JobControl& control_;
    const QElapsedTimer& clock_;
    QLabel* elapsed_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QTimer refreshTimer_;
};

} // namespace window
