// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: a real MainWindow on screen, its controls by
// name, and a catcher that answers the modal windows it shows.
#pragma once

#include "window/main_window.h"
#include "window/number_field/number_field.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <utility>

// A modal window as the user saw it (a dialog that is no message box: its
// title and frame only).
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    QString defaultButton;
    QRect frame; // frame included
};

// Every 10 ms, records the modal window shown and hands it to what the test
// queued: a message box gets its button (after `whileShown`), another dialog
// or the progress window its handler. A modal window nothing was queued for
// is closed and counted as unexpected, so that a test fails instead of hanging.
class MessageBoxCatcher : public QObject {
    Q_OBJECT

public:
    MessageBoxCatcher();
    void expectBox(QMessageBox::StandardButton answer = QMessageBox::Ok,
                   std::function<void()> whileShown = {}) {
        answers_.append({answer, std::move(whileShown)});
    }
    void expectDialog(std::function<void(QWidget&)> handle) { dialogs_.append(std::move(handle)); }
    void expectProgress(std::function<void(QWidget&)> handle) {
        progress_.append(std::move(handle));
    }
    // The windows seen so far; empties the record.
    QList<SeenBox> takeSeen() { return std::exchange(seen_, {}); }
    bool sawUnexpected() const { return unexpected_; }

private:
    void poll();

    struct Answer {
        QMessageBox::StandardButton button;
        std::function<void()> whileShown;
    };
    QTimer timer_;
    QList<Answer> answers_;
    QList<std::function<void(QWidget&)>> dialogs_;
    QList<std::function<void(QWidget&)>> progress_;
    QList<SeenBox> seen_;
    bool unexpected_ = false;
};

// Qt Test fixture: a fresh, shown window for each test function.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    MainWindow& window() { return *window_; }
    MessageBoxCatcher& boxes() { return *boxes_; }
    QPushButton* button(const QString& name) { return window_->findChild<QPushButton*>(name); }
    window::NumberField* field(const QString& name) {
        return window_->findChild<window::NumberField*>(name);
    }
    void setField(const QString& name, const QString& text) { field(name)->setPlainText(text); }
    QString fieldText(const QString& name) { return field(name)->toPlainText(); }
    // A mouse click on the named button; returns once its handler has ended.
    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    // Answers the next `okBoxes` message boxes with OK, clicks the button and
    // returns every window seen meanwhile.
    QList<SeenBox> clickSeeing(const QString& name, int okBoxes);

    // Qt Test finds these by name; a test that has its own calls them first.
protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MessageBoxCatcher> boxes_;
};
