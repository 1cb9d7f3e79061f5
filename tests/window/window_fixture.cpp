#include "window_fixture.h"

#include "window/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

MessageBoxCatcher::MessageBoxCatcher() {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    timer_.start(10);
}

void MessageBoxCatcher::expectBox(QMessageBox::StandardButton answer,
                                  std::function<void()> whileShown) {
    answers_.append({answer, std::move(whileShown)});
}

void MessageBoxCatcher::expectDialog(std::function<void(QWidget&)> handle) {
    dialogs_.append(std::move(handle));
}

QList<SeenBox> MessageBoxCatcher::takeSeen() {
    return std::exchange(seen_, {});
}

bool MessageBoxCatcher::sawUnexpected() const {
    return unexpected_;
}

void MessageBoxCatcher::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        const bool expected = !dialogs_.isEmpty();
        seen_.append({modal->windowTitle(),
                      {},
                      {},
                      {},
                      QMessageBox::NoIcon,
                      modal->frameGeometry(),
                      expected});
        unexpected_ = unexpected_ || !expected;
        if (expected) {
            dialogs_.takeFirst()(*modal);
        } else {
            modal->close();
        }
        return;
    }
    SeenBox seen{box->windowTitle(),   box->text(),        {}, {}, box->icon(),
                 box->frameGeometry(), !answers_.isEmpty()};
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons.append(button->text());
    }
    if (box->defaultButton() != nullptr) {
        seen.defaultButton = box->defaultButton()->text();
    }
    seen_.append(seen);
    unexpected_ = unexpected_ || !seen.expected;
    if (seen.expected) {
        const Answer next = answers_.takeFirst();
        if (next.whileShown) {
            next.whileShown();
        }
        QAbstractButton* answer = box->button(next.button);
        if (answer != nullptr) {
            answer->click();
            return;
        }
    }
    box->reject();
}

void WindowFixture::initTestCase() {
    QVERIFY(window::installFrenchTranslation(*QCoreApplication::instance()));
}

void WindowFixture::init() {
    window_ = std::make_unique<MainWindow>();
    boxes_ = std::make_unique<MessageBoxCatcher>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowFixture::cleanup() {
    const bool unexpected = boxes_->sawUnexpected();
    boxes_.reset();
    window_.reset();
    QVERIFY2(!unexpected, "a message box appeared that the test did not expect");
}

QPlainTextEdit* WindowFixture::field(const char* name) {
    return window_->findChild<QPlainTextEdit*>(QString::fromUtf8(name));
}

QPushButton* WindowFixture::button(const char* name) {
    return window_->findChild<QPushButton*>(QString::fromUtf8(name));
}

void WindowFixture::setField(const char* name, const QString& text) {
    field(name)->setPlainText(text);
}

QString WindowFixture::fieldText(const char* name) {
    return field(name)->toPlainText();
}

void WindowFixture::click(const char* name) {
    QPushButton* target = button(name);
    QVERIFY2(target != nullptr, name);
    QTest::mouseClick(target, Qt::LeftButton);
}
