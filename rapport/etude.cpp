// The study in the note: the radii of gyration and elastic moduli about the principal axes, the central
// kern, and the normal stresses under the loads laid out step by step as the detail windows do (the
// formula, the same with the figures, each term's value, the result: rapport/etapes_contraintes.h).

#include "model/huygens.h"
#include "platform/arithmetique.h"
#include "platform/reel.h"
#include "rapport/cellules.h"
#include "rapport/etapes_contraintes.h"

using namespace modele;
using namespace Qt::StringLiterals;
using plateforme::Reel;
using plateforme::texteNombre;

namespace rapport {

namespace {

// A kern's coordinate as the tables write a distance; never « -0 ».
Cellule coordonnee(double x) {
    return nombre(arrondirDistance(x) + 0.0);
}

// A load in its unit, then in N or N·mm as the formulas take it (when that stays in the range).
QString charge(const QString& nom, double valeur, const QString& unite, double facteurSI,
               const QString& uniteSI) {
    QString t = nom + u" = "_s + texteNombre(valeur) + u" "_s + unite;
    try {
        t += u" = "_s + texteNombre(static_cast<double>(Reel(valeur) * facteurSI)) + u" "_s + uniteSI;
    } catch (const plateforme::FauteArithmetique&) {
    }
    return t;
}

QString efforts(const Efforts& e) {
    return u"Efforts : "_s + charge(u"N"_s, e.N, u"kN"_s, 1000.0, u"N"_s) + u" ; "_s +
           charge(u"Mz"_s, e.Mz, u"kN·m"_s, 1.0E6, u"N·mm"_s) + u" ; "_s +
           charge(u"My"_s, e.My, u"kN·m"_s, 1.0E6, u"N·mm"_s) + u"."_s;
}

// A solid of the section has a round side.
bool arrondie(const Section& s) {
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (e.Signe == 1.0 && e.Aire != 0.0 && arcElement(e)) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<Grandeur> grandeursPrincipales(const Noyau& n) {
    return {
        grandeur(u"i1"_s, n.i1, u"mm"_s,
                 u"rayon de giration par rapport à l'axe principal 1 : i1 = √(I1 / A)"_s),
        grandeur(u"i2"_s, n.i2, u"mm"_s,
                 u"rayon de giration par rapport à l'axe principal 2, le plus petit de la section : i2 = "
                 u"√(I2 / A)"_s),
        grandeur(u"v1"_s, n.v1, u"mm"_s,
                 u"distance à l'axe principal 1 du point le plus éloigné du contour exact de la matière"_s),
        grandeur(u"v2"_s, n.v2, u"mm"_s,
                 u"distance à l'axe principal 2 du point le plus éloigné du contour exact de la matière"_s),
        grandeur(u"W1"_s, n.W1, u"mm³"_s,
                 u"module élastique par rapport à l'axe principal 1 : W1 = I1 / v1"_s),
        grandeur(u"W2"_s, n.W2, u"mm³"_s,
                 u"module élastique par rapport à l'axe principal 2 : W2 = I2 / v2"_s),
    };
}

Tableau tableauNoyau(const Section& s, const Etude& etude) {
    Tableau t{u"Noyau central"_s,
              u"Le noyau central est la région où un effort normal de compression peut s'appliquer sans "
              u"tendre aucune fibre. Chaque côté de l'enveloppe convexe de la matière en donne un sommet : "
              u"son antipôle par rapport à l'ellipse centrale d'inertie, le point où N place l'axe neutre "
              u"sur ce côté. Pour le côté u × z + v × y = 1 (z et y depuis G) : e_{z} = -(u × Igy + v × "
              u"Igzy) / A et e_{y} = -(u × Igzy + v × Igz) / A. Le résultat est exact pour une enveloppe "
              u"polygonale."_s,
              {},
              {},
              {},
              {}};
    if (arrondie(s)) {
        const QString cotes = plateforme::texteEntier(CotesParTourVerification);
        t.explication += u" Un arc est pris par ses cordes ("_s + cotes +
                         u" par tour), qui placent les sommets du noyau d'un disque de rayon R à (R / 4) / "
                         u"cos(π / "_s +
                         cotes + u") au lieu de R / 4."_s;
    }
    t.explication +=
        u" Les sommets sont donnés dans le repère (O, Z, Y), par angle croissant autour de G, de "
        u"+Z vers +Y."_s;
    if (!etude.noyau) {
        t.notes.append(QString::fromStdString(etude.raison));
        return t;
    }
    const std::vector<PointZY>& sommets = etude.noyau->sommets;
    // Many vertices (a round hull) three to a row, so that the table stays short.
    const std::size_t groupes = sommets.size() > 12 ? 3 : 1;
    for (std::size_t g = 0; g < groupes; ++g) {
        t.entetes << u"Sommet"_s << u"Z [mm]"_s << u"Y [mm]"_s;
    }
    const std::size_t rangees = (sommets.size() + groupes - 1) / groupes;
    for (std::size_t r = 0; r < rangees; ++r) {
        std::vector<Cellule> rangee;
        for (std::size_t g = 0; g < groupes; ++g) {
            const std::size_t k = g * rangees + r;
            if (k < sommets.size()) {
                rangee.insert(rangee.end(), {numero(static_cast<int>(k) + 1), coordonnee(sommets[k].z),
                                             coordonnee(sommets[k].y)});
            } else {
                rangee.insert(rangee.end(), {texte({}), texte({}), texte({})});
            }
        }
        t.lignes.push_back(std::move(rangee));
    }
    t.notes.append(plateforme::texteEntier(static_cast<int>(sommets.size())) + u" sommets."_s);
    return t;
}

Tableau tableauContraintes(const Section& s, double igzy, const Efforts& e, const Etude& etude) {
    const bool reduite = igzy == 0.0;
    Tableau t{
        u"Contraintes normales"_s,
        u"Conventions : N est positif en traction ; Mz = ∫ σ × y dA et My = ∫ σ × z dA, z et y mesurés "
        u"depuis G (Z vers la gauche, Y vers le haut) : un Mz positif tend les fibres au-dessus de Gz, un "
        u"My positif celles à gauche de Gy, et N appliqué en (e_{z} ; e_{y}) depuis G donne Mz = N × "
        u"e_{y} et My = N × e_{z}. "_s +
            efforts(e) +
            u" La contrainte au point (z ; y) est σ = N / A + a × z + b × y (MPa), où a et b vérifient "
            u"a × Igzy + b × Igz = Mz et a × Igy + b × Igzy = My, d'où a = (My × Igz - Mz × Igzy) / (Igz × "
            u"Igy - Igzy²) et b = (Mz × Igy - My × Igzy) / (Igz × Igy - Igzy²). "_s +
            (!etude.contraintes ? QString()
             : reduite          ? u"Ici Igzy = 0 : σ = N / A + Mz × y / Igz + My × z / Igy."_s
                       : u"Ici Igzy = "_s + texteNombre(igzy) + u" mm⁴ : le cas général s'applique."_s) +
            u" σmax (la plus tendue) et σmin (la plus comprimée) sont cherchées sur le contour exact de la "
            u"matière : les sommets de son enveloppe convexe et, sur un arc, le point où la tangente est "
            u"parallèle à l'axe neutre, la droite où σ = 0."_s,
        {u"Grandeur"_s, u"Formule"_s, u"Avec les valeurs"_s, u"Termes"_s, u"Résultat"_s, u"Unité"_s},
        {},
        {},
        {}};
    if (!etude.contraintes) {
        t.notes.append(QString::fromStdString(etude.raison));
        return t;
    }
    const Contraintes& c = *etude.contraintes;
    for (const Etape& etape : etapesContraintes(s, igzy, e, c, EcritureNote)) {
        const Cellule resultat = !etape.resultat         ? texte({})
                                 : etape.unite == u"°"_s ? nombre(*etape.resultat)
                                                         : notee(*etape.resultat);
        t.lignes.push_back({texte(etape.nom), texte(etape.formule), texte(etape.valeurs), texte(etape.termes),
                            resultat, texte(etape.unite)});
    }
    const QString lignesFinales = u"σG = "_s + texteNombre(c.sigmaG) + u" MPa"_s;
    if (c.pointMax && c.pointMin) {
        t.notes.append(lignesFinales + u" ; σmax = "_s + texteNombre(c.sigmaMax) + u" MPa en "_s +
                       point(*c.pointMax, EcritureNote) + u" ; σmin = "_s + texteNombre(c.sigmaMin) +
                       u" MPa en "_s + point(*c.pointMin, EcritureNote) + u"."_s);
    } else {
        t.notes.append(lignesFinales + u" dans toute la section."_s);
    }
    if (!c.axe) {
        t.notes.append(sansAxe(c));
        return t;
    }
    t.notes.append(u"Axe neutre : "_s + texteNombre(c.axe->angle) + u" ° depuis Gz, passant par "_s +
                   point(c.axe->point, EcritureNote) + u", son point le plus proche de G."_s);
    return t;
}

} // namespace rapport
