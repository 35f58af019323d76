// The second-moment detail windows: the Huygens table, the check total, the second moment about a
// typed axis in either frame, and the explanations of their cells.

#include <QAbstractButton> // the fixture presses the box's OK button
#include <QGroupBox>

#include "attendu.h"
#include "fixture.h"

#include "sections.h"

#include "model/calcul.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/locale.h"
#include "ui/commun/affichage.h"
#include "ui/detail/detail_moment.h"

#include <QLineEdit>
#include <array>
#include <vector>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

using essai::clic;
using essai::construire;
using essai::doubleClic;
using essai::lignes;
using essai::ouvrir;
using essai::taper;
using essai::visible;

QWidget* ouvrirAxe(plateforme::Registre& r, const Section& s, bool igz) {
    return igz ? static_cast<QWidget*>(&ouvrir<DetailIGZ>(r, s)) : &ouvrir<DetailIGY>(r, s);
}

// The Huygens table's row k and its total line, in the window of Igy or Igz.
QString rangee(const QWidget* w, bool igz, int k) {
    return essai::rangee(
        w,
        {{"i%1"},
         {"A%1Valeur", "EA%1", "A%1Puissance"},
         {igz ? "YG%1" : "ZG%1"},
         {igz ? "AYY%1Valeur" : "AZZ%1Valeur", igz ? "EAYY%1" : "EAZZ%1",
          igz ? "AYY%1Puissance" : "AZZ%1Puissance"},
         {"I%1Valeur", "EI%1", "I%1Puissance"},
         {igz ? "Igztot%1V" : "Igytot%1V", igz ? "EIgztot%1" : "EIgytot%1", igz ? "Igztot%1P" : "Igytot%1P"}},
        k);
}
// The check total, the second moment about G and the one about the typed axis.
QString totaux(const QWidget* w, bool igz) {
    return essai::rangee(
        w,
        {{igz ? "Sgz" : "Sgy", igz ? "ESgz" : "ESgy", igz ? "SgzPuissance" : "SgyPuissance"},
         {igz ? "IGZValeur" : "IGYValeur", igz ? "EIgz" : "EIgy", igz ? "IGZPuissance" : "IGYPuissance"},
         {igz ? "IzValeur" : "IyValeur", igz ? "EIz" : "EIy", igz ? "IzPuissance" : "IyPuissance"}},
        0);
}

// The second moment about the typed axis and about G, in the window of Igy.
const essai::Cellule celluleIy{"IyValeur", "EIy", "IyPuissance"};
const essai::Cellule celluleIgy{"IGYValeur", "EIgy", "IGYPuissance"};

} // namespace

