// Normal stresses, the neutral axis, the central kern, the principal radii and moduli.

#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/contraintes.h"

#include "pieces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace modele;

namespace {

using essai::construire;
using essai::Piece;

const Section Rectangle = construire({{"Rectangle", 100, 200, 0, 0}});
// L 100 × 100 × 10, its corner at O: the leg along Y and the rest of the leg along Z.
const Section Corniere = construire({{"Rectangle", 10, 100, 5, 50}, {"Rectangle", 90, 10, 55, 5}});
const Section Disque = construire({{"Disque", 50, 0, 0, 0}});

struct Cas {
    const char* nom;
    const Section& section;
    Efforts efforts;
    double sigmaMax, zMax, yMax, sigmaMin, zMin, yMin, angle;
};

} // namespace

TEST(Contraintes, ExtremesEtAxeNeutre) {
    const Cas cas[] = {
        // σ = Mz·y/Igz, Igz = b·h³/12 = 6,6667E7 mm⁴: ±1E7 × 100 / 6,6667E7 = ±15 MPa; axis Gz.
        {"rectangle, Mz", Rectangle, {0, 10, 0}, 15, 50, 100, -15, 50, -100, 0},
        // N = −200 kN at e_y = +h/6: Mz = −200 × 0,2/6 kN·m; σ = −10 ∓ 10 MPa, 0 along the bottom.
        {"rectangle, N excentré", Rectangle, {-200, -200 * 0.2 / 6, 0}, 0, 50, -100, -20, 50, 100, 0},
        // Disc, Mz: σmax = Mz·R/(π R⁴/4) = 1E7 × 50 / 4,9087E6 at the top of the arc.
        {"disque, Mz", Disque, {0, 10, 0}, 101.85916, 0, 50, -101.85916, 0, -50, 0},
        // L by hand: Zg = Yg = 54500/1900 = 28,684 mm; Igz = Igy = 1,8000439E6, Igzy = −1,0657895E6 mm⁴;
        // principal axes at 45°: I1 = Igz − Igzy = 2,8658333E6, I2 = Igz + Igzy = 7,342544E5, so
        // Igz·Igy − Igzy² = I1·I2 and σ = Mz·(y·Igy − z·Igzy)/(I1·I2), z, y from G. At the leg's tip
        // (10; 100): z = −18,684, y = 71,316: σ = 1E7 × (1,28372E8 − 1,99131E7)/2,10425E12 = 515,42 MPa;
        // at the heel (0; 0): −390,66 MPa. Neutral axis: tan θ = Igzy/Igy = −0,5921, θ = −30,63°.
        {"cornière, Mz", Corniere, {0, 10, 0}, 515.4239, 10, 100, -390.6577, 0, 0, -30.6294},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const Etude e = etudier(c.section, c.efforts);
        ASSERT_TRUE(e.contraintes) << e.raison;
        const Contraintes& k = *e.contraintes;
        EXPECT_NEAR(k.sigmaMax, c.sigmaMax, 1e-4);
        EXPECT_NEAR(k.sigmaMin, c.sigmaMin, 1e-4);
        EXPECT_NEAR(k.pointMax->y, c.yMax, 1e-9);
        EXPECT_NEAR(k.pointMin->y, c.yMin, 1e-9);
        EXPECT_NEAR(std::abs(k.pointMax->z), c.zMax, 1e-9); // an edge: either end
        EXPECT_NEAR(std::abs(k.pointMin->z), c.zMin, 1e-9);
        EXPECT_NEAR(k.axe->angle, c.angle, 1e-4);
    }
}

