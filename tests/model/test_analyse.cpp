// Product of inertia, principal axes, extreme fibres, section moduli and the consistency check.

#include "model/analyse.h"
#include "model/calcul.h"
#include "model/constats.h"
#include "model/plastique.h"
#include "model/signification.h"
#include "model/verification.h"

#include "pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace modele;

namespace {

using essai::construire;
using essai::Piece;

// The second moment about an axis through G at angle theta from Gz, straight from its definition.
double momentSelonAxe(const Section& s, double igzy, double theta) {
    const double c = std::cos(theta);
    const double si = std::sin(theta);
    return s.Igz * c * c + s.Igy * si * si - 2.0 * igzy * si * c;
}

void verifierAxesPrincipaux(const Section& s, const Analyse& a) {
    const double alpha = a.Alpha * std::numbers::pi / 180.0;
    const double echelle = std::fabs(a.I1) + std::fabs(a.I2);
    EXPECT_NEAR(momentSelonAxe(s, a.Igzy, alpha), a.I1, 1e-9 * echelle);
    EXPECT_NEAR(momentSelonAxe(s, a.Igzy, alpha + std::numbers::pi / 2.0), a.I2, 1e-9 * echelle);
    EXPECT_GE(a.I1, a.I2);
    EXPECT_GT(a.Alpha, -90.0);
    EXPECT_LE(a.Alpha, 90.0);
    EXPECT_NEAR(a.I1 + a.I2, s.Igz + s.Igy, 1e-9 * echelle); // the trace is invariant
}

TEST(ProduitInertie, TriangleRectangleSeul) {
    // b = 30, h = 60: Igz = 180000, Igy = 45000, Izy = -b²h²/72 = -45000.
    const Section s = construire({{"Triangle", 30, 60, 0, 0}});
    const Analyse a = analyser(s);
    EXPECT_DOUBLE_EQ(a.Igzy, -45000.0);
    // Mohr's circle: centre 112500, radius sqrt(67500² + 45000²).
    const double rayon = std::sqrt(67500.0 * 67500.0 + 45000.0 * 45000.0);
    EXPECT_NEAR(a.I1, 112500.0 + rayon, 1e-6);
    EXPECT_NEAR(a.I2, 112500.0 - rayon, 1e-6);
    EXPECT_NEAR(a.Alpha, std::atan2(45000.0, 67500.0) / 2.0 * 180.0 / std::numbers::pi, 1e-9);
    verifierAxesPrincipaux(s, a);
}

TEST(AxesPrincipaux, CorniereAAilesEgales) {
    // An L 100 x 100 x 10 of two rectangles, heel at O: the web up the Y axis, the leg along +Z.
    const Section s = construire({{"Rectangle", 10, 100, 5, 50}, {"Rectangle", 90, 10, 55, 5}});
    const Analyse a = analyser(s);
    const double g = 54500.0 / 1900.0; // Zg = Yg by symmetry
    EXPECT_NEAR(s.Zg, g, 1e-12);
    EXPECT_NEAR(s.Yg, g, 1e-12);
    const double igzy = 1000.0 * 50 * 5 + 900.0 * 5 * 55 - 1900.0 * g * g;
    EXPECT_NEAR(a.Igzy, igzy, 1e-6);
    EXPECT_NEAR(s.Igz, s.Igy, 1e-6);
    // Equal moments: the principal axes are at 45°; the larger moment is about the axis of symmetry.
    EXPECT_NEAR(a.Alpha, 45.0, 1e-9);
    EXPECT_NEAR(a.I1, s.Igz - igzy, 1e-6);
    EXPECT_NEAR(a.I2, s.Igz + igzy, 1e-6);
    verifierAxesPrincipaux(s, a);
    // Fibres: from G to the leg tip (Z = 100) and to the top of the web (Y = 100).
    EXPECT_NEAR(a.Vgauche, 100.0 - g, 1e-12);
    EXPECT_NEAR(a.Vdroite, g, 1e-12);
    EXPECT_NEAR(a.Vsup, 100.0 - g, 1e-12);
    EXPECT_NEAR(a.Vinf, g, 1e-12);
    EXPECT_TRUE(verifier(s).empty());
}

TEST(AxesPrincipaux, SansProduitLesAxesSontCeuxDeLaSection) {
    const Section large = construire({{"Rectangle", 200, 100, 0, 0}}); // Igy > Igz
    const Analyse a = analyser(large);
    EXPECT_EQ(a.Igzy, 0.0);
    EXPECT_DOUBLE_EQ(a.I1, large.Igy);
    EXPECT_DOUBLE_EQ(a.I2, large.Igz);
    EXPECT_DOUBLE_EQ(a.Alpha, 90.0);
    const Section haut = construire({{"Rectangle", 100, 200, 0, 0}});
    EXPECT_DOUBLE_EQ(analyser(haut).Alpha, 0.0);
    EXPECT_DOUBLE_EQ(analyser(haut).I1, haut.Igz);
}

// An IPE 200 (h 200, b 100, tw 5,6, tf 8,5, r 12) from two flanges, the web between the root bands,
// two bands of width tw + 2r and height r under and over the flanges, and four quarter-disc holes that
// round the bands off into the root radii.
Section ipe200() {
    const double d = 4.0 * 12.0 / (3.0 * 3.1415927410125732);
    std::vector<Piece> p{{"Rectangle", 100, 8.5, 0, 95.75},
                         {"Rectangle", 100, 8.5, 0, -95.75},
                         {"Rectangle", 5.6, 159, 0, 0},
                         {"Rectangle", 29.6, 12, 0, 85.5},
                         {"Rectangle", 29.6, 12, 0, -85.5}};
    for (const double sz : {1.0, -1.0}) {     // +1: left of the web (+Z)
        for (const double sy : {1.0, -1.0}) { // +1: under the upper flange
            // The hole's right angle is the band's corner away from web and flange.
            const std::string forme = std::string("Quart de disque ") +
                                      (sy > 0 ? "supérieur " : "inférieur ") + (sz > 0 ? "droite" : "gauche");
            p.push_back({forme, 12, 0, sz * (14.8 - d), sy * (79.5 + d), false});
        }
    }
    return construire(p);
}

TEST(ModulesDeFlexion, IPE200CommeLesTablesDeProfiles) {
    const Section s = ipe200();
    EXPECT_NEAR(s.Atotale, 2848.0, 0.001 * 2848.0); // 28,48 cm²
    const Analyse a = analyser(s);
    EXPECT_NEAR(a.Vsup, 100.0, 1e-9);
    EXPECT_NEAR(a.Vinf, 100.0, 1e-9);
    EXPECT_NEAR(a.Vgauche, 50.0, 1e-9);
    EXPECT_NEAR(a.Vdroite, 50.0, 1e-9);
    EXPECT_NEAR(a.Welz, 194300.0, 0.001 * 194300.0); // 194,3 cm³
    EXPECT_NEAR(a.Wely, 28470.0, 0.001 * 28470.0);   // 28,47 cm³
    EXPECT_NEAR(a.Igzy, 0.0, 1e-6 * s.Igz);          // doubly symmetric
    EXPECT_DOUBLE_EQ(a.Ip, s.Igz + s.Igy);
    EXPECT_TRUE(verifier(s).empty()); // every hole lies in its band, nothing overlaps
}

// The plastic moduli, worked by hand: each row's Wpl,z and Wpl,y (mm³) and the plastic axes, to a
// relative tolerance (polygons of 256 sides for the discs, the rolled-section tables for the IPE).
struct CasPlastique {
    const char* nom;
    std::vector<Piece> pieces;
    struct {
        double Wplz, Wply, Yp, Zp, tolerance;
    } a;
};

class Plastiques : public ::testing::TestWithParam<CasPlastique> {};

TEST_P(Plastiques, CommeALaMain) {
    const auto& [nom, pieces, c] = GetParam();
    const std::optional<Plastique> p = plastique(construire(pieces));
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->Wplz, c.Wplz, c.tolerance * c.Wplz);
    EXPECT_NEAR(p->Wply, c.Wply, c.tolerance * c.Wply);
    EXPECT_NEAR(p->Yp, c.Yp, 1e-9 + c.tolerance * std::abs(c.Yp));
    EXPECT_NEAR(p->Zp, c.Zp, 1e-9 + c.tolerance * std::abs(c.Zp));
}

