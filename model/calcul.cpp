#include "model/calcul.h"

#include "model/catalogue.h"

#include <cmath>

using plateforme::ajouter;
using plateforme::diviser;
using plateforme::FauteArithmetique;
using plateforme::multiplier;
using plateforme::puissance;
using plateforme::soustraire;

namespace {

struct Totaux {
    double Atotale = 0.0, Soz = 0.0, Soy = 0.0, Yg = 0.0, Zg = 0.0, Igz = 0.0, Igy = 0.0, iGy = 0.0,
           iGz = 0.0;
};

// The totals of elements 1 to n of `section`, with element `remplace` (if any) standing in for element
// `indice`. Throws FauteArithmetique; writes nothing.
Totaux totaux(const Section& section, int n, bool& aireNegative, const ElementSection* remplace = nullptr,
              int indice = 0) {
    auto element = [&](int k) -> const ElementSection& {
        return (remplace != nullptr && k == indice) ? *remplace : section.element(k);
    };
    Totaux t;
    t.Atotale = element(1).Aire;
    for (int k = 2; k <= n; ++k) {
        t.Atotale = ajouter(t.Atotale, element(k).Aire, "aire totale : somme des Ai");
    }
    aireNegative = t.Atotale < 0.0;
    if (t.Atotale == 0.0) {
        return t; // every other total is 0
    }
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = element(k);
        t.Soz = ajouter(t.Soz, multiplier(e.Yg, e.Aire, "moment statique Soz : Ygi x Ai"), "Soz : somme");
        t.Soy = ajouter(t.Soy, multiplier(e.Zg, e.Aire, "moment statique Soy : Zgi x Ai"), "Soy : somme");
    }
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = element(k);
        const double transport =
            multiplier(multiplier(e.Yg, e.Aire, "Igz : Ygi x Ai"), e.Yg, "Igz : (Ygi x Ai) x Ygi");
        t.Igz = ajouter(t.Igz, transport, "Igz : somme des termes de transport");
        t.Igz = ajouter(t.Igz, e.Igz, "Igz : somme des moments propres");
    }
    for (int k = 1; k <= n; ++k) {
        const ElementSection& e = element(k);
        const double transport =
            multiplier(multiplier(e.Zg, e.Aire, "Igy : Zgi x Ai"), e.Zg, "Igy : (Zgi x Ai) x Zgi");
        t.Igy = ajouter(t.Igy, transport, "Igy : somme des termes de transport");
        t.Igy = ajouter(t.Igy, e.Igy, "Igy : somme des moments propres");
    }
    t.Yg = diviser(t.Soz, t.Atotale, "Yg = Soz / A");
    t.Zg = diviser(t.Soy, t.Atotale, "Zg = Soy / A");
    t.Igz = soustraire(t.Igz,
                       multiplier(multiplier(t.Yg, t.Atotale, "Igz : Yg x A"), t.Yg, "Igz : (Yg x A) x Yg"),
                       "Igz : formule de Huygens");
    t.Igy = soustraire(t.Igy,
                       multiplier(multiplier(t.Zg, t.Atotale, "Igy : Zg x A"), t.Zg, "Igy : (Zg x A) x Zg"),
                       "Igy : formule de Huygens");
    t.iGz =
        puissance(diviser(std::fabs(t.Igz), std::fabs(t.Atotale), "iGz : |Igz| / |A|"), 0.5, "iGz : ^0,5");
    t.iGy =
        puissance(diviser(std::fabs(t.Igy), std::fabs(t.Atotale), "iGy : |Igy| / |A|"), 0.5, "iGy : ^0,5");
    return t;
}

// Every action ends here once it has succeeded: one change of the section.
void ecrire(Section& section, const Totaux& t) {
    section.Atotale = t.Atotale;
    section.Soz = t.Soz;
    section.Soy = t.Soy;
    section.Yg = t.Yg;
    section.Zg = t.Zg;
    section.Igz = t.Igz;
    section.Igy = t.Igy;
    section.iGy = t.iGy;
    section.iGz = t.iGz;
    ++section.Changements.valeur;
}

} // namespace

ElementSection MemoriseDonnees(const std::string& forme, double dimension1, double dimension2, double zg,
                               double yg, bool additionner) {
    ElementSection e;
    e.Signe = additionner ? 1.0 : -1.0;
    e.Forme = forme;
    e.Dimension1 = dimension1;
    e.Dimension2 = dimension2;
    const FormeCatalogue* f = trouverForme(forme);
    const ProprietesForme p =
        f != nullptr ? proprietesForme(f->famille, dimension1, dimension2) : ProprietesForme{};
    e.Yg = yg;
    e.Zg = zg;
    e.Aire = multiplier(p.aire, e.Signe, "aire x signe");
    e.Igz = multiplier(p.igz, e.Signe, "Igz x signe");
    e.Igy = multiplier(p.igy, e.Signe, "Igy x signe");
    return e;
}

CompteRendu Calcul(Section& section) {
    CompteRendu cr;
    try {
        ecrire(section, totaux(section, section.NbrElement, cr.aireNegative));
    } catch (const FauteArithmetique& f) {
        cr.faute = f;
    }
    return cr;
}

CompteRendu Appliquer(Section& section, const SaisieElement& saisie, const plateforme::FormatNombre& format) {
    CompteRendu cr;
    const auto d1 = plateforme::lireNombre(saisie.dimension1, format);
    const auto d2 = plateforme::lireNombre(saisie.dimension2, format);
    const auto zg = plateforme::lireNombre(saisie.zg, format);
    const auto yg = plateforme::lireNombre(saisie.yg, format);
    if (!d1 || !d2 || !zg || !yg) {
        cr.nonNumerique = true;
        return cr;
    }
    try {
        const ElementSection e = MemoriseDonnees(saisie.forme, *d1, *d2, *zg, *yg, saisie.additionner);
        const Totaux t = totaux(section, section.NbrElement, cr.aireNegative, &e, section.ElementCourant);
        section.elementCourant() = e;
        ecrire(section, t);
    } catch (const FauteArithmetique& f) {
        cr.faute = f;
    }
    return cr;
}

CompteRendu ChangerNombreElements(Section& section, int sens) {
    CompteRendu cr;
    std::int16_t n = section.NbrElement;
    if (sens > 0 && n < Section::MaxElements) {
        ++n;
    } else if (sens < 0 && n > 1) {
        --n;
    }
    try {
        const Totaux t = totaux(section, n, cr.aireNegative);
        section.NbrElement = n;
        if (section.ElementCourant > n) {
            section.ElementCourant = n;
        }
        ecrire(section, t);
    } catch (const FauteArithmetique& f) {
        cr.faute = f;
    }
    return cr;
}

bool ChangerElementCourant(Section& section, int sens) {
    if (sens > 0 && section.ElementCourant < section.NbrElement) {
        ++section.ElementCourant;
        return true;
    }
    if (sens < 0 && section.ElementCourant > 1) {
        --section.ElementCourant;
        return true;
    }
    return false;
}
