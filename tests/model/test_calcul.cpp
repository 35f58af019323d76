// The section: its reset, the capture of an element ("Appliquer"), the nine totals, the element-count
// and current-element arrows, and the all-or-nothing rule on arithmetic faults.

#include "model/calcul.h"
#include "model/catalogue.h"
#include "model/notation.h"
#include "model/section.h"
#include "platform/nombre.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

using namespace modele;

// Found by GoogleTest beside the type it prints.
namespace modele {
void PrintTo(const ElementSection& e, std::ostream* os) {
    *os << "{" << e.Forme << ", d1=" << e.Dimension1 << ", d2=" << e.Dimension2 << ", A=" << e.Aire
        << ", Yg=" << e.Yg << ", Zg=" << e.Zg << ", signe=" << e.Signe << ", Igz=" << e.Igz
        << ", Igy=" << e.Igy << "}";
}
} // namespace modele

namespace {

using plateforme::FormatNombre;
using plateforme::GenreFaute;

const FormatNombre kFr{","};
const FormatNombre kEn{"."};

Section nouvelleSection() {
    Section s;
    s.Reinitialiser();
    return s;
}

// An element record with only what the totals read.
ElementSection enregistrement(double aire, double yg, double zg, double igz, double igy) {
    ElementSection e;
    e.Aire = aire;
    e.Yg = yg;
    e.Zg = zg;
    e.Igz = igz;
    e.Igy = igy;
    e.Signe = aire < 0 ? -1.0 : 1.0;
    return e;
}

// The nine totals in the results' order, each within its own distance (exact by default); a NaN is not
// checked.
constexpr double kNon = std::numeric_limits<double>::quiet_NaN();
using Totaux = std::array<double, 9>;

Totaux totaux(const Section& s) {
    return {s.Atotale, s.Soz, s.Soy, s.Yg, s.Zg, s.Igz, s.Igy, s.iGz, s.iGy};
}

void attendreTotaux(const Section& s, const Totaux& attendu, const Totaux& ecart = {}) {
    const char* noms[] = {"Atotale", "Soz", "Soy", "Yg", "Zg", "Igz", "Igy", "iGz", "iGy"};
    const Totaux lu = totaux(s);
    for (std::size_t i = 0; i < lu.size(); ++i) {
        if (!std::isnan(attendu[i])) {
            EXPECT_NEAR(lu[i], attendu[i], ecart[i]) << noms[i];
        }
    }
}

// Applies `s` to the current element and expects it accepted.
void appliquerOk(Section& section, const SaisieElement& s, const FormatNombre& f = kFr) {
    const CompteRendu cr = appliquer(section, s, f);
    ASSERT_TRUE(cr.accepte()) << (cr.faute ? cr.faute->what() : "non numérique");
}

// The help page's example: a solid 70 x 70 square with a 50 x 50 hole, two elements.
Section exempleAide() {
    Section s = nouvelleSection();
    appliquerOk(s, SaisieElement{"Rectangle", "70", "70", "35", "35"});
    EXPECT_FALSE(changerNombreElements(s, +1).faute);
    EXPECT_TRUE(changerElementCourant(s, +1));
    appliquerOk(s, SaisieElement{"Rectangle", "50", "50", "35", "40", false});
    return s;
}

// ---------------------------------------------------------------------------------------------------
// Reset

TEST(Section, ResetGivesOneZeroRectangleAndZeroTotals) {
    Section s;
    s.NbrElement = 7;
    s.ElementCourant = 5;
    s.FormeSelectionnee = "Disque";
    s.element(4) = enregistrement(3, 4, 5, 6, 7);
    s.element(4).Forme = "Triangle";
    s.Atotale = s.Soz = s.Soy = s.Yg = s.Zg = s.Igz = s.Igy = s.iGy = s.iGz = 42;
    s.Reinitialiser();

    EXPECT_EQ(s.NbrElement, 1);
    EXPECT_EQ(s.ElementCourant, 1);
    EXPECT_EQ(s.FormeSelectionnee, "Rectangle");
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        const ElementSection& e = s.element(k);
        EXPECT_EQ(e.Forme, "Rectangle");
        EXPECT_EQ(e.Signe, 1.0);
        for (double v : {e.Dimension1, e.Dimension2, e.Aire, e.Yg, e.Zg, e.Igz, e.Igy}) {
            EXPECT_EQ(v, 0.0);
        }
    }
    attendreTotaux(s, {});
    // The start-up state is what the totals give for it.
    Section calcule = s;
    EXPECT_TRUE(Calcul(calcule).accepte());
    EXPECT_EQ(calcule, s);
}

