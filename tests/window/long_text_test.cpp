// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of long texts between UTF-8 and QString against Qt's own,
// on texts past a million characters whose awkward characters stand
// everywhere (and so across every piece the conversions make).
#include "window/number_field/long_text.h"

#include <QtTest>

namespace {

constexpr qsizetype Long = (qsizetype(1) << 20) + 1000;

QString repeatedTo(QStringView pattern, qsizetype length) {
    return pattern.toString().repeated(length / pattern.size() + 1).left(length);
}

std::string bytesRepeatedTo(const std::string& pattern, std::size_t length) {
    std::string bytes;
    while (bytes.size() < length) {
        bytes += pattern;
    }
    return bytes;
}

} // namespace

class LongTextTest : public QObject {
    Q_OBJECT

private slots:
    // UTF-16 units, among them characters beyond the basic plane (two units)
    // and halves of one alone, as a paste may bring: to UTF-8 and back.
    void toUtf8AsQtDoes() {
        const QChar high(0xD83D);
        const QChar low(0xDE00);
        for (const QString& pattern :
             {QStringLiteral("1234567890"), QStringLiteral("é€😀1"), QString(high) + u'7',
              QString(low) + u'7', QStringLiteral("12😀")}) {
            for (const QString& text :
                 {pattern, repeatedTo(pattern, Long), repeatedTo(pattern, Long) + QChar(high)}) {
                QCOMPARE(window::toUtf8(text), text.toStdString());
            }
        }
    }

    // Bytes that are not all UTF-8: a byte order mark at the start (dropped)
    // and further on (kept), stray and cut sequences, an encoded surrogate;
    // into a new text, and into the buffer of the one before.
    void fromUtf8AsQtDoes() {
        QString reused;
        for (const std::string& pattern :
             {std::string("1234567890"),
              std::string("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"
                          "1"),
              std::string("\xEF\xBB\xBF"
                          "12"),
              std::string("1\xFF\xC0\xAF\xED\xA0\x80"), std::string("12\xE2\x82")}) {
            for (const std::string& utf8 : {pattern, bytesRepeatedTo(pattern, Long),
                                            bytesRepeatedTo(pattern, Long) + "\xF0\x9F"}) {
                const QString expected = QString::fromStdString(utf8);
                QCOMPARE(window::fromUtf8(utf8), expected);
                window::assignUtf8(reused, utf8);
                QCOMPARE(reused, expected);
                QVERIFY(window::holdsUtf8(expected, utf8));
                QVERIFY(!window::holdsUtf8(expected + u'1', utf8));
                QVERIFY(!window::holdsUtf8(QString(expected).replace(0, 1, u'x'), utf8));
            }
        }
    }

    // Edits of a long text, held alone or shared with a copy, its buffer
    // full or with room, as Qt makes them; the copy stays as it was.
    void splicesAsQtDoes() {
        const QString digits = repeatedTo(u"1234567890", Long);
        // position, characters removed, characters inserted
        const std::tuple<qsizetype, qsizetype, QString> edits[] = {
            {Long, 0, "7"},
            {0, 0, "7"},
            {Long / 2, 0, "é😀"},
            {Long / 2, 3, ""},
            {Long / 2, 3, "45"},
            {0, Long - 5, "8"},
            {Long - 1, 1, QString(Long, u'9')},
        };
        for (const auto& [position, removed, inserted] : edits) {
            for (const bool withRoom : {false, true}) {
                for (const bool shared : {false, true}) {
                    QString text = withRoom ? window::fromUtf8(digits.toStdString())
                                            : QString(digits.constData(), digits.size());
                    const QString copy = shared ? text : QString();
                    window::splice(text, position, removed, inserted);
                    QCOMPARE(text, QString(digits).replace(position, removed, inserted));
                    QCOMPARE(copy, shared ? digits : QString());
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(LongTextTest)
#include "long_text_test.moc"
