// Torsion and warping by finite elements against closed forms and published tables.

#include "document/fichier_section.h"
#include "model/calcul.h"
#include "model/catalogue.h"
#include "torsion/torsion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace modele;

namespace {

struct Forme {
    const char* forme;
    double d1, d2, zg, yg;
    bool plein = true;
};

Section section(std::initializer_list<Forme> formes) {
    Section s;
    s.Reinitialiser();
    s.NbrElement = static_cast<std::int16_t>(formes.size());
    int k = 1;
    for (const Forme& f : formes) {
        s.element(k++) = MemoriseDonnees(f.forme, f.d1, f.d2, f.zg, f.yg, f.plein);
    }
    Calcul(s);
    return s;
}

// A rolled I section built as examples/ipe200.brivane is: the box minus two rectangles a side and a
// quarter disc at each root.
Section profilI(double h, double b, double tw, double tf, double r) {
    const double c = 4.0 * r / (3.0 * Pi);
    const double zr = tw / 2 + r;
    const double yr = h / 2 - tf - r;
    const double l = (b - tw) / 2 - r;
    return section({{"Rectangle", b, h, 0, 0},
                    {"Rectangle", l, h - 2 * tf, zr + l / 2, 0, false},
                    {"Rectangle", l, h - 2 * tf, -zr - l / 2, 0, false},
                    {"Rectangle", r, h - 2 * tf - 2 * r, tw / 2 + r / 2, 0, false},
                    {"Rectangle", r, h - 2 * tf - 2 * r, -tw / 2 - r / 2, 0, false},
                    {"Quart de disque supérieur droite", r, 0, zr - c, yr + c, false},
                    {"Quart de disque supérieur gauche", r, 0, -zr + c, yr + c, false},
                    {"Quart de disque inférieur droite", r, 0, zr - c, -yr - c, false},
                    {"Quart de disque inférieur gauche", r, 0, -zr + c, -yr - c, false}});
}

// A channel h 200, b 80, tw 6, tf 11 without fillets, web from z = 0 to 6, flanges towards +Z,
// moved by (dz, dy), mirrored (z to -z) and turned a quarter (z, y to -y, z) as asked.
Section profilU(double dz, double dy, bool miroir, bool quart) {
    const auto placer = [&](const char* forme, double b, double h, double z, double y, bool plein) {
        const double zm = miroir ? -z : z;
        return quart ? Forme{forme, h, b, -y + dz, zm + dy, plein}
                     : Forme{forme, b, h, zm + dz, y + dy, plein};
    };
    return section({placer("Rectangle", 80, 200, 40, 0, true), placer("Rectangle", 74, 178, 43, 0, false)});
}

const double SaintVenant100x50 = 2.858521e6; // b t³ (1/3 - 0.21 t/b (...)) by Saint-Venant's series

TEST(Torsion, ReferencesFermeesEtTables) {
    const double pi = std::numbers::pi;
    const double tubeR = 168.3 / 2;
    const double tuber = tubeR - 8;
    const document::Lecture ipe = document::ouvrir(QStringLiteral(BRIVANE_EXEMPLES "/ipe200.brivane"));
    ASSERT_TRUE(ipe.section);
    struct Cas {
        const char* nom;
        Section s;
        double it, tolIt, iw, tolIw; // iw < 0: |Iw| < -iw
    } cas[] = {
        // Saint-Venant's series; J = pi R⁴ / 2 for the disc and pi (R⁴ - r⁴) / 2 for the tube.
        {"rectangle 100 x 50", section({{"Rectangle", 100, 50, 7, -3}}), SaintVenant100x50, 1e-3, 0, 0},
        {"disque R 50", section({{"Disque", 50, 0, 20, 30}}), pi * std::pow(50, 4) / 2, 1e-3,
         -1e-6 * (pi * std::pow(50, 4) / 2) * 2500, 0},
        {"tube 168,3 x 8", section({{"Disque", tubeR, 0, 0, 0}, {"Disque", tuber, 0, 0, 0, false}}),
         pi * (std::pow(tubeR, 4) - std::pow(tuber, 4)) / 2, 1e-3, 0, 0},
        // EN 10365:2017.
        {"IPE 200", *ipe.section, 6.846e4, 5e-3, 12746e6, 5e-3},
        {"HEB 300", profilI(300, 300, 11, 19, 27), 187.4e4, 5e-3, 1651000e6, 5e-3},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const torsion::Torsion t = torsion::calculerTorsion(c.s);
        ASSERT_EQ(t.etat, torsion::Etat::Calculee) << torsion::phrase(t);
        EXPECT_NEAR(t.It, c.it, c.tolIt * c.it);
        if (c.iw > 0) {
            EXPECT_NEAR(t.Iw, c.iw, c.tolIw * c.iw);
        } else if (c.iw < 0) {
            EXPECT_LT(std::abs(t.Iw), -c.iw);
        }
        EXPECT_LT(t.erreur, 1e-3);
        // Doubly symmetric: C at G; the mesh's own figures equal the closed-form totals to the
        // chords' error (a disc's moments fall short by about 1E-4 x the chord angle² in degrees).
        const double taille = std::sqrt(c.s.Atotale);
        EXPECT_NEAR(t.Zc, c.s.Zg, 1e-6 * taille);
        EXPECT_NEAR(t.Yc, c.s.Yg, 1e-6 * taille);
        const double cordes = 1.5e-4 * t.angleCorde * t.angleCorde + 1e-9;
        EXPECT_NEAR(t.A, c.s.Atotale, cordes * c.s.Atotale);
        EXPECT_NEAR(t.Igz, c.s.Igz, cordes * c.s.Igz);
        EXPECT_NEAR(t.Igy, c.s.Igy, cordes * c.s.Igy);
    }
}

TEST(Torsion, CentreDeCisaillementDuU) {
    // Thin-walled: e = 3 b'² tf / (6 b' tf + h' tw) from the web's mid-line, away from the flanges.
    const double b = 80 - 3.0;
    const double h = 200 - 11.0;
    const double e = 3 * b * b * 11 / (6 * b * 11 + h * 6);
    const torsion::Torsion u = torsion::calculerTorsion(profilU(0, 0, false, false));
    ASSERT_EQ(u.etat, torsion::Etat::Calculee);
    EXPECT_NEAR(u.Zc, 3 - e, 0.02 * e);
    EXPECT_EQ(u.Yc, 0.0);
    struct Cas {
        bool miroir, quart;
        double zc, yc; // where C goes
    } cas[] = {{false, false, 1000 + u.Zc, -500},
               {true, false, 1000 - u.Zc, -500},
               {false, true, 1000, -500 + u.Zc}};
    for (const Cas& c : cas) {
        const torsion::Torsion t = torsion::calculerTorsion(profilU(1000, -500, c.miroir, c.quart));
        ASSERT_EQ(t.etat, torsion::Etat::Calculee);
        EXPECT_NEAR(t.It, u.It, 2 * (u.erreur + t.erreur) * u.It);
        EXPECT_NEAR(t.Iw, u.Iw, 2 * (u.erreur + t.erreur) * u.Iw);
        EXPECT_NEAR(t.Zc, c.zc, 1e-3 * e);
        EXPECT_NEAR(t.Yc, c.yc, 1e-3 * e);
    }
}

TEST(Torsion, RefusEtEntreesExtremes) {
    Section dixDisques = section({{"Disque", 10, 0, 0, 0}});
    dixDisques.NbrElement = 10;
    for (int k = 2; k <= 10; ++k) {
        dixDisques.element(k) = dixDisques.element(1);
    }
    Calcul(dixDisques);
    struct Cas {
        const char* nom;
        Section s;
        torsion::Etat etat;
        double it;
    } cas[] = {
        {"trou hors de la matière", section({{"Rectangle", 100, 50, 0, 0}, {"Disque", 10, 0, 50, 0, false}}),
         torsion::Etat::Incoherente, 0},
        {"dix disques confondus", dixDisques, torsion::Etat::Incoherente, 0},
        {"aire nulle", section({{"Rectangle", 0, 50, 0, 0}}), torsion::Etat::Vide, 0},
        {"deux parties", section({{"Rectangle", 100, 50, 0, 0}, {"Rectangle", 100, 50, 0, 200}}),
         torsion::Etat::Parties, 2 * SaintVenant100x50},
        {"1E-3 contre 1E4", section({{"Rectangle", 1e4, 1e4, 0, 0}, {"Rectangle", 1e-3, 1e-3, 5000.0005, 0}}),
         torsion::Etat::Calculee, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const torsion::Torsion t = torsion::calculerTorsion(c.s);
        EXPECT_EQ(t.etat, c.etat);
        EXPECT_EQ(torsion::phrase(t).empty(), c.etat == torsion::Etat::Calculee);
        if (c.it > 0) {
            EXPECT_NEAR(t.It, c.it, 1e-3 * c.it);
        }
    }
    EXPECT_EQ(
        torsion::phrase(torsion::calculerTorsion(
            section({{"Rectangle", 100, 50, 0, 0}, {"Rectangle", 100, 50, 0, 200}}))),
        "La section est en 2 parties : It est la somme des leurs ; Iw et le centre de cisaillement ne sont "
        "pas définis.");
}

} // namespace
