// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator: one window, run until it is closed.
#include "window/main_window.h"
#include "window/translation.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace {

// The program's names for the desktop: the desktop file name lets it match
// the window to the menu entry and its icon (CALC_APP_ID, set by CMake).
void nameTheProgram() {
    QApplication::setApplicationName(QStringLiteral("calculateur"));
    QApplication::setOrganizationName(QStringLiteral("Calculateur"));
    QApplication::setOrganizationDomain(QStringLiteral(CALC_DOMAIN));
    QGuiApplication::setDesktopFileName(QStringLiteral(CALC_APP_ID));
}

// The icon of the menu entry, built into the program so that the window shows
// it wherever the program runs from.
QIcon programIcon() {
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icon")).entryInfoList(QDir::Files)) {
        icon.addFile(size.filePath());
    }
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    nameTheProgram();
    QApplication::setWindowIcon(programIcon());
    window::installFrenchTranslation(application);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
