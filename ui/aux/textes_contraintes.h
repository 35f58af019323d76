#pragma once

// The texts of the stresses window: each step of the computation written out (the formula, the same
// with the section's figures, each term's value, the result) and the explanation of each result row.

#include "model/contraintes.h"
#include "model/section.h"

#include <QString>
#include <vector>

namespace contraintes {

struct Etape {
    QString nom;      // σG, a, b, σmax, σmin, axe neutre
    QString formule;  // as written, then as computed
    QString valeurs;  // the same with the section's figures and the loads
    QString termes;   // the value of each term
    QString resultat; // with its unit
};

// The steps of `c`, computed for `section` (its product of inertia Igzy) under `efforts`.
std::vector<Etape> etapes(const modele::Section& section, double igzy, const modele::Efforts& efforts,
                          const modele::Contraintes& c);

// A number in the program's notation, the " E" and the exponent written only when it is not 0.
QString nombre(double x);
// (Z ; Y) rounded to 2 decimals.
QString point(const modele::PointZY& p);

// What is shown instead of the neutral axis: both moments are 0.
QString sansAxe(const modele::Contraintes& c);

} // namespace contraintes
