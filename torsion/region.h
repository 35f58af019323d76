#pragma once

// The material region of a section as the mesher sees it: every element's outline (discs and arcs as
// chords), each point snapped to a grid of 2^-36 of the section's extent and moved so that the middle
// of the section's box is at the origin, points and sides closer than 2^-13 of the extent joined, with
// its sign (+1 solid, -1 hole). A point is material when
// the solids covering it outnumber the holes covering it.

#include "model/section.h"

#include <vector>

namespace torsion {

struct Point {
    double z = 0.0; // along the user's Z (to the left), mm
    double y = 0.0; // along the user's Y (up), mm
};

struct Contour {
    std::vector<Point> points; // not closed: the last point differs from the first
    int signe = 1;
};

struct Region {
    std::vector<Contour> contours;
    Point origine;           // the user's coordinates of the region's (0, 0)
    double etendue = 0.0;    // the larger side of the section's box, mm
    double angleCorde = 0.0; // the largest angle an arc's chord subtends, degrees (0 without arcs)
};

// Elements 1 to NbrElement that have an area. A disc's chords are chosen so that their sagitta stays
// below 4E-5 of the section's extent (at least 32 and at most 1024 to the turn).
Region construireRegion(const modele::Section& section);

// Solids covering p minus holes covering p (p in the region's coordinates, not on an outline).
int couverture(const Region& region, Point p);

} // namespace torsion
