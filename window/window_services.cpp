// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window carries out the window services.
#include "window/main_window.h"

#include "window/commands.h"
#include "window/number_field/long_text.h"
#include "window/number_field/number_field.h"
#include "window/precision_field.h"
#include "window/system_memory.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A message box shows its text in a label as tall as the text needs, broken
// only at blanks or, failing that, anywhere at a fixed width: a value of tens
// of thousands of digits (A(4, 2) has 19,729) would make the box far taller
// than the screen and put its button out of reach. Texts longer than this are
// shown in a scrolling view of fixed size instead.
constexpr qsizetype LongestLabelText = 2000;
constexpr int LongTextColumns = 80;
constexpr int LongTextLines = 20;

// Puts a read-only scrolling view of `text` where the box's label stands and
// hides the label, which keeps the text: the box's text() is unchanged.
void showTextInScrollingView(QMessageBox& box, const QString& text) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (label == nullptr || grid == nullptr) {
        return; // another layout than expected: the label shows the text as it can
    }
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &column, &rowSpan, &columnSpan);

    auto* view = new QPlainTextEdit(text, &box);
    view->setObjectName(QStringLiteral("longText"));
    view->setReadOnly(true);
    view->setWordWrapMode(QTextOption::WrapAnywhere);
    view->setFocusPolicy(Qt::ClickFocus); // Enter still closes the box
    const QFontMetrics metrics(view->font());
    const int frame = 2 * view->frameWidth() + 8;
    view->setFixedSize(metrics.horizontalAdvance(QString(LongTextColumns, u'0')) + frame +
                           view->verticalScrollBar()->sizeHint().width(),
                       metrics.lineSpacing() * LongTextLines + frame);
    label->hide();
    grid->addWidget(view, row, column, rowSpan, columnSpan);
}

} // namespace

window::NumberField* MainWindow::numberField(window::Field field) const {
    switch (field) {
    case window::Field::Text1:
        return Text1;
    case window::Field::Text2:
        return Text2;
    case window::Field::Text3:
        return Text3;
    case window::Field::Text4:
        break;
    }
    return nullptr;
}

engine::Text MainWindow::readField(window::Field field) {
    if (field == window::Field::Text4) {
        return Text4->text().toStdString();
    }
    return window::toUtf8(numberField(field)->toPlainText());
}

void MainWindow::writeField(window::Field field, const engine::Text& text) {
    if (field == window::Field::Text4) {
        Text4->setText(QString::fromStdString(text));
        window::precisionChanged(*this);
        showPrecisionState();
        return;
    }
    // A text written back unchanged (as a + b does with both operands)
    // changes nothing: the field keeps its caret and scroll position.
    numberField(field)->setUtf8Text(text);
}

void MainWindow::setPrecision(std::int32_t digits) {
    Precision = digits;
    showPrecisionState();
}

void MainWindow::showPrecisionState() {
    Text4->showPrecisionInUse(engine::toInt32(Text4->text().toStdString()).has_value(), Precision);
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
    // So that an address or a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (text.size() > LongestLabelText) {
        showTextInScrollingView(box, text);
    }
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

bool MainWindow::openWebPage(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
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

std::optional<std::uint64_t> MainWindow::availableMemory() const {
    return availableMemory_ ? availableMemory_ : window::systemAvailableMemory();
}

void MainWindow::setUserFolders(const QString& home, const QString& documents) {
    homeFolder_ = home;
    documentsFolder_ = documents;
}

QString MainWindow::homeFolder() const {
    return homeFolder_.isEmpty() ? QDir::homePath() : homeFolder_;
}

QString MainWindow::documentsFolder() {
    const QString folder = documentsFolder_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : documentsFolder_;
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
    }
    return folder;
}

bool MainWindow::exists(const QString& path) const {
    return QFileInfo::exists(path);
}

QString MainWindow::resolvedPath(const QString& path) const {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

std::optional<window::WriteError> MainWindow::writeTextLine(const QString& path,
                                                            const QString& text) {
    using window::WriteFailure;
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        return window::WriteError{WriteFailure::FolderMissing, {}};
    }
    if (info.isDir()) {
        return window::WriteError{WriteFailure::IsAFolder, {}};
    }
    // Unbuffered, so that a failed write is seen at once and the file can be
    // cut back to its former end.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        return window::WriteError{WriteFailure::CannotOpen, file.errorString()};
    }
    const qint64 formerSize = file.size();
    // Two writes, so that a line of tens of millions of characters is not
    // copied once more to put CR LF after it.
    const std::string line = window::toUtf8(text);
    const auto size = static_cast<qint64>(line.size());
    if (file.write(line.data(), size) == size && file.write("\r\n", 2) == 2) {
        return std::nullopt;
    }
    const QString systemText =
        file.error() == QFileDevice::NoError ? QString() : file.errorString();
    // A line cut short is taken away again: the file ends as it did before.
    file.resize(formerSize);
    return window::WriteError{WriteFailure::CannotWrite, systemText};
}

void MainWindow::closeWindow() {
    close();
}

bool MainWindow::runJob(const QString& what, const std::function<void()>& job) {
    return jobs_.run(caption(), what, job);
}
