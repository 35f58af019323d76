#include "torsion/torsion.h"

#include "model/catalogue.h"
#include "model/verification.h"
#include "torsion/resolution.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace torsion {

namespace {

// The parts of the mesh joined by a side (parts that touch at a point twist on their own).
std::vector<int> composantes(const Maillage& m, int& nb) {
    std::vector<int> parent(m.triangles.size());
    std::iota(parent.begin(), parent.end(), 0);
    const auto racine = [&parent](int i) {
        while (parent[static_cast<std::size_t>(i)] != i) {
            i = parent[static_cast<std::size_t>(i)] =
                parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
        }
        return i;
    };
    std::unordered_map<std::uint64_t, int> aretes;
    for (std::size_t t = 0; t < m.triangles.size(); ++t) {
        for (std::size_t i = 0; i < 3; ++i) {
            const int a = m.triangles[t][i];
            const int b = m.triangles[t][(i + 1) % 3];
            const std::uint64_t cle = (static_cast<std::uint64_t>(std::min(a, b)) << 32) |
                                      static_cast<std::uint32_t>(std::max(a, b));
            const auto [it, nouveau] = aretes.try_emplace(cle, static_cast<int>(t));
            if (!nouveau) {
                parent[static_cast<std::size_t>(racine(it->second))] = racine(static_cast<int>(t));
            }
        }
    }
    std::vector<int> partie(m.triangles.size());
    std::unordered_map<int, int> numeros;
    for (std::size_t t = 0; t < m.triangles.size(); ++t) {
        partie[t] =
            numeros.try_emplace(racine(static_cast<int>(t)), static_cast<int>(numeros.size())).first->second;
    }
    nb = static_cast<int>(numeros.size());
    return partie;
}

// The mirror axis of the elements, parallel to Y (vertical = true: the line z = constant) or to Z, when
// every element has its mirror image among them (itself for a shape symmetric about that line), to
// `tolerance` in the coordinates. On it lies the shear centre.
std::optional<double> axeDeSymetrie(const modele::Section& s, bool vertical, double tolerance) {
    struct Forme {
        const modele::FormeCatalogue* f;
        const modele::ElementSection* e;
    };
    std::vector<Forme> formes;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const modele::ElementSection& e = s.element(k);
        if (e.Aire != 0.0) {
            formes.push_back({modele::trouverForme(e.Forme), &e});
        }
    }
    if (formes.empty() || formes[0].f == nullptr) {
        return std::nullopt;
    }
    const auto position = [vertical](const Forme& f) { return vertical ? f.e->Zg : f.e->Yg; };
    const auto travers = [vertical](const Forme& f) { return vertical ? f.e->Yg : f.e->Zg; };
    const auto miroirs = [&](const Forme& a, const Forme& b, double axe) {
        const modele::Sens sa = a.f->sens;
        const modele::Sens sb = b.f->sens;
        return a.f->famille == b.f->famille && a.e->Signe == b.e->Signe &&
               std::abs(a.e->Dimension1) == std::abs(b.e->Dimension1) &&
               (!a.f->aHauteur() || std::abs(a.e->Dimension2) == std::abs(b.e->Dimension2)) &&
               (vertical ? (sa.z == -sb.z && sa.y == sb.y) : (sa.z == sb.z && sa.y == -sb.y)) &&
               travers(a) == travers(b) && std::abs(position(a) + position(b) - 2.0 * axe) <= tolerance;
    };
    for (const Forme& candidat : formes) {
        if (candidat.f == nullptr) {
            return std::nullopt;
        }
        const double axe = (position(formes[0]) + position(candidat)) / 2.0;
        std::vector<bool> pris(formes.size(), false);
        bool complet = true;
        for (std::size_t i = 0; i < formes.size() && complet; ++i) {
            if (pris[i]) {
                continue;
            }
            complet = false;
            for (std::size_t j = i; j < formes.size(); ++j) {
                if (!pris[j] && formes[j].f != nullptr && miroirs(formes[i], formes[j], axe)) {
                    pris[i] = pris[j] = true;
                    complet = true;
                    break;
                }
            }
        }
        if (complet) {
            return axe;
        }
    }
    return std::nullopt;
}

struct Niveau {
    Maillage maillage;
    std::vector<FiguresPartie> parties;
    double It = 0.0;
};

} // namespace

std::string phrase(const Torsion& t) {
    switch (t.etat) {
    case Etat::Calculee:
        return {};
    case Etat::Parties:
        return "La section est en " + std::to_string(t.parties) +
               " parties : It est la somme des leurs ; Iw et le centre de cisaillement ne sont pas définis.";
    case Etat::Incoherente:
        return "La torsion n'est pas calculée : la section a des incohérences (voir l'aperçu).";
    case Etat::Vide:
        return "La torsion n'est pas calculée : la section n'a pas de matière.";
    case Etat::Echec:
        return "La torsion n'est pas calculée : la section ne se laisse pas mailler dans les limites de "
               "temps et de taille.";
    case Etat::Abandonnee:
        return "La torsion n'est pas calculée : le calcul a été interrompu.";
    }
    return {};
}

