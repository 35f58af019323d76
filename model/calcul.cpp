#include "model/calcul.h"

#include "model/catalogue.h"
#include "platform/reel.h"

namespace modele {

using plateforme::FauteArithmetique;
using plateforme::Reel;

namespace {

struct Totaux {
    double Atotale = 0.0, Soz = 0.0, Soy = 0.0, Yg = 0.0, Zg = 0.0, Igz = 0.0, Igy = 0.0, iGy = 0.0,
           iGz = 0.0;
};

// The totals of elements 1 to n of `section`, with element `remplace` (if any) standing in for element
// `indice`, in the number type N: Reel for the totals themselves, Bornee for the same operations with
// their bounds. Throws FauteArithmetique; writes nothing.
template <class N>
Sommes<N> sommes(const Section& section, int n, const ElementSection* remplace = nullptr, int indice = 0) {
    auto element = [&](int k) -> const ElementSection& {
        return (remplace != nullptr && k == indice) ? *remplace : section.element(k);
    };
    N a = enregistrement<N>(element(1).Aire);
    for (int k = 2; k <= n; ++k) {
        a += enregistrement<N>(element(k).Aire);
    }
    Sommes<N> t;
    t.A = a;
    if (a == 0.0) {
        return t; // every other total is 0
    }
    N soz = 0.0, soy = 0.0, igz = 0.0, igy = 0.0;
    for (int k = 1; k <= n; ++k) {
        const N ai = enregistrement<N>(element(k).Aire), ygi = element(k).Yg, zgi = element(k).Zg;
        soz += ygi * ai;
        soy += zgi * ai;
    }
    for (int k = 1; k <= n; ++k) {
        const N ai = enregistrement<N>(element(k).Aire), ygi = element(k).Yg;
        igz += ygi * ai * ygi;
        igz += enregistrement<N>(element(k).Igz);
    }
    for (int k = 1; k <= n; ++k) {
        const N ai = enregistrement<N>(element(k).Aire), zgi = element(k).Zg;
        igy += zgi * ai * zgi;
        igy += enregistrement<N>(element(k).Igy);
    }
    const N yg = soz / a;
    const N zg = soy / a;
    igz -= yg * a * yg; // to the axes through G
    igy -= zg * a * zg;
    t.Soz = soz;
    t.Soy = soy;
    t.Yg = yg;
    t.Zg = zg;
    t.Igz = igz;
    t.Igy = igy;
    t.iGz = puissance(abs(igz) / abs(a), 0.5);
    t.iGy = puissance(abs(igy) / abs(a), 0.5);
    return t;
}

Totaux totaux(const Section& section, int n, bool& aireNegative, const ElementSection* remplace = nullptr,
              int indice = 0) {
    const Sommes<Reel> s = sommes<Reel>(section, n, remplace, indice);
    aireNegative = s.A < 0.0;
    const auto d = [](Reel x) { return static_cast<double>(x); };
    return {d(s.A), d(s.Soz), d(s.Soy), d(s.Yg), d(s.Zg), d(s.Igz), d(s.Igy), d(s.iGy), d(s.iGz)};
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
    e.Aire = static_cast<double>(Reel(p.aire) * e.Signe);
    e.Igz = static_cast<double>(Reel(p.igz) * e.Signe);
    e.Igy = static_cast<double>(Reel(p.igy) * e.Signe);
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

CompteRendu appliquer(Section& section, const SaisieElement& saisie, const plateforme::FormatNombre& format) {
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

CompteRendu changerNombreElements(Section& section, int sens) {
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

Sommes<Bornee> bornesTotaux(const Section& section) {
    return sommes<Bornee>(section, section.NbrElement);
}

bool changerElementCourant(Section& section, int sens) {
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

} // namespace modele
