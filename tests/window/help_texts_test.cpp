#include "window/duration_text.h"
#include "window/help_texts.h"

#include <QtTest>

class HelpTextsTest : public QObject {
    Q_OBJECT
};

QTEST_MAIN(HelpTextsTest)
#include "help_texts_test.moc"
