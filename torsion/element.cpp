#include "torsion/element.h"

namespace torsion {

namespace {

PointGauss point(double l1, double l2, double l3, double poids) {
    PointGauss g{{l1, l2, l3}, poids, {}, {}};
    const std::array<double, 3> L = g.L;
    for (std::size_t i = 0; i < 3; ++i) {
        g.N[i] = L[i] * (2.0 * L[i] - 1.0);
        g.dN[i][i] = 4.0 * L[i] - 1.0;
        const std::size_t j = (i + 1) % 3;
        g.N[3 + i] = 4.0 * L[i] * L[j];
        g.dN[3 + i][i] = 4.0 * L[j];
        g.dN[3 + i][j] = 4.0 * L[i];
    }
    return g;
}

constexpr double A1 = 0.445948490915965;
constexpr double P1 = 0.223381589678011;
constexpr double A2 = 0.091576213509771;
constexpr double P2 = 0.109951743655322;

} // namespace

const std::array<PointGauss, 6> PointsGauss{
    point(A1, A1, 1.0 - 2.0 * A1, P1), point(A1, 1.0 - 2.0 * A1, A1, P1), point(1.0 - 2.0 * A1, A1, A1, P1),
    point(A2, A2, 1.0 - 2.0 * A2, P2), point(A2, 1.0 - 2.0 * A2, A2, P2), point(1.0 - 2.0 * A2, A2, A2, P2),
};

const std::array<PointGauss, 3> PointsGauss3{
    point(2.0 / 3.0, 1.0 / 6.0, 1.0 / 6.0, 1.0 / 3.0),
    point(1.0 / 6.0, 2.0 / 3.0, 1.0 / 6.0, 1.0 / 3.0),
    point(1.0 / 6.0, 1.0 / 6.0, 2.0 / 3.0, 1.0 / 3.0),
};

double Triangle6::aire() const {
    return ((z[1] - z[0]) * (y[2] - y[0]) - (z[2] - z[0]) * (y[1] - y[0])) / 2.0;
}

void Triangle6::gradients(const PointGauss& g, std::array<double, 6>& dz, std::array<double, 6>& dy) const {
    const double deuxA = 2.0 * aire();
    std::array<double, 3> b{};
    std::array<double, 3> c{};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t j = (i + 1) % 3;
        const std::size_t k = (i + 2) % 3;
        b[i] = (y[j] - y[k]) / deuxA; // dLi/dz
        c[i] = (z[k] - z[j]) / deuxA; // dLi/dy
    }
    for (std::size_t n = 0; n < 6; ++n) {
        dz[n] = g.dN[n][0] * b[0] + g.dN[n][1] * b[1] + g.dN[n][2] * b[2];
        dy[n] = g.dN[n][0] * c[0] + g.dN[n][1] * c[1] + g.dN[n][2] * c[2];
    }
}

} // namespace torsion