// A T of a 120 x 12 flange on a 10 x 108 web (areas 1440 and 1080): the axis 10,5 under the top, in
// the flange. A T of a 100 x 10 flange on a 10 x 200 web: the axis 50 under the flange, in the web.
INSTANTIATE_TEST_SUITE_P(
    Sections, Plastiques,
    ::testing::Values(CasPlastique{"rectangle",
                                   {{"Rectangle", 100, 200, 0, 0}},
                                   {100.0 * 200 * 200 / 4, 200.0 * 100 * 100 / 4, 0, 0, 1e-12}},
                      CasPlastique{"disque",
                                   {{"Disque", 50, 0, 30, -20}},
                                   {4.0 * 50 * 50 * 50 / 3, 4.0 * 50 * 50 * 50 / 3, -20, 30, 5e-6}},
                      CasPlastique{"caisson",
                                   {{"Rectangle", 100, 200, 0, 0}, {"Rectangle", 80, 180, 0, 0, false}},
                                   {1e6 - 80.0 * 180 * 180 / 4, 5e5 - 180.0 * 80 * 80 / 4, 0, 0, 1e-12}},
                      CasPlastique{"te_axe_dans_la_semelle",
                                   {{"Rectangle", 120, 12, 0, 114}, {"Rectangle", 10, 108, 0, 54}},
                                   {1260 * 5.25 + 180 * 0.75 + 1080 * 55.5, 2 * 720 * 30.0 + 2 * 540 * 2.5,
                                    109.5, 0, 1e-12}},
                      CasPlastique{"te_axe_dans_l_ame",
                                   {{"Rectangle", 100, 10, 0, 205}, {"Rectangle", 10, 200, 0, 100}},
                                   {1000 * 55.0 + 500 * 25 + 1500 * 75, 2 * 500 * 25.0 + 2 * 1000 * 2.5, 150,
                                    0, 1e-12}}),
    [](const ::testing::TestParamInfo<CasPlastique>& i) { return std::string(i.param.nom); });

