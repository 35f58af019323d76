#include "attendu.h"
#include "fixture.h"
#include "sections.h"

#include "model/calcul.h"
#include "platform/qt/fenetres.h"
#include "platform/qt/geometrie.h"
#include "platform/qt/locale.h"
#include "ui/detail/detail_centre.h"

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

using essai::controle;
using essai::texte;
using essai::visible;

// Names of the controls that differ between the two windows.
struct Noms {
    QString coordonnee; // "YG%1"
    QString lettre, texteMoment, uniteMoment, moment, momentE, momentPuissance, texteCentre, texteGdeCentre;
    QString valeur, e, puissance, unite;
};

Noms noms(const QString& axe) {
    if (axe == u"Yg"_s) {
        return {u"YG%1"_s, u"TexteY"_s,       u"TexteAY"_s, u"UniteSGZ"_s,   u"SOZValeur"_s,
                u"ESoz"_s, u"SOZPuissance"_s, u"TexteYg"_s, u"TexteGdeYg"_s, u"YgValeur"_s,
                u"EYg"_s,  u"YGPuissance"_s,  u"YgUnité"_s};
    }
    return {u"ZG%1"_s, u"TexteZ"_s,       u"TexteAZ"_s, u"UniteSGY"_s,   u"SOYValeur"_s,
            u"ESoy"_s, u"SOYPuissance"_s, u"TexteZg"_s, u"TexteGdeZg"_s, u"ZgValeur"_s,
            u"EZg"_s,  u"ZGPuissance"_s,  u"ZgUnité"_s};
}

} // namespace

// Runs every test on both windows: "Yg" reads the ordinates and Soz, "Zg" the abscissae and Soy.
class TestDetailCentre : public QObject {
    Q_OBJECT

private:
    static void axes() {
        QTest::addColumn<QString>("axe");
        QTest::newRow("Yg") << u"Yg"_s;
        QTest::newRow("Zg") << u"Zg"_s;
    }

    plateforme::FenetreSecondaire& ouvrir(const QString& axe) {
        if (axe == u"Yg"_s) {
            return m_registre->ouvrir<DetailYg>(std::as_const(m_section));
        }
        return m_registre->ouvrir<DetailZg>(std::as_const(m_section));
    }

    // Applies element k with `coordonnee` on the axis under test and 7 on the other one, so that a
    // window reading the wrong coordinate shows it.
    void saisir(const QString& axe, int k, const char* forme, const char* d1, const char* d2,
                const char* coordonnee, bool additionner = true) {
        const bool y = axe == u"Yg"_s;
        QVERIFY(essai::saisir(m_section, k,
                              {forme, d1, d2, y ? "7" : coordonnee, y ? coordonnee : "7", additionner}));
    }

