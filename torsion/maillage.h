#pragma once

// The mesh of the material region: a constrained Delaunay triangulation of every outline, refined to
// triangles of angles above about 20.7 degrees and sides below a given size, kept where the region is
// material. The only unit that includes CGAL.

#include "torsion/region.h"

#include <array>
#include <atomic>
#include <chrono>
#include <memory>
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

// The triangulation of a region, refined step by step: each call to raffiner() goes on from the last
// mesh with a smaller size instead of starting again.
class Mailleur {
public:
    Mailleur(const Region& region, const Limites& limites, std::chrono::steady_clock::time_point echeance);
    ~Mailleur();
    Mailleur(const Mailleur&) = delete;
    Mailleur& operator=(const Mailleur&) = delete;

    // Refines to sides below `taille`; stops at the deadline or past the limits.
    IssueMaillage raffiner(double taille, Maillage& maillage);

private:
    struct Etat;
    std::unique_ptr<Etat> m_etat;
};

} // namespace torsion