TEST(Plastiques, IPE200CommeLesTablesDeProfiles) {
    const std::optional<Plastique> p = plastique(ipe200());
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->Wplz, 220600.0, 0.002 * 220600.0); // the tables' strong-axis Wpl,y: 220,6 cm³
    EXPECT_NEAR(p->Wply, 44610.0, 0.002 * 44610.0);   // 44,61 cm³
    const Analyse a = analyser(ipe200());
    EXPECT_NEAR(p->Wplz / a.Welz, 1.135, 0.002); // the shape factors
}

TEST(Plastiques, SansAirePositiveRien) {
    EXPECT_FALSE(plastique(Section{}).has_value());
    EXPECT_FALSE(plastique(construire({{"Rectangle", 10, 10, 0, 0, false}})).has_value());
}

TEST(Fibres, ExempleDeLAideEtTrous) {
    // The hole does not count as material: the fibres are those of the 70 x 70 square.
    const Section s = construire({{"Rectangle", 70, 70, 35, 35}, {"Rectangle", 50, 50, 35, 40, false}});
    const Analyse a = analyser(s);
    EXPECT_NEAR(a.Vsup, 70.0 - s.Yg, 1e-12);
    EXPECT_NEAR(a.Vinf, s.Yg, 1e-12);
    EXPECT_NEAR(a.Vgauche, 35.0, 1e-12);
    EXPECT_NEAR(a.Vdroite, 35.0, 1e-12);
    EXPECT_DOUBLE_EQ(a.Welz, s.Igz / (70.0 - s.Yg));
    EXPECT_DOUBLE_EQ(a.Wely, s.Igy / 35.0);
    EXPECT_TRUE(verifier(s).empty());
}

