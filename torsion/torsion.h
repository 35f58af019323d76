#pragma once

// Saint-Venant torsion and warping of a section by finite elements: the torsion constant It, the
// warping constant Iw about the shear centre, and the shear centre C, in the user's frame (O, Z, Y).
// The section's elements are meshed (every outline a constraint, a triangle kept where the solids
// covering it outnumber the holes), the warping function solved on 6-node triangles, and the mesh
// refined until two successive meshes agree; their difference is the estimated error.
//
// Nothing of this runs until a window or the command line asks for it.

#include "model/section.h"
#include "torsion/maillage.h"

#include <array>
#include <string>
#include <vector>

namespace torsion {

enum class Etat {
    Calculee,    // It, Iw, Zc and Yc
    Parties,     // several separate parts: It only (the sum of the parts')
    Incoherente, // the consistency check finds something: nothing
    Vide,        // no material: nothing
    Echec,       // past a limit, or a degenerate mesh: nothing
    Abandonnee,  // stopped by the caller: nothing
};

struct Torsion {
    Etat etat = Etat::Vide;
    int parties = 0;
    double It = 0.0;         // mm⁴
    double Iw = 0.0;         // mm⁶, about the shear centre
    double Zc = 0.0;         // mm, the user's frame
    double Yc = 0.0;         // mm
    double erreur = 0.0;     // estimated relative error of It and Iw: the last two meshes' difference
    double angleCorde = 0.0; // degrees: arcs are chords of at most this angle (0 without arcs)
    // The final mesh, the user's frame: its corners and its triangles (6-node elements on them).
    std::vector<Point> sommets;
    std::vector<std::array<int, 3>> triangles;
    // The mesh's own area, centroid and second moments about the centroidal axes (Igz about the
    // horizontal one), which equal the section's up to the chords.
    double A = 0.0;
    double Zg = 0.0;
    double Yg = 0.0;
    double Igz = 0.0;
    double Igy = 0.0;

    bool aIt() const { return etat == Etat::Calculee || etat == Etat::Parties; }
    bool aCentre() const { return etat == Etat::Calculee; }
    std::size_t elements() const { return triangles.size(); }
};

// The sentence said in place of the figures that are not given ("" when everything is computed).
std::string phrase(const Torsion& t);

// The relative difference between two successive meshes below which the refinement stops.
inline constexpr double Precision = 5e-4;

// The sides of the final mesh's triangles, each once, the user's frame.
std::vector<std::array<Point, 2>> cotes(const Torsion& t);

Torsion calculerTorsion(const modele::Section& section, const Limites& limites = {});

} // namespace torsion
