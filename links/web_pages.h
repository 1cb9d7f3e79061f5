// SPDX-License-Identifier: GPL-3.0-or-later
// The addresses of the web pages that the main window and the About box open.
#pragma once

#include <QString>

namespace links {

// The companion site: every one of its pages is this host followed by a path.
// The host is a placeholder until the site's real address is known.
inline constexpr char CompanionSiteHost[] = "http://tormel.example.org";

// The external page on the Ackermann function.
inline constexpr char AckermannPageUrl[] = "https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann";

enum class WebPage {
    UserGuide,           // help menu: the user guide
    PhpCalculator,       // the same calculator written in PHP
    Home,                // the companion site's home page
    NarcissisticNumbers, // perfect r-narcissistic numbers
    Ackermann,           // the external Ackermann page
    PleasantTransforms,  // About box: pleasant transformations on integers
    OnlineCalculations,  // About box: online calculations
};

// Full URL of a page.
QString webPageUrl(WebPage page);

} // namespace links