// Each shape as the catalogue orients it: how far it reaches from its centroid, its own product of
// inertia (the opposite for a hole), and the outline of the consistency check, which spans exactly
// those reaches.
TEST(Formes, EtendueProduitEtContour) {
    const double d = 4.0 * 10.0 / (3.0 * 3.1415927410125732);
    const double r = 10.0 - d;
    const double k = (1.0 / 8.0 - 4.0 / (9.0 * 3.1415927410125732)) * 10000.0; // R = 10
    struct Cas {
        const char* forme;
        EtendueElement attendue; // gauche (+Z), droite (-Z), haut, bas
        double izy;
    };
    const Cas cas[] = {
        {"Rectangle", {15, 15, 30, 30}, 0},
        {"Triangle", {20, 10, 40, 20}, -45000}, // b 30, h 60: right angle at the lower right
        {"Disque", {10, 10, 10, 10}, 0},
        {"Demi disque supérieur", {10, 10, r, d}, 0},
        {"Demi disque inférieur", {10, 10, d, r}, 0},
        {"Demi disque gauche", {r, d, 10, 10}, 0},
        {"Demi disque droite", {d, r, 10, 10}, 0},
        {"Quart de disque supérieur gauche", {r, d, r, d}, -k},
        {"Quart de disque supérieur droite", {d, r, r, d}, k},
        {"Quart de disque inférieur gauche", {r, d, d, r}, k},
        {"Quart de disque inférieur droite", {d, r, d, r}, -k},
    };
    const double zg = 3, yg = 4;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.forme);
        const bool rect = std::string(c.forme) == "Rectangle" || std::string(c.forme) == "Triangle";
        const ElementSection e = MemoriseDonnees(c.forme, rect ? 30 : 10, 60, zg, yg, true);
        const EtendueElement t = etendue(e);
        EXPECT_NEAR(t.gauche, c.attendue.gauche, 1e-12);
        EXPECT_NEAR(t.droite, c.attendue.droite, 1e-12);
        EXPECT_NEAR(t.haut, c.attendue.haut, 1e-12);
        EXPECT_NEAR(t.bas, c.attendue.bas, 1e-12);
        EXPECT_NEAR(produitInertiePropre(e), c.izy, 1e-9);
        EXPECT_NEAR(produitInertiePropre(MemoriseDonnees(c.forme, rect ? 30 : 10, 60, zg, yg, false)), -c.izy,
                    1e-9);
        const std::vector<PointZY> contour = contourElement(e);
        ASSERT_FALSE(contour.empty());
        const auto [zmin, zmax] = std::minmax_element(contour.begin(), contour.end(),
                                                      [](PointZY p, PointZY q) { return p.z < q.z; });
        const auto [ymin, ymax] = std::minmax_element(contour.begin(), contour.end(),
                                                      [](PointZY p, PointZY q) { return p.y < q.y; });
        EXPECT_NEAR(zmax->z, zg + c.attendue.gauche, 1e-9);
        EXPECT_NEAR(zmin->z, zg - c.attendue.droite, 1e-9);
        EXPECT_NEAR(ymax->y, yg + c.attendue.haut, 1e-9);
        EXPECT_NEAR(ymin->y, yg - c.attendue.bas, 1e-9);
    }
}

TEST(Analyse, AireNulleEtFaute) {
    const Analyse vide = analyser(Section{});
    EXPECT_EQ(vide.I1, 0.0);
    EXPECT_EQ(vide.Welz, 0.0);
    // Totals that fit, but Igz + Igy does not: reported, not turned into inf.
    const Section s =
        construire({{"Rectangle", 1, 1, 0.9e154, 0.9e154}, {"Rectangle", 1, 1, -0.9e154, -0.9e154}});
    ASSERT_GT(s.Igz, 1.6e308);
    EXPECT_THROW(analyser(s), plateforme::FauteArithmetique);
}

