#include "model/analyse.h"

#include "model/catalogue.h"
#include "platform/reel.h"

#include <algorithm>
#include <cmath>
#include <string_view>

using plateforme::Reel;

namespace {

constexpr std::string_view QuartSupGauche = "Quart de disque supérieur gauche";
constexpr std::string_view QuartSupDroite = "Quart de disque supérieur droite";
constexpr std::string_view QuartInfGauche = "Quart de disque inférieur gauche";
constexpr std::string_view QuartInfDroite = "Quart de disque inférieur droite";

// 4R / (3 pi): the distance from a straight side of a half or quarter disc to its centroid.
Reel decalage(Reel r) {
    return 4.0 * r / (3.0 * Pi);
}

EtendueElement etendue(Reel gauche, Reel droite, Reel haut, Reel bas) {
    return {static_cast<double>(gauche), static_cast<double>(droite), static_cast<double>(haut),
            static_cast<double>(bas)};
}

} // namespace

double produitInertiePropre(const ElementSection& e) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr) {
        return 0.0;
    }
    Reel propre = 0.0;
    if (f->famille == FamilleForme::Triangle) {
        const Reel bh = Reel(e.Dimension1) * e.Dimension2;
        propre = -(bh * bh / 72.0);
    } else if (f->famille == FamilleForme::QuartDeDisque) {
        const Reel r2 = Reel(e.Dimension1) * e.Dimension1;
        const Reel valeur = (1.0 / 8.0 - (4.0 / 9.0) / Pi) * (r2 * r2);
        const bool negatif = f->nom == QuartSupGauche || f->nom == QuartInfDroite;
        propre = negatif ? -valeur : valeur;
    }
    return static_cast<double>(propre * e.Signe);
}

EtendueElement etendue(const ElementSection& e) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr) {
        return {};
    }
    const Reel a = abs(Reel(e.Dimension1));
    switch (f->famille) {
    case FamilleForme::Rectangle: {
        const Reel h = abs(Reel(e.Dimension2));
        return etendue(a / 2.0, a / 2.0, h / 2.0, h / 2.0);
    }
    case FamilleForme::Triangle: {
        // Right angle at the lower right: the base runs to the left (+Z), the vertical side up.
        const Reel h = abs(Reel(e.Dimension2));
        return etendue(2.0 * a / 3.0, a / 3.0, 2.0 * h / 3.0, h / 3.0);
    }
    case FamilleForme::Disque:
        return etendue(a, a, a, a);
    default:
        break;
    }
    const Reel d = abs(decalage(a));
    const Reel reste = a - d;
    const std::string_view nom = f->nom;
    if (f->famille == FamilleForme::DemiDisqueHorizontal) {
        const bool superieur = nom == "Demi disque supérieur";
        return etendue(a, a, superieur ? reste : d, superieur ? d : reste);
    }
    if (f->famille == FamilleForme::DemiDisqueVertical) {
        const bool gauche = nom == "Demi disque gauche";
        return etendue(gauche ? reste : d, gauche ? d : reste, a, a);
    }
    const bool gauche = nom == QuartSupGauche || nom == QuartInfGauche;
    const bool superieur = nom == QuartSupGauche || nom == QuartSupDroite;
    return etendue(gauche ? reste : d, gauche ? d : reste, superieur ? reste : d, superieur ? d : reste);
}

Analyse Analyser(const Section& s) {
    Analyse a;
    if (s.Atotale == 0.0) {
        return a;
    }
    Reel igzy = 0.0;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        igzy += Reel(e.Aire) * e.Yg * e.Zg;
        igzy += produitInertiePropre(e);
    }
    igzy -= Reel(s.Atotale) * s.Yg * s.Zg; // to the axes through G

    // Mohr's circle: centre (Igz + Igy) / 2, radius sqrt(((Igz - Igy) / 2)² + Igzy²).
    const Reel centre = (Reel(s.Igz) + s.Igy) / 2.0;
    const Reel demiEcart = (Reel(s.Igz) - s.Igy) / 2.0;
    const Reel rayon = hypot(demiEcart, igzy);
    a.Igzy = static_cast<double>(igzy);
    a.I1 = static_cast<double>(centre + rayon);
    a.I2 = static_cast<double>(centre - rayon);
    // I(theta) = centre + demiEcart cos 2theta - Igzy sin 2theta is largest at 2theta = atan2(-Igzy,
    // demiEcart).
    Reel alpha = Reel(std::atan2(-a.Igzy, static_cast<double>(demiEcart))) / 2.0 * 180.0 / M_PI;
    if (alpha <= -90.0) {
        alpha += 180.0;
    }
    a.Alpha = alpha == 0.0 ? 0.0 : static_cast<double>(alpha); // no "-0"

    Reel vsup = 0.0, vinf = 0.0, vgauche = 0.0, vdroite = 0.0;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (e.Signe != 1.0 || e.Aire == 0.0) {
            continue; // holes and empty elements hold no material
        }
        const EtendueElement t = etendue(e);
        vsup = std::max(vsup, Reel(e.Yg) - s.Yg + t.haut);
        vinf = std::max(vinf, Reel(s.Yg) - e.Yg + t.bas);
        vgauche = std::max(vgauche, Reel(e.Zg) - s.Zg + t.gauche);
        vdroite = std::max(vdroite, Reel(s.Zg) - e.Zg + t.droite);
    }
    const Reel vy = std::max(vsup, vinf);
    const Reel vz = std::max(vgauche, vdroite);
    a.Vsup = static_cast<double>(vsup);
    a.Vinf = static_cast<double>(vinf);
    a.Vgauche = static_cast<double>(vgauche);
    a.Vdroite = static_cast<double>(vdroite);
    a.Welz = vy > 0.0 ? static_cast<double>(s.Igz / vy) : 0.0;
    a.Wely = vz > 0.0 ? static_cast<double>(s.Igy / vz) : 0.0;
    a.Ip = static_cast<double>(Reel(s.Igz) + s.Igy);
    return a;
}
