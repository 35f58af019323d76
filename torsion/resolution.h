#pragma once

// The Saint-Venant warping function of one connected part on its 6-node mesh, and the part's figures.
// The warping function w solves div grad w = 0 with dw/dn = y nz - z ny on the outline (z, y measured
// from the part's centroid); in the weak form K w = f with K = sum of the integrals of grad N . grad N
// and f = integral of grad N . (y, -z), one node pinned.

#include "torsion/region.h"

#include <array>
#include <optional>
#include <vector>

namespace torsion {

struct FiguresPartie {
    double A = 0.0;
    double Zg = 0.0; // centroid, the region's coordinates
    double Yg = 0.0;
    double Izz = 0.0; // integral of z² dA about the centroid (the user's Igy)
    double Iyy = 0.0; // integral of y² dA about the centroid (the user's Igz)
    double Izy = 0.0;
    double It = 0.0; // Ip - w' K w
    double Iw = 0.0; // integral of (w about the shear centre, mean removed)² dA
    double Zc = 0.0; // shear centre, the region's coordinates
    double Yc = 0.0;
};

// Empty when the stiffness cannot be factorised (a degenerate mesh).
std::optional<FiguresPartie> resoudre(const std::vector<Point>& sommets,
                                      const std::vector<std::array<int, 3>>& triangles);

} // namespace torsion