// A record whose reach leaves the double range (2b / 3 for a base near the largest double): a fault
// of the analysis, and no outline to draw or check.
TEST(Analyse, EtendueHorsDesDoubles) {
    Section s;
    ElementSection& e = s.element(1);
    e.Forme = "Triangle";
    e.Dimension1 = 1.7e308;
    e.Dimension2 = 1;
    e.Aire = s.Atotale = 1;
    try {
        (void)etendue(e);
        ADD_FAILURE() << "no fault";
    } catch (const plateforme::FauteArithmetique& f) {
        EXPECT_EQ(f.genre(), plateforme::GenreFaute::Depassement);
    }
    EXPECT_THROW(analyser(s), plateforme::FauteArithmetique);
    EXPECT_TRUE(contourElement(e).empty());
}

struct CasVerification {
    const char* nom;
    std::vector<Piece> pieces;
    std::vector<Incoherence> attendues; // areas compared within 0.1 %
};

class Verification : public testing::TestWithParam<CasVerification> {};

TEST_P(Verification, TrouveCeQuIlFautEtRienDAutre) {
    const CasVerification& c = GetParam();
    const Section s = construire(c.pieces);
    const std::vector<Incoherence> trouvees = verifier(s);
    // The regions to hatch: those that two solids or two holes share, their areas as found.
    double attendue = 0.0;
    for (const Incoherence& i : c.attendues) {
        attendue += i.genre == GenreIncoherence::TrouHorsMatiere ? 0.0 : i.aire;
    }
    double hachuree = 0.0;
    for (const std::vector<PointZY>& zone : superpositions(s)) {
        for (std::size_t k = 0; k + 1 < zone.size(); ++k) {
            hachuree += (zone[k + 1].z - zone[k].z) * (zone[k + 1].y + zone[k].y) / 2.0;
        }
    }
    EXPECT_NEAR(std::fabs(hachuree), attendue, 0.001 * attendue);
    ASSERT_EQ(trouvees.size(), c.attendues.size());
    for (std::size_t i = 0; i < trouvees.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(trouvees[i].genre, c.attendues[i].genre);
        EXPECT_EQ(trouvees[i].premier, c.attendues[i].premier);
        EXPECT_EQ(trouvees[i].second, c.attendues[i].second);
        EXPECT_NEAR(trouvees[i].aire, c.attendues[i].aire, 0.001 * c.attendues[i].aire);
    }
}

const double PiProgramme = 3.1415927410125732;

INSTANTIATE_TEST_SUITE_P(
    Sections, Verification,
    testing::Values(
        CasVerification{"TrouAMoitieDehors",
                        {{"Rectangle", 100, 100, 0, 0}, {"Rectangle", 20, 20, 50, 0, false}},
                        {{GenreIncoherence::TrouHorsMatiere, 2, 0, 200}}},
        CasVerification{"TrouToutEntierDehors",
                        {{"Rectangle", 10, 10, 0, 0}, {"Disque", 5, 0, 100, 0, false}},
                        {{GenreIncoherence::TrouHorsMatiere, 2, 0, 25 * PiProgramme}}},
        CasVerification{"DeuxSolidesSeChevauchent",
                        {{"Rectangle", 10, 10, 0, 0}, {"Rectangle", 10, 10, 6, 0}},
                        {{GenreIncoherence::SuperpositionSolides, 1, 2, 40}}},
        CasVerification{"SolideDansUnAutre",
                        {{"Rectangle", 100, 100, 0, 0}, {"Rectangle", 20, 20, 10, 10}},
                        {{GenreIncoherence::SuperpositionSolides, 1, 2, 400}}},
        CasVerification{"DeuxTrousSeChevauchent",
                        {{"Rectangle", 100, 100, 0, 0},
                         {"Rectangle", 10, 10, 0, 0, false},
                         {"Rectangle", 10, 10, 0, 5, false}},
                        {{GenreIncoherence::SuperpositionTrous, 2, 3, 50}}},
        CasVerification{
            "SolidesJointifsEtTrouPlein",
            {{"Disque", 10, 0, 0, 0}, {"Disque", 10, 0, 0, 0, false}, {"Rectangle", 10, 10, 15, 0}},
            {}},
        CasVerification{"ChevauchementNegligeable", // 0,05 % of the smaller area: below the threshold
                        {{"Rectangle", 100, 100, 0, 0}, {"Rectangle", 100, 100, 99.95, 0}},
                        {}}),
    [](const testing::TestParamInfo<CasVerification>& i) { return std::string(i.param.nom); });