// ---------------------------------------------------------------------------------------------------
// Capture

struct CasCapture {
    const char* nom;
    SaisieElement saisie;
    FormatNombre format;
    ElementSection attendu;
};

void PrintTo(const CasCapture& c, std::ostream* os) {
    *os << c.nom;
}

class Capture : public ::testing::TestWithParam<CasCapture> {};

TEST_P(Capture, StoresEveryFieldOfTheCurrentElement) {
    const CasCapture& c = GetParam();
    // Three elements, element 2 current, element 2 holding an older capture of another shape.
    Section s = nouvelleSection();
    s.NbrElement = 3;
    s.ElementCourant = 2;
    s.element(1) = MemoriseDonnees("Triangle", 3, 4, 1, 2, true);
    s.element(2) = MemoriseDonnees("Quart de disque inférieur gauche", 9, 8, 7, 6, false);
    s.element(3) = MemoriseDonnees("Disque", 2, 0, -1, -1, true);
    const Section avant = s;

    const CompteRendu cr = appliquer(s, c.saisie, c.format);
    ASSERT_TRUE(cr.accepte());
    EXPECT_EQ(s.element(2), c.attendu);
    // Only the current element changes among the records; the count and the current element stay.
    EXPECT_EQ(s.element(1), avant.element(1));
    EXPECT_EQ(s.element(3), avant.element(3));
    EXPECT_EQ(s.NbrElement, 3);
    EXPECT_EQ(s.ElementCourant, 2);
    EXPECT_EQ(s.FormeSelectionnee, avant.FormeSelectionnee);
}

