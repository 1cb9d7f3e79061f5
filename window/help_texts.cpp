#include "window/help_texts.h"

namespace window {

QString webPageUrl(WebPage) {
    return {};
}
QString informationText() {
    return {};
}
QString ackermannDefinitionText() {
    return {};
}
QString versionNotesText() {
    return {};
}

} // namespace window
