// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/web_pages.h"

namespace links {

namespace {

QString companionPage(const char* path) {
    return QLatin1String(CompanionSiteHost) + QLatin1String(path);
}

} // namespace

QString webPageUrl(WebPage page) {
    switch (page) {
    case WebPage::UserGuide:
        return companionPage("/calcul.php");
    case WebPage::PhpCalculator:
        return companionPage("/mathfon/calcul.html");
    case WebPage::Home:
        return companionPage("/index.php");
    case WebPage::NarcissisticNumbers:
        return companionPage("/mathfon/rppdi.php");
    case WebPage::Ackermann:
        return QLatin1String(AckermannPageUrl);
    case WebPage::PleasantTransforms:
        return companionPage("/mathfon/agreable.php");
    case WebPage::OnlineCalculations:
        return companionPage("/mathcalcul.php");
    }
    return {};
}

} // namespace links
