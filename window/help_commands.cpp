// SPDX-License-Identifier: GPL-3.0-or-later
// The help menu's boxes, the link buttons and the About box.
#include "about/about_window.h"
#include "window/box_texts.h"
#include "window/commands.h"

namespace window {

void showHelpText(Services& window, const QString& text) {
    window.showMessage(text, Buttons::Ok, window.caption());
}

namespace {

// Opens the page or, when no browser could be started, gives its address in a
// box, from which it can be copied.
void openAddress(Services& window, const QString& url) {
    if (!window.openWebPage(url)) {
        window.showMessage(browserFailedMessage(url), Buttons::Ok, window.caption());
    }
}

} // namespace

void openPage(Services& window, links::WebPage page) {
    openAddress(window, links::webPageUrl(page));
}

void showAbout(Services& window, QWidget* parent) {
    About box([&window](const QString& url) { openAddress(window, url); }, parent);
    box.Application(QStringLiteral("OPERATIONS ELEMENTAIRES (+, -, *, /, puissance, factorielle)"));
    box.Heading(QStringLiteral("CALCULATEUR POUR LES GRANDS NOMBRES (TALVERO)"));
    box.Display();
}

} // namespace window
