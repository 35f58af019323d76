#include "model/analyse.h"

#include "model/catalogue.h"
#include "platform/arithmetique.h"

#include <algorithm>
#include <cmath>
#include <string_view>

using plateforme::ajouter;
using plateforme::diviser;
using plateforme::multiplier;
using plateforme::soustraire;

namespace {

constexpr std::string_view QuartSupGauche = "Quart de disque supérieur gauche";
constexpr std::string_view QuartSupDroite = "Quart de disque supérieur droite";
constexpr std::string_view QuartInfGauche = "Quart de disque inférieur gauche";
constexpr std::string_view QuartInfDroite = "Quart de disque inférieur droite";

// 4R / (3 pi): the distance from a straight side of a half or quarter disc to its centroid.
double decalage(double r) {
    return diviser(multiplier(4.0, r, "4 x R"), 3.0 * Pi, "4R / 3Pi");
}

} // namespace

double produitInertiePropre(const ElementSection& e) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr) {
        return 0.0;
    }
    double propre = 0.0;
    if (f->famille == FamilleForme::Triangle) {
        const double bh = multiplier(e.Dimension1, e.Dimension2, "Izy : b x h");
        propre = -diviser(multiplier(bh, bh, "Izy : (b h)²"), 72.0, "Izy : b²h² / 72");
    } else if (f->famille == FamilleForme::QuartDeDisque) {
        const double r2 = multiplier(e.Dimension1, e.Dimension1, "Izy : R x R");
        const double r4 = multiplier(r2, r2, "Izy : R^4");
        const double valeur = multiplier(1.0 / 8.0 - (4.0 / 9.0) / Pi, r4, "Izy : (1/8 - 4/9Pi) R^4");
        const bool negatif = f->nom == QuartSupGauche || f->nom == QuartInfDroite;
        propre = negatif ? -valeur : valeur;
    }
    return multiplier(propre, e.Signe, "Izy x signe");
}

EtendueElement etendue(const ElementSection& e) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr) {
        return {};
    }
    const double a = std::fabs(e.Dimension1);
    switch (f->famille) {
    case FamilleForme::Rectangle: {
        const double h = std::fabs(e.Dimension2);
        return {a / 2.0, a / 2.0, h / 2.0, h / 2.0};
    }
    case FamilleForme::Triangle: {
        // Right angle at the lower right: the base runs to the left (+Z), the vertical side up.
        const double h = std::fabs(e.Dimension2);
        return {2.0 * a / 3.0, a / 3.0, 2.0 * h / 3.0, h / 3.0};
    }
    case FamilleForme::Disque:
        return {a, a, a, a};
    default:
        break;
    }
    const double d = std::fabs(decalage(a));
    const double reste = a - d;
    const std::string_view nom = f->nom;
    if (f->famille == FamilleForme::DemiDisqueHorizontal) {
        const bool superieur = nom == "Demi disque supérieur";
        return {a, a, superieur ? reste : d, superieur ? d : reste};
    }
    if (f->famille == FamilleForme::DemiDisqueVertical) {
        const bool gauche = nom == "Demi disque gauche";
        return {gauche ? reste : d, gauche ? d : reste, a, a};
    }
    const bool gauche = nom == QuartSupGauche || nom == QuartInfGauche;
    const bool superieur = nom == QuartSupGauche || nom == QuartSupDroite;
    return {gauche ? reste : d, gauche ? d : reste, superieur ? reste : d, superieur ? d : reste};
}

Analyse Analyser(const Section& s) {
    Analyse a;
    if (s.Atotale == 0.0) {
        return a;
    }
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        const double transport =
            multiplier(multiplier(e.Aire, e.Yg, "Igzy : Ai x Ygi"), e.Zg, "Igzy : Ai Ygi x Zgi");
        a.Igzy = ajouter(a.Igzy, transport, "Igzy : somme des termes de transport");
        a.Igzy = ajouter(a.Igzy, produitInertiePropre(e), "Igzy : somme des produits propres");
    }
    a.Igzy =
        soustraire(a.Igzy, multiplier(multiplier(s.Atotale, s.Yg, "Igzy : A x Yg"), s.Zg, "Igzy : A Yg x Zg"),
                   "Igzy : formule de Huygens");

    // Mohr's circle: centre (Igz + Igy) / 2, radius sqrt(((Igz - Igy) / 2)² + Igzy²).
    const double centre = diviser(ajouter(s.Igz, s.Igy, "I1, I2 : Igz + Igy"), 2.0, "I1, I2 : centre");
    const double demiEcart =
        diviser(soustraire(s.Igz, s.Igy, "I1, I2 : Igz - Igy"), 2.0, "I1, I2 : demi-écart");
    const double rayon = std::hypot(demiEcart, a.Igzy);
    if (!std::isfinite(rayon)) {
        throw plateforme::FauteArithmetique(plateforme::GenreFaute::Depassement,
                                            "I1, I2 : rayon du cercle de Mohr");
    }
    a.I1 = ajouter(centre, rayon, "I1");
    a.I2 = soustraire(centre, rayon, "I2");
    // I(theta) = centre + demiEcart cos 2theta - Igzy sin 2theta is largest at 2theta = atan2(-Igzy,
    // demiEcart).
    double alpha = std::atan2(-a.Igzy, demiEcart) / 2.0 * 180.0 / M_PI;
    if (alpha <= -90.0) {
        alpha += 180.0;
    }
    a.Alpha = alpha == 0.0 ? 0.0 : alpha; // no "-0"

    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (e.Signe != 1.0 || e.Aire == 0.0) {
            continue; // holes and empty elements hold no material
        }
        const EtendueElement t = etendue(e);
        a.Vsup = std::max(a.Vsup, ajouter(soustraire(e.Yg, s.Yg, "Vsup : Ygi - Yg"), t.haut, "Vsup"));
        a.Vinf = std::max(a.Vinf, ajouter(soustraire(s.Yg, e.Yg, "Vinf : Yg - Ygi"), t.bas, "Vinf"));
        a.Vgauche =
            std::max(a.Vgauche, ajouter(soustraire(e.Zg, s.Zg, "Vgauche : Zgi - Zg"), t.gauche, "Vgauche"));
        a.Vdroite =
            std::max(a.Vdroite, ajouter(soustraire(s.Zg, e.Zg, "Vdroite : Zg - Zgi"), t.droite, "Vdroite"));
    }
    const double vy = std::max(a.Vsup, a.Vinf);
    const double vz = std::max(a.Vgauche, a.Vdroite);
    a.Welz = vy > 0.0 ? diviser(s.Igz, vy, "Wel,z = Igz / v") : 0.0;
    a.Wely = vz > 0.0 ? diviser(s.Igy, vz, "Wel,y = Igy / v") : 0.0;
    a.Ip = ajouter(s.Igz, s.Igy, "Ip = Igz + Igy");
    return a;
}
