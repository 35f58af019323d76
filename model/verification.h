#pragma once

// A check of the section's consistency: the program trusts the user to place every shape, and a
// misplaced centroid is the commonest error. The check finds the holes that lie (partly) outside the
// material, and the solids, or the holes, that overlap each other. It refuses nothing: it reports.

#include "model/section.h"

#include <optional>
#include <vector>

namespace modele {

enum class GenreIncoherence {
    TrouHorsMatiere,      // a hole lies partly outside every solid: `aire` is the part outside
    SuperpositionSolides, // two solids share `aire`
    SuperpositionTrous,   // two holes share `aire`
};

struct Incoherence {
    GenreIncoherence genre = GenreIncoherence::TrouHorsMatiere;
    int premier = 0; // element numbers, 1 to 10; `second` is 0 for a hole outside the material
    int second = 0;
    double aire = 0.0; // mm²
};

struct PointZY {
    double z = 0.0;
    double y = 0.0;
};

// The sides to the turn of the discs and arcs of the check's outlines.
inline constexpr int CotesParTourVerification = 256;

// The outline of an element in the user's frame (discs and arcs as polygons of `cotesParTour` sides
// to the turn), closed (the last point repeats the first); empty for an element of zero area.
std::vector<PointZY> contourElement(const ElementSection& e, int cotesParTour = CotesParTourVerification);

// The round side of a disc, half disc or quarter disc: its centre and radius in the user's frame and its
// angles (radians, 0 towards +Z, pi/2 towards +Y, debut < fin), the same arc contourElement draws.
struct ArcZY {
    PointZY centre;
    double rayon = 0.0;
    double debut = 0.0;
    double fin = 0.0;
};

// Nothing for a shape with no round side or an element of zero area.
std::optional<ArcZY> arcElement(const ElementSection& e);

// Elements 1 to NbrElement; each finding is kept when its area exceeds 0.1 % of the smaller of the
// areas concerned (the hole's own area for a hole outside the material). Discs are drawn as polygons
// of 256 sides (an area error below 0.01 %).
std::vector<Incoherence> verifier(const Section& section);

// The regions that two solids, or two holes, share, for each such finding of verifier(): closed
// outlines in the user's frame (one finding may give several).
std::vector<std::vector<PointZY>> superpositions(const Section& section);

} // namespace modele