INSTANTIATE_TEST_SUITE_P(
    Saisies, Capture,
    ::testing::Values(
        // The worked rectangle: base 100, height 200, Zg 50, Yg 100, solid.
        CasCapture{
            "RectangleExemple", SaisieElement{"Rectangle", "100", "200", "50", "100"}, kFr,
            ElementSection{"Rectangle", 100, 200, 20000, 100, 50, 1, 66666666.666666667, 16666666.666666666}},
        CasCapture{"RectangleExempleTrou", SaisieElement{"Rectangle", "100", "200", "50", "100", false}, kFr,
                   ElementSection{"Rectangle", 100, 200, -20000, 100, 50, -1, -66666666.666666667,
                                  -16666666.666666666}},
        // A hole of a 10 x 20 rectangle: area -200, negative moments.
        CasCapture{
            "TrouDixVingt", SaisieElement{"Rectangle", "10", "20", "0", "0", false}, kFr,
            ElementSection{"Rectangle", 10, 20, -200, 0, 0, -1, -6666.666666666667, -1666.6666666666667}},
        // A disc while the hidden height field still holds 200: stored, and plays no part.
        CasCapture{"DisqueHauteurCachee", SaisieElement{"Disque", "10", "200", "0", "0"}, kFr,
                   ElementSection{"Disque", 10, 200, 314.1592741012573, 0, 0, 1, 7853.981852531433,
                                  7853.981852531433}},
        CasCapture{"DemiDisqueTrou", SaisieElement{"Demi disque gauche", "10", "0", "3", "4", false}, kFr,
                   ElementSection{"Demi disque gauche", 10, 0, -157.07963705062866, 4, 3, -1,
                                  -3926.9909262657166, -1097.5697944789492}},
        CasCapture{"QuartDeDisque", SaisieElement{"Quart de disque supérieur droite", "10", "-5", "-2", "-3"},
                   kFr,
                   ElementSection{"Quart de disque supérieur droite", 10, -5, 78.53981852531433, -3, -2, 1,
                                  548.7848972394746, 548.7848972394746}},
        // Decimal comma in French, point in English; the same values.
        CasCapture{
            "VirguleFrancaise", SaisieElement{"Rectangle", "12,5", "2", "-0,25", "1,5E1"}, kFr,
            ElementSection{"Rectangle", 12.5, 2, 25, 15, -0.25, 1, 8.333333333333334, 325.5208333333333}},
        CasCapture{
            "PointAnglais", SaisieElement{"Rectangle", "12.5", "2", "-0.25", "1.5E1"}, kEn,
            ElementSection{"Rectangle", 12.5, 2, 25, 15, -0.25, 1, 8.333333333333334, 325.5208333333333}},
        // "12," and ",5" are numbers.
        CasCapture{"SeparateurAuxBords", SaisieElement{"Triangle", "12,", ",5", "+3", "-0"}, kFr,
                   ElementSection{"Triangle", 12, 0.5, 3, 0, 3, 1, 0.041666666666666664, 24}},
        // A zero base: a zero-area element, accepted.
        CasCapture{"BaseNulle", SaisieElement{"Rectangle", "0", "60", "1", "2"}, kFr,
                   ElementSection{"Rectangle", 0, 60, 0, 2, 1, 1, 0, 0}}));

TEST(Capture, SwitchingSolidAndHoleResignsFromTheDimensions) {
    Section s = nouvelleSection();
    const double aire = 20000, igz = 66666666.666666667, igy = 16666666.666666666;
    struct Etape {
        bool additionner;
        double signe;
    };
    for (const Etape& etape : {Etape{true, 1}, Etape{false, -1}, Etape{false, -1}, Etape{true, 1}}) {
        SCOPED_TRACE(etape.additionner ? "Additionner" : "Soustraire");
        const CompteRendu cr =
            appliquer(s, SaisieElement{"Rectangle", "100", "200", "50", "100", etape.additionner}, kFr);
        ASSERT_TRUE(cr.accepte());
        EXPECT_EQ(cr.aireNegative, etape.signe < 0);
        const ElementSection& e = s.element(1);
        EXPECT_EQ(e.Signe, etape.signe);
        EXPECT_EQ(e.Aire, etape.signe * aire);
        EXPECT_EQ(e.Igz, etape.signe * igz);
        EXPECT_EQ(e.Igy, etape.signe * igy);
        EXPECT_EQ(s.Atotale, etape.signe * aire);
    }
}

TEST(Capture, EveryShapeAsAHoleCarriesTheMinusSign) {
    for (const FormeCatalogue& f : Catalogue) {
        SCOPED_TRACE(std::string(f.nom));
        const ProprietesForme p = proprietesForme(f.famille, 7, 3);
        ASSERT_GT(p.aire, 0);
        const ElementSection plein = MemoriseDonnees(std::string(f.nom), 7, 3, 1, 2, true);
        const ElementSection trou = MemoriseDonnees(std::string(f.nom), 7, 3, 1, 2, false);
        EXPECT_EQ(plein, (ElementSection{std::string(f.nom), 7, 3, p.aire, 2, 1, 1, p.igz, p.igy}));
        EXPECT_EQ(trou, (ElementSection{std::string(f.nom), 7, 3, -p.aire, 2, 1, -1, -p.igz, -p.igy}));
    }
}