std::vector<std::array<Point, 2>> cotes(const Torsion& t) {
    const auto cle = [](int a, int b) {
        return (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint32_t>(b);
    };
    std::unordered_set<std::uint64_t> orientes;
    for (const auto& tr : t.triangles) {
        for (std::size_t i = 0; i < 3; ++i) {
            orientes.insert(cle(tr[i], tr[(i + 1) % 3]));
        }
    }
    // An inner side belongs to two counter-clockwise triangles, which run it in opposite directions.
    std::vector<std::array<Point, 2>> c;
    for (const auto& tr : t.triangles) {
        for (std::size_t i = 0; i < 3; ++i) {
            const int a = tr[i];
            const int b = tr[(i + 1) % 3];
            if (a < b || !orientes.contains(cle(b, a))) {
                c.push_back({t.sommets[static_cast<std::size_t>(a)], t.sommets[static_cast<std::size_t>(b)]});
            }
        }
    }
    return c;
}

Torsion calculerTorsion(const modele::Section& s, const Limites& limites) {
    const auto echeance = std::chrono::steady_clock::now() + limites.duree;
    Torsion t;
    if (!modele::verifier(s).empty()) {
        t.etat = Etat::Incoherente;
        return t;
    }
    if (!(s.Atotale > 0.0) || !std::isfinite(s.Atotale)) {
        t.etat = Etat::Vide;
        return t;
    }
    const Region region = construireRegion(s);
    if (region.contours.empty()) {
        t.etat = Etat::Vide;
        return t;
    }
    t.angleCorde = region.angleCorde;
    Niveau precedent;
    Niveau courant;
    double taille = region.etendue / 8.0;
    double iwPrecedent = 0.0;
    Mailleur mailleur(region, limites, echeance);
    for (bool premier = true;; premier = false) {
        courant = {};
        switch (mailleur.raffiner(taille, courant.maillage)) {
        case IssueMaillage::Fait:
            break;
        case IssueMaillage::Abandonne:
            t.etat = Etat::Abandonnee;
            return t;
        case IssueMaillage::TropDeSommets:
        case IssueMaillage::TropLong:
            t.etat = Etat::Echec;
            return t;
        }
        if (courant.maillage.triangles.empty()) {
            t.etat = Etat::Vide;
            return t;
        }
        // Two meshes are compared only when the second has half as many triangles again: the size
        // binds only once it is below the outline's own features.
        const std::size_t avant = precedent.maillage.triangles.size();
        const std::size_t nombre = courant.maillage.triangles.size();
        if (!premier && 2 * nombre < 3 * avant) {
            taille /= 5 * nombre < 6 * avant ? 2.0 : std::sqrt(2.0);
            continue;
        }
        // The first mesh only gives the scale: it is never the one kept, so it is not solved.
        if (premier) {
            precedent = std::move(courant);
            taille /= std::sqrt(2.0);
            continue;
        }
        int nb = 0;
        const std::vector<int> partie = composantes(courant.maillage, nb);
        std::vector<std::vector<std::array<int, 3>>> triangles(static_cast<std::size_t>(nb));
        for (std::size_t i = 0; i < partie.size(); ++i) {
            triangles[static_cast<std::size_t>(partie[i])].push_back(courant.maillage.triangles[i]);
        }
        for (const auto& tp : triangles) {
            const std::optional<FiguresPartie> f = resoudre(courant.maillage.sommets, tp);
            if (!f || !std::isfinite(f->It) || !std::isfinite(f->Iw)) {
                t.etat = Etat::Echec;
                return t;
            }
            courant.parties.push_back(*f);
            courant.It += f->It;
        }
        // Iw next to It L², where it is negligible (a disc's is 0).
        const double iw = nb == 1 ? courant.parties[0].Iw : 0.0;
        if (!precedent.parties.empty()) {
            const double echelle =
                std::max(std::abs(iw), 1e-3 * courant.It * region.etendue * region.etendue);
            t.erreur = std::max(std::abs(courant.It - precedent.It) / courant.It,
                                std::abs(iw - iwPrecedent) / echelle);
            if (t.erreur < Precision) {
                break;
            }
        }
        precedent = std::move(courant);
        iwPrecedent = iw;
        taille /= std::sqrt(2.0);
    }
    // The figures in the user's frame.
    const Point o = region.origine;
    t.parties = static_cast<int>(courant.parties.size());
    t.It = courant.It;
    double sz = 0.0;
    double sy = 0.0;
    for (const FiguresPartie& f : courant.parties) {
        t.A += f.A;
        sz += f.A * f.Zg;
        sy += f.A * f.Yg;
    }
    const double zg = sz / t.A;
    const double yg = sy / t.A;
    for (const FiguresPartie& f : courant.parties) {
        t.Igz += f.Iyy + f.A * (f.Yg - yg) * (f.Yg - yg);
        t.Igy += f.Izz + f.A * (f.Zg - zg) * (f.Zg - zg);
    }
    t.Zg = o.z + zg;
    t.Yg = o.y + yg;
    if (t.parties == 1) {
        const FiguresPartie& f = courant.parties[0];
        t.etat = Etat::Calculee;
        t.Iw = f.Iw;
        t.Zc = o.z + f.Zc;
        t.Yc = o.y + f.Yc;
        // A mirror axis of the elements carries the shear centre exactly.
        const double tolerance = std::ldexp(4.0, std::ilogb(region.etendue) - 36);
        if (const auto axe = axeDeSymetrie(s, true, tolerance)) {
            t.Zc = *axe;
        }
        if (const auto axe = axeDeSymetrie(s, false, tolerance)) {
            t.Yc = *axe;
        }
    } else {
        t.etat = Etat::Parties;
    }
    t.sommets = std::move(courant.maillage.sommets);
    for (Point& p : t.sommets) {
        p = {p.z + o.z, p.y + o.y};
    }
    t.triangles = std::move(courant.maillage.triangles);
    return t;
}

} // namespace torsion
