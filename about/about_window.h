// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: a heading, a description of the application, a credit line,
// three coloured buttons that open pages of the companion site, and "Fermer".
//
// A fresh About is meant to be built for each showing and discarded when it
// has been closed:
//
//     About box(openWebPage, this);
//     box.Application(...);
//     box.Heading(...);
//     box.Display(); // modal; returns once the box is closed
//
// Building it lays out its controls with placeholder texts; the text setters
// replace them, and Display() blanks any text that was not set, so the user
// never sees a placeholder.
#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;

class About : public QDialog {
    Q_OBJECT

public:
    // Opens a web page in the user's browser without waiting for it.
    using OpenWebPage = std::function<void(const QString& url)>;

    explicit About(OpenWebPage openWebPage, QWidget* parent = nullptr);

    // Description line (bold), heading line and credit line.
    void Application(const QString& text);
    void Heading(const QString& text);
    void Copyright(const QString& text);

    // Centres the box on the screen and shows it modally; returns once it is closed.
    void Display();

private:
    void openPage(const QString& url);

    OpenWebPage openWebPage_;
    QLabel* lblHeading_ = nullptr;
    QLabel* lblApplication_ = nullptr;
    QLabel* lblCopyright_ = nullptr;
};
