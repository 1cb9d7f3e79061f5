#include "about/about_window.h"

#include <QtTest>

class AboutTest : public QObject {
    Q_OBJECT
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
