#include "model/verification.h"

#include "model/analyse.h"
#include "model/catalogue.h"
#include "model/polygones.h"
#include "platform/reel.h"

#include <cmath>
#include <exception>
#include <numbers>
#include <optional>

namespace modele {

namespace bg = boost::geometry;
using plateforme::Reel;
using polygones::Multi;
using polygones::Point;
using polygones::Polygone;

namespace {

constexpr double Seuil = 0.001; // 0.1 %

Point point(Reel z, Reel y) {
    return {static_cast<double>(z), static_cast<double>(y)};
}

// An arc of radius r about (zc, yc), from angle t0 to t1 (radians, 0 towards +Z, pi/2 towards +Y).
void arc(Polygone& p, Reel zc, Reel yc, Reel r, double t0, double t1, int cotesParTour) {
    const int cotes =
        std::max(1, static_cast<int>(std::lround((t1 - t0) / (2.0 * std::numbers::pi) * cotesParTour)));
    for (int i = 0; i <= cotes; ++i) {
        const double t = t0 + (t1 - t0) * i / cotes;
        bg::append(p.outer(), point(zc + r * std::cos(t), yc + r * std::sin(t)));
    }
}

// The element's outline in the user's frame; throws plateforme::FauteArithmetique.
Polygone construireContour(const ElementSection& e, const FormeCatalogue& forme, int cotesParTour) {
    const Reel z = e.Zg;
    const Reel y = e.Yg;
    const Reel a = abs(Reel(e.Dimension1));
    const double pi = std::numbers::pi;
    const Sens sens = forme.sens;
    Polygone p;
    const EtendueElement t = etendue(e);
    // The corner of the straight sides (the right angle, or the centre of a half or quarter disc) and,
    // for the triangle, the far ends of its legs.
    const Reel zc = sens.z > 0 ? z - t.droite : sens.z < 0 ? z + t.gauche : z;
    const Reel yc = sens.y > 0 ? y - t.bas : sens.y < 0 ? y + t.haut : y;
    switch (forme.famille) {
    case FamilleForme::Rectangle:
        bg::append(p.outer(), point(z - t.droite, y - t.bas));
        bg::append(p.outer(), point(z + t.gauche, y - t.bas));
        bg::append(p.outer(), point(z + t.gauche, y + t.haut));
        bg::append(p.outer(), point(z - t.droite, y + t.haut));
        break;
    case FamilleForme::Triangle:
        bg::append(p.outer(), point(zc, yc));
        bg::append(p.outer(), point(sens.z > 0 ? z + t.gauche : z - t.droite, yc));
        bg::append(p.outer(), point(zc, sens.y > 0 ? y + t.haut : y - t.bas));
        break;
    case FamilleForme::Disque:
        arc(p, z, y, a, 0.0, 2.0 * pi, cotesParTour);
        break;
    case FamilleForme::DemiDisqueHorizontal:
        if (sens.y > 0) {
            arc(p, zc, yc, a, 0.0, pi, cotesParTour);
        } else {
            arc(p, zc, yc, a, pi, 2.0 * pi, cotesParTour);
        }
        break;
    case FamilleForme::DemiDisqueVertical:
        if (sens.z > 0) { // round side to the left (+Z)
            arc(p, zc, yc, a, -pi / 2.0, pi / 2.0, cotesParTour);
        } else {
            arc(p, zc, yc, a, pi / 2.0, 3.0 * pi / 2.0, cotesParTour);
        }
        break;
    case FamilleForme::QuartDeDisque: {
        const double debut = sens.z > 0 ? (sens.y > 0 ? 0.0 : 1.5 * pi) : (sens.y > 0 ? 0.5 * pi : pi);
        bg::append(p.outer(), point(zc, yc));
        arc(p, zc, yc, a, debut, debut + pi / 2.0, cotesParTour);
        break;
    }
    }
    return p;
}

// The outline, or nothing for an empty element or one whose points leave the double range.
std::optional<Polygone> contour(const ElementSection& e, int cotesParTour = CotesParTourVerification) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr || e.Aire == 0.0) {
        return std::nullopt;
    }
    try {
        Polygone p = construireContour(e, *f, cotesParTour);
        bg::correct(p);
        return p;
    } catch (const plateforme::FauteArithmetique&) {
        return std::nullopt;
    }
}

} // namespace

std::vector<PointZY> contourElement(const ElementSection& e, int cotesParTour) {
    std::vector<PointZY> points;
    if (const auto p = contour(e, cotesParTour)) {
        points.reserve(p->outer().size());
        for (const Point& q : p->outer()) {
            points.push_back({q.x(), q.y()});
        }
    }
    return points;
}

