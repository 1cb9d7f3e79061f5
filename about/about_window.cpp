// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/about_window.h"

#include "links/web_pages.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr QLatin1String applicationPlaceholder("- Application -");
constexpr QLatin1String headingPlaceholder("- Heading -");
constexpr QLatin1String copyrightPlaceholder("- Copyright -");

// "MS Sans Serif" is the box's font; Linux rarely has it, so close sans-serif
// faces stand in for it at the same size and weight.
QFont boxFont(qreal pointSize, bool bold = false, bool italic = false) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

constexpr qreal buttonPointSize = 8.25;
constexpr qreal headingPointSize = 13.5;

// A solid background in the exact colour: the Fusion style draws a plain
// background-color as a lighter gradient unless a border is set with it.
QString solidButtonStyle(const QColor& background) {
    return QStringLiteral("QPushButton { background-color: %1; color: #000000;"
                          " border: 1px solid #404040; border-radius: 3px; padding: 5px 10px; }"
                          "QPushButton:focus { border: 2px solid #000000; padding: 4px 9px; }"
                          "QPushButton:pressed { background-color: %2; }"
                          "QPushButton:disabled { background-color: #c0c0c0; color: #808080;"
                          " border-color: #909090; }")
        .arg(background.name(), background.darker(130).name());
}

QLabel* makeLabel(const QString& name, const QFont& font, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* makeLine(const QString& name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

About::About(OpenWebPage openWebPage, QWidget* parent)
    : QDialog(parent), openWebPage_(std::move(openWebPage)) {
    setWindowTitle(QStringLiteral("À propos"));
    setFont(boxFont(buttonPointSize));
    setMinimumWidth(600);

    lblHeading_ = makeLabel(QStringLiteral("lblHeading"), boxFont(headingPointSize), this);
    lblApplication_ =
        makeLabel(QStringLiteral("lblApplication"), boxFont(headingPointSize, true), this);
    lblCopyright_ = makeLabel(QStringLiteral("lblCopyright"), font(), this);
    lblCopyright_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const QFont buttonFont = boxFont(buttonPointSize, true);
    const auto linkButton = [&](const QString& name, const QString& caption, const QColor& colour,
                                links::WebPage page) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setFont(buttonFont);
        button->setStyleSheet(solidButtonStyle(colour));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, page] { openPage(links::webPageUrl(page)); });
        return button;
    };
    const QColor magenta(255, 0, 255);
    const QColor darkRed(192, 0, 0);
    QPushButton* command1 = linkButton(
        QStringLiteral("Command1"),
        QStringLiteral("La page des transformations agréables sur les entiers (site TORMEL)"),
        magenta, links::WebPage::PleasantTransforms);
    QPushButton* command2 = linkButton(
        QStringLiteral("Command2"), QStringLiteral("La page des calculs en ligne  (site TORMEL)"),
        magenta, links::WebPage::OnlineCalculations);
    QPushButton* command4 =
        linkButton(QStringLiteral("Command4"),
                   QStringLiteral("La page des nombres r-narcissiques parfaits (site TORMEL)"),
                   darkRed, links::WebPage::NarcissisticNumbers);

    auto* cmdOK = new QPushButton(QStringLiteral("Fermer"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(boxFont(buttonPointSize, true, true));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(100);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(lblHeading_);
    layout->addWidget(lblApplication_);
    layout->addWidget(makeLine(QStringLiteral("Line1"), this));
    layout->addWidget(command1);
    layout->addWidget(command2);
    layout->addWidget(command4);
    layout->addWidget(makeLine(QStringLiteral("Line2"), this));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblCopyright_, 1);
    bottom->addWidget(cmdOK);
    layout->addLayout(bottom);

    // Until the caller sets them, the labels show what they are for.
    lblApplication_->setText(applicationPlaceholder);
    lblHeading_->setText(headingPlaceholder);
    lblCopyright_->setText(copyrightPlaceholder);
    cmdOK->setFocus();
}

void About::Application(const QString& text) {
    lblApplication_->setText(text);
}

void About::Heading(const QString& text) {
    lblHeading_->setText(text);
}

void About::Copyright(const QString& text) {
    lblCopyright_->setText(text);
}

void About::Display() {
    // A text the caller did not set stays blank rather than show its placeholder.
    for (const auto& [label, placeholder] : {std::pair{lblApplication_, applicationPlaceholder},
                                             std::pair{lblHeading_, headingPlaceholder},
                                             std::pair{lblCopyright_, copyrightPlaceholder}}) {
        if (label->text() == placeholder) {
            label->clear();
        }
    }

    // Centre the whole window, frame included where the window system tells
    // its size before the window is shown.
    adjustSize();
    winId();
    const QSize outer = frameGeometry().size();
    const QRect screenArea = screen()->geometry();
    move(screenArea.x() + (screenArea.width() - outer.width()) / 2,
         screenArea.y() + (screenArea.height() - outer.height()) / 2);
    exec();
}

void About::openPage(const QString& url) {
    if (openWebPage_) {
        openWebPage_(url);
    }
}
