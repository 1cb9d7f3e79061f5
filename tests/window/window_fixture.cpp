// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_fixture.h"

#include "window/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

MessageBoxCatcher::MessageBoxCatcher() {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxCatcher::poll);
    timer_.start(10);
}

void MessageBoxCatcher::poll() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!progress_.isEmpty() && window->objectName() == "progressWindow" &&
            window->isVisible()) {
            progress_.takeFirst()(*window);
            return;
        }
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) {
        return;
    }
    seen_.append({modal->windowTitle(), {}, {}, {}, modal->frameGeometry()});
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box == nullptr) {
        unexpected_ = unexpected_ || dialogs_.isEmpty();
        dialogs_.isEmpty() ? void(modal->close()) : dialogs_.takeFirst()(*modal);
        return;
    }
    SeenBox& seen = seen_.last();
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons()) {
        seen.buttons.append(button->text());
    }
    if (box->defaultButton() != nullptr) {
        seen.defaultButton = box->defaultButton()->text();
    }
    unexpected_ = unexpected_ || answers_.isEmpty();
    if (answers_.isEmpty()) {
        box->reject();
        return;
    }
    const Answer next = answers_.takeFirst();
    if (next.whileShown) {
        next.whileShown();
    }
    box->button(next.button)->click();
}

// The window's settings and history go to a folder of the tests', never the
// user's, and each test starts from the defaults and from an empty history.
void WindowFixture::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QDir data(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    for (const QString& file : data.entryList({QStringLiteral("historique.sqlite*")})) {
        QVERIFY(data.remove(file));
    }
    QVERIFY(window::installFrenchTranslation(*QCoreApplication::instance()));
}

void WindowFixture::init() {
    QSettings().clear();
    window_ = std::make_unique<MainWindow>();
    boxes_ = std::make_unique<MessageBoxCatcher>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void WindowFixture::cleanup() {
    const bool unexpected = boxes_->sawUnexpected();
    boxes_.reset();
    window_.reset();
    QVERIFY2(!unexpected, "a modal window appeared that the test did not expect");
}

QList<SeenBox> WindowFixture::clickSeeing(const QString& name, int okBoxes) {
    for (int i = 0; i < okBoxes; ++i) {
        boxes_->expectBox(QMessageBox::Ok);
    }
    click(name);
    return boxes_->takeSeen();
}
