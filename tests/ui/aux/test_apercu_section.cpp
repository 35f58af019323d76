// The section preview: figures, the consistency check in the window, the explanations and units.

#include "fixture.h"
#include "sections.h"

#include "model/calcul.h"
#include "model/constats.h"
#include "platform/qt/controles.h"
#include "platform/qt/locale.h"
#include "ui/aux/apercu_section.h"
#include "ui/aux/dessin_section.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <string>

using namespace modele;

using namespace Qt::StringLiterals;

namespace {

// The section becomes the one built from these elements, in place: the preview holds it.
void construire(Section& s, const std::vector<essai::Element>& elements) {
    s = Section{};
    for (std::size_t i = 0; i < elements.size(); ++i) {
        QVERIFY(essai::saisir(s, int(i) + 1, elements[i]));
    }
}

// A row's value as shown, mantissa times its power of ten.
double valeur(const QWidget* f, const QString& nom) {
    const bool e = essai::visible(f, u"E"_s + nom);
    return QLocale().toDouble(essai::texte(f, nom + u"Valeur"_s)) *
           std::pow(10.0, e ? QLocale().toDouble(essai::texte(f, nom + u"Puissance"_s)) : 0.0);
}

} // namespace

Q_DECLARE_METATYPE(std::vector<essai::Element>)

class TestApercuSection : public QObject {
    Q_OBJECT

private:
    Section m_section;
    plateforme::Registre m_fenetres;

private Q_SLOTS:
    void initTestCase() { essai::localeFrancaise(); }

    void exempleDeLAideCoherent() {
        construire(m_section, essai::exempleAide);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(f.objectName(), u"ApercuSection"_s);
        QCOMPARE(f.windowTitle(), u"Aperçu de la section"_s);
        QCOMPARE(essai::texte(&f, "Verification"), u"Aucune incohérence détectée."_s);
        // Symmetric about a vertical axis: no product of inertia, alpha 0 (Igz < Igy: I1 is Igy, alpha 90).
        QCOMPARE(essai::texte(&f, "IgzyValeur"), u"0"_s);
        QVERIFY(!essai::controle<QWidget>(&f, "EIgzy")->isVisible());
        QCOMPARE(essai::texte(&f, "AlphaValeur"), u"90"_s);
        QCOMPARE(essai::texte(&f, "I1Valeur"), u"148"_s); // Igy = 148 E4
        QCOMPARE(essai::texte(&f, "I1Puissance"), u"4"_s);
        QCOMPARE(essai::texte(&f, "I2Valeur"), u"135,2"_s); // Igz
        QCOMPARE(essai::texte(&f, "VgaucheValeur"), u"35"_s);
        QCOMPARE(essai::texte(&f, "VinfValeur"), u"29,79"_s);
        QCOMPARE(essai::texte(&f, "VsupValeur"), u"40,21"_s); // 70 - 29,79
        QCOMPARE(essai::texte(&f, "IpValeur"), u"283,2"_s);   // 1352395,83 + 1480000
        essai::capturer(&f, f.objectName() + u"_exemple.png"_s);
    }

