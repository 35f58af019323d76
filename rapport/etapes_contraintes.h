#pragma once

// The steps of the normal stresses, written once for the note and for the stresses window: each row the
// formula, the same with the section's figures and the loads, each term's value and the result. The two
// differ only in how they write: the note's × and every figure in full; the window's x between figures,
// · between symbols and the program's notation. Every figure comes from the engine
// (model/contraintes.h); a term is computed here only to be shown, in the engine's order.

#include "model/contraintes.h"
#include "model/section.h"

#include <QString>
#include <optional>
#include <vector>

namespace rapport {

struct Ecriture {
    QStringView fois; // the multiplication sign between figures, with its spaces
    QStringView par;  // the same between symbols (a·z)
    bool notation;    // a figure in the program's notation (« 1,8 E-1 ») rather than in full
};
inline constexpr Ecriture EcritureNote{u" × ", u" × ", false};
inline constexpr Ecriture EcritureFenetre{u" x ", u"·", true};

struct Etape {
    QString nom; // σG, a, b, σmax, σmin (or σ when it is uniform), θ, Z sur Gz, Y sur Gy
    QString formule;
    QString valeurs;
    QString termes;
    std::optional<double> resultat; // none: the neutral axis parallel to the axis it would cross
    QString unite;                  // MPa, MPa/mm, ° (the angle rounded to 2 decimals) or mm
};

// The steps of `c`, computed for `section` (its product of inertia Igzy: the reduced case when it is 0)
// under `efforts`; no neutral axis, no row for it.
std::vector<Etape> etapesContraintes(const modele::Section& section, double igzy,
                                     const modele::Efforts& efforts, const modele::Contraintes& c,
                                     Ecriture ecriture);

// A figure, a point (Z ; Y), as `ecriture` writes them.
QString chiffre(double x, Ecriture ecriture);
QString point(const modele::PointZY& p, Ecriture ecriture);

// What is said instead of the neutral axis: both moments are 0.
QString sansAxe(const modele::Contraintes& c);

} // namespace rapport