    Section m_section;
    std::unique_ptr<plateforme::Registre> m_registre;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }
    void init() {
        m_section = Section{};
        m_registre = std::make_unique<plateforme::Registre>();
    }
    void cleanup() { m_registre.reset(); }

    void fenetre_data() { axes(); }
    void fenetre() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        const bool y = axe == u"Yg"_s;
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QCOMPARE(f.objectName(), u"Detail"_s + axe);
        QCOMPARE(f.windowTitle(), u"Calcul de "_s + axe);
        QCOMPARE(f.size(), QSize(plateforme::mm(86.3), plateforme::mm(y ? 67.7 : 69.3)));
        QCOMPARE(f.palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(texte(&f, n.lettre), y ? u"Y"_s : u"Z"_s);
        QCOMPARE(texte(&f, n.texteMoment), y ? u"A   x Y"_s : u"A   x Z"_s);
        QCOMPARE(texte(&f, u"TexteGO"_s), y ? u"OZ"_s : u"OY"_s);
        QCOMPARE(texte(&f, n.uniteMoment), u"[mm ]"_s);
        QCOMPARE(texte(&f, n.texteCentre), y ? u"Y    ="_s : u"Z    ="_s);
        QCOMPARE(texte(&f, n.texteGdeCentre), u"G"_s);
        QCOMPARE(texte(&f, u"TexteiGi"_s), u"i       Gi"_s);
        QCOMPARE(texte(&f, u"TexteS"_s), u"S      ="_s);
        QCOMPARE(texte(&f, u"Label14"_s), u"3"_s);
        // Only the unit of the result shows the up arrow.
        QCOMPARE(controle(&f, n.unite)->cursor().shape(), Qt::UpArrowCursor);
        for (const QString& autre : {u"ATotaleValeur"_s, n.valeur, n.moment, u"A1Valeur"_s}) {
            QVERIFY(!controle(&f, autre)->testAttribute(Qt::WA_SetCursor));
        }
        const auto rect = [&](const QString& nom) { return essai::place(controle(&f, nom)); };
        QCOMPARE(rect(n.coordonnee.arg(10)), plateforme::rectangle({42.7, 6.35 + 9 * 4.233, 13.8, 4.2}));
        QCOMPARE(rect(u"ES7"_s), plateforme::rectangle({70.6, 6.35 + 6 * 4.233 + 0.7, 2.1, 2.1}));
        QCOMPARE(rect(u"EA2"_s), plateforme::rectangle({27.5, 6.35 + 4.233 + 0.7, 2.1, 2.1}));
        QCOMPARE(rect(n.unite), plateforme::rectangle({59.3, 61.4, 8.5, 4.2}));
        QCOMPARE(rect(n.momentPuissance), plateforme::rectangle({73.7, 50.1, 9.9, 4.2}));
    }

    void deuxFenetres() {
        plateforme::FenetreSecondaire& yg = ouvrir(u"Yg"_s);
        plateforme::FenetreSecondaire& zg = ouvrir(u"Zg"_s);
        QVERIFY(&yg != &zg);
        QVERIFY(yg.isVisible() && zg.isVisible());
        QCOMPARE(&ouvrir(u"Yg"_s), &yg);
    }

    void unSeulElement_data() { axes(); }
    void unSeulElement() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QVERIFY(visible(&f, u"i1"_s));
        QVERIFY(visible(&f, n.coordonnee.arg(1)));
        QVERIFY(visible(&f, u"S1Valeur"_s));
        for (int k = 2; k <= 10; ++k) {
            for (const QString& m : {u"i%1"_s, u"A%1Valeur"_s, n.coordonnee, u"S%1Valeur"_s}) {
                QVERIFY2(!visible(&f, m.arg(k)), qPrintable(m.arg(k)));
            }
        }
        for (const QString& total :
             {u"ATotaleValeur"_s, n.moment, n.valeur, u"TexteA"_s, u"TexteS"_s, n.texteCentre}) {
            QVERIFY(visible(&f, total));
        }
    }

    void rangeesAuDelaDuNombre_data() { axes(); }
    void rangeesAuDelaDuNombre() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        for (int k = 1; k <= 10; ++k) {
            saisir(axe, k, "Rectangle", "100", "200", QByteArray::number(k).constData());
        }
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QVERIFY(visible(&f, u"EA10"_s));
        QVERIFY(visible(&f, u"ES10"_s));
        QCOMPARE(texte(&f, n.coordonnee.arg(10)), u"10"_s);
        for (int i = 0; i < 7; ++i) {
            changerNombreElements(m_section, -1);
        }
        ouvrir(axe);
        const QStringList rangee = {u"i%1"_s,     u"A%1Valeur"_s, u"EA%1"_s, u"A%1Puissance"_s,
                                    n.coordonnee, u"S%1Valeur"_s, u"ES%1"_s, u"S%1Puissance"_s};
        for (int k = 1; k <= 10; ++k) {
            for (const QString& m : rangee) {
                QCOMPARE(visible(&f, m.arg(k)), k <= 3);
            }
        }
        // Soz of the three rows: 20000 x (1 + 2 + 3).
        QCOMPARE(texte(&f, n.moment), u"120"_s);
        QCOMPARE(texte(&f, n.momentPuissance), u"3"_s);
    }

    void colonnes_data() { axes(); }
    void colonnes() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "10", "20", "12,5");
        saisir(axe, 2, "Disque", "10", "0", "4", false);
        saisir(axe, 3, "Rectangle", "100", "200", "0");
        saisir(axe, 4, "Rectangle", "100", "200", "30");
        plateforme::FenetreSecondaire& f = ouvrir(axe);

        // Coordinates as entered; areas and static moments as mantissa and exponent.
        const auto rangee = [&](int k) {
            return essai::rangee(&f,
                                 {{"i%1"},
                                  {"A%1Valeur", "EA%1", "A%1Puissance"},
                                  {n.coordonnee},
                                  {"S%1Valeur", "ES%1", "S%1Puissance"}},
                                 k);
        };
        QCOMPARE(rangee(1), u"1 | 200 | 12,5 | 2500"_s);
        QCOMPARE(rangee(2), u"2 | -314,2 | 4 | -1257"_s); // a hole: opposite sign to its coordinate
        QCOMPARE(rangee(3), u"3 | 200 E2 | 0 | 0"_s);     // on the axis
        QCOMPARE(rangee(4), u"4 | 200 E2 | 30 | 600 E3"_s);
        // A = 39885,84..., S = 601243,36..., centre = 15,0741...
        QCOMPARE(essai::rangee(&f, {{"ATotaleValeur", "EAire", "ATotalePuissance"},
                                    {n.moment, n.momentE, n.momentPuissance},
                                    {n.valeur, n.e, n.puissance}}),
                 u"398,9 E2 | 601,2 E3 | 15,07"_s);
    }

    void momentEtCentreSansExposant_data() { axes(); }
    void momentEtCentreSansExposant() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "10", "10", "25");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QCOMPARE(texte(&f, n.moment), u"2500"_s);
        QVERIFY(!visible(&f, n.momentE));
        QCOMPARE(texte(&f, n.valeur), u"25"_s);
        QVERIFY(!visible(&f, n.e));
        QVERIFY(!visible(&f, n.puissance));

        // A single click on the value, a double-click on the hidden exponent do nothing.
        essai::Messages messages;
        QCOMPARE_ATTENDU("detail_centre/sans-exposant-" + axe.toStdString() + ".txt",
                         essai::explications(messages, {n.moment, n.valeur}, essai::doubleClicsSur(&f)) +
                             essai::explications(messages, {n.unite, n.valeur}, essai::clicsSur(&f)) +
                             essai::explications(messages, {n.puissance}, essai::doubleClicsSur(&f)));
    }

    void momentAvecExposant_data() { axes(); }
    void momentAvecExposant() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "100", "200", "30");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QCOMPARE(texte(&f, n.moment), u"600"_s);
        QCOMPARE(texte(&f, n.momentPuissance), u"3"_s);
        essai::Messages messages;
        const QStringList moment{n.moment, n.momentE, n.momentPuissance};
        for (const QString& nom : moment) {
            QVERIFY(visible(&f, nom));
        }
        QCOMPARE_ATTENDU("detail_centre/avec-exposant-" + axe.toStdString() + ".txt",
                         essai::explications(messages, moment, essai::doubleClicsSur(&f)) +
                             essai::explications(messages, {n.unite}, essai::clicsSur(&f)));
    }

    void legendes_data() { axes(); }

    // Every caption's explanation, in the golden file of each window; the last twelve explain nothing.
    void legendes() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "100", "200", "30");
        saisir(axe, 3, "Rectangle", "0", "0", "0");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        const QStringList noms =
            (u"Label3 AdeAi ideAi TexteA TexteTotale ATotaleValeur EAire ATotalePuissance "
             u"%1 TexteS %2 TexteGi %3 %4 %5 %6 i1 EA1 A1Puissance S1Valeur ES1 "
             u"S1Puissance TexteiGi TexteGO UnitéA UniteY %7 Label14"_s)
                .arg(n.texteMoment, n.lettre, n.texteCentre, n.texteGdeCentre, n.coordonnee.arg(3),
                     n.coordonnee.arg(1), n.uniteMoment)
                .split(u' ');
        for (const QString& nom : noms) {
            QVERIFY2(visible(&f, nom), qPrintable(nom));
        }
        essai::Messages messages;
        QCOMPARE_ATTENDU(
            "detail_centre/legendes-" + axe.toStdString() + ".txt",
            essai::explications(messages, noms, [&f](const QString& nom) { essai::doubleClicSur(&f, nom); }));
    }

    void explicationDesAires_data() { axes(); }
    void explicationDesAires() {
        QFETCH(QString, axe);
        saisir(axe, 10, "Demi disque droite", "10", "0", "5");
        saisir(axe, 2, "Triangle", "30", "60", "5");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        essai::Messages messages;
        QCOMPARE_ATTENDU(
            "detail_centre/aires.txt",
            essai::explications(messages, {u"A10Valeur"_s, u"A2Valeur"_s}, essai::doubleClicsSur(&f)));
        // Beyond the count: nothing.
        changerNombreElements(m_section, -1);
        ouvrir(axe);
        essai::doubleClicSur(&f, u"A10Valeur"_s);
        QCOMPARE(messages.nombre(), 0);
    }

    void aireTotaleNulle_data() { axes(); }
    void aireTotaleNulle() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        const bool y = axe == u"Yg"_s;
        saisir(axe, 1, "Rectangle", "10", "20", "5");
        saisir(axe, 2, "Rectangle", "10", "20", "5", false);
        QCOMPARE(m_section.Atotale, 0.0);
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        for (const auto& [valeur, e, puissance] :
             {std::tuple{u"ATotaleValeur"_s, u"EAire"_s, u"ATotalePuissance"_s},
              std::tuple{n.moment, n.momentE, n.momentPuissance}, std::tuple{n.valeur, n.e, n.puissance}}) {
            QCOMPARE(texte(&f, valeur), u"0"_s);
            QVERIFY(!visible(&f, e));
            QVERIFY(!visible(&f, puissance));
        }
        // The rows still show each element's own product.
        QCOMPARE(texte(&f, u"S1Valeur"_s), u"1000"_s);
        QCOMPARE(texte(&f, u"S2Valeur"_s), u"-1000"_s);
        essai::Messages messages;
        essai::clicSur(&f, n.unite);
        QCOMPARE(messages.prendre(),
                 QStringList{essai::lignes(
                     {u"Coordonnée du centre de gravité de la section totale dans le repère (O, Z, Y)."_s,
                      y ? u"Yg = Soz/A = 0 / 0 [mm]"_s : u"Zg = Soy/A = 0 / 0 [mm]"_s,
                      y ? u"Yg = 0 E0 [mm]"_s : u"Zg = 0 E0 [mm]"_s, u"     = 0 E0 [cm]"_s,
                      u"     = 0 E0 [m]"_s})});
    }

    void reouvertureApresChangement_data() { axes(); }
    void reouvertureApresChangement() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "10", "10", "25");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QCOMPARE(texte(&f, n.coordonnee.arg(1)), u"25"_s);
        QCOMPARE(texte(&f, n.valeur), u"25"_s);
        saisir(axe, 1, "Rectangle", "10", "10", "-0,5");
        saisir(axe, 2, "Rectangle", "10", "10", "-1,5");
        ouvrir(axe);
        QCOMPARE(texte(&f, n.coordonnee.arg(1)), u"-0,5"_s);
        QVERIFY(visible(&f, n.coordonnee.arg(2)));
        QCOMPARE(texte(&f, n.coordonnee.arg(2)), u"-1,5"_s);
        QCOMPARE(texte(&f, n.valeur), u"-1"_s);
        QCOMPARE(texte(&f, n.moment), u"-200"_s);
        QVERIFY(!visible(&f, n.e));
    }

    void momentTropGrand_data() { axes(); }

    // Two opposite elements give a total area of 0, so the totals are not computed, and an element far
    // enough from the axis then has a product that leaves the double range: its cell stays empty and the
    // user is told, instead of the notation never ending.
    void momentTropGrand() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "100000", "100000", "0");
        saisir(axe, 2, "Rectangle", "100000", "100000", "0", false);
        saisir(axe, 1, "Rectangle", "100000", "100000", "1E300");
        QCOMPARE(m_section.Atotale, 0.0);
        essai::Messages messages;
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        QTRY_VERIFY(messages.nombre() > 0);
        QCoreApplication::processEvents();
        QCOMPARE(
            messages.prendre(),
            QStringList{
                u"Le moment statique de l'élément 1 est trop grand pour être calculé : sa case reste vide."_s});
        QVERIFY(!visible(&f, u"S1Valeur"_s));
        QVERIFY(!visible(&f, u"ES1"_s));
        QCOMPARE(texte(&f, n.coordonnee.arg(1)), u"1E+300"_s);
        QVERIFY(visible(&f, u"S2Valeur"_s));
        QCOMPARE(texte(&f, u"S2Valeur"_s), u"0"_s);
        QCOMPARE(texte(&f, n.moment), u"0"_s);
        // Rebuilds that find the same section do not say it again.
        f.activer();
        ouvrir(axe);
        QCoreApplication::processEvents();
        QCOMPARE(messages.nombre(), 0);
        // Once the element is back within range the cell is filled again; out of range once more, it is
        // said again.
        saisir(axe, 1, "Rectangle", "100000", "100000", "2");
        ouvrir(axe);
        QCoreApplication::processEvents();
        QCOMPARE(messages.nombre(), 0);
        QCOMPARE(texte(&f, u"S1Valeur"_s), u"200"_s);
        QCOMPARE(texte(&f, u"S1Puissance"_s), u"8"_s);
        QVERIFY(visible(&f, u"S1Valeur"_s));
        saisir(axe, 1, "Rectangle", "100000", "100000", "-1E300");
        ouvrir(axe);
        QTRY_COMPARE(messages.nombre(), 1);
    }

    void captures_data() { axes(); }
    void captures() {
        QFETCH(QString, axe);
        const Noms n = noms(axe);
        saisir(axe, 1, "Rectangle", "70", "70", "35");
        saisir(axe, 2, "Rectangle", "50", "50", axe == u"Yg"_s ? "40" : "35", false);
        saisir(axe, 3, "Disque", "5", "0", "-12,5");
        plateforme::FenetreSecondaire& f = ouvrir(axe);
        essai::capturer(&f, u"centre_"_s + axe + u"_3.png"_s);
        QCOMPARE(texte(&f, u"A3Valeur"_s), u"78,54"_s);
        QCOMPARE(texte(&f, n.coordonnee.arg(3)), u"-12,5"_s);
        QCOMPARE(texte(&f, u"S3Valeur"_s), u"-981,7"_s);
        for (int k = 4; k <= 10; ++k) {
            saisir(axe, k, "Triangle", QByteArray::number(k * 11).constData(), "30",
                   QByteArray::number(k * 100).constData());
        }
        ouvrir(axe);
        essai::capturer(&f, u"centre_"_s + axe + u"_10.png"_s);
        // Element 10: a triangle of 110 x 30 (1650 mm²) at 1000 mm.
        QCOMPARE(texte(&f, u"A10Valeur"_s), u"1650"_s);
        QCOMPARE(texte(&f, n.coordonnee.arg(10)), u"1000"_s);
        QCOMPARE(texte(&f, u"S10Valeur"_s), u"165"_s);
        QCOMPARE(texte(&f, u"S10Puissance"_s), u"4"_s);
    }
};

QTEST_MAIN(TestDetailCentre)
#include "test_detail_centre.moc"
