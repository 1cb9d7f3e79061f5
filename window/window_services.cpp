// How the main window carries out the window services.
#include "window/main_window.h"

#include "window/commands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QUrl>

QPlainTextEdit* MainWindow::numberField(engine::Field field) const {
    switch (field) {
    case engine::Field::Text1:
        return Text1;
    case engine::Field::Text2:
        return Text2;
    case engine::Field::Text3:
        return Text3;
    case engine::Field::Text4:
        break;
    }
    return nullptr;
}

engine::Text MainWindow::readField(engine::Field field) {
    if (field == engine::Field::Text4) {
        return Text4->text().toStdString();
    }
    return numberField(field)->toPlainText().toStdString();
}

void MainWindow::writeField(engine::Field field, const engine::Text& text) {
    const QString value = QString::fromStdString(text);
    if (field == engine::Field::Text4) {
        Text4->setText(value);
        window::precisionChanged(*this);
        return;
    }
    numberField(field)->setPlainText(value);
}

QString MainWindow::caption() const {
    return windowTitle();
}

window::Answer MainWindow::showMessage(const QString& text, window::Buttons buttons,
                                       const QString& title) {
    QMessageBox box(this);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (buttons == window::Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return window::Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? window::Answer::Yes
                                                               : window::Answer::No;
}

void MainWindow::openWebPage(const QString& url) {
    QDesktopServices::openUrl(QUrl(url));
}

QDateTime MainWindow::now() const {
    return QDateTime::currentDateTime();
}

void MainWindow::setProgramFolder(const QString& folder) {
    programFolder_ = folder;
}

QString MainWindow::programFolder() const {
    return programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
}

bool MainWindow::writeTextLine(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        return false;
    }
    const QByteArray line = text.toUtf8() + "\r\n";
    const bool written = file.write(line) == line.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

void MainWindow::closeWindow() {
    close();
}
