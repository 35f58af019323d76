#pragma once

// Every figure the engine derives from a section, printed with %a (exact bits), one line per group:
// the nine totals, the Huygens table about each centroidal axis with its rounded distances, the
// second moment about the axis through each element's centroid and about a far one, the preview's
// analysis and its consistency check. A fault prints as "faute" and its kind. Two builds that print
// the same trace for the same sections compute the same bits.

#include "model/analyse.h"
#include "model/huygens.h"
#include "model/section.h"
#include "model/verification.h"
#include "platform/arithmetique.h"

#include <cstdio>
#include <functional>
#include <initializer_list>

namespace trace {

inline void valeurs(std::FILE* f, const char* nom, std::initializer_list<double> v) {
    std::fprintf(f, "%s", nom);
    for (const double x : v) {
        std::fprintf(f, " %a", x);
    }
    std::fputc('\n', f);
}

// Runs `calcul`; on a fault prints its kind under `nom`.
inline void sansFaute(std::FILE* f, const char* nom, const std::function<void()>& calcul) {
    try {
        calcul();
    } catch (const plateforme::FauteArithmetique& e) {
        std::fprintf(f, "%s faute %d\n", nom, static_cast<int>(e.genre()));
    }
}

// `distances`: further distances of a parallel axis from G, one per axis (Y then Z), e.g. the axis a
// second-moment window shows; `contours`: the outlines of the consistency check too, point by point.
inline void section(std::FILE* f, const modele::Section& s, std::initializer_list<double> distances = {},
                    bool contours = false) {
    valeurs(f, "totaux", {s.Atotale, s.Soz, s.Soy, s.Yg, s.Zg, s.Igz, s.Igy, s.iGy, s.iGz});
    for (const modele::AxeMoment axe : {modele::AxeMoment::Y, modele::AxeMoment::Z}) {
        const char* nom = axe == modele::AxeMoment::Y ? "huygens Y" : "huygens Z";
        sansFaute(f, nom, [&] {
            const modele::TableauHuygens t = modele::tableauHuygens(s, axe);
            for (const modele::LigneHuygens& l : t.lignes) {
                valeurs(f, nom,
                        {l.aire, l.distance, modele::arrondirDistance(l.distance), l.statique, l.transport,
                         l.propre, l.somme});
                sansFaute(f, "decale",
                          [&] { valeurs(f, "decale", {modele::momentDecale(s, axe, l.distance)}); });
            }
            valeurs(f, "statique", {t.statique});
        });
    }
    auto axe = modele::AxeMoment::Y;
    for (const double d : distances) {
        sansFaute(f, "axe", [&] { valeurs(f, "axe", {d, modele::momentDecale(s, axe, d)}); });
        axe = modele::AxeMoment::Z;
    }
    // An axis so far away that d² leaves the range.
    sansFaute(f, "loin", [&] { valeurs(f, "loin", {modele::momentDecale(s, modele::AxeMoment::Y, 1e160)}); });
    sansFaute(f, "analyse", [&] {
        const modele::Analyse a = modele::analyser(s);
        valeurs(f, "analyse",
                {a.Igzy, a.I1, a.I2, a.Alpha, a.Vsup, a.Vinf, a.Vgauche, a.Vdroite, a.Welz, a.Wely, a.Ip});
    });
    for (int k = 1; k <= s.NbrElement; ++k) {
        sansFaute(f, "element", [&] {
            const modele::ElementSection& e = s.element(k);
            const modele::EtendueElement t = modele::etendue(e);
            valeurs(f, "element", {modele::produitInertiePropre(e), t.gauche, t.droite, t.haut, t.bas});
        });
        if (contours) {
            for (const modele::PointZY& p : modele::contourElement(s.element(k))) {
                valeurs(f, "contour", {p.z, p.y});
            }
        }
    }
    for (const modele::Incoherence& i : modele::verifier(s)) {
        std::fprintf(f, "incoherence %d %d %d %a\n", static_cast<int>(i.genre), i.premier, i.second, i.aire);
    }
}

} // namespace trace
