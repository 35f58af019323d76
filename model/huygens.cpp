#include "model/huygens.h"

#include "platform/arrondi.h"
#include "platform/reel.h"

namespace modele {

using plateforme::Reel;

double coordonnee(const ElementSection& e, AxeMoment axe) {
    return axe == AxeMoment::Y ? e.Zg : e.Yg;
}
double coordonnee(const Section& s, AxeMoment axe) {
    return axe == AxeMoment::Y ? s.Zg : s.Yg;
}
double momentPropre(const ElementSection& e, AxeMoment axe) {
    return axe == AxeMoment::Y ? e.Igy : e.Igz;
}
double momentStatique(const ElementSection& e, AxeMoment axe) {
    return static_cast<double>(Reel(e.Aire) * coordonnee(e, axe));
}
double moment(const Section& s, AxeMoment axe) {
    return axe == AxeMoment::Y ? s.Igy : s.Igz;
}

TableauHuygens tableauHuygens(const Section& s, AxeMoment axe) {
    TableauHuygens t;
    const Reel centre = coordonnee(s, axe);
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        const Reel aire = e.Aire;
        const Reel propre = momentPropre(e, axe);
        const Reel distance = coordonnee(e, axe) - centre;
        const Reel statique = distance * aire;
        const Reel transport = distance * distance * aire;
        const Reel somme = transport + propre;
        t.lignes.push_back({static_cast<double>(aire), static_cast<double>(distance),
                            static_cast<double>(statique), static_cast<double>(transport),
                            static_cast<double>(propre), static_cast<double>(somme)});
    }
    // Element 2 comes first, then element 1, then the others in order.
    if (!t.lignes.empty()) {
        Reel statique = t.lignes[0].statique;
        if (t.lignes.size() >= 2) {
            statique = Reel(t.lignes[1].statique) + t.lignes[0].statique;
        }
        for (std::size_t i = 2; i < t.lignes.size(); ++i) {
            statique += t.lignes[i].statique;
        }
        t.statique = static_cast<double>(statique);
    }
    return t;
}

double arrondirDistance(double v) {
    if (v == 0.0) {
        return 0.0;
    }
    const double a = v > 0.0 ? v : -v;
    const int decimales = a < 1.0 ? 4 : a < 10.0 ? 3 : a < 100.0 ? 2 : a < 1000.0 ? 1 : 0;
    return plateforme::arrondir(v, decimales);
}

double momentDecale(const Section& s, AxeMoment axe, double d) {
    return static_cast<double>(Reel(d) * d * s.Atotale + moment(s, axe));
}

} // namespace modele
