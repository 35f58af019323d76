#include "torsion/region.h"

#include "model/catalogue.h"
#include "model/verification.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace torsion {

namespace {

bool aDesArcs(const modele::ElementSection& e) {
    const modele::FormeCatalogue* f = modele::trouverForme(e.Forme);
    return f != nullptr && !f->aHauteur();
}

// Sides to the turn of a disc of radius r in a section of extent `etendue`: sagitta r(1 - cos(t/2))
// below 4E-5 x etendue, a multiple of 4 so that half and quarter discs end on a vertex.
int cotesParTour(double r, double etendue) {
    const double fleche = 4e-5 * etendue;
    const double angle = fleche >= r ? std::numbers::pi : 2.0 * std::acos(1.0 - fleche / r);
    const double cotes = std::ceil(2.0 * std::numbers::pi / angle / 4.0) * 4.0;
    return static_cast<int>(std::clamp(cotes, 32.0, 1024.0));
}

bool proches(Point a, Point b, double eps) {
    return std::abs(a.z - b.z) <= eps && std::abs(a.y - b.y) <= eps;
}

// Outlines that should meet but miss each other by a rounding (a quarter disc placed from a centroid
// written with another pi than the program's, or rounded to a few digits) would make the mesher refine
// along the gap without end, and would split the section in parts that the user meant joined. So points
// closer than `eps` become one, and a point closer than `eps` to another outline's side becomes a vertex
// of that side; then repeated points and outlines left without area go.
void souder(std::vector<Contour>& contours, double eps) {
    std::vector<Point> representants;
    for (Contour& c : contours) {
        for (Point& p : c.points) {
            const auto r = std::find_if(representants.begin(), representants.end(),
                                        [&](Point q) { return proches(p, q, eps); });
            if (r == representants.end()) {
                representants.push_back(p);
            } else {
                p = *r;
            }
        }
    }
    for (Contour& c : contours) {
        std::vector<Point> points;
        const std::size_t m = c.points.size();
        for (std::size_t i = 0; i < m; ++i) {
            const Point a = c.points[i];
            const Point b = c.points[(i + 1) % m];
            points.push_back(a);
            const double dz = b.z - a.z;
            const double dy = b.y - a.y;
            const double l2 = dz * dz + dy * dy;
            if (!(l2 > 0.0)) {
                continue;
            }
            std::vector<std::pair<double, Point>> entre;
            for (const Point& q : representants) {
                if (q.z < std::min(a.z, b.z) - eps || q.z > std::max(a.z, b.z) + eps ||
                    q.y < std::min(a.y, b.y) - eps || q.y > std::max(a.y, b.y) + eps || proches(q, a, eps) ||
                    proches(q, b, eps)) {
                    continue;
                }
                const double t = ((q.z - a.z) * dz + (q.y - a.y) * dy) / l2;
                const double ez = a.z + t * dz - q.z;
                const double ey = a.y + t * dy - q.y;
                if (t > 0.0 && t < 1.0 && ez * ez + ey * ey <= eps * eps) {
                    entre.emplace_back(t, q);
                }
            }
            std::sort(entre.begin(), entre.end(),
                      [](const auto& u, const auto& v) { return u.first < v.first; });
            for (const auto& [t, q] : entre) {
                points.push_back(q);
            }
        }
        c.points.clear();
        for (const Point& p : points) {
            if (c.points.empty() || p.z != c.points.back().z || p.y != c.points.back().y) {
                c.points.push_back(p);
            }
        }
        while (c.points.size() > 1 && c.points.front().z == c.points.back().z &&
               c.points.front().y == c.points.back().y) {
            c.points.pop_back();
        }
    }
    std::erase_if(contours, [](const Contour& c) {
        double aire = 0.0;
        for (std::size_t i = 0, j = c.points.size() - 1; i < c.points.size(); j = i++) {
            aire += c.points[j].z * c.points[i].y - c.points[i].z * c.points[j].y;
        }
        return c.points.size() < 3 || aire == 0.0;
    });
}

} // namespace

Region construireRegion(const modele::Section& s) {
    Region region;
    double zmin = std::numeric_limits<double>::infinity();
    double zmax = -zmin;
    double ymin = zmin;
    double ymax = -zmin;
    std::vector<std::vector<modele::PointZY>> grossiers;
    for (int k = 1; k <= s.NbrElement; ++k) {
        grossiers.push_back(modele::contourElement(s.element(k), 32));
        for (const modele::PointZY& p : grossiers.back()) {
            zmin = std::min(zmin, p.z);
            zmax = std::max(zmax, p.z);
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
        }
    }
    region.etendue = std::max(zmax - zmin, ymax - ymin);
    if (!(region.etendue > 0.0) || !std::isfinite(region.etendue)) {
        region.etendue = 0.0;
        return region;
    }
    region.origine = {(zmin + zmax) / 2.0, (ymin + ymax) / 2.0};
    const double grille = std::ldexp(1.0, std::ilogb(region.etendue) - 36);
    const auto caler = [grille](double v) { return std::round(v / grille) * grille; };
    for (int k = 1; k <= s.NbrElement; ++k) {
        const modele::ElementSection& e = s.element(k);
        if (grossiers[static_cast<std::size_t>(k - 1)].empty()) {
            continue;
        }
        int cotes = 4;
        if (aDesArcs(e)) {
            cotes = cotesParTour(std::abs(e.Dimension1), region.etendue);
            region.angleCorde = std::max(region.angleCorde, 360.0 / cotes);
        }
        Contour c;
        c.signe = e.Signe < 0.0 ? -1 : 1;
        for (const modele::PointZY& p : modele::contourElement(e, cotes)) {
            c.points.push_back({caler(p.z - region.origine.z), caler(p.y - region.origine.y)});
        }
        region.contours.push_back(std::move(c));
    }
    souder(region.contours, std::ldexp(1.0, std::ilogb(region.etendue) - 13));
    return region;
}

int couverture(const Region& region, Point p) {
    int n = 0;
    for (const Contour& c : region.contours) {
        bool dedans = false;
        const std::size_t m = c.points.size();
        for (std::size_t i = 0, j = m - 1; i < m; j = i++) {
            const Point& a = c.points[i];
            const Point& b = c.points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.z < (b.z - a.z) * (p.y - a.y) / (b.y - a.y) + a.z) {
                dedans = !dedans;
            }
        }
        if (dedans) {
            n += c.signe;
        }
    }
    return n;
}

} // namespace torsion
