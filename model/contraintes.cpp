#include "model/contraintes.h"

#include "model/analyse.h"
#include "model/polygones.h"
#include "model/signification.h"
#include "platform/reel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <numbers>

namespace modele {

namespace bg = boost::geometry;
using plateforme::Reel;
using polygones::Multi;
using polygones::Point;
using polygones::Polygone;

namespace {

const std::string SansAire = "La section n'a pas d'aire positive : ni contraintes ni noyau central.";
const std::string Incoherente = "La vérification trouve une incohérence dans la section : ni contraintes "
                                "ni noyau central tant qu'elle n'est pas corrigée.";
const std::string Perdue = "Les inerties de la section sont perdues dans les arrondis : ni contraintes ni "
                           "noyau central.";
const std::string SansContour = "Le contour de la matière ne peut pas être tracé (coordonnées trop "
                                "éloignées) : ni contraintes ni noyau central.";

const std::string TropGrand =
    "Les valeurs sont trop grandes pour que le noyau central et les contraintes soient calculés.";
const std::string EffortsTropGrands =
    "Les efforts sont trop grands pour que les contraintes soient calculées.";

// The material and what its extremes are read on.
struct Matiere {
    Multi region;
    std::vector<PointZY> enveloppe; // the convex hull, closed, clockwise
    std::vector<ArcZY> arcs;        // the solids' round sides
};

Polygone polygone(const std::vector<PointZY>& points) {
    Polygone p;
    for (const PointZY& q : points) {
        bg::append(p.outer(), Point(q.z, q.y));
    }
    bg::correct(p);
    return p;
}

std::optional<Matiere> matiere(const Section& s) {
    Matiere m;
    Multi trous;
    try {
        for (int k = 1; k <= s.NbrElement; ++k) {
            const ElementSection& e = s.element(k);
            const std::vector<PointZY> contour = contourElement(e);
            if (contour.empty()) {
                continue;
            }
            Multi& cible = e.Signe == 1.0 ? m.region : trous;
            Multi reunion;
            bg::union_(cible, polygone(contour), reunion);
            cible = std::move(reunion);
            if (const auto arc = arcElement(e); arc && e.Signe == 1.0) {
                m.arcs.push_back(*arc);
            }
        }
        Multi reste;
        bg::difference(m.region, trous, reste);
        m.region = std::move(reste);
        bg::model::ring<Point> enveloppe;
        bg::convex_hull(m.region, enveloppe);
        for (const Point& p : enveloppe) {
            m.enveloppe.push_back({p.x(), p.y()});
        }
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (m.enveloppe.size() < 4) {
        return std::nullopt;
    }
    return m;
}

struct Extreme {
    Reel max;
    Reel min;
    PointZY pointMax;
    PointZY pointMin;
};

// The extremes of f(z, y) = dz·(z − Zg) + dy·(y − Yg) over the material, (dz, dy) not zero.
Extreme extremes(const Section& s, const Matiere& m, Reel dz, Reel dy) {
    const auto f = [&](PointZY p) { return dz * (Reel(p.z) - s.Zg) + dy * (Reel(p.y) - s.Yg); };
    Extreme x{f(m.enveloppe.front()), f(m.enveloppe.front()), m.enveloppe.front(), m.enveloppe.front()};
    const auto retenir = [&](PointZY p) {
        const Reel v = f(p);
        if (v > x.max) {
            x.max = v;
            x.pointMax = p;
        }
        if (v < x.min) {
            x.min = v;
            x.pointMin = p;
        }
    };
    for (const PointZY& p : m.enveloppe) {
        retenir(p);
    }
    // On a round side, the point where the tangent is perpendicular to the gradient, when it lies on
    // the material's outline (within the chords' sagitta of it: not removed by a hole).
    const double pi = std::numbers::pi;
    const double gradient = std::atan2(static_cast<double>(dy), static_cast<double>(dz));
    for (const ArcZY& a : m.arcs) {
        const double fleche = 2.0 * a.rayon * (1.0 - std::cos(pi / CotesParTourVerification));
        for (double t : {gradient, gradient + pi}) {
            while (t < a.debut) {
                t += 2.0 * pi;
            }
            while (t > a.debut + 2.0 * pi) {
                t -= 2.0 * pi;
            }
            if (t > a.fin) {
                continue;
            }
            const PointZY p{a.centre.z + a.rayon * std::cos(t), a.centre.y + a.rayon * std::sin(t)};
            if (bg::distance(Point(p.z, p.y), m.region) <= fleche) {
                retenir(p);
            }
        }
    }
    return x;
}

Contraintes contraintes(const Section& s, const Analyse& an, const Matiere& m, const Efforts& ef) {
    Contraintes c;
    const Reel sigmaG = Reel(ef.N) * 1000.0 / s.Atotale;
    const Reel mz = Reel(ef.Mz) * 1.0E6; // N·mm
    const Reel my = Reel(ef.My) * 1.0E6;
    Reel a = 0.0, b = 0.0;
    if (an.Igzy == 0.0) {
        a = my / s.Igy;
        b = mz / s.Igz;
    } else {
        const Reel d = Reel(s.Igz) * s.Igy - Reel(an.Igzy) * an.Igzy;
        a = (my * s.Igz - mz * an.Igzy) / d;
        b = (mz * s.Igy - my * an.Igzy) / d;
    }
    c.sigmaG = static_cast<double>(sigmaG);
    c.a = static_cast<double>(a);
    c.b = static_cast<double>(b);
    c.sigmaMax = c.sigmaMin = c.sigmaG;
    if (a == 0.0 && b == 0.0) {
        return c; // uniform
    }
    const Extreme x = extremes(s, m, a, b);
    c.sigmaMax = static_cast<double>(sigmaG + x.max);
    c.sigmaMin = static_cast<double>(sigmaG + x.min);
    c.pointMax = x.pointMax;
    c.pointMin = x.pointMin;
    // σG + a·z + b·y = 0: along (b, −a); its point nearest G is −σG·(a, b) / (a² + b²).
    AxeNeutre axe;
    Reel angle = Reel(std::atan2(static_cast<double>(-a), static_cast<double>(b))) * 180.0 / M_PI;
    if (angle > 90.0) {
        angle -= 180.0;
    } else if (angle <= -90.0) {
        angle += 180.0;
    }
    axe.angle = angle == 0.0 ? 0.0 : static_cast<double>(angle);
    axe.point = {s.Zg, s.Yg};
    if (sigmaG != 0.0) {
        const Reel t = -sigmaG / (a * a + b * b);
        axe.point = {static_cast<double>(Reel(s.Zg) + t * a), static_cast<double>(Reel(s.Yg) + t * b)};
    }
    if (a != 0.0) {
        axe.surGz = static_cast<double>(Reel(s.Zg) - sigmaG / a);
    }
    if (b != 0.0) {
        axe.surGy = static_cast<double>(Reel(s.Yg) - sigmaG / b);
    }
    c.axe = axe;
    return c;
}

Noyau noyau(const Section& s, const Analyse& an, const Matiere& m) {
    Noyau n;
    const Reel aire = s.Atotale;
    n.i1 = static_cast<double>(puissance(abs(Reel(an.I1)) / aire, 0.5));
    n.i2 = static_cast<double>(puissance(abs(Reel(an.I2)) / aire, 0.5));
    const double t = static_cast<double>(Reel(an.Alpha) * M_PI / 180.0);
    const Reel c = std::cos(t), sn = std::sin(t);
    const Extreme x1 = extremes(s, m, -sn, c); // distance from axis 1, along (cos t, sin t)
    const Extreme x2 = extremes(s, m, c, sn);
    const Reel v1 = std::max(x1.max, -x1.min);
    const Reel v2 = std::max(x2.max, -x2.min);
    n.v1 = static_cast<double>(v1);
    n.v2 = static_cast<double>(v2);
    n.W1 = v1 > 0.0 ? static_cast<double>(an.I1 / v1) : 0.0;
    n.W2 = v2 > 0.0 ? static_cast<double>(an.I2 / v2) : 0.0;

    // Each side u·z + v·y = 1 of the hull (z, y from G): its antipole
    // e_z = −(u·Igy + v·Igzy) / A, e_y = −(u·Igzy + v·Igz) / A.
    struct Sommet {
        double angle;
        PointZY point;
    };
    std::vector<Sommet> sommets;
    for (std::size_t i = 0; i + 1 < m.enveloppe.size(); ++i) {
        const Reel pz = Reel(m.enveloppe[i].z) - s.Zg, py = Reel(m.enveloppe[i].y) - s.Yg;
        const Reel qz = Reel(m.enveloppe[i + 1].z) - s.Zg, qy = Reel(m.enveloppe[i + 1].y) - s.Yg;
        const Reel nz = qy - py, ny = pz - qz;
        const Reel d = nz * pz + ny * py;
        if (d == 0.0) {
            continue; // a side of no length, or through G
        }
        const Reel u = nz / d, v = ny / d;
        const Reel ez = -(u * s.Igy + v * an.Igzy) / aire;
        const Reel ey = -(u * an.Igzy + v * s.Igz) / aire;
        double angle = std::atan2(static_cast<double>(ey), static_cast<double>(ez));
        if (angle < 0.0) {
            angle += 2.0 * std::numbers::pi;
        }
        sommets.push_back({angle, {static_cast<double>(ez + s.Zg), static_cast<double>(ey + s.Yg)}});
    }
    std::sort(sommets.begin(), sommets.end(),
              [](const Sommet& p, const Sommet& q) { return p.angle < q.angle; });
    for (const Sommet& p : sommets) {
        n.sommets.push_back(p.point);
    }
    return n;
}

} // namespace

Etude etudier(const Section& s, const Efforts& efforts) {
    Etude e;
    if (!(s.Atotale > 0.0)) {
        e.raison = SansAire;
        return e;
    }
    if (!verifier(s).empty()) {
        e.raison = Incoherente;
        return e;
    }
    // What the stresses and the kern are made of must survive the rounding (model/signification.h); a
    // product of inertia that is noise is already 0 in analyser().
    const Signification sens = signification(s);
    if (std::ranges::any_of(std::array{Quantite::A, Quantite::Zg, Quantite::Yg, Quantite::Igz, Quantite::Igy,
                                       Quantite::I1, Quantite::I2},
                            [&sens](Quantite q) { return sens.perdue(q); })) {
        e.raison = Perdue;
        return e;
    }
    const std::optional<Matiere> m = matiere(s);
    if (!m) {
        e.raison = SansContour;
        return e;
    }
    Analyse an;
    try {
        an = analyser(s);
        e.noyau = noyau(s, an, *m);
    } catch (const plateforme::FauteArithmetique&) {
        e.raison = TropGrand;
        return e;
    }
    try {
        e.contraintes = contraintes(s, an, *m, efforts);
    } catch (const plateforme::FauteArithmetique&) {
        e.raison = EffortsTropGrands;
    }
    return e;
}

} // namespace modele
