#pragma once

// The mesh of the material region: a constrained Delaunay triangulation of every outline, refined to
// triangles of angles above about 20.7 degrees and sides below a given size, kept where the region is
// material. The only unit that includes CGAL.

#include "torsion/region.h"

#include <array>
#include <atomic>
#include <chrono>
#include <vector>

namespace torsion {

struct Limites {
    std::size_t maxSommets = 60000;             // of the refined triangulation, holes included
    std::chrono::milliseconds duree{20000};     // for the whole computation
    const std::atomic<bool>* abandon = nullptr; // set by the caller to stop at the next step
};

struct Maillage {
    std::vector<Point> sommets;                // the region's coordinates
    std::vector<std::array<int, 3>> triangles; // counter-clockwise in (z, y)
};

enum class IssueMaillage { Fait, TropDeSommets, TropLong, Abandonne };

// Meshes `region` with sides below `taille`; stops at `echeance` or past the limits.
IssueMaillage mailler(const Region& region, double taille, const Limites& limites,
                      std::chrono::steady_clock::time_point echeance, Maillage& maillage);

} // namespace torsion
