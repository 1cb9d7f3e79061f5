#include "about/about_window.h"

#include <utility>

About::About(OpenWebPage openWebPage, QWidget* parent)
    : QDialog(parent), openWebPage_(std::move(openWebPage)) {}

void About::Application(const QString&) {}
void About::Heading(const QString&) {}
void About::Copyright(const QString&) {}
void About::Display() {
    exec();
}
void About::openPage(const QString& url) {
    if (openWebPage_) {
        openWebPage_(url);
    }
}
