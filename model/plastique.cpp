#include "model/plastique.h"

#include "model/verification.h"

#include <algorithm>
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <cmath>
#include <vector>

namespace modele {

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>; // x: the coordinate across the axis, y: along it
using Polygone = bg::model::polygon<Point>;
using Multi = bg::model::multi_polygon<Polygone>;
using Boite = bg::model::box<Point>;

// Discs as polygons of 2048 sides: Wpl within 2E-6 of the disc's 4R³/3, so that even its shape factor
// rounds as the exact one (1,698).
constexpr int CotesParTour = 2048;

struct Forme {
    Polygone contour;
    double signe = 1.0;
    double min = 0.0; // extent across the axis
    double max = 0.0;
    Boite cadre; // the outline's bounds with a margin, where the half planes are cut
};

// The elements' outlines with the coordinate across the axis first: Y for the axis parallel to Gz,
// Z for the one parallel to Gy.
std::vector<Forme> formes(const Section& s, bool travers_y) {
    std::vector<Forme> f;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const std::vector<PointZY> c = contourElement(s.element(k), CotesParTour);
        if (c.empty()) {
            continue;
        }
        Forme forme;
        forme.signe = s.element(k).Signe;
        for (const PointZY& p : c) {
            bg::append(forme.contour.outer(), travers_y ? Point(p.y, p.z) : Point(p.z, p.y));
        }
        bg::correct(forme.contour);
        const Boite e = bg::return_envelope<Boite>(forme.contour);
        forme.min = e.min_corner().x();
        forme.max = e.max_corner().x();
        const double marge =
            (e.max_corner().x() - e.min_corner().x()) + (e.max_corner().y() - e.min_corner().y());
        forme.cadre = Boite(Point(e.min_corner().x() - marge, e.min_corner().y() - marge),
                            Point(e.max_corner().x() + marge, e.max_corner().y() + marge));
        f.push_back(std::move(forme));
    }
    return f;
}

// The first moment about the line at `t` (the coordinate across the axis) of the material below it or
// above it, counted positive when the material lies away from the line.
double moment(const std::vector<Forme>& f, double t, bool dessous) {
    double m = 0.0;
    for (const Forme& forme : f) {
        if (dessous ? forme.min >= t : forme.max <= t) {
            continue;
        }
        Multi partie;
        if (dessous ? forme.max <= t : forme.min >= t) {
            partie.push_back(forme.contour);
        } else {
            Boite demiPlan = forme.cadre;
            (dessous ? demiPlan.max_corner() : demiPlan.min_corner()).x(t);
            bg::intersection(forme.contour, demiPlan, partie);
        }
        for (const Polygone& p : partie) {
            const double a = bg::area(p);
            if (a == 0.0) {
                continue;
            }
            Point g;
            bg::centroid(p, g);
            m += forme.signe * a * (dessous ? t - g.x() : g.x() - t);
        }
    }
    return m;
}

// The net area below `t`, for the bisection: each outline cut by the line (the part of a simple
// polygon on one side of a line is a polygon whose area the shoelace formula gives exactly, even where
// the cut joins separate pieces along the line), cheaper than an overlay at every step.
double aireDessous(const std::vector<Forme>& f, double t) {
    double total = 0.0;
    for (const Forme& forme : f) {
        if (forme.min >= t) {
            continue;
        }
        const auto& anneau = forme.contour.outer();
        double double_aire = 0.0;
        std::optional<Point> premier;
        Point precedent;
        const auto ajouter = [&](const Point& p) {
            if (premier) {
                double_aire += precedent.x() * p.y() - p.x() * precedent.y();
            } else {
                premier = p;
            }
            precedent = p;
        };
        for (std::size_t i = 0; i + 1 < anneau.size(); ++i) {
            const Point& a = anneau[i];
            const Point& b = anneau[i + 1];
            const bool dansA = a.x() <= t;
            const bool dansB = b.x() <= t;
            if (dansA) {
                ajouter(a);
            }
            if (dansA != dansB) {
                const double u = (t - a.x()) / (b.x() - a.x());
                ajouter(Point(t, a.y() + u * (b.y() - a.y())));
            }
        }
        if (premier) {
            ajouter(*premier);
        }
        total += forme.signe * std::abs(double_aire) / 2.0;
    }
    return total;
}

// The axis across which the net area splits in halves, and the modulus about it.
std::optional<std::pair<double, double>> axe(const std::vector<Forme>& f, double aireTotale) {
    if (f.empty()) {
        return std::nullopt;
    }
    double bas = f.front().min;
    double haut = f.front().max;
    for (const Forme& forme : f) {
        bas = std::min(bas, forme.min);
        haut = std::max(haut, forme.max);
    }
    // The net area below the line grows from 0 at the bottom to the whole at the top (for a section
    // whose holes lie in its material; otherwise one crossing is found all the same).
    for (int i = 0; i < 200; ++i) {
        const double milieu = bas + (haut - bas) / 2.0;
        if (milieu <= bas || milieu >= haut) {
            break;
        }
        (aireDessous(f, milieu) < aireTotale / 2.0 ? bas : haut) = milieu;
    }
    const double t = bas + (haut - bas) / 2.0;
    const double w = std::abs(moment(f, t, true)) + std::abs(moment(f, t, false));
    if (!std::isfinite(t) || !std::isfinite(w)) {
        return std::nullopt;
    }
    return std::pair{t, w};
}

} // namespace

std::optional<Plastique> plastique(const Section& section) {
    const double aire = section.Atotale;
    if (!(aire > 0.0) || !std::isfinite(aire)) {
        return std::nullopt;
    }
    const auto z = axe(formes(section, true), aire);
    const auto y = axe(formes(section, false), aire);
    if (!z || !y) {
        return std::nullopt;
    }
    return Plastique{z->first, y->first, z->second, y->second};
}

} // namespace modele
