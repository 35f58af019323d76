#include "model/analyse.h"

#include "model/calcul.h"
#include "model/catalogue.h"
#include "platform/reel.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace modele {

using plateforme::Reel;

namespace {

// 4R / (3 pi): the distance from a straight side of a half or quarter disc to its centroid.
Reel decalage(Reel r) {
    return 4.0 * r / (3.0 * Pi);
}

// The reach towards + and towards - of one axis: `loin` on the side the shape lies (sens > 0: +).
std::pair<Reel, Reel> portee(int sens, Reel loin, Reel pres) {
    return sens > 0 ? std::pair{loin, pres} : std::pair{pres, loin};
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
    Reel propre = 0.0; // a shape with an axis of symmetry
    if (f->famille == FamilleForme::Triangle) {
        const Reel bh = Reel(e.Dimension1) * e.Dimension2;
        propre = bh * bh / 72.0;
    } else if (f->famille == FamilleForme::QuartDeDisque) {
        const Reel r2 = Reel(e.Dimension1) * e.Dimension1;
        propre = (1.0 / 8.0 - (4.0 / 9.0) / Pi) * (r2 * r2);
    }
    // Negative when the straight sides run from the right angle towards +Z and +Y, or -Z and -Y.
    if (f->sens.z * f->sens.y > 0) {
        propre = -propre;
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
        const Reel h = abs(Reel(e.Dimension2));
        const auto [gauche, droite] = portee(f->sens.z, 2.0 * a / 3.0, a / 3.0);
        const auto [haut, bas] = portee(f->sens.y, 2.0 * h / 3.0, h / 3.0);
        return etendue(gauche, droite, haut, bas);
    }
    case FamilleForme::Disque:
        return etendue(a, a, a, a);
    default:
        break;
    }
    // Half and quarter discs: R across an axis of symmetry, the centroid's offset from a straight side.
    const Reel d = abs(decalage(a));
    const Reel reste = a - d;
    const auto [gauche, droite] = f->sens.z == 0 ? std::pair{a, a} : portee(f->sens.z, reste, d);
    const auto [haut, bas] = f->sens.y == 0 ? std::pair{a, a} : portee(f->sens.y, reste, d);
    return etendue(gauche, droite, haut, bas);
}

BornesAnalyse bornesAnalyse(const Section& s) {
    BornesAnalyse b;
    if (s.Atotale == 0.0) {
        return b;
    }
    // The stored totals, each with the bound of the operations that made it.
    const Sommes<Bornee> t = bornesTotaux(s);
    const auto total = [](double stocke, Bornee calcule) { return Bornee(stocke, calcule.erreur()); };
    const Bornee aire = total(s.Atotale, t.A), yg = total(s.Yg, t.Yg), zg = total(s.Zg, t.Zg);
    const Bornee igz = total(s.Igz, t.Igz), igy = total(s.Igy, t.Igy);

    Bornee igzy = 0.0;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        igzy += Bornee::enregistrement(e.Aire) * e.Yg * e.Zg;
        igzy += Bornee::enregistrement(produitInertiePropre(e));
    }
    igzy -= aire * yg * zg; // to the axes through G
    b.produitNul = igzy.nulle();
    b.Igzy = b.produitNul ? Bornee(0.0) : igzy;

    // Mohr's circle: centre (Igz + Igy) / 2, radius sqrt(((Igz - Igy) / 2)² + Igzy²).
    b.centre = (igz + igy) / 2.0;
    b.demiEcart = (igz - igy) / 2.0;
    b.tousPrincipaux = b.produitNul && b.demiEcart.nulle();
    if (b.tousPrincipaux) {
        b.I1 = b.I2 = b.centre;
    } else {
        const Bornee rayon = hypot(b.demiEcart, b.Igzy);
        b.I1 = b.centre + rayon;
        b.I2 = b.centre - rayon;
    }
    b.Ip = igz + igy;
    return b;
}

Analyse analyser(const Section& s) {
    Analyse a;
    if (s.Atotale == 0.0) {
        return a;
    }
    const BornesAnalyse b = bornesAnalyse(s);
    a.Igzy = b.Igzy.valeur();
    a.I1 = b.I1.valeur();
    a.I2 = b.I2.valeur();
    // I(theta) = centre + demiEcart cos 2theta - Igzy sin 2theta is largest at 2theta = atan2(-Igzy,
    // demiEcart).
    Reel alpha = Reel(std::atan2(-a.Igzy, b.demiEcart.valeur())) / 2.0 * 180.0 / M_PI;
    if (alpha <= -90.0 || b.tousPrincipaux) {
        alpha = b.tousPrincipaux ? 0.0 : alpha + 180.0;
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
    a.Ip = b.Ip.valeur();
    return a;
}

} // namespace modele
