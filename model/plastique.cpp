#include "model/plastique.h"

#include "model/verification.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace modele {

namespace {

// Discs as polygons of 2048 sides: Wpl within 2E-6 of the disc's 4R³/3, so that even its shape factor
// rounds as the exact one (1,698).
constexpr int CotesParTour = 2048;

// A point with the coordinate across the axis first (u) and the one along it (v).
struct Point {
    double u = 0.0;
    double v = 0.0;
};

struct Forme {
    std::vector<Point> contour; // closed: the last point repeats the first
    double signe = 1.0;
    double min = 0.0; // extent across the axis
    double max = 0.0;
};

// The elements' outlines, read once, turned for each axis: across Y for the axis parallel to Gz,
// across Z for the one parallel to Gy.
struct Contours {
    std::vector<std::vector<PointZY>> points;
    std::vector<double> signes;
};

Contours contours(const Section& s) {
    Contours c;
    for (int k = 1; k <= s.NbrElement; ++k) {
        std::vector<PointZY> p = contourElement(s.element(k), CotesParTour);
        if (!p.empty()) {
            c.points.push_back(std::move(p));
            c.signes.push_back(s.element(k).Signe);
        }
    }
    return c;
}

std::vector<Forme> formes(const Contours& c, bool traversY) {
    std::vector<Forme> f(c.points.size());
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        f[i].signe = c.signes[i];
        f[i].contour.reserve(c.points[i].size());
        for (const PointZY& p : c.points[i]) {
            f[i].contour.push_back(traversY ? Point{p.y, p.z} : Point{p.z, p.y});
        }
        const auto [bas, haut] =
            std::minmax_element(f[i].contour.begin(), f[i].contour.end(),
                                [](const Point& a, const Point& b) { return a.u < b.u; });
        f[i].min = bas->u;
        f[i].max = haut->u;
    }
    return f;
}

// The part of a shape on one side of the line u = t: its area and its first moment about the line,
// counted positive when it lies away from the line. The part of a simple polygon on one side of a line
// is the polygon cut along it, whose area and moment the shoelace formulas give exactly (where the cut
// joins separate pieces along the line, the joins add nothing).
struct Part {
    double aire = 0.0;
    double moment = 0.0;
};

Part part(const Forme& f, double t, bool dessous) {
    if (dessous ? f.min >= t : f.max <= t) {
        return {};
    }
    const bool entier = dessous ? f.max <= t : f.min >= t;
    const auto dedans = [&](const Point& p) { return entier || (dessous ? p.u <= t : p.u >= t); };
    double doubleAire = 0.0;
    double sixMoment = 0.0; // 6 x the first moment about u = 0
    bool premier = true;
    Point origine;
    Point precedent;
    const auto ajouter = [&](const Point& p) {
        if (premier) {
            origine = p;
            premier = false;
        } else {
            const double croix = precedent.u * p.v - p.u * precedent.v;
            doubleAire += croix;
            sixMoment += (precedent.u + p.u) * croix;
        }
        precedent = p;
    };
    for (std::size_t i = 0; i + 1 < f.contour.size(); ++i) {
        const Point& a = f.contour[i];
        const Point& b = f.contour[i + 1];
        if (dedans(a)) {
            ajouter(a);
        }
        if (!entier && dedans(a) != dedans(b)) {
            const double s = (t - a.u) / (b.u - a.u);
            ajouter({t, a.v + s * (b.v - a.v)});
        }
    }
    if (premier) {
        return {};
    }
    ajouter(origine);
    const double aire = doubleAire / 2.0;
    // The centroid's coordinate across the axis is sixMoment / (6 x area) whatever the ring's turn.
    const double centre = aire != 0.0 ? sixMoment / (3.0 * doubleAire) : t;
    return {f.signe * std::abs(aire), f.signe * std::abs(aire) * (dessous ? t - centre : centre - t)};
}

double aireDessous(const std::vector<Forme>& f, double t) {
    double a = 0.0;
    for (const Forme& forme : f) {
        a += part(forme, t, true).aire;
    }
    return a;
}

double moment(const std::vector<Forme>& f, double t, bool dessous) {
    double m = 0.0;
    for (const Forme& forme : f) {
        m += part(forme, t, dessous).moment;
    }
    return m;
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
    // whose holes lie in its material; otherwise one crossing is found all the same). Regula falsi with
    // the Illinois step keeps the crossing bracketed as bisection does, in far fewer cuts.
    const double moitie = aireTotale / 2.0;
    double fBas = -moitie;
    double fHaut = aireTotale - moitie;
    int cote = 0;
    for (int i = 0; i < 200 && fBas < 0.0 && fHaut > 0.0; ++i) {
        double t = bas - fBas * (haut - bas) / (fHaut - fBas);
        if (!(t > bas && t < haut)) {
            t = bas + (haut - bas) / 2.0;
            if (t <= bas || t >= haut) {
                break;
            }
        }
        const double ecart = aireDessous(f, t) - moitie;
        if (ecart < 0.0) {
            bas = t;
            fBas = ecart;
            if (cote == -1) {
                fHaut /= 2.0;
            }
            cote = -1;
        } else {
            haut = t;
            fHaut = ecart;
            if (cote == 1) {
                fBas /= 2.0;
            }
            cote = 1;
        }
    }
    // The crossing itself when a cut found it, else the middle of the bracket.
    const double t = fHaut == 0.0 ? haut : fBas == 0.0 ? bas : bas + (haut - bas) / 2.0;
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
    const Contours c = contours(section);
    const auto z = axe(formes(c, true), aire);
    const auto y = axe(formes(c, false), aire);
    if (!z || !y) {
        return std::nullopt;
    }
    return Plastique{z->first, y->first, z->second, y->second};
}

} // namespace modele
