// The calculator: one window, run until it is closed.
#include "window/main_window.h"
#include "window/translation.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    window::installFrenchTranslation(application);
    MainWindow window;
    window.show();
    return QApplication::exec();
}
