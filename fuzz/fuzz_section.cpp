// Capture and totals over random element sets: shapes, signed dimensions and coordinates up to 1E300,
// the count and the current element moved at random. After every action either a fault is reported
// and the section is exactly as before, or every total is finite; the count stays within 1 to 10 and
// the current element within 1 to the count. The preview's analysis then either reports a fault or
// gives finite values, and its consistency check names only elements of the section, with finite
// areas that are not negative (a shape drawn at 1E122 mm from O collapses to a zero area), and does
// nothing undefined on the way.

#include "model/analyse.h"
#include "model/calcul.h"
#include "model/catalogue.h"
#include "model/signification.h"
#include "model/verification.h"
#include "verifier.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

using namespace modele;

namespace {

class Lecteur {
public:
    Lecteur(const std::uint8_t* d, std::size_t n) : m_d(d), m_n(n) {}
    bool fini() const { return m_i >= m_n; }
    std::uint8_t octet() { return m_i < m_n ? m_d[m_i++] : 0; }
    // A signed value m x 10^e with m in [0, 65535] and e in [-300, 296].
    double valeur() {
        const int m = (octet() << 8) | octet();
        const int e = octet() % 150 * 4 - 300;
        const bool negatif = (octet() & 1) != 0;
        const double v = m * std::pow(10.0, e);
        return negatif ? -v : v;
    }

private:
    const std::uint8_t* m_d;
    std::size_t m_n;
    std::size_t m_i = 0;
};

std::string texte(double x) {
    char b[40];
    return {b, std::to_chars(b, b + sizeof b, x).ptr};
}

void verifierApercu(const Section& s) {
    try {
        const Analyse a = analyser(s);
        for (const double v :
             {a.Igzy, a.I1, a.I2, a.Alpha, a.Vsup, a.Vinf, a.Vgauche, a.Vdroite, a.Welz, a.Wely, a.Ip}) {
            EXIGER(std::isfinite(v));
        }
    } catch (const plateforme::FauteArithmetique&) {
        // Reported by the preview as values too large.
    }
    // The significance never fails, and what is made of a lost figure is lost with it.
    const Signification sens = signification(s);
    EXIGER(!sens.perdue(Quantite::A) || sens.perdues.count() == NombreQuantites);
    EXIGER(!sens.perdue(Quantite::Igz) || (sens.perdue(Quantite::igz) && sens.perdue(Quantite::Welz)));
    EXIGER(!sens.tousAxesPrincipaux || analyser(s).I1 == analyser(s).I2);
    for (const Incoherence& i : verifier(s)) {
        EXIGER(i.premier >= 1 && i.premier <= s.NbrElement);
        EXIGER(i.second >= 0 && i.second <= s.NbrElement && i.second != i.premier);
        EXIGER(std::isfinite(i.aire) && i.aire >= 0.0);
    }
}

bool totauxFinis(const Section& s) {
    for (const double t : {s.Atotale, s.Soz, s.Soy, s.Yg, s.Zg, s.Igz, s.Igy, s.iGy, s.iGz}) {
        if (!std::isfinite(t)) {
            return false;
        }
    }
    return true;
}

} // namespace

// When set (tests/trace_section.cpp), called with the section after every action.
void (*suivreSection)(const Section&) = nullptr;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    const plateforme::FormatNombre point{"."};
    Lecteur l(donnees, taille);
    Section s;
    while (!l.fini()) {
        const Section avant = s;
        CompteRendu cr;
        switch (l.octet() % 4) {
        case 0:
        case 1: {
            SaisieElement saisie;
            saisie.forme = std::string(Catalogue[l.octet() % Catalogue.size()].nom);
            saisie.dimension1 = texte(l.valeur());
            saisie.dimension2 = texte(l.valeur());
            saisie.zg = texte(l.valeur());
            saisie.yg = texte(l.valeur());
            saisie.additionner = (l.octet() & 1) != 0;
            cr = appliquer(s, saisie, point);
            EXIGER(!cr.nonNumerique);
            break;
        }
        case 2:
            cr = changerNombreElements(s, (l.octet() & 1) != 0 ? 1 : -1);
            break;
        default:
            changerElementCourant(s, (l.octet() & 1) != 0 ? 1 : -1);
            break;
        }
        if (cr.faute) {
            EXIGER(s == avant);
        } else {
            EXIGER(totauxFinis(s));
        }
        EXIGER(s.NbrElement >= 1 && s.NbrElement <= 10);
        EXIGER(s.ElementCourant >= 1 && s.ElementCourant <= s.NbrElement);
        if (suivreSection != nullptr) {
            suivreSection(s);
        }
    }
    verifierApercu(s);
    return 0;
}
