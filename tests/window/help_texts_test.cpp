#include "window/duration_text.h"
#include "window/help_texts.h"

#include <QTimeZone>
#include <QtTest>

#include <cstdint>
#include <limits>

using window::WebPage;

class HelpTextsTest : public QObject {
    Q_OBJECT

private slots:
    void helpBoxTexts_data();
    void helpBoxTexts();
    void webPageUrls_data();
    void webPageUrls();
    void convertirSecondes_data();
    void convertirSecondes();
    void timestampText_data();
    void timestampText();
    void elapsedSeconds_data();
    void elapsedSeconds();
};

void HelpTextsTest::helpBoxTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("information")
        << window::informationText()
        << QStringLiteral(
               "L'addition, la soustraction, la multiplication, la division et la puissance "
               "concernent deux entiers (de signe quelconque) de taille quelconque; pour la "
               "factorielle de b (entier positif!), on ne pourra dépasser b = 9999, et il faudra "
               "beaucoup de patience pour des b plus grands que 3000!...de 30 secondes à 20 "
               "minutes.\r\n"
               "La précision par défaut pour la division est de 50 chiffres; elle peut être "
               "augmentée à volonté.\r\n"
               "Tous les calculs proposés, sauf l'exponentielle et la factorielle, sont aussi "
               "possibles avec des nombres décimaux de signe quelconque; pour la division, la "
               "précision étant de 50 chiffres par défaut et pouvant être augmentée à volonté.\r\n"
               "On pourra comparer avec le calculateur en PHP sur les grands entiers proposé sur "
               "le site Tormel.\r\n"
               "Les boutons jaunes font des calculs, les boutons mauves renvoient vers une page "
               "web.\r\n"
               "Version TALVERO qui permet en outre de vérifier la notion de nombre "
               "r-narcissique parfait (bouton 'Somme des chiffres du résultat puissance b').");

    QTest::newRow("Ackermann definition")
        << window::ackermannDefinitionText()
        << QStringLiteral(
               "La fonction d'Akerman est une fonction récursive non primitive définie sur N x N "
               "de la manière suivante:\r\n"
               "A(0, b) = b + 1\r\n"
               "A(a, 0) = A(a-1, 1)\r\n"
               "A(a, b) = A(a-1, A(a, b-1)) pour a et b non nuls.\r\n"
               "Cette fonction croît extrêmement rapidement; ainsi a --> A(a, a) croît plus "
               "rapidement que n'importe quelle fonction polynôme ou même exponentielle. Par "
               "exemple on vérifiera que A(6, 11) est un nombre à 11565 chiffres, A(4, 2) un "
               "nombre de 19729 chiffres et le calcul de A(4, 4) donne un nombre plus grand que 10 "
               "à la puissance 80 ... Aussi on se limitera à a=6 et on sera relativement prudent "
               "avec des b trop grands ...sinon vous aurez très vite le message de pile "
               "insuffisante.");

    QTest::newRow("version notes, empty first line")
        << window::versionNotesText()
        << QStringLiteral(
               "\r\n"
               "La version initiale 1.0 permettait seulement d'afficher au maximum 65535 "
               "chiffres; cette version 1.1 peut largement dépasser cette valeur, mais attention "
               "aux temps de calcul que peuvent demander des opérations sur de tels nombres ou si "
               "vous voulez effectuer des divisions et obtenir une précision de 100000 chiffres "
               "ou plus....il faudra être patient voire très patient!\r\n"
               "\r\n"
               "En vue d'éventuels calculs sur de très grands nombres, les trois fenêtres "
               "d'édition principales sont assorties d'un bouton 'C' d'initialisation à '0'.");
}

void HelpTextsTest::helpBoxTexts() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(text, expected);
}

void HelpTextsTest::webPageUrls_data() {
    QTest::addColumn<WebPage>("page");
    QTest::addColumn<QString>("url");
    QTest::newRow("user guide") << WebPage::UserGuide << "http://tormel.example.org/calcul.php";
    QTest::newRow("PHP calculator")
        << WebPage::PhpCalculator << "http://tormel.example.org/mathfon/calcul.html";
    QTest::newRow("home") << WebPage::Home << "http://tormel.example.org/index.php";
    QTest::newRow("r-narcissistic")
        << WebPage::NarcissisticNumbers << "http://tormel.example.org/mathfon/rppdi.php";
    QTest::newRow("pleasant transforms")
        << WebPage::PleasantTransforms << "http://tormel.example.org/mathfon/agreable.php";
    QTest::newRow("online calculations")
        << WebPage::OnlineCalculations << "http://tormel.example.org/mathcalcul.php";
    QTest::newRow("Ackermann") << WebPage::Ackermann
                               << "https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann";
}

