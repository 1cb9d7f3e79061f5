// The help menu's boxes, the link buttons and the About box.
#include "about/about_window.h"
#include "window/commands.h"

namespace window {

void showHelpText(Services& window, const QString& text) {
    window.showMessage(text, Buttons::Ok, window.caption());
}

void openPage(Services& window, links::WebPage page) {
    window.openWebPage(links::webPageUrl(page));
}

void showAbout(Services& window, QWidget* parent) {
    About box([&window](const QString& url) { window.openWebPage(url); }, parent);
    box.Application(QStringLiteral("OPERATIONS ELEMENTAIRES (+, -, *, /, puissance, factorielle)"));
    box.Heading(QStringLiteral("CALCULATEUR POUR LES GRANDS NOMBRES (TALVERO)"));
    box.Display();
}

} // namespace window
