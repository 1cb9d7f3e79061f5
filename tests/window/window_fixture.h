// What the window tests share: a real MainWindow on screen, access to its
// controls by name, and a catcher that answers the message boxes it shows.
#pragma once

#include "window/main_window.h"

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QPlainTextEdit;
class QPushButton;

// A message box as the user saw it.
struct SeenBox {
    QString title;
    QString text;
    QStringList buttons; // captions, in the order the box lists them
    QString defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QRect frame; // where the box stood on the screen, frame included
    bool expected = false;
};

// Every 10 ms, looks for a modal window. A message box is recorded and
// answered with the next queued button; a box nobody queued an answer for is
// recorded as unexpected and rejected, so that a test fails instead of hanging.
class MessageBoxCatcher : public QObject {
    Q_OBJECT

public:
    MessageBoxCatcher();

    // The button that the next box is to be closed with; `whileShown` runs
    // before the box is answered.
    void expectBox(QMessageBox::StandardButton answer = QMessageBox::Ok,
                   std::function<void()> whileShown = {});
    // The next modal window that is not a message box is handed to `handle`,
    // which must close it.
    void expectDialog(std::function<void(QWidget&)> handle);
    // The boxes seen so far, and empties the record.
    QList<SeenBox> takeSeen();
    // True when some box came without an expected answer.
    bool sawUnexpected() const;

private:
    void poll();

    struct Answer {
        QMessageBox::StandardButton button;
        std::function<void()> whileShown;
    };

    QTimer timer_;
    QList<Answer> answers_;
    QList<std::function<void(QWidget&)>> dialogs_;
    QList<SeenBox> seen_;
    bool unexpected_ = false;
};

// Qt Test fixture: a fresh, shown window for each test function.
class WindowFixture : public QObject {
    Q_OBJECT

protected:
    MainWindow& window() { return *window_; }
    MessageBoxCatcher& boxes() { return *boxes_; }

    QPlainTextEdit* field(const char* name);
    QPushButton* button(const char* name);
    // Replaces a number field's text, as a paste by the user does.
    void setField(const char* name, const QString& text);
    QString fieldText(const char* name);
    // A mouse click on the named button; returns once its handler has ended.
    void click(const char* name);

    // Qt Test finds these by name; a test that has its own calls them first.
protected slots:
    void initTestCase();
    void init();
    void cleanup();

private:
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<MessageBoxCatcher> boxes_;
};