TEST(Contraintes, UniformeIncoherenteOuHorsDomaine) {
    const Etude n = etudier(Rectangle, {100, 0, 0});
    EXPECT_EQ(n.contraintes->sigmaMax, 100 * 1000.0 / 20000); // N/A, the same everywhere
    EXPECT_FALSE(n.contraintes->pointMax || n.contraintes->axe);
    const Etude x = etudier(construire({{"Rectangle", 10, 10, 0, 0}, {"Rectangle", 10, 10, 5, 0}}), {});
    EXPECT_FALSE(x.raison.empty() || x.noyau || x.contraintes);
    const Etude grand = etudier(Rectangle, {1e308, 0, 0}); // N × 1000 leaves the doubles
    EXPECT_FALSE(grand.raison.empty() || grand.contraintes || !grand.noyau);
    // A 1000 × 0,001 strip left of a plate by a hole: its Igz (8,3E-8) is lost in the rounding.
    const Etude bruit = etudier(
        construire({{"Rectangle", 1e3, 1e3, 0, 0}, {"Rectangle", 1e3, 999.999, 0, 5e-4, false}}), {0, 1, 0});
    EXPECT_FALSE(bruit.raison.empty() || bruit.noyau || bruit.contraintes);
}

TEST(Contraintes, NoyauCentral) {
    // Rectangle: the rhombus (±b/6; 0), (0; ±h/6), from +Z towards +Y.
    const std::vector<PointZY> losange = {{100 / 6.0, 0}, {0, 200 / 6.0}, {-100 / 6.0, 0}, {0, -200 / 6.0}};
    const Noyau r = *etudier(Rectangle, {}).noyau;
    ASSERT_EQ(r.sommets.size(), losange.size());
    for (std::size_t i = 0; i < losange.size(); ++i) {
        EXPECT_NEAR(r.sommets[i].z, losange[i].z, 1e-9);
        EXPECT_NEAR(r.sommets[i].y, losange[i].y, 1e-9);
    }
    // Disc: every vertex at R/4, within the chords' 1/cos(π/256) − 1 = 7,5E-5.
    const Noyau d = *etudier(Disque, {}).noyau;
    for (const PointZY& p : d.sommets) {
        EXPECT_NEAR(std::hypot(p.z, p.y), 50 / 4.0, 12.5 * 8e-5);
    }
    // L 100 × 100 × 10: i2 = √(I2/A) = √(7,342544E5/1900) = 19,658 mm; axis 1 along the diagonal
    // through G: v1 = 100/√2 (the tips), v2 = Zg·√2 (the heel).
    const Noyau l = *etudier(Corniere, {}).noyau;
    EXPECT_NEAR(l.i2, 19.6583, 1e-4);
    EXPECT_NEAR(l.v1, 100 / std::numbers::sqrt2, 1e-9);
    EXPECT_NEAR(l.v2, 54500 / 1900.0 * std::numbers::sqrt2, 1e-9);
    // IPE 200 (rolled-section tables: A = 28,48 cm², Wel = 194,3 and 28,47 cm³): the rhombus of
    // half-diagonals Wel,z/A along Y and Wel,y/A along Z (a rectangular hull).
    const Section ipe =
        *document::ouvrir(QString::fromUtf8(BRIVANE_DOSSIER_EXEMPLES "/ipe200.brivane")).section;
    const std::vector<PointZY> k = etudier(ipe, {}).noyau->sommets;
    ASSERT_EQ(k.size(), 4u);
    EXPECT_NEAR(k[0].z, 28.47E3 / 2848, 0.05);
    EXPECT_NEAR(k[1].y, 194.3E3 / 2848, 0.2);
    EXPECT_NEAR(k[2].z, -28.47E3 / 2848, 0.05);
    EXPECT_NEAR(k[3].y, -194.3E3 / 2848, 0.2);
    // Igzy is rounding noise, 0 by the significance rule: the axis under one moment is Gz or Gy exactly.
    EXPECT_EQ(etudier(ipe, {0, 30, 0}).contraintes->axe->angle, 0.0);
    EXPECT_EQ(etudier(ipe, {0, 0, 5}).contraintes->axe->angle, 90.0);
}