// Sections at the edge of significance. A 1000 x 0,001 strip left of a 1000 x 1000 plate: its Igz
// (8,3E-8) is 1E-18 of the plate's, below the doubles' 1,1E-16, and so is everything made of it (I2 =
// Igz here); the same plate less a 1000 x 999 hole keeps its Igz = 1000/12. A sliver 1E-13 thick at
// (1E4, 1E4): its area is exact (1 - 0,9999999999999 in doubles), but its first moments (1E4 each)
// lose 1E-12 in the rounding, and G falls anywhere within 10 mm of a section 1 mm wide.
struct CasLimite {
    const char* nom;
    Section (*section)();
    std::vector<Quantite> perdues;
    bool tousPrincipaux;
    double igz; // the exact Igz where it is kept (relative 1E-6), else 0
};

class Significations : public testing::TestWithParam<CasLimite> {};

TEST_P(Significations, PerduOuGarde) {
    const CasLimite& c = GetParam();
    const Section s = c.section();
    const Signification sens = signification(s);
    EXPECT_EQ(sens.listePerdues(), c.perdues);
    EXPECT_EQ(sens.tousAxesPrincipaux, c.tousPrincipaux);
    const std::vector<std::string> textes = constats(s, true, {"."});
    EXPECT_EQ(std::ranges::count(textes, textePertes(sens)), c.perdues.empty() ? 0 : 1);
    EXPECT_EQ(nombreConstats(s), c.perdues.empty() ? 0 : 1);
    const Analyse a = analyser(s);
    if (!sens.perdue(Quantite::Igzy)) {
        EXPECT_EQ(a.Igzy, 0.0); // every section here is symmetric about an axis parallel to Gz or Gy
    }
    if (c.tousPrincipaux) {
        EXPECT_EQ(a.Alpha, 0.0);
        EXPECT_EQ(a.I1, a.I2);
    }
    if (c.igz != 0.0) { // within 1E-6, and within its own bound
        EXPECT_NEAR(s.Igz, c.igz, 1e-6 * c.igz);
        EXPECT_LE(std::fabs(s.Igz - c.igz), bornesTotaux(s).Igz.erreur());
    }
}

using enum Quantite;
INSTANTIATE_TEST_SUITE_P(
    Sections, Significations,
    testing::Values(
        CasLimite{"Bande1E3",
                  [] {
                      return construire(
                          {{"Rectangle", 1000, 1000, 0, 0}, {"Rectangle", 1000, 999.999, 0, 0.0005, false}});
                  },
                  {Igz, igz, I2, Welz, FacteurFormeZ},
                  false,
                  0.0},
        CasLimite{
            "BandeDe1mm",
            [] {
                return construire({{"Rectangle", 1000, 1000, 0, 0}, {"Rectangle", 1000, 999, 0, 0.5, false}});
            },
            {},
            false,
            1000.0 / 12.0},
        CasLimite{"IPE200", ipe200, {}, false, 0.0},
        CasLimite{"CarreEnDeuxMoities", // Igz = Igy by two different sums
                  [] {
                      return construire({{"Rectangle", 50, 100, 25, 0}, {"Rectangle", 50, 100, -25, 0}});
                  },
                  {},
                  true,
                  1e8 / 12.0},
        CasLimite{"Eclat",
                  [] {
                      return construire({{"Rectangle", 1, 1, 1e4, 1e4},
                                         {"Rectangle", 1, 0.9999999999999, 1e4, 1e4, false}});
                  },
                  {Zg,   Yg,   Igz,   Igy,  igz,  igy,           Igzy,
                   I1,   I2,   alpha, Vsup, Vinf, Vgauche,       Vdroite,
                   Welz, Wely, Wplz,  Wply, Ip,   FacteurFormeZ, FacteurFormeY},
                  false,
                  0.0}),
    [](const testing::TestParamInfo<CasLimite>& i) { return std::string(i.param.nom); });

} // namespace