// A field that is not a number: nothing at all changes, not even the sign or the shape.
TEST(Capture, NonNumericFieldChangesNothing) {
    const char* invalides[] = {"", "-", "+", ",", "abc", "1.5", "1 000", "12,5,", "1E", "E5", "--1", " 1"};
    const Section depart = exempleAide(); // two elements, element 2 current, totals computed
    for (int champ = 0; champ < 4; ++champ) {
        for (const char* texte : invalides) {
            SCOPED_TRACE(::testing::Message() << "champ " << champ << " texte \"" << texte << "\"");
            SaisieElement e{"Disque", "10", "200", "1", "2", true};
            std::string* champs[] = {&e.dimension1, &e.dimension2, &e.zg, &e.yg};
            *champs[champ] = texte;
            Section s = depart;
            const CompteRendu cr = appliquer(s, e, kFr);
            EXPECT_TRUE(cr.nonNumerique);
            EXPECT_FALSE(cr.accepte());
            EXPECT_FALSE(cr.faute.has_value());
            EXPECT_EQ(s, depart);
        }
    }
}

// ---------------------------------------------------------------------------------------------------
// Totals

TEST(Totaux, WorkedRectangle) {
    Section s = nouvelleSection();
    const CompteRendu cr = appliquer(s, SaisieElement{"Rectangle", "100", "200", "50", "100"}, kFr);
    ASSERT_TRUE(cr.accepte());
    EXPECT_FALSE(cr.aireNegative);
    attendreTotaux(s,
                   {20000, 2000000, 1000000, 100, 50, 66666666.666666667, 16666666.666666666,
                    57.735026918962575, 28.867513459481287},
                   {0, 0, 0, 0, 0, 1e-6, 1e-6, 1e-9, 1e-9});
}

TEST(Totaux, DiscAtTheOrigin) {
    Section s = nouvelleSection();
    ASSERT_TRUE(appliquer(s, SaisieElement{"Disque", "10", "0", "0", "0"}, kFr).accepte());
    attendreTotaux(s, {314.1592741012573, 0, 0, 0, 0, 7853.981852531433, 7853.981852531433, 5, 5},
                   {0, 0, 0, 0, 0, 0, 0, 1e-12, 1e-12});
}

TEST(Totaux, SolidAndIdenticalHoleGiveExactlyZero) {
    Section s = nouvelleSection();
    ASSERT_TRUE(appliquer(s, SaisieElement{"Rectangle", "10", "20", "5", "7"}, kFr).accepte());
    ASSERT_NE(s.Igz, 0); // stale totals that the zero branch must clear
    s.element(2) = MemoriseDonnees("Rectangle", 10, 20, 5, 7, false);
    const CompteRendu cr = changerNombreElements(s, +1);
    ASSERT_TRUE(cr.accepte());
    EXPECT_FALSE(cr.aireNegative);
    EXPECT_EQ(s.NbrElement, 2);
    attendreTotaux(s, {});
}

TEST(Totaux, AreaNearlyCancelledIsNotZero) {
    // A solid 0.1 x 3 (area 0.30000000000000004) and a hole 0.3 x 1 (area 0.3): the residue is
    // 2^-54, not 0, and the centroid is divided out as it is.
    Section s = nouvelleSection();
    s.NbrElement = 2;
    s.element(1) = MemoriseDonnees("Rectangle", 0.1, 3, 0, 1, true);
    s.element(2) = MemoriseDonnees("Rectangle", 0.3, 1, 0, 0, false);
    const CompteRendu cr = Calcul(s);
    ASSERT_TRUE(cr.accepte());
    EXPECT_FALSE(cr.aireNegative);
    attendreTotaux(
        s, {0x1p-54, 0.30000000000000004, kNon, 0.30000000000000004 * 0x1p54, 0, kNon, kNon, kNon, kNon});
}