    // The plastic moduli and shape factors: Wpl,z, Wpl,y, Wpl,z / Wel,z, Wpl,y / Wel,y as shown; blank
    // ("" or "·" for a hidden label) with no area, and the factor with no Wel.
    void modulesPlastiques_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<QStringList>("attendu");
        QTest::newRow("rectangle 100 x 200, b.h²/4")
            << std::vector<essai::Element>{{"Rectangle", "100", "200", "0", "0"}}
            << QStringList{u"1000 E3"_s, u"500 E3"_s, u"1,5"_s, u"1,5"_s};
        QTest::newRow("disque, 4R³/3, 16/(3 pi)")
            << std::vector<essai::Element>{{"Disque", "30", "0", "5", "5"}}
            << QStringList{u"360 E2"_s, u"360 E2"_s, u"1,698"_s, u"1,698"_s};
        QTest::newRow("aire nulle") << std::vector<essai::Element>{{"Rectangle", "0", "0", "0", "0"}}
                                    << QStringList{u""_s, u""_s, u""_s, u""_s};
    }
    void modulesPlastiques() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QStringList, attendu);
        construire(m_section, elements);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        f.activer();
        const QStringList vu{essai::cellule(&f, {"WplzValeur", "EWplz", "WplzPuissance"}),
                             essai::cellule(&f, {"WplyValeur", "EWply", "WplyPuissance"}),
                             essai::texte(&f, "FacteurFormeZValeur"),
                             essai::texte(&f, "FacteurFormeYValeur")};
        QCOMPARE(vu, attendu);
        QCOMPARE(essai::texte(&f, "FacteurFormeZTexte"), u"Wpl,z / Wel,z ="_s);
        QCOMPARE(essai::texte(&f, "WplyUnitePuissance"), u"3"_s);
    }

    void incoherencesDecritesDansLaFenetre_data() {
        QTest::addColumn<int>("cas");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("trou à moitié dehors")
            << 0 << u"Le trou n° 2 sort de la matière (200 mm² hors matière)."_s;
        QTest::newRow("solides superposés") << 1 << u"Les éléments 1 et 2 se superposent (40 mm²)."_s;
        QTest::newRow("trous superposés") << 2 << u"Les trous n° 2 et 3 se superposent (12,5 mm²)."_s;
        QTest::newRow("solides superposés, trou dehors")
            << 3
            << u"Le trou n° 3 sort de la matière (28,3 mm² hors matière).\n"
               u"Les éléments 1 et 2 se superposent (40 mm²)."_s;
        // The totals hold; Igz + Igy leaves the range of a double.
        QTest::newRow("analyse trop grande")
            << 4 << u"Les valeurs sont trop grandes pour que ces grandeurs soient calculées."_s;
    }
    void incoherencesDecritesDansLaFenetre() {
        QFETCH(int, cas);
        QFETCH(QString, attendu);
        if (cas == 0) {
            construire(m_section,
                       {{"Rectangle", "100", "100", "0", "0"}, {"Rectangle", "20", "20", "50", "0", false}});
        } else if (cas == 1) {
            construire(m_section, {{"Rectangle", "10", "10", "0", "0"}, {"Rectangle", "10", "10", "6", "0"}});
        } else if (cas == 2) {
            construire(m_section, {{"Rectangle", "100", "100", "0", "0"},
                                   {"Rectangle", "5", "5", "0", "0", false},
                                   {"Rectangle", "5", "5", "0", "2,5", false}});
        } else if (cas == 3) {
            construire(m_section, {{"Rectangle", "10", "10", "0", "0"},
                                   {"Rectangle", "10", "10", "6", "0"},
                                   {"Disque", "3", "0", "100", "0", false}});
        } else {
            construire(m_section, {{"Rectangle", "1E76", "1E76", "7E77", "7E77"},
                                   {"Rectangle", "1E76", "1E76", "-7E77", "-7E77"}});
        }
        essai::Messages messages;
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(essai::texte(&f, "Verification"), attendu);
        QCOMPARE(messages.nombre(), 0); // reported in the window, never by a box
        // The command line words the findings with the same function, to the byte.
        QStringList lignes;
        for (const std::string& l : lignesVerification(m_section, cas != 4, plateforme::formatLocal())) {
            lignes.append(QString::fromStdString(l));
        }
        QCOMPARE(lignes.join(u'\n'), attendu);
    }

    // Ten stacked squares, 45 findings: the check's lines scroll, all of them there.
    void constatsNombreuxQuiDefilent() {
        construire(m_section, std::vector<essai::Element>(10, {"Rectangle", "10", "10", "0", "0"}));
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        auto* zone = essai::controle<QScrollArea>(&f, "DefilementVerification");
        QVERIFY(zone->verticalScrollBar()->isVisibleTo(&f));
        QCOMPARE(zone->verticalScrollBar()->maximum(), zone->widget()->height() - zone->viewport()->height());
        // The square's sentence on its principal axes, then the 45 findings.
        QCOMPARE(essai::texte(&f, "Verification").count(u'\n'), 45);
        QVERIFY(zone->widget()->height() >=
                46 * QFontMetrics(zone->widget()->font()).lineSpacing()); // one per line
    }

    void explicationsEtUnites() {
        construire(m_section, {{"Triangle", "30", "60", "0", "0"}});
        essai::Messages messages;
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        // Igzy = -b²h²/72 = -45000 = -450 E2.
        QCOMPARE(essai::texte(&f, "IgzyValeur"), u"-450"_s);
        QCOMPARE(essai::texte(&f, "IgzyPuissance"), u"2"_s);
        QTest::mouseClick(essai::controle<QWidget>(&f, "IgzyUnite"), Qt::LeftButton);
        QCOMPARE(messages.prendre(),
                 QStringList{u"Igzy = -450 E2 [mm^4]\r\n     = -4,5 E0 [cm^4]\r\n     = -4,5 E-8 [m^4]"_s});
        QTest::mouseDClick(essai::controle<QWidget>(&f, "AlphaTexte"), Qt::LeftButton);
        const QStringList t = messages.prendre();
        QCOMPARE(t.size(), 1);
        QVERIFY(t.first().startsWith(u"alpha : angle, en degrés"_s));
        QVERIFY(t.first().contains(u"alpha = 90° : l'axe principal 1 est l'axe Gy"_s));
        // Every caption explains itself, and no value label does.
        for (const char* nom :
             {"IgzyTexte", "I1Texte", "I2Texte", "VsupTexte", "VinfTexte", "VgaucheTexte", "VdroiteTexte",
              "WelzTexte", "WelyTexte", "IpTexte", "I1RayonTexte", "W1Texte", "W2Texte"}) {
            QTest::mouseDClick(essai::controle<QWidget>(&f, nom), Qt::LeftButton);
            QCOMPARE(messages.prendre().size(), 1);
        }
        QTest::mouseDClick(essai::controle<QWidget>(&f, "I1Valeur"), Qt::LeftButton);
        QCOMPARE(messages.nombre(), 0);
        QTest::mouseDClick(essai::controle<QWidget>(&f, "I2RayonTexte"), Qt::LeftButton);
        QVERIFY(messages.prendre().first().contains(u"pour une cornière"_s)); // what i2 serves for
        // The 30 x 60 triangle: Igz = 30 x 60³/36 = 180 000, Igy = 60 x 30³/36 = 45 000, Igzy = -45 000,
        // I2 = 112 500 - (67 500² + 45 000²)^0,5 = 31 375,1, A = 900: i2 = 5,904 mm.
        QTest::mouseClick(essai::controle<QWidget>(&f, "I2RayonUnite"), Qt::LeftButton);
        QCOMPARE(messages.prendre(),
                 QStringList{u"i2 = 5,904 E0 [mm]\r\n   = 5,904 E-1 [cm]\r\n   = 5,904 E-3 [m]"_s});
        QSignalSpy demandes(&f, &ApercuSection::contraintesDemandees);
        QTest::mouseClick(essai::controle<QWidget>(&f, "BoutonContraintes"), Qt::LeftButton);
        QCOMPARE(demandes.count(), 1);
        essai::capturer(&f, f.objectName() + u"_triangle.png"_s);
    }

    void ipe200() {
        // Flanges, the web between the root bands, two bands tw + 2r wide and r high, four quarter-disc
        // holes rounding the bands into the root radii (r = 12; 4r/3pi = 5,09295...).
        construire(m_section,
                   {{"Rectangle", "100", "8,5", "0", "95,75"},
                    {"Rectangle", "100", "8,5", "0", "-95,75"},
                    {"Rectangle", "5,6", "159", "0", "0"},
                    {"Rectangle", "29,6", "12", "0", "85,5"},
                    {"Rectangle", "29,6", "12", "0", "-85,5"},
                    {"Quart de disque supérieur droite", "12", "0", "9,70704746", "84,59295254", false},
                    {"Quart de disque supérieur gauche", "12", "0", "-9,70704746", "84,59295254", false},
                    {"Quart de disque inférieur droite", "12", "0", "9,70704746", "-84,59295254", false},
                    {"Quart de disque inférieur gauche", "12", "0", "-9,70704746", "-84,59295254", false}});
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(essai::texte(&f, "Verification"), u"Aucune incohérence détectée."_s);
        // Wel,z = 194,3 cm³ and Wel,y = 28,47 cm³, as the rolled-section tables give.
        QCOMPARE(essai::texte(&f, "WelzValeur"), u"194,3"_s);
        QCOMPARE(essai::texte(&f, "WelzPuissance"), u"3"_s);
        QCOMPARE(essai::texte(&f, "WelyValeur"), u"284,7"_s);
        QCOMPARE(essai::texte(&f, "WelyPuissance"), u"2"_s);
        QCOMPARE(essai::texte(&f, "VsupValeur"), u"100"_s);
        QCOMPARE(essai::texte(&f, "VgaucheValeur"), u"50"_s);
        essai::capturer(&f, f.objectName() + u"_ipe200.png"_s);
    }

    // At the edge of significance: the IPE's product of inertia is 0, the 1000 x 0,001 strip's lost
    // rows are blank and the check names them, a square has every axis through G principal.
    void signification_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<QStringList>("valeurs"); // Igzy, alpha, I2, Wel,z
        QTest::addColumn<QString>("verification");
        QTest::newRow("ipe200") << essai::ipe200 << QStringList{u"0"_s, u"0"_s, u"142,4"_s, u"194,3"_s}
                                << u"Aucune incohérence détectée."_s;
        QTest::newRow("bande")
            << std::vector<essai::Element>{{"Rectangle", "1000", "1000", "0", "0"},
                                           {"Rectangle", "1000", "999,999", "0", "0,0005", false}}
            << QStringList{u"0"_s, u"90"_s, QString(), QString()}
            << u"Les résultats Igz, igz, I2, Wel,z, Wpl,z / Wel,z sont perdus dans les arrondis : "
               u"des éléments presque égaux se retranchent."_s;
        QTest::newRow("carré")
            << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"}}
            << QStringList{u"0"_s, u"0"_s, u"833,3"_s, u"166,7"_s}
            << u"Tous les axes passant par G sont principaux.\nAucune incohérence détectée."_s;
    }
    void signification() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QStringList, valeurs);
        QFETCH(QString, verification);
        construire(m_section, elements);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE((QStringList{essai::texte(&f, "IgzyValeur"), essai::texte(&f, "AlphaValeur"),
                              essai::texte(&f, "I2Valeur"), essai::texte(&f, "WelzValeur")}),
                 valeurs);
        QCOMPARE(essai::texte(&f, "Verification"), verification);
    }

    // The legend below the values and the check below the legend and the drawing; the overlaps hatched
    // and named in the legend only when there are some.
    void dessinEtLegende_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<bool>("superpositions");
        QTest::newRow("exemple") << essai::exempleAide << false;
        QTest::newRow("ipe200_fichier") << essai::ipe200 << false;
        QTest::newRow("incoherente") << std::vector<essai::Element>{{"Rectangle", "100", "100", "0", "0"},
                                                                    {"Rectangle", "40", "40", "50", "0",
                                                                     false},
                                                                    {"Rectangle", "60", "30", "20", "60"}}
                                     << true;
        QTest::newRow("dix_elements") << essai::dixElements << true;
    }
    void dessinEtLegende() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(bool, superpositions);
        construire(m_section, elements);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        f.activer();
        const QRect legende = essai::controle<QWidget>(&f, "Legende")->geometry();
        const QRect dessin = essai::controle<QWidget>(&f, "Dessin")->geometry();
        const QRect verification = essai::controle<QWidget>(&f, "DefilementVerification")->geometry();
        QVERIFY(legende.top() > essai::controle<QWidget>(&f, "FacteurFormeYTexte")->geometry().bottom());
        QVERIFY(verification.top() > legende.bottom());
        QVERIFY(verification.top() > dessin.bottom());
        QVERIFY(!legende.intersects(dessin));
        QVERIFY(f.rect().contains(verification));
        // The window within a 1280 x 1024 screen with its frame; every title, caption and value in it, none
        // over another.
        QVERIFY(f.width() < 1240 && f.height() < 960);
        QList<QRect> vues;
        for (const QLabel* l : f.findChildren<QLabel*>()) {
            const QString n = l->objectName();
            if (n.startsWith(u"Titre"_s) || n.endsWith(u"Texte"_s) || n.endsWith(u"Valeur"_s)) {
                QVERIFY2(f.rect().contains(l->geometry()), qPrintable(n));
                QVERIFY2(
                    std::ranges::none_of(vues, [l](const QRect& r) { return r.intersects(l->geometry()); }),
                    qPrintable(n));
                vues << l->geometry();
            }
        }
        // The degree sign in the unit column, each exponent right after its unit's text.
        const auto gauche = [&f](const char* nom) { return essai::controle<QWidget>(&f, nom)->x(); };
        QCOMPARE(gauche("AlphaUnite"), gauche("IgzyUnite"));
        for (const char* nom : {"Igzy", "Welz", "Wply"}) {
            const auto* unite = essai::controle<QLabel>(&f, (std::string(nom) + "Unite").c_str());
            const double mm = unite->x() + QFontMetricsF(unite->font()).horizontalAdvance(u"mm"_s);
            const int exposant = gauche((std::string(nom) + "UnitePuissance").c_str());
            QVERIFY2(exposant >= mm && exposant < mm + 2.0, nom);
        }
        QCOMPARE(essai::controle<DessinSection>(&f, "Dessin")->figure().superpositions.empty(),
                 !superpositions);
        QVERIFY(essai::capturer(&f, f.objectName() + u"_"_s + QString::fromUtf8(QTest::currentDataTag()) +
                                        u".png"_s));
    }

    // Torsion on a worker thread: « calcul… » until it is done, a change of the section superseding it;
    // two separate rectangles 100 x 50: It = 2 x 2,858521 E6 (Saint-Venant's series) and the sentence;
    // the IPE 200: It and Iw of EN 10365 (6,846 cm⁴, 12 746 cm⁶), C at G, the mesh on demand.
    void torsion() {
        construire(m_section, essai::ipe200);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(essai::texte(&f, "ItValeur"), u"calcul…"_s);
        construire(m_section, {{"Rectangle", "100", "50", "0", "0"}, {"Rectangle", "100", "50", "0", "200"}});
        f.activer();
        QTRY_VERIFY_WITH_TIMEOUT(essai::texte(&f, "ItValeur") != u"calcul…"_s, 30000);
        QVERIFY(essai::texte(&f, "TorsionMessage")
                    .startsWith(u"La section est en 2 parties : It est la somme"_s));
        QCOMPARE_LT(std::abs(valeur(&f, u"It"_s) / (2 * 2.858521e6) - 1), 2e-3);
        QCOMPARE(essai::texte(&f, "IwValeur"), QString());
        construire(m_section, essai::ipe200);
        f.activer();
        QTRY_VERIFY_WITH_TIMEOUT(essai::texte(&f, "ItValeur") != u"calcul…"_s, 30000);
        QCOMPARE_LT(std::abs(valeur(&f, u"It"_s) / 6.846e4 - 1), 2e-3);
        QCOMPARE_LT(std::abs(valeur(&f, u"Iw"_s) / 12746e6 - 1), 2e-3);
        QCOMPARE(essai::texte(&f, "ZcValeur") + essai::texte(&f, "YcValeur"), u"00"_s);
        QCOMPARE(essai::texte(&f, "IwUnitePuissance"), u"6"_s);
        const dessin::Figure& figure = essai::controle<DessinSection>(&f, "Dessin")->figure();
        QVERIFY(figure.c && figure.maillage.empty());
        essai::controle<QCheckBox>(&f, "AfficherMaillage")->setChecked(true);
        QVERIFY(!figure.maillage.empty());
        essai::capturer(&f, f.objectName() + u"_torsion.png"_s);
    }

    // i1, i2, W1, W2 and the kern drawn: the IPE 200 against the rolled-section tables (iy = 82,6 mm,
    // iz = 22,4 mm, Wel,y = 194,3 cm³, Wel,z = 28,47 cm³), the number of the kern's vertices that of its
    // hull's sides (a rectangle's 4, the angle's 5); blank and no kern for an incoherent section.
    // L 100 x 100 x 10 of two rectangles, by hand: A = 1000 + 900 = 1900; Zg = Yg = (1000 x 5 + 900 x 55)
    // / 1900 = 28,684; Igz = Igy = 10 x 100³/12 + 1000 x 21,316² + 90 x 10³/12 + 900 x 23,684² = 1 800 044;
    // |Igzy| = 1000 x 23,684 x 21,316 + 900 x 26,316 x 23,684 = 1 065 789; I1, I2 = Igz ± |Igzy| =
    // 2 865 833, 734 254; i1 = 38,837, i2 = 19,658 (19,7 with the rolled angle's fillets); axes at 45°: v1
    // = 100/√2 = 70,711 (the leg's tips), v2 = √2 x 28,684 = 40,566 (the heel): W1 = 40 529, W2 = 18 100.
    void axesPrincipauxEtNoyau_data() {
        QTest::addColumn<std::vector<essai::Element>>("elements");
        QTest::addColumn<QList<double>>("attendu"); // i1, i2, W1, W2; none: the rows blank
        QTest::addColumn<double>("ecart");          // relative
        QTest::addColumn<qsizetype>("sommets");
        QTest::newRow("ipe200") << essai::ipe200 << QList<double>{82.6, 22.4, 194.3e3, 28.47e3} << 2.5e-3
                                << qsizetype(4);
        QTest::newRow("cornière") << std::vector<essai::Element>{{"Rectangle", "10", "100", "5", "50"},
                                                                 {"Rectangle", "90", "10", "55", "5"}}
                                  << QList<double>{38.837, 19.658, 40529, 18100} << 2e-4 << qsizetype(5);
        QTest::newRow("incohérente") << std::vector<essai::Element>{{"Rectangle", "10", "10", "0", "0"},
                                                                    {"Rectangle", "10", "10", "6", "0"}}
                                     << QList<double>{} << 0.0 << qsizetype(0);
    }
    void axesPrincipauxEtNoyau() {
        QFETCH(std::vector<essai::Element>, elements);
        QFETCH(QList<double>, attendu);
        QFETCH(double, ecart);
        QFETCH(qsizetype, sommets);
        construire(m_section, elements);
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        f.activer();
        const QStringList noms{u"I1Rayon"_s, u"I2Rayon"_s, u"W1"_s, u"W2"_s};
        for (qsizetype k = 0; k < noms.size(); ++k) {
            if (attendu.isEmpty()) {
                QCOMPARE(essai::cellule(&f, {noms[k] + u"Valeur"_s}), QString());
            } else {
                QCOMPARE_LT(std::abs(valeur(&f, noms[k]) / attendu[k] - 1.0), ecart);
            }
        }
        QCOMPARE(qsizetype(essai::controle<DessinSection>(&f, "Dessin")->figure().noyau.size()), sommets);
    }

    void suitLaSectionAChaqueActivation() {
        construire(m_section, {{"Disque", "10", "0", "0", "0"}});
        auto& f = m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(essai::texte(&f, "VsupValeur"), u"10"_s);
        construire(m_section, {{"Disque", "20", "0", "0", "0"}});
        QCOMPARE(essai::texte(&f, "VsupValeur"), u"10"_s); // nothing read between two activations
        m_fenetres.ouvrir<ApercuSection>(m_section);
        QCOMPARE(essai::texte(&f, "VsupValeur"), u"20"_s);
    }
};

QTEST_MAIN(TestApercuSection)
#include "test_apercu_section.moc"
