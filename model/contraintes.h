#pragma once

// Normal stresses under a normal force and two bending moments (Navier, bending about both axes), the
// neutral axis, the central kern, and the radii of gyration and elastic moduli about the principal axes.
//
// Conventions (the user's frame: Z to the left, Y up; z and y measured from G):
// - N (kN) positive in tension; Mz and My (kN·m) defined by the stresses they balance,
//   Mz = ∫σ·y dA and My = ∫σ·z dA: a positive Mz stretches the fibres above Gz, a positive My those to
//   the left of Gy, and N applied at (e_z, e_y) from G gives Mz = N·e_y and My = N·e_z.
// - σ = N/A + a·z + b·y (MPa), with a·Igzy + b·Igz = Mz and a·Igy + b·Igzy = My:
//   a = (My·Igz − Mz·Igzy) / (Igz·Igy − Igzy·Igzy), b = (Mz·Igy − My·Igzy) / (Igz·Igy − Igzy·Igzy),
//   which reduce to σ = N/A + Mz·y/Igz + My·z/Igy when Igzy = 0 (then used as written).
// - The material is the solids' union less the holes, on the check's outlines (discs and arcs as
//   polygons of 256 sides to the turn). The extremes of a linear function over it are read on its convex
//   hull's vertices and, on each round side, at the exact point where the tangent is perpendicular to
//   the function's gradient (parallel to the neutral axis).
// - The kern: for each side of the convex hull, its antipole with respect to the central ellipse of
//   inertia (the point where N puts the neutral axis on that side). Exact for a polygonal hull; a round
//   side is taken by its chords, so that the kern of a disc of radius R is a polygon whose vertices lie
//   at R/4 / cos(π/256), within 8E-5 of R/4.

#include "model/section.h"
#include "model/verification.h"

#include <optional>
#include <string>
#include <vector>

namespace modele {

struct Efforts {
    double N = 0.0;  // kN
    double Mz = 0.0; // kN·m
    double My = 0.0; // kN·m
    bool operator==(const Efforts&) const = default;
};

struct AxeNeutre {
    double angle = 0.0;          // degrees from +Z towards +Y, in (-90, 90]
    PointZY point;               // its point nearest G, in the user's frame
    std::optional<double> surGz; // the abscissa (user's frame) where it crosses Gz, if it does
    std::optional<double> surGy; // the ordinate where it crosses Gy, if it does
};

struct Contraintes {
    double sigmaG = 0.0; // N/A (MPa)
    double a = 0.0;      // MPa/mm, along z from G
    double b = 0.0;      // MPa/mm, along y from G
    double sigmaMax = 0.0;
    double sigmaMin = 0.0;
    std::optional<PointZY> pointMax; // user's frame; nothing when σ is uniform
    std::optional<PointZY> pointMin;
    std::optional<AxeNeutre> axe; // nothing when both moments are 0
};

struct Noyau {
    double i1 = 0.0; // √(I1/A), mm
    double i2 = 0.0;
    double v1 = 0.0; // farthest point of the material from the principal axis 1, mm
    double v2 = 0.0;
    double W1 = 0.0; // I1 / v1, mm³
    double W2 = 0.0;
    // In the user's frame, by increasing angle about G from +Z towards +Y, in [0, 360°).
    std::vector<PointZY> sommets;
};

struct Etude {
    std::string raison; // why the section gets no stresses (nor kern); empty when it gets them
    std::optional<Noyau> noyau;
    std::optional<Contraintes> contraintes;
};

// Elements 1 to NbrElement, from the totals already computed. A step that leaves the range of doubles
// leaves out what it computes and says so: the loads (near the double range) the stresses only.
Etude etudier(const Section& section, const Efforts& efforts);

} // namespace modele
