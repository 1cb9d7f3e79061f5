// The fields that take numbers: a paste arrives as one number while typing
// stays as typed, and the precision field shows when its text gives no
// precision and which one divisions use meanwhile.
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
    void pasteArrivesAsOneNumber_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how"); // "paste key", "context menu" or "typed"
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("arrives");
        const auto row = [](const char* name, const char* field, const char* how,
                            const QString& text, const QString& arrives) {
            QTest::newRow(name) << field << how << text << arrives;
        };
        row("bc's continued lines", "Text1", "paste key", "123\\\n456\\\r\n789", "123456789");
        row("digits grouped by no-break and thin spaces", "Text2", "paste key",
            QString::fromUtf8("-1\u00A0234\u202F567\u2009890.5"), "-1234567890.5");
        row("a terminal's line", "Text2", "paste key", "  12 345\t\r\n", "12345");
        row("other characters stay", "Text1", "paste key", "1,5 x", "1,5x");
        QString wrapped;
        for (int group = 0; group < 1'000'000 / 3; ++group) {
            wrapped += group % 20 == 19 ? QStringLiteral("123\n") : QStringLiteral("123 ");
        }
        row("a million digits, grouped and wrapped", "Text1", "paste key", wrapped,
            QString(wrapped).remove(u' ').remove(u'\n'));
        row("precision", "Text4", "paste key", " 1 000\n", "1000");
        row("precision, from the context menu", "Text4", "context menu", "7 0", "70");
        row("typed blanks stay", "Text1", "typed", "1 2", "1 2");
    }

    void pasteArrivesAsOneNumber() {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(QString, arrives);
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
        QCOMPARE(window().precision(), field == "Text4" ? arrives.toInt() : 50);
    }

    // Each text typed in turn: the tooltip it leaves ("" when the text gives a
    // precision). Every keystroke whose text converts sets the precision.
    void precisionFieldShowsThePrecisionInUse() {
        auto* field = window().findChild<QLineEdit*>("Text4");
        const std::pair<const char*, const char*> steps[] = {
            {"60", ""},
            {"abc", "Précision utilisée : 60"},
            {"", "Précision utilisée : 60"},
            {"99999999999", "Précision utilisée : 999999999"},
            {"-5", ""}, // stored as it is; a division raises it to 50
        };
        for (const auto& [typed, tooltip] : steps) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            QTest::keyClicks(field, typed);
            QCOMPARE(field->toolTip(), QString::fromUtf8(tooltip));
            const QColor frame = field->grab().toImage().pixelColor(0, field->height() / 2);
            QCOMPARE(frame == QColor(204, 0, 0), *tooltip != '\0');
        }
        QCOMPARE(window().precision(), -5);
    }
};

QTEST_MAIN(InputFieldsTest)
#include "input_fields_test.moc"