TEST(Totaux, NegativeTotalAreaIsFlaggedAndStillComputed) {
    // A solid 10 x 10 at the origin, a 20 x 20 hole at Z = 10, Y = 5.
    Section s = nouvelleSection();
    s.NbrElement = 2;
    s.element(1) = MemoriseDonnees("Rectangle", 10, 10, 0, 0, true);
    s.element(2) = MemoriseDonnees("Rectangle", 20, 20, 10, 5, false);
    for (int fois = 0; fois < 2; ++fois) { // flagged every time the totals are computed
        SCOPED_TRACE(fois);
        const CompteRendu cr = Calcul(s);
        EXPECT_TRUE(cr.accepte());
        EXPECT_TRUE(cr.aireNegative);
        attendreTotaux(s,
                       {-300, -2000, -4000, 20.0 / 3.0, 40.0 / 3.0, -9166.666666666666, 833.3333333333334,
                        5.527707983925667, 1.6666666666666667},
                       {0, 0, 0, 1e-12, 1e-12, 1e-8, 1e-8, 1e-12, 1e-12});
    }
}

TEST(Totaux, HelpPageExample) {
    const Section s = exempleAide();
    EXPECT_EQ(s.NbrElement, 2);
    attendreTotaux(s,
                   {2400, 71500, 84000, 29.791666666666668, 35, 1352395.8333333333, 1480000, 23.7381183729648,
                    24.8327740429189},
                   {0, 0, 0, 0, 0, 1e-6, 1e-6, 1e-10, 1e-10});

    // The results panel: mantissa and exponent texts in French.
    struct Ligne {
        const char* nom;
        double valeur;
        const char* mantisse;
        const char* exposant;
    };
    const Ligne panneau[] = {
        {"A", s.Atotale, "2400", "0"}, {"Zg", s.Zg, "35", "0"},    {"Yg", s.Yg, "29,79", "0"},
        {"Igz", s.Igz, "135,2", "4"},  {"Igy", s.Igy, "148", "4"}, {"iGz", s.iGz, "23,74", "0"},
        {"iGy", s.iGy, "24,83", "0"},
    };
    for (const Ligne& l : panneau) {
        SCOPED_TRACE(l.nom);
        EXPECT_EQ(plateforme::texteNombre(Mantisse(l.valeur), kFr), l.mantisse);
        EXPECT_EQ(plateforme::texteNombre(Exposant(l.valeur), kFr), l.exposant);
    }
}

// Sums run in element order, and for each element the transport term is added before its own moment.
// The values are chosen so that any other order gives another double.
TEST(Totaux, SummationOrder) {
    {
        SCOPED_TRACE("aire et moments statiques de gauche à droite");
        // 1e16 + 1 rounds back to 1e16 (tie to even); 1 + 1 + 1e16 would be 1e16 + 2.
        Section s = nouvelleSection();
        s.NbrElement = 3;
        s.element(1) = enregistrement(1e16, 1, 1, 0, 0);
        s.element(2) = enregistrement(1, 1, 1, 0, 0);
        s.element(3) = enregistrement(1, 1, 1, 0, 0);
        ASSERT_TRUE(Calcul(s).accepte());
        // Igz = 1e16 - (1 x 1e16) x 1; right to left it would be 2
        attendreTotaux(s, {1e16, 1e16, 1e16, 1, 1, 0, 0, kNon, kNon});
    }
    {
        SCOPED_TRACE("terme de transport puis moment propre, élément par élément");
        // Element 1: transport 1e16, own 1; element 2 (a hole): transport -1e16, own -1; element 3 keeps
        // the total area at 1 with its centroid on the axes, so Yg = Zg = 0.
        //   in order:                   ((1e16 + 1) - 1e16) - 1 = -1
        //   transports first:           ((1e16 - 1e16) + 1) - 1 = 0
        //   own moment first:           ((1e16 + 1) - 1) - 1e16 = 0
        //   element sums then total:    (1e16 + 1) + (-1e16 - 1) = 0
        //   reverse element order:      (-1e16 - 1) + 1e16 + 1 = 1
        Section s = nouvelleSection();
        s.NbrElement = 3;
        s.element(1) = enregistrement(1, 1e8, 1e8, 1, 1);
        s.element(2) = enregistrement(-1, 1e8, 1e8, -1, -1);
        s.element(3) = enregistrement(1, 0, 0, 0, 0);
        ASSERT_TRUE(Calcul(s).accepte());
        attendreTotaux(s, {1, 0, 0, kNon, kNon, -1, -1, 1, 1});
    }
}

