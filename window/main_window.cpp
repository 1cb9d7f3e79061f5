// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include "window/caption_button.h"
#include "window/commands.h"
#include "window/control_table.h"
#include "window/keyboard.h"
#include "window/number_field/number_field.h"
#include "window/precision_field.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

namespace {

constexpr char WindowCaption[] =
    "Calculateur pour les grands nombres  (Pelnor)  2006-2007   Version TALVERO 1.1";

// Twips are 1/1440 inch. They are turned into pixels at the screen's logical
// resolution, the one the captions' point sizes follow: 96 dots per inch (15
// twips a pixel) unless the system enlarges its fonts, and then the controls
// grow with them instead of cutting their captions.
int pixels(int twips, int dotsPerInch) {
    return twips * dotsPerInch / window::TwipsPerInch;
}

// The window was drawn with the bold face of "MS Sans Serif", which Linux
// lacks: the families after it are the nearest in width that are commonly
// installed.
QFont captionFont(double pointSize, bool italic) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(true);
    font.setItalic(italic);
    return font;
}

// A field for numbers of any length. Shaping is switched off: the digits
// need none, and it would cost more than drawing them. The operands take a
// pasted number whole; the result field takes a paste as it comes. A screen
// reader names each field after its role.
window::NumberField* makeNumberField(QWidget* parent, QFont font, std::string_view name) {
    auto* field = new window::NumberField(parent);
    font.setStyleStrategy(QFont::PreferNoShaping);
    field->setFont(font);
    field->setPastesNormalised(name != "Text3");
    field->setAccessibleName(name == "Text1"   ? QStringLiteral("a")
                             : name == "Text2" ? QStringLiteral("b")
                                               : QStringLiteral("résultat"));
    return field;
}

// A caption that does not fit on one line is wrapped at its blanks. The
// captions that open with blanks to stand their words beside a field ("        a :")
// are never wrapped: when they do not fit, their words keep to the right end
// and the opening blanks are cut instead.
QLabel* makeLabel(QWidget* parent, const QString& caption, const QFont& font, int width) {
    auto* label = new QLabel(caption, parent);
    const QFontMetrics metrics(font);
    const bool padded = caption.startsWith(u' ');
    if (padded) {
        label->setAlignment(
            Qt::AlignTop |
            (metrics.horizontalAdvance(caption) > width ? Qt::AlignRight : Qt::AlignLeft));
    } else {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(WindowCaption));
    buildControls();
    buildReadingAids();
    buildHistory();
    buildMenu();
    connectHandlers();
    window::setUpKeyboard(*this, *findChild<QPushButton*>(QStringLiteral("Quitter")));
    window::startUp(*this);
    Text1->setFocus();
}

// The application's focus changes, which the status bar follows, stop
// reaching the window before its controls go.
MainWindow::~MainWindow() {
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::buildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    const int dpiX = client->logicalDpiX();
    const int dpiY = client->logicalDpiY();
    client->setFixedSize(pixels(window::ClientWidthTwips, dpiX),
                         pixels(window::ClientHeightTwips, dpiY));
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> focusOrder;
    for (const window::ControlRow& row : window::controlTable()) {
        const QString caption = QString::fromUtf8(row.caption);
        const QFont font = captionFont(row.pointSize, row.italic);
        QWidget* widget = nullptr;
        switch (row.kind) {
        case window::ControlKind::Label:
            widget = makeLabel(client, caption, font, pixels(row.width, dpiX));
            break;
        case window::ControlKind::NumberField:
            widget = makeNumberField(client, font, row.name);
            break;
        case window::ControlKind::PrecisionField:
            widget = new window::PrecisionField(client);
            break;
        case window::ControlKind::Button: {
            auto* button = new window::CaptionButton(caption, client);
            if (row.background) {
                button->setSolidColour(QColor(*row.background));
            }
            widget = button;
            break;
        }
        }
        widget->setObjectName(QString::fromUtf8(row.name));
        if (row.kind != window::ControlKind::NumberField) {
            widget->setFont(font);
        }
        widget->setGeometry(pixels(row.left, dpiX), pixels(row.top, dpiY), pixels(row.width, dpiX),
                            pixels(row.height, dpiY));
        if (row.kind != window::ControlKind::Label) {
            focusOrder.emplace_back(row.tabIndex, widget);
        }
    }

    std::ranges::sort(focusOrder, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
    }

    // Label2 is one pixel wide, a leftover that shows nothing useful.
    client->findChild<QLabel*>(QStringLiteral("Label2"))->hide();

    Text1 = client->findChild<window::NumberField*>(QStringLiteral("Text1"));
    Text2 = client->findChild<window::NumberField*>(QStringLiteral("Text2"));
    Text3 = client->findChild<window::NumberField*>(QStringLiteral("Text3"));
    Text4 = client->findChild<window::PrecisionField*>(QStringLiteral("Text4"));
}

void MainWindow::buildMenu() {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(window::HelpMenu.caption));
    menu->setObjectName(QString::fromUtf8(window::HelpMenu.name));
    for (const window::MenuEntryRow& entry : window::helpMenuEntries()) {
        QAction* action = menu->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromUtf8(entry.name));
    }
}