void HelpTextsTest::webPageUrls() {
    QFETCH(WebPage, page);
    QFETCH(QString, url);
    QCOMPARE(window::webPageUrl(page), url);
    // The escaped quote must survive the trip through QUrl unchanged.
    QCOMPARE(QUrl(url).toString(QUrl::FullyEncoded), url);
}

void HelpTextsTest::convertirSecondes_data() {
    QTest::addColumn<std::int32_t>("seconds");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::int32_t>("remaining");

    constexpr auto most = std::numeric_limits<std::int32_t>::max();
    constexpr auto least = std::numeric_limits<std::int32_t>::min();
    QTest::newRow("zero") << 0 << "   0 Seconde(s)" << 0;
    QTest::newRow("75") << 75 << "  1 Minute(s) 15 Seconde(s)" << 15;
    QTest::newRow("3600") << 3600 << " 1 Heure(s)  0 Seconde(s)" << 0;
    QTest::newRow("86400") << 86400 << "1 Jour(s)   0 Seconde(s)" << 0;
    QTest::newRow("90061") << 90061 << "1 Jour(s) 1 Heure(s) 1 Minute(s) 1 Seconde(s)" << 1;
    QTest::newRow("largest") << most << "24855 Jour(s) 3 Heure(s) 14 Minute(s) 7 Seconde(s)" << 7;
    QTest::newRow("-1") << -1 << "   " << -1;
    QTest::newRow("smallest") << least << "   " << least;
}

void HelpTextsTest::convertirSecondes() {
    QFETCH(std::int32_t, seconds);
    QFETCH(QString, text);
    QFETCH(std::int32_t, remaining);
    QCOMPARE(window::ConvertirSecondes(seconds), text);
    QCOMPARE(seconds, remaining);
}

void HelpTextsTest::timestampText_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    // Locales whose short time format shows no seconds still get them, in their own style.
    QTest::newRow("fr_FR") << "fr_FR"
                           << "06/12/2024 09:05:07";
    QTest::newRow("fi_FI, dots") << "fi_FI"
                                 << "6.12.2024 9.05.07";
    QTest::newRow("fr_CA, quoted units") << "fr_CA"
                                         << "2024-12-06 09 h 05 min 07 s";
}

void HelpTextsTest::timestampText() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    const QDateTime moment(QDate(2024, 12, 6), QTime(9, 5, 7, 800));
    QCOMPARE(window::timestampText(moment, QLocale(locale)), text);
}

void HelpTextsTest::elapsedSeconds_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<std::int32_t>("seconds");

    const QTimeZone paris("Europe/Paris");
    const QDate day(2024, 12, 6);
    const auto at = [&](int h, int m, int s, int ms = 0) {
        return QDateTime(day, QTime(h, m, s, ms), paris);
    };
    QTest::newRow("within one second") << at(9, 0, 0, 100) << at(9, 0, 0, 900) << 0;
    // The texts read 09:00:00 and 09:00:01: one second, as shown to the user.
    QTest::newRow("across a second") << at(9, 0, 0, 900) << at(9, 0, 1, 100) << 1;
    QTest::newRow("summer time starts")
        << QDateTime(QDate(2024, 3, 31), QTime(1, 59, 59), paris)
        << QDateTime(QDate(2024, 3, 31), QTime(3, 0, 0), paris) << 1;
    QTest::newRow("clock set back") << at(9, 0, 10) << at(9, 0, 0) << -10;
    QTest::newRow("beyond 32 bits")
        << at(9, 0, 0) << QDateTime(QDate(2100, 1, 1), QTime(0, 0), paris)
        << std::numeric_limits<std::int32_t>::max();
}

void HelpTextsTest::elapsedSeconds() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(std::int32_t, seconds);
    QCOMPARE(window::elapsedSeconds(start, end), seconds);
}

QTEST_MAIN(HelpTextsTest)
#include "help_texts_test.moc"
