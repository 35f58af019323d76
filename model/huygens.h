#pragma once

// The figures of the second-moment detail windows, without any window: the Huygens table of the
// section about one of its centroidal axes, the rounding of the distance column, and the second
// moment about a parallel axis. Every step is checked (platform/reel.h) and throws
// plateforme::FauteArithmetique where it leaves the double range.

#include "model/section.h"

#include <vector>

namespace modele {

// The centroidal axis a window details: GY, the vertical one (DetailIGY, abscissas Zg, own Igy), or
// GZ, the horizontal one (DetailIGZ, ordinates Yg, own Igz).
enum class AxeMoment { Y, Z };

// The coordinate across the axis: Zg for GY, Yg for GZ; of an element as entered, or of the section.
double coordonnee(const ElementSection& e, AxeMoment axe);
double coordonnee(const Section& s, AxeMoment axe);
// The element's own signed second moment about its centroidal axis parallel to the axis.
double momentPropre(const ElementSection& e, AxeMoment axe);
// The element's static moment about the input frame's axis parallel to the axis, with its signed
// area: Ai x Zgi about OY for GY, Ai x Ygi about OZ for GZ (a term of Soy or Soz). Checked: throws
// plateforme::FauteArithmetique out of the double range.
double momentStatique(const ElementSection& e, AxeMoment axe);
// The section's second moment about the axis (Igy or Igz of the totals).
double moment(const Section& s, AxeMoment axe);

// One row of the table, for element k.
struct LigneHuygens {
    double aire = 0.0;      // Ak
    double distance = 0.0;  // Z_Gk = Zgk - Zg
    double statique = 0.0;  // Pk = Z_Gk x Ak
    double transport = 0.0; // Tk = (Z_Gk x Z_Gk) x Ak
    double propre = 0.0;    // own second moment of the element
    double somme = 0.0;     // Hk = Tk + own
};

struct TableauHuygens {
    std::vector<LigneHuygens> lignes; // elements 1 to NbrElement
    double statique = 0.0;            // the check total P2 + P1 + P3 + ... + Pn
};

TableauHuygens tableauHuygens(const Section& s, AxeMoment axe);

// The distance column: v rounded half to even to 4, 3, 2, 1 or 0 decimals as |v| is below 1, 10,
// 100, 1000 or not; 0 stays 0.
double arrondirDistance(double v);

// d² x A + I: the second moment of the section about the parallel axis at the distance d from its
// centroid, computed as ((d x d) x A) + I.
double momentDecale(const Section& s, AxeMoment axe, double d);

} // namespace modele
