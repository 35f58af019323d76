#include "model/signification.h"

#include "model/analyse.h"
#include "model/calcul.h"
#include "platform/arithmetique.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace modele {

namespace {

struct Nom {
    const char* libelle;
    const char* cle;
};

constexpr std::array<Nom, NombreQuantites> Noms{{
    {"A", "A"},
    {"Zg", "Zg"},
    {"Yg", "Yg"},
    {"Igz", "Igz"},
    {"Igy", "Igy"},
    {"igz", "igz"},
    {"igy", "igy"},
    {"Igzy", "Igzy"},
    {"I1", "I1"},
    {"I2", "I2"},
    {"alpha", "alpha"},
    {"v sup", "vsup"},
    {"v inf", "vinf"},
    {"v gauche", "vgauche"},
    {"v droite", "vdroite"},
    {"Wel,z", "Welz"},
    {"Wel,y", "Wely"},
    {"Wpl,z", "Wplz"},
    {"Wpl,y", "Wply"},
    {"Ip", "Ip"},
    {"Wpl,z / Wel,z", "FacteurFormeZ"},
    {"Wpl,y / Wel,y", "FacteurFormeY"},
}};

// The span of the elements (solids and holes) along Z and along Y, from their reach.
struct Envergure {
    double z = 0.0;
    double y = 0.0;
};

Envergure envergure(const Section& s) {
    constexpr double Infini = std::numeric_limits<double>::infinity();
    double zmin = Infini, zmax = -Infini, ymin = Infini, ymax = -Infini;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (e.Aire == 0.0) {
            continue;
        }
        const EtendueElement t = etendue(e);
        zmin = std::min(zmin, e.Zg - t.droite);
        zmax = std::max(zmax, e.Zg + t.gauche);
        ymin = std::min(ymin, e.Yg - t.bas);
        ymax = std::max(ymax, e.Yg + t.haut);
    }
    return zmax < zmin ? Envergure{} : Envergure{zmax - zmin, ymax - ymin};
}

// A centroid coordinate whose bound reaches the span: not placed in the material.
bool horsDePortee(const Bornee& coordonnee, double portee) {
    return coordonnee.erreur() > 0.0 && coordonnee.erreur() >= portee;
}

} // namespace

const char* libelle(Quantite q) {
    return Noms.at(static_cast<std::size_t>(q)).libelle;
}

const char* cle(Quantite q) {
    return Noms.at(static_cast<std::size_t>(q)).cle;
}

std::vector<Quantite> Signification::listePerdues() const {
    std::vector<Quantite> liste;
    for (int i = 0; i < NombreQuantites; ++i) {
        if (perdues.test(static_cast<std::size_t>(i))) {
            liste.push_back(static_cast<Quantite>(i));
        }
    }
    return liste;
}

Signification signification(const Section& s) {
    Signification r;
    if (s.Atotale == 0.0) {
        return r;
    }
    Sommes<Bornee> t;
    BornesAnalyse b;
    Envergure portee;
    try {
        t = bornesTotaux(s);
        b = bornesAnalyse(s);
        portee = envergure(s);
    } catch (const plateforme::FauteArithmetique&) {
        return r;
    }
    const auto perdre = [&r](std::initializer_list<Quantite> quantites) {
        for (const Quantite q : quantites) {
            r.perdues.set(static_cast<std::size_t>(q));
        }
    };
    using enum Quantite;
    const auto perdue = [&r](Quantite q) { return r.perdue(q); };

    if (t.A.bruit()) {
        perdre({A, Wplz, Wply});
    }
    if (perdue(A) || horsDePortee(t.Zg, portee.z)) {
        perdre({Zg, Igy, Vgauche, Vdroite, Wply});
    }
    if (perdue(A) || horsDePortee(t.Yg, portee.y)) {
        perdre({Yg, Igz, Vsup, Vinf, Wplz});
    }
    const bool centre = !perdue(Zg) && !perdue(Yg); // G is placed: the figures measured from it
    if (!centre) {
        perdre({Igzy, I1, I2, Ip});
    }
    if (t.Igz.bruit()) {
        perdre({Igz});
    }
    if (t.Igy.bruit()) {
        perdre({Igy});
    }
    if (b.I1.bruit()) {
        perdre({I1});
    }
    if (b.I2.bruit()) {
        perdre({I2});
    }
    if (b.Ip.bruit()) {
        perdre({Ip});
    }
    // What a quotient or a root makes of a lost figure.
    if (perdue(Igz)) {
        perdre({igz, Welz});
    }
    if (perdue(Igy)) {
        perdre({igy, Wely});
    }
    if (perdue(I1)) {
        perdre({alpha});
    }
    if (perdue(Welz) || perdue(Wplz)) {
        perdre({FacteurFormeZ});
    }
    if (perdue(Wely) || perdue(Wply)) {
        perdre({FacteurFormeY});
    }
    r.tousAxesPrincipaux = b.tousPrincipaux && !perdue(alpha);
    return r;
}

std::string textePertes(const Signification& signification) {
    const std::vector<Quantite> perdues = signification.listePerdues();
    if (perdues.empty()) {
        return {};
    }
    std::string noms;
    for (const Quantite q : perdues) {
        noms += (noms.empty() ? "" : ", ") + std::string(libelle(q));
    }
    const bool un = perdues.size() == 1;
    return (un ? "Le résultat " : "Les résultats ") + noms + (un ? " est perdu" : " sont perdus") +
           " dans les arrondis : des éléments presque égaux se retranchent.";
}

} // namespace modele
