#include "torsion/maillage.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesh_vertex_base_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <unordered_map>

namespace torsion {

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Vb = CGAL::Triangulation_vertex_base_with_info_2<int, K, CGAL::Delaunay_mesh_vertex_base_2<K>>;
using Fb = CGAL::Delaunay_mesh_face_base_2<K>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
// Outlines cross each other (a hole over the edge of a solid): the crossings become vertices.
using Cdt = CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::Exact_predicates_tag>;
using Criteres = CGAL::Delaunay_mesh_size_criteria_2<Cdt>;
using Mailleur2 = CGAL::Delaunay_mesher_2<Cdt, Criteres>;

// Steps of refinement between two looks at the clock and the limits.
constexpr int PasEntreControles = 256;

} // namespace

struct Mailleur::Etat {
    Etat(const Region& r, const Limites& l, std::chrono::steady_clock::time_point e)
        : region(r), limites(l), echeance(e) {}
    const Region& region;
    Limites limites;
    std::chrono::steady_clock::time_point echeance;
    Cdt cdt;
    std::unique_ptr<Mailleur2> mailleur;
    IssueMaillage issue = IssueMaillage::Fait;
    bool initialise = false;
};

Mailleur::Mailleur(const Region& region, const Limites& limites,
                   std::chrono::steady_clock::time_point echeance)
    : m_etat(std::make_unique<Etat>(region, limites, echeance)) {
    Cdt& cdt = m_etat->cdt;
    for (const Contour& c : region.contours) {
        std::vector<Cdt::Vertex_handle> v;
        v.reserve(c.points.size());
        for (const Point& p : c.points) {
            v.push_back(cdt.insert(K::Point_2(p.z, p.y)));
        }
        for (std::size_t i = 0; i < v.size(); ++i) {
            const auto& a = v[i];
            const auto& b = v[(i + 1) % v.size()];
            if (a != b) {
                cdt.insert_constraint(a, b);
            }
        }
        if (cdt.number_of_vertices() > limites.maxSommets) {
            m_etat->issue = IssueMaillage::TropDeSommets;
            return;
        }
    }
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
        const K::Point_2 c =
            CGAL::centroid(f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point());
        f->set_in_domain(couverture(region, {c.x(), c.y()}) > 0);
    }
    m_etat->mailleur = std::make_unique<Mailleur2>(cdt);
}

Mailleur::~Mailleur() = default;

IssueMaillage Mailleur::raffiner(double taille, Maillage& maillage) {
    maillage = {};
    Etat& e = *m_etat;
    if (e.issue != IssueMaillage::Fait) {
        return e.issue;
    }
    // B = 1 / (2 sin(min angle)) = 1.41: angles above about 20.7 degrees.
    e.mailleur->set_criteria(Criteres(0.125, taille));
    if (!e.initialise) {
        e.mailleur->init(true);
        e.initialise = true;
    }
    int pas = 0;
    while (e.mailleur->step_by_step_refine_mesh()) {
        if (++pas % PasEntreControles != 0) {
            continue;
        }
        if (e.cdt.number_of_vertices() > e.limites.maxSommets) {
            return e.issue = IssueMaillage::TropDeSommets;
        }
        if (e.limites.abandon != nullptr && e.limites.abandon->load(std::memory_order_relaxed)) {
            return e.issue = IssueMaillage::Abandonne;
        }
        if (std::chrono::steady_clock::now() > e.echeance) {
            return e.issue = IssueMaillage::TropLong;
        }
    }
    for (auto v = e.cdt.finite_vertices_begin(); v != e.cdt.finite_vertices_end(); ++v) {
        v->info() = -1;
    }
    for (auto f = e.cdt.finite_faces_begin(); f != e.cdt.finite_faces_end(); ++f) {
        if (!f->is_in_domain()) {
            continue;
        }
        std::array<int, 3> t{};
        for (int i = 0; i < 3; ++i) {
            const auto v = f->vertex(i);
            if (v->info() < 0) {
                v->info() = static_cast<int>(maillage.sommets.size());
                maillage.sommets.push_back({v->point().x(), v->point().y()});
            }
            t[static_cast<std::size_t>(i)] = v->info();
        }
        maillage.triangles.push_back(t);
    }
    return IssueMaillage::Fait;
}

} // namespace torsion