std::optional<ArcZY> arcElement(const ElementSection& e) {
    const FormeCatalogue* f = trouverForme(e.Forme);
    if (f == nullptr || e.Aire == 0.0 || f->famille == FamilleForme::Rectangle ||
        f->famille == FamilleForme::Triangle) {
        return std::nullopt;
    }
    const double pi = std::numbers::pi;
    const Sens sens = f->sens;
    const EtendueElement t = etendue(e);
    ArcZY a;
    a.centre = {sens.z > 0   ? e.Zg - t.droite
                : sens.z < 0 ? e.Zg + t.gauche
                             : e.Zg,
                sens.y > 0   ? e.Yg - t.bas
                : sens.y < 0 ? e.Yg + t.haut
                             : e.Yg};
    a.rayon = std::fabs(e.Dimension1);
    switch (f->famille) {
    case FamilleForme::DemiDisqueHorizontal:
        a.debut = sens.y > 0 ? 0.0 : pi;
        break;
    case FamilleForme::DemiDisqueVertical:
        a.debut = sens.z > 0 ? -pi / 2.0 : pi / 2.0;
        break;
    case FamilleForme::QuartDeDisque:
        a.debut = sens.z > 0 ? (sens.y > 0 ? 0.0 : 1.5 * pi) : (sens.y > 0 ? 0.5 * pi : pi);
        break;
    default:
        break;
    }
    const double tour = f->famille == FamilleForme::Disque          ? 2.0 * pi
                        : f->famille == FamilleForme::QuartDeDisque ? pi / 2.0
                                                                    : pi;
    a.fin = a.debut + tour;
    return a;
}

namespace {

// The findings of the check, each with the region it concerns (the part of a hole outside the
// material, or the part two solids or two holes share).
struct Trouvee {
    Incoherence incoherence;
    Multi region;
};

std::vector<Trouvee> trouver(const Section& s) {
    std::vector<Trouvee> trouvees;
    struct Forme {
        int numero;
        Polygone contour;
        double aire;
    };
    std::vector<Forme> solides;
    std::vector<Forme> trous;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (auto p = contour(e)) {
            const double aire = bg::area(*p);
            (e.Signe == 1.0 ? solides : trous).push_back({k, std::move(*p), aire});
        }
    }
    const auto garder = [&](GenreIncoherence genre, int i, int j, Multi region, double reference) {
        const double aire = bg::area(region);
        if (aire > Seuil * reference) {
            trouvees.push_back({{genre, i, j, aire}, std::move(region)});
        }
    };
    try {
        Multi matiere;
        for (const Forme& f : solides) {
            Multi reunion;
            bg::union_(matiere, f.contour, reunion);
            matiere = std::move(reunion);
        }
        for (const Forme& t : trous) {
            Multi dehors;
            bg::difference(t.contour, matiere, dehors);
            garder(GenreIncoherence::TrouHorsMatiere, t.numero, 0, std::move(dehors), t.aire);
        }
        for (const auto* groupe : {&solides, &trous}) {
            const GenreIncoherence genre = groupe == &solides ? GenreIncoherence::SuperpositionSolides
                                                              : GenreIncoherence::SuperpositionTrous;
            for (std::size_t i = 0; i < groupe->size(); ++i) {
                for (std::size_t j = i + 1; j < groupe->size(); ++j) {
                    const Forme& a = (*groupe)[i];
                    const Forme& b = (*groupe)[j];
                    Multi commun;
                    bg::intersection(a.contour, b.contour, commun);
                    garder(genre, a.numero, b.numero, std::move(commun), std::min(a.aire, b.aire));
                }
            }
        }
    } catch (const std::exception&) {
        // Coordinates so far apart that the overlay cannot be computed: nothing reliable to report.
        trouvees.clear();
    }
    return trouvees;
}

} // namespace

std::vector<Incoherence> verifier(const Section& s) {
    std::vector<Incoherence> incoherences;
    for (const Trouvee& t : trouver(s)) {
        incoherences.push_back(t.incoherence);
    }
    return incoherences;
}

std::vector<std::vector<PointZY>> superpositions(const Section& s) {
    std::vector<std::vector<PointZY>> zones;
    for (const Trouvee& t : trouver(s)) {
        if (t.incoherence.genre == GenreIncoherence::TrouHorsMatiere) {
            continue;
        }
        for (const Polygone& p : t.region) {
            std::vector<PointZY>& zone = zones.emplace_back();
            for (const Point& q : p.outer()) {
                zone.push_back({q.x(), q.y()});
            }
        }
    }
    return zones;
}

} // namespace modele
