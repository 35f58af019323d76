#pragma once

// The 6-node quadratic triangle with straight sides: corners 1, 2, 3 counter-clockwise, then the
// middles of sides 1-2, 2-3 and 3-1. Shape functions in area coordinates L1, L2, L3:
// Ni = Li (2 Li - 1) at the corners, 4 Li Lj at the middles. The stiffness, the load and the second
// moments (degree 2) are integrated exactly by the 3-point Gauss rule of degree 2, the products with the
// warping function (degree 3 and 4) by the 6-point rule of degree 4 (Dunavant).

#include <array>

namespace torsion {

struct PointGauss {
    std::array<double, 3> L;                 // area coordinates
    double poids;                            // the weights sum to 1 (times the triangle's area)
    std::array<double, 6> N;                 // shape functions
    std::array<std::array<double, 3>, 6> dN; // dNi/dLj
};

extern const std::array<PointGauss, 6> PointsGauss;
extern const std::array<PointGauss, 3> PointsGauss3;

// One triangle: its area and, at one Gauss point, the derivatives of the six shape functions along z
// and y.
struct Triangle6 {
    std::array<double, 3> z;
    std::array<double, 3> y;
    double aire() const;
    // dN/dz and dN/dy at the Gauss point g.
    void gradients(const PointGauss& g, std::array<double, 6>& dz, std::array<double, 6>& dy) const;
    // z and y at the Gauss point g.
    double zEn(const PointGauss& g) const { return g.L[0] * z[0] + g.L[1] * z[1] + g.L[2] * z[2]; }
    double yEn(const PointGauss& g) const { return g.L[0] * y[0] + g.L[1] * y[1] + g.L[2] * y[2]; }
};

} // namespace torsion