void MainWindow::connectHandlers() {
    const auto onClick = [this](const char* name, void (MainWindow::*handler)()) {
        auto* button = findChild<QPushButton*>(QString::fromUtf8(name));
        connect(button, &QPushButton::clicked, this, handler);
    };
    onClick("Command1", &MainWindow::Command1_Click);
    onClick("Command2", &MainWindow::Command2_Click);
    onClick("Command3", &MainWindow::Command3_Click);
    onClick("Command4", &MainWindow::Command4_Click);
    onClick("Command5", &MainWindow::Command5_Click);
    onClick("Command6", &MainWindow::Command6_Click);
    onClick("Command7", &MainWindow::Command7_Click);
    onClick("Command8", &MainWindow::Command8_Click);
    onClick("Command9", &MainWindow::Command9_Click);
    onClick("Command10", &MainWindow::Command10_Click);
    onClick("Command11", &MainWindow::Command11_Click);
    onClick("Command12", &MainWindow::Command12_Click);
    onClick("Command13", &MainWindow::Command13_Click);
    onClick("Command15", &MainWindow::Command15_Click);
    onClick("Command14", &MainWindow::Command14_Click);
    onClick("Command16", &MainWindow::Command16_Click);
    onClick("Command17", &MainWindow::Command17_Click);
    onClick("Command18", &MainWindow::Command18_Click);
    onClick("Command19", &MainWindow::Command19_Click);
    onClick("Quitter", &MainWindow::Quitter_Click);
    const auto onChoice = [this](const char* name, void (MainWindow::*handler)()) {
        auto* entry = findChild<QAction*>(QString::fromUtf8(name));
        connect(entry, &QAction::triggered, this, handler);
    };
    onChoice("mnuApropos", &MainWindow::mnuApropos_Click);
    onChoice("mnuInfo", &MainWindow::mnuInfo_Click);
    onChoice("mnuAker", &MainWindow::mnuAker_Click);
    onChoice("mnuHtml", &MainWindow::mnuHtml_Click);
    onChoice("mnuVer", &MainWindow::mnuVer_Click);
    // Only the user's edits: a write by the program runs the handler itself.
    connect(Text4, &QLineEdit::textEdited, this, &MainWindow::Text4_Change);
    // A paste or a drop that a number field refused: the box says why.
    for (window::NumberField* field : {Text1, Text2, Text3}) {
        connect(field, &window::NumberField::refused, this, [this](const QString& message) {
            showMessage(message, window::Buttons::Ok, caption());
        });
    }
}

void MainWindow::Command1_Click() {
    window::addCommand(*this);
}
void MainWindow::Command2_Click() {
    window::subtractCommand(*this);
}
void MainWindow::Command3_Click() {
    window::multiplyCommand(*this);
}
void MainWindow::Command4_Click() {
    window::divideCommand(*this);
}
void MainWindow::Command5_Click() {
    window::powerCommand(*this);
}
void MainWindow::Command6_Click() {
    window::factorialCommand(*this);
}
void MainWindow::Command7_Click() {
    window::openPage(*this, links::WebPage::PhpCalculator);
}
void MainWindow::Command8_Click() {
    window::saveResultCommand(*this);
}
void MainWindow::Command9_Click() {
    window::ackermannCommand(*this);
}
void MainWindow::Command10_Click() {
    window::countResultCharacters(*this);
}
void MainWindow::Command11_Click() {
    window::openPage(*this, links::WebPage::Ackermann);
}
void MainWindow::Command12_Click() {
    window::copyResultIntoA(*this);
}
void MainWindow::Command13_Click() {
    window::resetField(*this, window::Field::Text1);
}
void MainWindow::Command15_Click() {
    window::resetField(*this, window::Field::Text2);
}
void MainWindow::Command14_Click() {
    window::dateAndTimeCommand(*this);
}
void MainWindow::Command16_Click() {
    window::resetField(*this, window::Field::Text3);
}
void MainWindow::Command17_Click() {
    window::openPage(*this, links::WebPage::Home);
}
void MainWindow::Command18_Click() {
    window::digitPowerSumCommand(*this);
}
void MainWindow::Command19_Click() {
    window::openPage(*this, links::WebPage::NarcissisticNumbers);
}
void MainWindow::mnuApropos_Click() {
    window::showAbout(*this, this);
}
void MainWindow::mnuInfo_Click() {
    window::showHelpText(*this, window::informationText());
}
void MainWindow::mnuAker_Click() {
    window::showHelpText(*this, window::ackermannDefinitionText());
}
void MainWindow::mnuHtml_Click() {
    window::openPage(*this, links::WebPage::UserGuide);
}
void MainWindow::mnuVer_Click() {
    window::showHelpText(*this, window::versionNotesText());
}
void MainWindow::Quitter_Click() {
    window::quit(*this);
}
void MainWindow::Text4_Change() {
    window::precisionChanged(*this);
    showPrecisionState();
}
