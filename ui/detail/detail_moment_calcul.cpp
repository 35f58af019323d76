#include "ui/detail/detail_moment_calcul.h"

#include "platform/arithmetique.h"
#include "platform/arrondi.h"

using plateforme::ajouter;
using plateforme::multiplier;
using plateforme::soustraire;

double coordonnee(const ElementSection& e, AxeMoment axe) {
    return axe == AxeMoment::Y ? e.Zg : e.Yg;
}
double coordonnee(const Section& s, AxeMoment axe) {
    return axe == AxeMoment::Y ? s.Zg : s.Yg;
}
double momentPropre(const ElementSection& e, AxeMoment axe) {
    return axe == AxeMoment::Y ? e.Igy : e.Igz;
}
double moment(const Section& s, AxeMoment axe) {
    return axe == AxeMoment::Y ? s.Igy : s.Igz;
}

TableauHuygens tableauHuygens(const Section& s, AxeMoment axe) {
    TableauHuygens t;
    const double centre = coordonnee(s, axe);
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        LigneHuygens l;
        l.aire = e.Aire;
        l.distance = soustraire(coordonnee(e, axe), centre, "distance au centre de gravité");
        l.statique = multiplier(l.distance, l.aire, "moment statique de l'élément");
        l.transport = multiplier(multiplier(l.distance, l.distance, "carré de la distance"), l.aire,
                                 "terme de transport");
        l.propre = momentPropre(e, axe);
        l.somme = ajouter(l.transport, l.propre, "moment quadratique de l'élément");
        t.lignes.push_back(l);
    }
    // Element 2 comes first, then element 1, then the others in order.
    if (t.lignes.size() == 1) {
        t.statique = t.lignes[0].statique;
    } else if (t.lignes.size() >= 2) {
        t.statique = ajouter(t.lignes[1].statique, t.lignes[0].statique, "contrôle : somme des Pi");
        for (std::size_t i = 2; i < t.lignes.size(); ++i) {
            t.statique = ajouter(t.statique, t.lignes[i].statique, "contrôle : somme des Pi");
        }
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
    const double carre = multiplier(d, d, "carré de la distance de l'axe");
    return ajouter(multiplier(carre, s.Atotale, "d² x A"), moment(s, axe), "d² x A + moment de la section");
}
