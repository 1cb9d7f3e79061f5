// The window as built: start-up values, controls, keyboard order, and the
// handlers that work on the fields without the engine's arithmetic.
#include "window_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

class MainWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void startsWithItsDefaultValues() {
        QVERIFY(window().windowTitle().startsWith("Calculateur pour les grands nombres"));
        QCOMPARE(fieldText("Text1"), QStringLiteral("3"));
        QCOMPARE(fieldText("Text2"), QStringLiteral("212"));
        QCOMPARE(fieldText("Text3"), QStringLiteral("0"));
        QCOMPARE(window().findChild<QLineEdit*>("Text4")->text(), QStringLiteral("50"));
        QCOMPARE(window().precision(), 50);
        QCOMPARE(window().centralWidget()->size(), QSize(598, 347));
    }

    void controlsAreDrawnAsDesigned_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QColor>("colour"); // invalid: the system's button colour
        const auto row = [](const char* name, const char* caption, bool italic, QColor colour) {
            QTest::newRow(name) << name << caption << italic << colour;
        };
        row("Command4", "a / b", false, QColor(255, 255, 0));
        row("Command17", "Vers le site TORMEL", false, QColor(255, 0, 255));
        row("Command19", "Les nombres r-narcissiques parfaits", false, QColor(192, 0, 0));
        row("Quitter", "&Quitter", true, QColor());
    }

    void controlsAreDrawnAsDesigned() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, italic);
        QFETCH(QColor, colour);
        auto* control = window().findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        const auto* label = qobject_cast<QLabel*>(control);
        QCOMPARE(label != nullptr ? label->text() : button(name)->text(), caption);
        QVERIFY(control->font().bold());
        QCOMPARE(control->font().italic(), italic);
        if (colour.isValid()) {
            // What is painted, not what is asked for: a style may turn a colour
            // into a gradient.
            const QImage image = control->grab().toImage();
            QCOMPARE(image.pixelColor(4, 4), colour);
            QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), colour);
        }
    }

    void tabKeyFollowsTheDesignedOrder() {
        const QStringList order{"Quitter",   "Command14", "Command17", "Command1",  "Command2",
                                "Command3",  "Command4",  "Command5",  "Command6",  "Command7",
                                "Command9",  "Command10", "Text4",     "Command12", "Command8",
                                "Command11", "Text3",     "Text1",     "Text2",     "Command13",
                                "Command15", "Command16", "Command18", "Command19", "Quitter"};
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        button("Quitter")->setFocus();
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (qsizetype i = 1; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
    }

    // Enter adds no line break to a number and presses a focused button;
    // Ctrl+Q quits.
    void keyboard() {
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        setField("Text1", "");
        QTest::keyClicks(field("Text1"), "12");
        QTest::keyClick(field("Text1"), Qt::Key_Return);
        QTest::keyClick(field("Text1"), Qt::Key_Enter, Qt::ShiftModifier);
        QTest::keyClicks(field("Text1"), "3");
        QCOMPARE(fieldText("Text1"), QStringLiteral("123"));
        setField("Text3", "5");
        button("Command16")->setFocus();
        QTest::keyClick(button("Command16"), Qt::Key_Return);
        QCOMPARE(fieldText("Text3"), QStringLiteral("0"));
        QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window().isVisible());
    }

    void fieldButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("after"); // a, b and the result
        QTest::newRow("a = 0") << "Command13" << QStringList{"0", "-7.5", "-.5x"};
        QTest::newRow("b = 0") << "Command15" << QStringList{"1", "0", "-.5x"};
        QTest::newRow("result = 0") << "Command16" << QStringList{"1", "-7.5", "0"};
        QTest::newRow("result into a, as it stands")
            << "Command12" << QStringList{"-.5x", "-7.5", "-.5x"};
    }

    void fieldButtons() {
        QFETCH(QString, button);
        QFETCH(QStringList, after);
        setField("Text1", "1");
        setField("Text2", "-7.5");
        setField("Text3", "-.5x");
        click(button);
        QCOMPARE((QStringList{fieldText("Text1"), fieldText("Text2"), fieldText("Text3")}), after);
    }

    void digitCountCountsEveryCharacter_data() {
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("count");
        QTest::newRow("sign, point and blank") << "-1.5 0" << 6;
        QTest::newRow("accented, one character each") << "éé" << 2;
        QTest::newRow("long") << QString(123456, u'7') << 123456;
    }

    void digitCountCountsEveryCharacter() {
        QFETCH(QString, result);
        QFETCH(int, count);
        setField("Text3", result);
        window().setWindowTitle("Titre du moment");
        const QList<SeenBox> seen = clickSeeing("Command10", 1);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, "Nombre de chiffres du résultat: " + QString::number(count));
        QCOMPARE(seen[0].title, QStringLiteral("Titre du moment"));
        QCOMPARE(fieldText("Text3"), result);
    }

    void quitCloses() {
        click("Quitter");
        QVERIFY(!window().isVisible());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
