#include "torsion/resolution.h"

#include "torsion/element.h"

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>
#include <cstdint>
#include <unordered_map>

namespace torsion {

namespace {

struct Element {
    Triangle6 geometrie;
    std::array<int, 6> noeuds;
};

// The elements with their six node numbers (corners first, then the middles of the sides).
std::vector<Element> numeroter(const std::vector<Point>& sommets,
                               const std::vector<std::array<int, 3>>& triangles, int& nbNoeuds) {
    std::unordered_map<int, int> coins;
    std::unordered_map<std::uint64_t, int> milieux;
    nbNoeuds = 0;
    const auto coin = [&](int v) {
        const auto [it, nouveau] = coins.try_emplace(v, nbNoeuds);
        nbNoeuds += nouveau ? 1 : 0;
        return it->second;
    };
    const auto milieu = [&](int a, int b) {
        const std::uint64_t cle =
            (static_cast<std::uint64_t>(std::min(a, b)) << 32) | static_cast<std::uint32_t>(std::max(a, b));
        const auto [it, nouveau] = milieux.try_emplace(cle, nbNoeuds);
        nbNoeuds += nouveau ? 1 : 0;
        return it->second;
    };
    std::vector<Element> elements;
    elements.reserve(triangles.size());
    for (const auto& t : triangles) {
        Element e{};
        for (std::size_t i = 0; i < 3; ++i) {
            const Point& p = sommets[static_cast<std::size_t>(t[i])];
            e.geometrie.z[i] = p.z;
            e.geometrie.y[i] = p.y;
            e.noeuds[i] = coin(t[i]);
        }
        for (std::size_t i = 0; i < 3; ++i) {
            e.noeuds[3 + i] = milieu(t[i], t[(i + 1) % 3]);
        }
        elements.push_back(e);
    }
    return elements;
}

} // namespace

std::optional<FiguresPartie> resoudre(const std::vector<Point>& sommets,
                                      const std::vector<std::array<int, 3>>& triangles) {
    int n = 0;
    std::vector<Element> elements = numeroter(sommets, triangles, n);
    FiguresPartie r;
    double sz = 0.0;
    double sy = 0.0;
    for (const Element& e : elements) {
        const double a = e.geometrie.aire();
        r.A += a;
        sz += a * (e.geometrie.z[0] + e.geometrie.z[1] + e.geometrie.z[2]) / 3.0;
        sy += a * (e.geometrie.y[0] + e.geometrie.y[1] + e.geometrie.y[2]) / 3.0;
    }
    if (!(r.A > 0.0) || n < 2) {
        return std::nullopt;
    }
    r.Zg = sz / r.A;
    r.Yg = sy / r.A;
    for (Element& e : elements) {
        for (std::size_t i = 0; i < 3; ++i) {
            e.geometrie.z[i] -= r.Zg;
            e.geometrie.y[i] -= r.Yg;
        }
    }
    // Node 0 pinned: unknown k is node k + 1.
    std::vector<Eigen::Triplet<double>> termes;
    termes.reserve(elements.size() * 21);
    Eigen::VectorXd f = Eigen::VectorXd::Zero(n - 1);
    std::array<double, 6> dz{};
    std::array<double, 6> dy{};
    for (const Element& e : elements) {
        const double a = e.geometrie.aire();
        std::array<std::array<double, 6>, 6> k{};
        std::array<double, 6> fe{};
        for (const PointGauss& g : PointsGauss3) {
            e.geometrie.gradients(g, dz, dy);
            const double w = g.poids * a;
            const double z = e.geometrie.zEn(g);
            const double y = e.geometrie.yEn(g);
            r.Izz += w * z * z;
            r.Iyy += w * y * y;
            r.Izy += w * z * y;
            for (std::size_t i = 0; i < 6; ++i) {
                fe[i] += w * (dz[i] * y - dy[i] * z);
                for (std::size_t j = 0; j < 6; ++j) {
                    k[i][j] += w * (dz[i] * dz[j] + dy[i] * dy[j]);
                }
            }
        }
        for (std::size_t i = 0; i < 6; ++i) {
            const int li = e.noeuds[i] - 1;
            if (li < 0) {
                continue;
            }
            f[li] += fe[i];
            for (std::size_t j = 0; j < 6; ++j) {
                const int cj = e.noeuds[j] - 1;
                if (cj >= 0 && cj <= li) { // the lower triangle: all that the factorisation reads
                    termes.emplace_back(li, cj, k[i][j]);
                }
            }
        }
    }
    Eigen::SparseMatrix<double> K(n - 1, n - 1);
    K.setFromTriplets(termes.begin(), termes.end());
    const Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> ldlt(K);
    if (ldlt.info() != Eigen::Success) {
        return std::nullopt;
    }
    Eigen::VectorXd w(n);
    w[0] = 0.0;
    w.tail(n - 1) = ldlt.solve(f);
    if (ldlt.info() != Eigen::Success || !w.allFinite()) {
        return std::nullopt;
    }
    r.It = r.Izz + r.Iyy - w.tail(n - 1).dot(f);

    // The shear centre (Trefftz): the pole (a, b) about which w_P = w - b z + a y has no product with
    // z nor with y, so that bending causes no warping moment.
    const auto valeur = [&w](const Element& e, const PointGauss& g) {
        double v = 0.0;
        for (std::size_t i = 0; i < 6; ++i) {
            v += g.N[i] * w[e.noeuds[i]];
        }
        return v;
    };
    double iw = 0.0;
    double izw = 0.0;
    double iyw = 0.0;
    for (const Element& e : elements) {
        const double a = e.geometrie.aire();
        for (const PointGauss& g : PointsGauss) {
            const double p = g.poids * a;
            const double v = valeur(e, g);
            iw += p * v;
            izw += p * e.geometrie.zEn(g) * v;
            iyw += p * e.geometrie.yEn(g) * v;
        }
    }
    const double d = r.Izz * r.Iyy - r.Izy * r.Izy;
    const double ac = (izw * r.Izy - r.Izz * iyw) / d;
    const double bc = (r.Iyy * izw - r.Izy * iyw) / d;
    const double moyenne = iw / r.A;
    for (const Element& e : elements) {
        const double a = e.geometrie.aire();
        for (const PointGauss& g : PointsGauss) {
            const double v = valeur(e, g) - bc * e.geometrie.zEn(g) + ac * e.geometrie.yEn(g) - moyenne;
            r.Iw += g.poids * a * v * v;
        }
    }
    r.Zc = r.Zg + ac;
    r.Yc = r.Yg + bc;
    return r;
}

} // namespace torsion