class TestDetailMoment : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void fenetres() {
        Section s;
        plateforme::Registre r;
        const auto& y = ouvrir<DetailIGY>(r, s);
        const auto& z = ouvrir<DetailIGZ>(r, s);
        QCOMPARE(y.objectName(), u"DetailIGY"_s);
        QCOMPARE(
            y.windowTitle(),
            u"Calcul de Igy : moment quadratique par rapport à un axe passant en son centre de gravité"_s);
        QCOMPARE(z.objectName(), u"DetailIGZ"_s);
        QCOMPARE(
            z.windowTitle(),
            u"Calcul de Igz : moment quadratique par rapport à un axe passant en son centre de gravité"_s);
        QCOMPARE(essai::texte(&y, "Repere"), essai::repereSaisie);
        QCOMPARE(essai::texte(&z, "Repere"), essai::repereSaisie);
        QCOMPARE(essai::texte(&z, "Label38"), u"Yo ="_s);
        QVERIFY(essai::controle<QLineEdit>(&z, "Y") != nullptr);
        QCOMPARE(essai::controle<QGroupBox>(&z, "Frame1")->title(), u"Ioz"_s);
        // Two windows, not one window twice.
        QVERIFY(static_cast<const QWidget*>(&y) != static_cast<const QWidget*>(&z));
        QCOMPARE(&ouvrir<DetailIGY>(r, s), &y);
    }

    // One rectangle 100 x 200 entered at its own centroid: the section's centroid is there too.
    void rectangleSeul() {
        const Section s = construire({{"Rectangle", "100", "200", "50", "100"}});
        plateforme::Registre r;
        const auto& y = ouvrir<DetailIGY>(r, s);
        QCOMPARE(rangee(&y, false, 1), u"1 | 200 E2 | 0 | 0 | 166,7 E5 | 166,7 E5"_s);
        QCOMPARE(rangee(&y, false, 2), u"· | · | · | · | · | ·"_s);
        QCOMPARE(rangee(&y, false, 10), u"· | · | · | · | · | ·"_s);
        // Zo = 0 in (O, Z, Y) is 50 mm from G: 16666666.67 + 50² x 20000.
        QCOMPARE(totaux(&y, false), u"0 | 166,7 E5 | 666,7 E5"_s);
        QCOMPARE(essai::controle<QLineEdit>(&y, "Z")->text(), u"0"_s);

        const auto& z = ouvrir<DetailIGZ>(r, s);
        QCOMPARE(rangee(&z, true, 1), u"1 | 200 E2 | 0 | 0 | 666,7 E5 | 666,7 E5"_s);
        // Yo = 0 is 100 mm from G: 66666666.67 + 100² x 20000.
        QCOMPARE(totaux(&z, true), u"0 | 666,7 E5 | 266,7 E6"_s);

        essai::Messages m;
        // The exponents shown explain their cell like the mantissas; the own moment's exponent and
        // the E labels explain nothing; the check total and the moment give their three units.
        QCOMPARE_ATTENDU(
            "detail_moment/rectangle.txt",
            essai::explications(
                m, &y, {u"A1Puissance"_s, u"Igytot1P"_s, u"I1Puissance"_s, u"EA1"_s, u"EIgytot1"_s}) +
                essai::explications(m, {u"Label22"_s, u"Label23"_s}, essai::clicsDans(&y)) +
                essai::explications(m, &y, {u"IGYValeur"_s, u"EIgy"_s, u"IGYPuissance"_s}) +
                essai::explications(m, {u"Label23"_s}, essai::clicsDans(&z)));
    }

    // Two equal rectangles 10 x 20 at Zg = -30 and +30: the centroid is halfway.
    void paireSymetrique() {
        const Section s =
            construire({{"Rectangle", "10", "20", "-30", "0"}, {"Rectangle", "10", "20", "30", "0"}});
        plateforme::Registre r;
        const auto& y = ouvrir<DetailIGY>(r, s);
        // 30² x 200 = 180 E3; 20 x 10³ / 12 shown without E.
        QCOMPARE(rangee(&y, false, 1), u"1 | 200 | -30 | 180 E3 | 1667 | 181,7 E3"_s);
        QCOMPARE(rangee(&y, false, 2), u"2 | 200 | 30 | 180 E3 | 1667 | 181,7 E3"_s);
        QCOMPARE(rangee(&y, false, 3), u"· | · | · | · | · | ·"_s);
        QCOMPARE(totaux(&y, false), u"0 | 363,3 E3 | 363,3 E3"_s);
    }

    void rangsSuivantLeNombre() {
        Section s = construire({{"Rectangle", "10", "10", "0", "0"},
                                {"Rectangle", "10", "10", "20", "0"},
                                {"Disque", "5", "0", "40", "0"},
                                {"Triangle", "6", "9", "-10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        QVERIFY(visible(&y, "Igytot4P") || visible(&y, "Igytot4V"));
        changerNombreElements(s, -1);
        changerNombreElements(s, -1);
        ouvrir<DetailIGY>(r, s);
        QVERIFY(visible(&y, "i2"));
        QCOMPARE(rangee(&y, false, 3), u"· | · | · | · | · | ·"_s);
        QCOMPARE(rangee(&y, false, 4), u"· | · | · | · | · | ·"_s);
        // Two squares of 100 mm² at 0 and 20: Zg = 10, Igy = 2 x (833,3 + 100 x 10²) = 21666,7.
        QCOMPARE(essai::texte(&y, "ZG1"), u"-10"_s);
        QCOMPARE(essai::texte(&y, "IGYValeur"), u"216,7"_s);
        QCOMPARE(essai::texte(&y, "IGYPuissance"), u"2"_s);
        // A hidden row explains nothing.
        essai::Messages m;
        doubleClic(&y, "ZG3");
        QCOMPARE(m.nombre(), 0);
    }

    // The distance column, through both windows: element 1 (10 x 10) at 0 fixes the centroid at 0,
    // element 2 has no area and sits at the distance given.
    void colonneDistance_data() {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("affiche");
        QTest::newRow("0,00004") << u"0,00004"_s << u"0"_s;
        QTest::newRow("0,123456") << u"0,123456"_s << u"0,1235"_s;
        QTest::newRow("-0,123456") << u"-0,123456"_s << u"-0,1235"_s;
        QTest::newRow("5,55555") << u"5,55555"_s << u"5,556"_s;
        QTest::newRow("12,3456") << u"12,3456"_s << u"12,35"_s;
        QTest::newRow("-12,3456") << u"-12,3456"_s << u"-12,35"_s;
        QTest::newRow("345,67") << u"345,67"_s << u"345,7"_s;
        QTest::newRow("1234,4") << u"1234,4"_s << u"1234"_s;
        QTest::newRow("2500,5") << u"2500,5"_s << u"2500"_s;
        QTest::newRow("2501,5") << u"2501,5"_s << u"2502"_s;
        QTest::newRow("-2501,5") << u"-2501,5"_s << u"-2502"_s;
    }
    void colonneDistance() {
        QFETCH(QString, saisie);
        QFETCH(QString, affiche);
        const std::string v = saisie.toStdString();
        const Section s = construire({{"Rectangle", "10", "10", "0", "0"}, {"Rectangle", "0", "0", v, v}});
        plateforme::Registre r;
        QCOMPARE(essai::texte(&ouvrir<DetailIGY>(r, s), "ZG2"), affiche);
        QCOMPARE(essai::texte(&ouvrir<DetailIGZ>(r, s), "YG2"), affiche);
    }

    void axeParLeCentre() {
        // A = 20000, Zg = 10, Igy = 16666666.67.
        const Section s = construire({{"Rectangle", "100", "200", "10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        taper(zo, u"10"_s);
        QCOMPARE(essai::cellule(&y, celluleIy), essai::cellule(&y, celluleIgy));
        QCOMPARE(essai::texte(&y, "IyValeur"), u"166,7"_s);
        clic(&y, "Label30");
        QCOMPARE(essai::texte(&y, "Repere"), essai::repereCentre);
        QCOMPARE(zo->text(), u"0"_s);
        QCOMPARE(essai::cellule(&y, celluleIy), u"166,7 E5"_s);
        // In (G, Z, Y) Zo is the distance itself: 16666666.67 + 25² x 20000.
        taper(zo, u"25"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"291,7"_s);
    }

    void changementDeRepere() {
        const Section s = construire({{"Rectangle", "100", "200", "10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        taper(zo, u"25"_s);
        // 15 mm from G: 16666666.67 + 15² x 20000.
        QCOMPARE(essai::cellule(&y, celluleIy), u"211,7 E5"_s);
        essai::Messages m;
        clic(&y, "Label30");
        QCOMPARE(essai::texte(&y, "Repere"), essai::repereCentre);
        QCOMPARE(zo->text(), u"15"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"211,7"_s);
        // A double-click is one click: one switch.
        doubleClic(&y, "Label30");
        QCOMPARE(essai::texte(&y, "Repere"), essai::repereSaisie);
        QCOMPARE(zo->text(), u"25"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"211,7"_s);
        QCOMPARE(m.nombre(), 0);

        // The frame stays through a rebuild; Zo does not.
        clic(&y, "Label30");
        ouvrir<DetailIGY>(r, s);
        QCOMPARE(essai::texte(&y, "Repere"), essai::repereCentre);
        QCOMPARE(zo->text(), u"0"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"166,7"_s);

        // DetailIGZ moves by Yg.
        const Section t = construire({{"Rectangle", "100", "200", "0", "-4"}});
        auto& z = ouvrir<DetailIGZ>(r, t);
        auto* yo = essai::controle<QLineEdit>(&z, "Y");
        taper(yo, u"6"_s);
        clic(&z, "Label30");
        QCOMPARE(yo->text(), u"10"_s);
        clic(&z, "Label30");
        QCOMPARE(yo->text(), u"6"_s);
    }

    void boiteVide() {
        const Section s = construire({{"Rectangle", "100", "200", "10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        clic(&y, "Label30");
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        taper(zo, u"7"_s);
        QTest::keyClick(zo, Qt::Key_Backspace);
        QCOMPARE(zo->text(), u"0"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"166,7"_s); // Zo = 0 in (G, Z, Y) is G itself
    }

    // Iy 833,3 with the exponent 0: the three lines keep the mantissa and move only the exponent.
    void troisUnitesExposantNul() {
        const Section s = construire({{"Rectangle", "10", "10", "0", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        QCOMPARE(essai::cellule(&y, celluleIy), u"833,3"_s);
        essai::Messages m;
        QString t = essai::explications(m, {u"Label36"_s}, essai::clicsDans(&y)) +
                    essai::explications(m, &y, {u"IyValeur"_s});
        // After a value with an exponent, the kept exponent follows it.
        taper(essai::controle<QLineEdit>(&y, "Z"), u"100"_s); // 833,3 + 100² x 100 = 1000833,3
        QCOMPARE(essai::texte(&y, "IyPuissance"), u"4"_s);
        t += essai::explications(m, &y, {u"IyPuissance"_s}) +
             essai::explications(m, {u"Label36"_s}, essai::clicsDans(&ouvrir<DetailIGZ>(r, s)));
        QCOMPARE_ATTENDU("detail_moment/trois-unites.txt", t);
    }

    // The own-moment formula of element 3, by shape, in both windows (Igy, then Igz, in a golden file).
    void formulePropre() {
        const std::vector<std::array<const char*, 3>> formes{
            {"Rectangle", "100", "200"},
            {"Triangle", "30", "60,5"},
            {"Disque", "12,5", "200"},
            {"Demi disque gauche", "10", "0"},
            {"Demi disque droite", "10", "0"},
            {"Demi disque supérieur", "10", "0"},
            {"Demi disque inférieur", "10", "0"},
            {"Quart de disque supérieur gauche", "7,5", "0"},
            {"Quart de disque supérieur droite", "7,5", "0"},
            {"Quart de disque inférieur gauche", "7,5", "0"},
            {"Quart de disque inférieur droite", "7,5", "0"}};
        QString t;
        for (const auto& [forme, d1, d2] : formes) {
            const Section s = construire({{"Rectangle", "10", "10", "0", "0"},
                                          {"Disque", "3", "0", "5", "5"},
                                          {forme, d1, d2, "12", "-8"}});
            plateforme::Registre r;
            essai::Messages m;
            doubleClic(&ouvrir<DetailIGY>(r, s), "I3Valeur");
            doubleClic(&ouvrir<DetailIGZ>(r, s), "I3Valeur");
            t += QString::fromUtf8(forme) + u" :\n"_s + m.prendre().join(u'\n') + u"\n\n"_s;
        }
        QCOMPARE_ATTENDU("detail_moment/formules.txt", t);
    }

    void formeHorsCatalogue() {
        const Section s = construire({{"Losange", "10", "10", "0", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        essai::Messages m;
        doubleClic(&y, "I1Valeur");
        QCOMPARE(m.nombre(), 0);
    }

    void messagesDesLignes() {
        // Squares of 100 mm² at Zg = -5 and 30: the section's Zg is 12.5.
        std::vector<essai::Element> elements{{"Rectangle", "10", "10", "-5", "1"},
                                             {"Rectangle", "10", "10", "30", "2"}};
        for (int k = 3; k <= 10; ++k) {
            elements.push_back({"Rectangle", "0", "0", "0", "0"});
        }
        const Section s = construire(elements);
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        QCOMPARE(essai::texte(&y, "ZG2"), u"17,5"_s);
        essai::Messages m;
        // An exponent hidden for its 0 explains nothing.
        QVERIFY(!visible(&y, "A2Puissance"));
        QString t = essai::explications(
            m, &y,
            {u"i1"_s, u"i10"_s, u"A2Valeur"_s, u"ZG2"_s, u"AZZ4Valeur"_s, u"Igytot7V"_s, u"A2Puissance"_s});
        // Yg of the section: (100 + 200) / 200.
        t += essai::explications(m, &ouvrir<DetailIGZ>(r, s), {u"YG1"_s, u"Igztot1V"_s, u"i3"_s});
        QCOMPARE_ATTENDU("detail_moment/lignes.txt", t);
    }

    // The headings' explanations in each window (golden files); the indices lie over most of the Huygens
    // column's heading, whose left end is its own; "Repere" last, since a click on it changes the frame.
    void messagesDesEntetes_data() {
        QTest::addColumn<bool>("igz");
        QTest::addColumn<QStringList>("noms");
        QTest::newRow("igy") << false << QStringList{u"TexteZ"_s,    u"IndicesDesIGyitot"_s, u"UniteAZZ"_s,
                                                     u"UniteIgyi"_s, u"TexteIgyitotunit"_s,  u"TexteSgy"_s,
                                                     u"Sgy"_s,       u"Label38"_s,           u"Repere"_s};
        QTest::newRow("igz") << true << QStringList{u"TexteY"_s,    u"IndicesDesIGzitot"_s,
                                                    u"UniteIgzi"_s, u"Sgz"_s,
                                                    u"TexteI"_s,    u"Label38"_s,
                                                    u"Label29"_s,   u"Label31"_s,
                                                    u"Label3"_s,    u"Label26"_s};
    }
    void messagesDesEntetes() {
        QFETCH(bool, igz);
        QFETCH(QStringList, noms);
        const Section s = construire({{"Rectangle", "10", "10", "0", "0"}});
        plateforme::Registre r;
        const QWidget* w = ouvrirAxe(r, s, igz);
        essai::Messages m;
        const QPoint gauche(plateforme::mm(1.0), plateforme::mm(2.0));
        const QString t = essai::explications(m, w, {igz ? u"TexteIgzitot"_s : u"TexteIgyitot"_s}, gauche) +
                          essai::explications(m, w, noms);
        QCOMPARE_ATTENDU("detail_moment/entetes-" + std::string(QTest::currentDataTag()) + ".txt", t);
    }

    // Returning from its own message box is not an activation: the typed Zo stays, whichever of the
    // box's closing and the window's activation the platform delivers first. Coming back from another
    // window is one: Zo goes back to 0.
    void retourDeSaBoite_data() {
        QTest::addColumn<bool>("activationDAbord");
        QTest::newRow("fermeture puis activation") << false;
        QTest::newRow("activation puis fermeture") << true;
    }
    void retourDeSaBoite() {
        QFETCH(bool, activationDAbord);
        const Section s = construire({{"Rectangle", "100", "200", "10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        taper(zo, u"25"_s);
        {
            essai::BoiteAttendue boite(&y, activationDAbord);
            doubleClic(&y, "Label29");
            QVERIFY(boite.vue());
            QCOMPARE(boite.titre(), u"Brivane"_s);
            QCOMPARE(boite.texte(), u"Seule unité possible pour la saisie : le millimètre."_s);
        }
        QCoreApplication::processEvents();
        QCOMPARE(zo->text(), u"25"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"211,7"_s);

        // Over to the other window, then back by activating this one, not by its button.
        ouvrir<DetailIGZ>(r, s);
        y.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&y));
        QCOMPARE(zo->text(), u"0"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"186,7"_s);

        taper(zo, u"25"_s);
        ouvrir<DetailIGY>(r, s);
        QCOMPARE(zo->text(), u"0"_s);
    }

    // An element so far from a centroid pulled away by a near-zero area that its transport term leaves
    // the range of a double: the table is not shown, and no "inf" appears anywhere. Its message comes
    // once per opening, after the rebuild; the second moment about Zo = 0, as far out of range, is
    // only cleared. Activations say nothing more until the section changes.
    void tableauTropGrand_data() {
        QTest::addColumn<bool>("igz");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>(
            "caches"); // two rows, then the moment about the axis, its E, its exponent
        QTest::newRow("DetailIGY") << false << essai::fautesIgy.tableauImpossible
                                   << QStringList{u"i1"_s,       u"ZG1"_s, u"i2"_s,         u"AZZ2Valeur"_s,
                                                  u"IyValeur"_s, u"EIy"_s, u"IyPuissance"_s};
        QTest::newRow("DetailIGZ") << true << essai::fautesIgz.tableauImpossible
                                   << QStringList{u"i1"_s,       u"YG1"_s, u"i2"_s,         u"AYY2Valeur"_s,
                                                  u"IzValeur"_s, u"EIz"_s, u"IzPuissance"_s};
    }
    void tableauTropGrand() {
        QFETCH(bool, igz);
        QFETCH(QString, message);
        QFETCH(QStringList, caches);
        const char* loin = "1E155";
        const char* oppose = "-1E155";
        Section s = construire({{"Rectangle", "0,00001", "0,00001", igz ? "0" : loin, igz ? loin : "0"},
                                {"Rectangle", "0", "0", igz ? "0" : oppose, igz ? oppose : "0"}});
        plateforme::Registre r;
        essai::Messages m;
        QWidget* w = ouvrirAxe(r, s, igz);
        QCOMPARE(m.prendre(), QStringList{message});
        for (const QString& n : caches.mid(0, 4)) {
            QVERIFY2(!visible(w, n.toUtf8().constData()), qPrintable(n));
        }
        QCOMPARE(essai::texte(w, caches[4].toUtf8().constData()), QString());
        for (const QString& n : caches.mid(5)) {
            QVERIFY2(!visible(w, n.toUtf8().constData()), qPrintable(n));
        }
        for (const QLabel* l : w->findChildren<QLabel*>()) {
            QVERIFY2(!l->text().contains(u"inf"_s, Qt::CaseInsensitive) &&
                         !l->text().contains(u"nan"_s, Qt::CaseInsensitive),
                     qPrintable(l->objectName()));
        }
        // The section's own second moment is still shown, as the main window shows it.
        QString igzy = affichage::notation(igz ? s.Igz : s.Igy);
        if (igzy.endsWith(u" E0"_s)) {
            igzy.chop(3);
        }
        QCOMPARE(essai::cellule(w, igz ? essai::Cellule{"IGZValeur", "EIgz", "IGZPuissance"} : celluleIgy),
                 igzy);
        // The check total and the moment about the axis are unknown: their units explain nothing.
        clic(w, "Label22");
        clic(w, "Label36");
        QCOMPARE(m.nombre(), 0);
        // The other axis has nothing too large.
        QWidget* autre = ouvrirAxe(r, s, !igz);
        QCoreApplication::processEvents();
        QCOMPARE(m.nombre(), 0);
        QVERIFY(visible(autre, igz ? "AZZ2Valeur" : "AYY2Valeur"));

        QVERIFY(essai::venirDUneAutreFenetre(w));
        QCoreApplication::processEvents();
        QCOMPARE(m.nombre(), 0);
        // The same element applied again is a change of the section: the next activation says it.
        QVERIFY(appliquer(s, {"Rectangle", "0", "0", igz ? "0" : oppose, igz ? oppose : "0", true},
                          plateforme::formatLocal())
                    .accepte());
        QVERIFY(essai::venirDUneAutreFenetre(w));
        QCoreApplication::processEvents();
        QCOMPARE(m.prendre(), QStringList{message});
        // Each opening says it again, once its rebuild has returned.
        if (igz) {
            r.ouvrir<DetailIGZ>(s);
        } else {
            r.ouvrir<DetailIGY>(s);
        }
        QCOMPARE(m.nombre(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(m.prendre(), QStringList{message});
    }

    // Keys typed in the Zo box, over its "25" or after it: a lone "-" stays and counts as 0; any other
    // text that is not a number becomes "0" at once. Nothing is said.
    void saisieDeZo_data() {
        QTest::addColumn<bool>("apres");
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("iy");
        // A 100 x 200 rectangle at Zg = 10 (Igy 16666666.67, A 20000): Iy = Igy + (Zo - 10)² x A.
        QTest::newRow("tiret seul") << false << u"-"_s << u"-"_s << u"186,7"_s;
        QTest::newRow("tiret puis chiffres") << false << u"-12"_s << u"-12"_s << u"263,5"_s;
        QTest::newRow("tiret puis un chiffre") << false << u"-1"_s << u"-1"_s << u"190,9"_s;
        QTest::newRow("tiret puis virgule") << false << u"-,"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("plus seul") << false << u"+"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("tiret puis lettre") << false << u"-a"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("lettre") << true << u"a"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("chiffres puis lettre") << true << u"12x"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("signe après 25") << true << u"-"_s << u"0"_s << u"186,7"_s;
        QTest::newRow("point en français") << true << u"3."_s << u"0"_s << u"186,7"_s;
    }
    void saisieDeZo() {
        QFETCH(bool, apres);
        QFETCH(QString, frappe);
        QFETCH(QString, texte);
        QFETCH(QString, iy);
        const Section s = construire({{"Rectangle", "100", "200", "10", "0"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        taper(zo, u"25"_s);
        essai::Messages m;
        if (apres) {
            QTest::keyClicks(zo, frappe);
        } else {
            taper(zo, frappe);
        }
        QCOMPARE(zo->text(), texte);
        QCOMPARE(essai::cellule(&y, celluleIy), iy + u" E5"_s);
        QCOMPARE(m.nombre(), 0);
    }

    // With a lone "-", the pop-up repeats Iy for Zo = 0 and the frame switch moves Zo = 0; Yo alike.
    void tiretSeul() {
        const Section s = construire({{"Rectangle", "100", "200", "10", "4"}});
        plateforme::Registre r;
        auto& y = ouvrir<DetailIGY>(r, s);
        auto* zo = essai::controle<QLineEdit>(&y, "Z");
        essai::Messages m;
        taper(zo, u"-"_s);
        clic(&y, "Label36");
        QCOMPARE(m.prendre().value(0).section(u"\r\n"_s, 0, 0), u"Iy = 186,7 E5 [mm^4]"_s);
        clic(&y, "Label30");
        QCOMPARE(zo->text(), u"-10"_s);
        QCOMPARE(essai::texte(&y, "IyValeur"), u"186,7"_s);

        auto& z = ouvrir<DetailIGZ>(r, s);
        auto* yo = essai::controle<QLineEdit>(&z, "Y");
        taper(yo, u"-"_s);
        QCOMPARE(yo->text(), u"-"_s);
        clic(&z, "Label30");
        QCOMPARE(yo->text(), u"-4"_s);
        QCOMPARE(m.nombre(), 0);
    }
};

QTEST_MAIN(TestDetailMoment)
#include "test_detail_moment.moc"