// ---------------------------------------------------------------------------------------------------
// The element-count and current-element arrows

TEST(NombreElements, ElementsAboveTheCountAreKeptAndIgnored) {
    Section s = exempleAide();
    const Section deuxElements = s;
    // A third element, counted, then dropped and counted again.
    ASSERT_TRUE(changerNombreElements(s, +1).accepte());
    // Raising the count over a zero element keeps every total.
    attendreTotaux(s, totaux(deuxElements));
    ASSERT_TRUE(changerElementCourant(s, +1));
    appliquerOk(s, SaisieElement{"Disque", "5", "0", "100", "-100"});
    const Section troisElements = s;
    ASSERT_NE(troisElements.Atotale, deuxElements.Atotale);

    ASSERT_TRUE(changerNombreElements(s, -1).accepte());
    EXPECT_EQ(s.NbrElement, 2);
    EXPECT_EQ(s.ElementCourant, 2); // followed the lowered count
    EXPECT_EQ(s.element(3), troisElements.element(3));
    // The totals are those of the two-element section: the help example.
    attendreTotaux(
        s, {2400, kNon, kNon, 29.791666666666668, 35, deuxElements.Igz, deuxElements.Igy, kNon, kNon});

    ASSERT_TRUE(changerNombreElements(s, +1).accepte());
    EXPECT_EQ(s.NbrElement, 3);
    EXPECT_EQ(s.ElementCourant, 2);
    s.ElementCourant = 3;
    EXPECT_EQ(s, troisElements);
}

TEST(NombreElements, RecordsAboveTheCountAreNeverRead) {
    // Element 2 would overflow every sum; with one element it takes no part.
    Section s = nouvelleSection();
    s.element(1) = MemoriseDonnees("Rectangle", 30, 60, 0, 0, true);
    s.element(2) = enregistrement(1.7e308, 1e300, 1e300, 1.7e308, 1.7e308);
    s.element(3) = enregistrement(1.7e308, 1e300, 1e300, 1.7e308, 1.7e308);
    EXPECT_TRUE(Calcul(s).accepte());
    attendreTotaux(s, {1800, kNon, kNon, kNon, kNon, 540000, 135000, kNon, kNon});
}

struct CasNombre {
    int n;
    int courant;
    int sens;
    int nAttendu;
    int courantAttendu;
};

void PrintTo(const CasNombre& c, std::ostream* os) {
    *os << "n=" << c.n << " courant=" << c.courant << " sens=" << c.sens;
}

class FlechesNombre : public ::testing::TestWithParam<CasNombre> {};

// Every press recomputes the totals, at the limits too: the records are edited behind the totals'
// back first, so stale totals show.
TEST_P(FlechesNombre, MovesWithinOneToTenAndRecomputes) {
    const CasNombre& c = GetParam();
    Section s = nouvelleSection();
    for (int k = 1; k <= 10; ++k) {
        s.element(k) = MemoriseDonnees("Rectangle", k, 2, 0, 0, true); // area 2k
    }
    s.NbrElement = static_cast<std::int16_t>(c.n);
    s.ElementCourant = static_cast<std::int16_t>(c.courant);
    const Section avant = s;
    const CompteRendu cr = changerNombreElements(s, c.sens);
    ASSERT_TRUE(cr.accepte());
    EXPECT_EQ(s.NbrElement, c.nAttendu);
    EXPECT_EQ(s.ElementCourant, c.courantAttendu);
    EXPECT_EQ(s.Atotale, c.nAttendu * (c.nAttendu + 1)); // 2 + 4 + ... + 2n
    EXPECT_EQ(s.Elements, avant.Elements);
}

