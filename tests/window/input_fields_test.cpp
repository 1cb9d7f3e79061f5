// A paste arrives as one number, typing stays as typed; the precision field shows
// (red frame, tooltip) when its text gives no precision and which one divisions use.
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

class InputFieldsTest : public WindowFixture {
    Q_OBJECT

private slots:
    void fieldTakesText_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how"); // "paste key", "context menu" or "typed"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("arrives");
        QTest::addColumn<int>("precision");
        QTest::addColumn<QString>("tooltip"); // of the precision field
        const auto row = [](const char* name, const char* field, const char* how,
                            const QString& text, const QString& arrives, int precision = 50,
                            const char* tooltip = "") {
            QTest::newRow(name) << field << how << text << arrives << precision
                                << QString::fromUtf8(tooltip);
        };
        row("bc's continued lines", "Text1", "paste key", "123\\\n456\\\r\n789", "123456789");
        row("digits grouped by no-break and thin spaces", "Text2", "paste key",
            QString::fromUtf8("-1\u00A0234\u202F567\u2009890.5"), "-1234567890.5");
        row("a terminal's line", "Text2", "paste key", "  12 345\t\r\n", "12345");
        row("other characters stay", "Text1", "paste key", "1,5 x", "1,5x");
        const QString line = QStringLiteral("123 ").repeated(19) + QStringLiteral("123\n");
        row("a million digits, grouped and wrapped", "Text1", "paste key", line.repeated(16667),
            QStringLiteral("123").repeated(20 * 16667));
        row("typed blanks stay", "Text1", "typed", "1 2", "1 2");
        row("precision pasted", "Text4", "paste key", " 1 000\n", "1000", 1000);
        row("precision from the context menu", "Text4", "context menu", "7 0", "70", 70);
        row("letters typed", "Text4", "typed", "abc", "abc", 50, "Précision utilisée : 50");
        // Every keystroke whose text converts sets the precision.
        row("beyond 32 bits typed", "Text4", "typed", "99999999999", "99999999999", 999999999,
            "Précision utilisée : 999999999");
    }

    void fieldTakesText() {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, arrives);
        QFETCH(int, precision);
        QFETCH(QString, tooltip);
        auto* widget = window().findChild<QWidget*>(field);
        const char* property = field == "Text4" ? "text" : "plainText";
        widget->setProperty(property, QString());
        QGuiApplication::clipboard()->setText(text);
        QElapsedTimer clock;
        clock.start();
        if (how == "typed") {
            QTest::keyClicks(widget, text);
        } else if (how == "paste key") {
            QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
        } else {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    widget->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(widget, &event);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (QAction* action : menu->actions()) {
                if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
                    action->trigger();
                }
            }
            menu->close();
        }
        QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(widget->property(property).toString(), arrives);
        QCOMPARE(window().precision(), precision);
        auto* precisionField = window().findChild<QLineEdit*>("Text4");
        QCOMPARE(precisionField->toolTip(), tooltip);
        const QImage image = precisionField->grab().toImage();
        QCOMPARE(image.pixelColor(0, image.height() / 2) == QColor(204, 0, 0), !tooltip.isEmpty());
    }
};

QTEST_MAIN(InputFieldsTest)
#include "input_fields_test.moc"
