#include "about/about_window.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

// What a test saw of the box while it was on the screen.
struct Seen {
    bool shownModally = false;
    bool timedOut = false;
};

// Shows the box with Display() and, once it is the active modal window, runs
// whileOpen on it. A box still open five seconds later is closed and reported,
// so a test fails instead of hanging.
Seen displayAndRun(About& box, const std::function<void(About&)>& whileOpen) {
    Seen seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<About*>(QApplication::activeModalWidget());
        if (modal == nullptr) {
            return;
        }
        poll.stop();
        seen.shownModally = modal == &box;
        whileOpen(*modal);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        seen.timedOut = true;
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
        }
    });
    poll.start();
    watchdog.start(5000);
    box.Display();
    return seen;
}

QString labelText(const About& box, const char* name) {
    const auto* label = box.findChild<QLabel*>(QLatin1String(name));
    return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

void clickButton(About& box, const QString& name) {
    auto* button = box.findChild<QPushButton*>(name);
    QVERIFY2(button != nullptr, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

const QString application =
    QStringLiteral("OPERATIONS ELEMENTAIRES (+, -, *, /, puissance, factorielle)");
const QString heading = QStringLiteral("CALCULATEUR POUR LES GRANDS NOMBRES (TALVERO)");

} // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheCallersTextsEachTime_data();
    void showsTheCallersTextsEachTime();
    void linkButtonOpensItsPageAndStaysOpen_data();
    void linkButtonOpensItsPageAndStaysOpen();
    void closes_data();
    void closes();
};

void AboutTest::showsTheCallersTextsEachTime_data() {
    QTest::addColumn<QString>("credit");
    QTest::addColumn<QString>("shownCredit");
    QTest::newRow("credit line not set") << QString() << QString();
    QTest::newRow("credit line set")
        << QStringLiteral("Pelnor 2006-2007") << QStringLiteral("Pelnor 2006-2007");
}

void AboutTest::showsTheCallersTextsEachTime() {
    QFETCH(QString, credit);
    QFETCH(QString, shownCredit);

    // The main window builds a fresh box for every showing.
    for (int showing = 1; showing <= 2; ++showing) {
        About box([](const QString&) {});
        box.Application(application);
        box.Heading(heading);
        if (!credit.isNull()) {
            box.Copyright(credit);
        }
        QStringList texts;
        QString title;
        QPoint offCentre;
        const Seen seen = displayAndRun(box, [&](About& open) {
            title = open.windowTitle();
            texts = {labelText(open, "lblHeading"), labelText(open, "lblApplication"),
                     labelText(open, "lblCopyright")};
            offCentre = open.frameGeometry().center() - open.screen()->geometry().center();
            clickButton(open, QStringLiteral("cmdOK"));
        });
        QVERIFY(seen.shownModally);
        QVERIFY(!seen.timedOut);
        QCOMPARE(title, QStringLiteral("À propos"));
        QCOMPARE(texts, (QStringList{heading, application, shownCredit}));
        QVERIFY2(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }
}

void AboutTest::linkButtonOpensItsPageAndStaysOpen_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("url");
    QTest::newRow("Command1")
        << "Command1"
        << "La page des transformations agréables sur les entiers (site TORMEL)"
        << QColor(255, 0, 255) << "http://tormel.example.org/mathfon/agreable.php";
    QTest::newRow("Command2") << "Command2"
                              << "La page des calculs en ligne  (site TORMEL)"
                              << QColor(255, 0, 255) << "http://tormel.example.org/mathcalcul.php";
    QTest::newRow("Command4") << "Command4"
                              << "La page des nombres r-narcissiques parfaits (site TORMEL)"
                              << QColor(192, 0, 0) << "http://tormel.example.org/mathfon/rppdi.php";
}

void AboutTest::linkButtonOpensItsPageAndStaysOpen() {
    QFETCH(QString, button);
    QFETCH(QString, caption);
    QFETCH(QColor, colour);
    QFETCH(QString, url);

    QStringList opened;
    About box([&](const QString& page) { opened << page; });
    box.Application(application);
    box.Heading(heading);
    QString shownCaption;
    QColor shownColour;
    bool openAfterClick = false;
    const Seen seen = displayAndRun(box, [&](About& open) {
        auto* link = open.findChild<QPushButton*>(button);
        if (link == nullptr) {
            return; // reported below, after the watchdog has closed the box
        }
        shownCaption = link->text();
        // A pixel inside the border, beside the caption: the colour as drawn.
        shownColour = link->grab().toImage().pixelColor(4, link->height() / 2);
        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        openAfterClick = open.isVisible();
        clickButton(open, QStringLiteral("cmdOK"));
    });
    QVERIFY(seen.shownModally);
    QVERIFY(!seen.timedOut);
    QCOMPARE(shownCaption, caption);
    QCOMPARE(shownColour, colour);
    QVERIFY(openAfterClick);
    QCOMPARE(opened, (QStringList{url, url}));
}

void AboutTest::closes_data() {
    QTest::addColumn<std::function<void(About&)>>("closeIt");
    QTest::newRow("Fermer") << std::function<void(About&)>([](About& open) {
        auto* fermer = open.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        if (fermer != nullptr && fermer->text() == QStringLiteral("Fermer")) {
            QTest::mouseClick(fermer, Qt::LeftButton);
        }
    });
    QTest::newRow("close box") << std::function<void(About&)>([](About& open) { open.close(); });
}

void AboutTest::closes() {
    QFETCH(std::function<void(About&)>, closeIt);
    QStringList opened;
    About box([&](const QString& page) { opened << page; });
    const Seen seen = displayAndRun(box, closeIt);
    QVERIFY(seen.shownModally);
    QVERIFY(!seen.timedOut);
    QVERIFY(!box.isVisible());
    QVERIFY(opened.isEmpty());
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