INSTANTIATE_TEST_SUITE_P(Fleches, FlechesNombre,
                         ::testing::Values(CasNombre{1, 1, +1, 2, 1}, CasNombre{1, 1, -1, 1, 1},
                                           CasNombre{10, 10, +1, 10, 10}, CasNombre{10, 10, -1, 9, 9},
                                           CasNombre{10, 4, -1, 9, 4}, CasNombre{3, 3, -1, 2, 2},
                                           CasNombre{3, 2, -1, 2, 2}, CasNombre{3, 1, -1, 2, 1},
                                           CasNombre{2, 2, -1, 1, 1}, CasNombre{9, 9, +1, 10, 9}));

TEST(ElementCourant, MovesWithinOneToTheCountAndComputesNothing) {
    struct Cas {
        int n;
        int courant;
        int sens;
        int attendu;
        bool bouge;
    };
    const Cas cas[] = {
        {1, 1, +1, 1, false}, {1, 1, -1, 1, false},    {3, 1, +1, 2, true},
        {3, 2, +1, 3, true},  {3, 3, +1, 3, false},    {3, 3, -1, 2, true},
        {3, 1, -1, 1, false}, {10, 10, +1, 10, false}, {10, 9, +1, 10, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(::testing::Message() << "n=" << c.n << " courant=" << c.courant << " sens=" << c.sens);
        Section s = nouvelleSection();
        s.NbrElement = static_cast<std::int16_t>(c.n);
        s.ElementCourant = static_cast<std::int16_t>(c.courant);
        s.element(1) = MemoriseDonnees("Rectangle", 30, 60, 0, 0, true); // totals left stale on purpose
        Section attendu = s;
        attendu.ElementCourant = static_cast<std::int16_t>(c.attendu);
        EXPECT_EQ(changerElementCourant(s, c.sens), c.bouge);
        EXPECT_EQ(s, attendu);
    }
}

// The change count: one step per action that changed the section, none for an action that changed
// nothing; equality looks at the data only.
TEST(Changements, OneStepPerChangeNoneOtherwise) {
    Section s = exempleAide();
    const auto changements = [&s] { return s.Changements.valeur; };
    const std::uint64_t depart = changements();
    const Section copie = s;
    EXPECT_TRUE(appliquer(s, SaisieElement{"Disque", "x", "0", "0", "0"}, kFr).nonNumerique);
    EXPECT_EQ(changements(), depart);
    EXPECT_TRUE(appliquer(s, SaisieElement{"Disque", "1E80", "0", "0", "0"}, kFr).faute.has_value());
    EXPECT_EQ(changements(), depart);
    EXPECT_TRUE(changerElementCourant(s, -1));
    EXPECT_EQ(changements(), depart);
    appliquerOk(s, SaisieElement{"Rectangle", "70", "70", "35", "35"});
    EXPECT_EQ(changements(), depart + 1);
    ASSERT_TRUE(changerNombreElements(s, +1).accepte());
    EXPECT_EQ(changements(), depart + 2);
    s.Reinitialiser();
    EXPECT_EQ(changements(), depart + 3);
    Section autre = copie;
    autre.Changements.valeur += 10;
    EXPECT_EQ(autre, copie);
}

// ---------------------------------------------------------------------------------------------------
// Arithmetic faults: reported, and the section exactly as it was.

void attendreFaute(const CompteRendu& cr) {
    ASSERT_TRUE(cr.faute.has_value());
    EXPECT_FALSE(cr.accepte());
    EXPECT_FALSE(cr.nonNumerique);
    EXPECT_EQ(cr.faute->genre(), GenreFaute::Depassement);
}

TEST(Fautes, DiscOfRadius1E80) {
    Section s = exempleAide();
    const Section avant = s;
    for (const char* forme :
         {"Disque", "Demi disque supérieur", "Demi disque droite", "Quart de disque inférieur gauche"}) {
        SCOPED_TRACE(forme);
        attendreFaute(appliquer(s, SaisieElement{forme, "1E80", "0", "0", "0"}, kFr));
        EXPECT_EQ(s, avant);
    }
}

TEST(Fautes, SumOfTwoAreasOf1E308) {
    Section s = nouvelleSection();
    s.element(1) = enregistrement(1e308, 0, 0, 0, 0);
    s.element(2) = enregistrement(1e308, 0, 0, 0, 0);
    ASSERT_TRUE(Calcul(s).accepte()); // each alone is fine
    EXPECT_EQ(s.Atotale, 1e308);
    s.NbrElement = 2;
    const Section avant = s;
    attendreFaute(Calcul(s));
    EXPECT_EQ(s, avant);
}

TEST(Fautes, CaptureWhoseTotalsOverflow) {
    // Two 1 x 1 squares at Y = 1E154: each transport term is 1e308, their sum is not a double.
    Section s = nouvelleSection();
    ASSERT_TRUE(changerNombreElements(s, +1).accepte());
    appliquerOk(s, SaisieElement{"Rectangle", "1", "1", "0", "1E154"});
    EXPECT_EQ(s.Soz, 1e154);
    ASSERT_TRUE(changerElementCourant(s, +1));
    const Section avant = s;
    attendreFaute(appliquer(s, SaisieElement{"Rectangle", "1", "1", "0", "1E154"}, kFr));
    EXPECT_EQ(s, avant); // element 2 not stored, totals untouched
}

struct CasFauteNombre {
    const char* nom;
    int n;
    int courant;
    int sens;
    std::vector<ElementSection> elements;
};

void PrintTo(const CasFauteNombre& c, std::ostream* os) {
    *os << c.nom;
}

class FauteNombre : public ::testing::TestWithParam<CasFauteNombre> {};

TEST_P(FauteNombre, CountCurrentElementAndTotalsUnchanged) {
    const CasFauteNombre& c = GetParam();
    Section s = nouvelleSection();
    for (std::size_t k = 0; k < c.elements.size(); ++k) {
        s.Elements.at(k) = c.elements[k];
    }
    s.NbrElement = static_cast<std::int16_t>(c.n);
    s.ElementCourant = static_cast<std::int16_t>(c.courant);
    ASSERT_TRUE(Calcul(s).accepte()); // the starting count computes
    const Section avant = s;
    attendreFaute(changerNombreElements(s, c.sens));
    EXPECT_EQ(s, avant);
}

INSTANTIATE_TEST_SUITE_P(
    Fleches, FauteNombre,
    ::testing::Values(
        // raising: two transport terms of 1e308 added
        CasFauteNombre{"SommeDesTransports",
                       1,
                       1,
                       +1,
                       {MemoriseDonnees("Rectangle", 1, 1, 0, 1e154, true),
                        MemoriseDonnees("Rectangle", 1, 1, 0, 1e154, true)}},
        // raising: the areas cancel but for 1e-200, and Yg = 1e150 / 1e-200 is not a double
        CasFauteNombre{"DivisionDuCentre",
                       2,
                       2,
                       +1,
                       {enregistrement(1, 1e150, 0, 0, 0), enregistrement(-1, 0, 0, 0, 0),
                        enregistrement(1e-200, 0, 0, 0, 0)}},
        // lowering: without element 3 the area is 2^-53, and (Yg x A) x Yg leaves the range
        CasFauteNombre{"Huygens",
                       3,
                       3,
                       -1,
                       {enregistrement(1, 1e154, 0, 0, 0), enregistrement(-(1.0 - 0x1p-53), 0, 0, 0, 0),
                        enregistrement(1, 0, 0, 0, 0)}}));

} // namespace
