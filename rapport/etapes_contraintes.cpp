#include "rapport/etapes_contraintes.h"

#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/reel.h"
#include "rapport/cellules.h"

using namespace modele;
using namespace Qt::StringLiterals;
using plateforme::Reel;

namespace rapport {

QString chiffre(double x, Ecriture e) {
    const Cellule c = notee(x);
    return !e.notation            ? plateforme::texteNombre(x)
           : c.exposant.isEmpty() ? c.texte
                                  : c.texte + u" E"_s + c.exposant;
}

QString sansAxe(const Contraintes& c) {
    return c.sigmaG == 0.0 ? u"Pas d'axe neutre : contrainte nulle dans toute la section."_s
                           : u"Pas d'axe neutre : contrainte uniforme."_s;
}

QString point(const PointZY& p, Ecriture e) {
    return u"("_s + chiffre(p.z, e) + u" ; "_s + chiffre(p.y, e) + u")"_s;
}

namespace {

// How the rows are written: a figure, a factor of a product (in brackets when negative), the signs of
// a product between figures (x) and between symbols (par).
struct Plume {
    Ecriture e;
    QString x = e.fois.toString(), par = e.par.toString();
    QString operator()(double v) const { return chiffre(v, e); }
    QString facteur(double v) const { return v < 0.0 ? u"("_s + chiffre(v, e) + u")"_s : chiffre(v, e); }
    // « nom = valeur » of a term computed for the table, or the words for one that leaves the range.
    template <class Calcul> QString terme(const QString& nom, Calcul calcul) const {
        try {
            return nom + u" = "_s + chiffre(static_cast<double>(calcul()), e);
        } catch (const plateforme::FauteArithmetique&) {
            return nom + u" : trop grand"_s;
        }
    }
};

} // namespace

std::vector<Etape> etapesContraintes(const Section& s, double igzy, const Efforts& e, const Contraintes& c,
                                     Ecriture ecriture) {
    const Plume w{ecriture};
    const QString &x = w.x, &par = w.par;
    const double my = e.My * 1.0E6, mz = e.Mz * 1.0E6; // N·mm, finite: the engine computed them
    std::vector<Etape> t;
    t.push_back(
        {u"σG"_s, u"σG = N / A"_s, w(e.N * 1000.0) + u" / "_s + w(s.Atotale), {}, c.sigmaG, u"MPa"_s});
    if (igzy == 0.0) {
        t.push_back({u"a"_s, u"a = My / Igy"_s, w(my) + u" / "_s + w(s.Igy), {}, c.a, u"MPa/mm"_s});
        t.push_back({u"b"_s, u"b = Mz / Igz"_s, w(mz) + u" / "_s + w(s.Igz), {}, c.b, u"MPa/mm"_s});
    } else {
        const QString determinant = u"Igz"_s + par + u"Igy - Igzy²"_s;
        const QString valeursDet = w(s.Igz) + x + w(s.Igy) + u" - "_s + w.facteur(igzy) + u"²"_s;
        const QString termeDet =
            w.terme(determinant, [&] { return Reel(s.Igz) * s.Igy - Reel(igzy) * igzy; });
        // a = (My × Igz - Mz × Igzy) / det, b the same with (Mz, Igy) and (My, Igz) swapped.
        const auto pente = [&](const QString& nom, const QString& m1, double v1, const QString& i1, double j1,
                               const QString& m2, double v2, double resultat) {
            return Etape{
                nom,
                nom + u" = ("_s + m1 + par + i1 + u" - "_s + m2 + par + u"Igzy) / ("_s + determinant + u")"_s,
                u"("_s + w.facteur(v1) + x + w(j1) + u" - "_s + w.facteur(v2) + x + w.facteur(igzy) +
                    u") / ("_s + valeursDet + u")"_s,
                w.terme(m1 + par + i1, [&] { return Reel(v1) * j1; }) + u" ; "_s +
                    w.terme(m2 + par + u"Igzy"_s, [&] { return Reel(v2) * igzy; }) + u" ; "_s + termeDet,
                resultat,
                u"MPa/mm"_s};
        };
        t.push_back(pente(u"a"_s, u"My"_s, my, u"Igz"_s, s.Igz, u"Mz"_s, mz, c.a));
        t.push_back(pente(u"b"_s, u"Mz"_s, mz, u"Igy"_s, s.Igy, u"My"_s, my, c.b));
    }
    // σmax or σmin: σG + a × z + b × y at its point, z and y from G.
    const auto extreme = [&](const QString& nom, double sigma, const PointZY& p) {
        const double z = static_cast<double>(Reel(p.z) - s.Zg);
        const double y = static_cast<double>(Reel(p.y) - s.Yg);
        t.push_back({nom,
                     nom + u" = σG + a"_s + par + u"z + b"_s + par + u"y au point (Z ; Y) = "_s +
                         point(p, ecriture) + u", z = Z - Zg, y = Y - Yg"_s,
                     u"z = "_s + w(z) + u", y = "_s + w(y) + u" : "_s + w(c.sigmaG) + u" + "_s +
                         w.facteur(c.a) + x + w.facteur(z) + u" + "_s + w.facteur(c.b) + x + w.facteur(y),
                     w.terme(u"a"_s + par + u"z"_s, [&] { return Reel(c.a) * z; }) + u" ; "_s +
                         w.terme(u"b"_s + par + u"y"_s, [&] { return Reel(c.b) * y; }),
                     sigma, u"MPa"_s});
    };
    if (c.pointMax && c.pointMin) {
        extreme(u"σmax"_s, c.sigmaMax, *c.pointMax);
        extreme(u"σmin"_s, c.sigmaMin, *c.pointMin);
    } else {
        t.push_back({u"σ"_s, u"σmax = σmin = σG"_s, u"contrainte uniforme"_s, {}, c.sigmaG, u"MPa"_s});
    }
    if (!c.axe) {
        return t;
    }
    t.push_back({u"θ"_s,
                 u"θ = arctan(-a / b), angle de Gz à l'axe neutre, de Z vers Y"_s,
                 c.b == 0.0 ? u"b = 0 : l'axe neutre est parallèle à Gy"_s
                            : u"arctan("_s + w.facteur(-c.a) + u" / "_s + w.facteur(c.b) + u")"_s,
                 {},
                 plateforme::arrondir(c.axe->angle, 2),
                 u"°"_s});
    // Where the neutral axis crosses Gz (the abscissa Z, where y = 0) or Gy (the ordinate Y, where z = 0).
    for (const bool gz : {true, false}) {
        const QString axeG = gz ? u"Gz"_s : u"Gy"_s, coord = gz ? u"Z"_s : u"Y"_s,
                      pente = gz ? u"a"_s : u"b"_s;
        const std::optional<double> sur = gz ? c.axe->surGz : c.axe->surGy;
        // Parallel to the axis, no figure: the words say why.
        Etape& r = t.emplace_back(
            Etape{coord + u" sur "_s + axeG,
                  coord + u" = "_s + coord + u"g - σG / "_s + pente + u", où l'axe neutre coupe "_s + axeG,
                  pente + u" = 0 : l'axe neutre est parallèle à "_s + axeG +
                      (c.sigmaG == 0.0 ? u", confondu avec lui"_s : u" et ne le coupe pas"_s),
                  {},
                  sur,
                  sur ? u"mm"_s : QString()});
        if (sur) {
            r.valeurs =
                w(gz ? s.Zg : s.Yg) + u" - "_s + w.facteur(c.sigmaG) + u" / "_s + w.facteur(gz ? c.a : c.b);
            r.termes = w.terme(u"σG / "_s + pente, [&] { return Reel(c.sigmaG) / (gz ? c.a : c.b); });
        }
    }
    return t;
}

} // namespace rapport
