#include "ui/aux/textes_contraintes.h"

#include "model/notation.h"
#include "platform/arrondi.h"
#include "platform/qt/locale.h"

using namespace Qt::StringLiterals;

namespace contraintes {

QString nombre(double x) {
    const modele::Notation n = modele::noter(x);
    const QString m = plateforme::texteNombre(n.mantisse);
    return n.exposant == 0.0 ? m : m + u" E"_s + plateforme::texteNombre(n.exposant);
}

QString point(const modele::PointZY& p) {
    return u"("_s + plateforme::texteNombre(plateforme::arrondir(p.z, 2)) + u" ; "_s +
           plateforme::texteNombre(plateforme::arrondir(p.y, 2)) + u")"_s;
}

QString sansAxe(const modele::Contraintes& c) {
    return c.sigmaG == 0.0 ? u"Pas d'axe neutre : contrainte nulle dans toute la section."_s
                           : u"Pas d'axe neutre : contrainte uniforme."_s;
}

namespace {

// A factor written in a product: in brackets when it is negative.
QString facteur(double x) {
    return x < 0.0 ? u"("_s + nombre(x) + u")"_s : nombre(x);
}

} // namespace

std::vector<Etape> etapes(const modele::Section& s, double igzy, const modele::Efforts& ef,
                          const modele::Contraintes& c) {
    std::vector<Etape> t;
    const double n = ef.N * 1000.0;  // N
    const double mz = ef.Mz * 1.0E6; // N·mm
    const double my = ef.My * 1.0E6;
    t.push_back({u"σG"_s, u"σG = N / A"_s, u"σG = "_s + facteur(n) + u" / "_s + nombre(s.Atotale),
                 u"N = "_s + nombre(n) + u" N ; A = "_s + nombre(s.Atotale) + u" mm²"_s,
                 nombre(c.sigmaG) + u" MPa"_s});
    if (igzy == 0.0) {
        t.push_back({u"a"_s, u"a = My / Igy"_s, u"a = "_s + facteur(my) + u" / "_s + nombre(s.Igy),
                     u"My = "_s + nombre(my) + u" N·mm ; Igy = "_s + nombre(s.Igy) + u" mm⁴"_s,
                     nombre(c.a) + u" MPa/mm"_s});
        t.push_back({u"b"_s, u"b = Mz / Igz"_s, u"b = "_s + facteur(mz) + u" / "_s + nombre(s.Igz),
                     u"Mz = "_s + nombre(mz) + u" N·mm ; Igz = "_s + nombre(s.Igz) + u" mm⁴"_s,
                     nombre(c.b) + u" MPa/mm"_s});
    } else {
        const double d = s.Igz * s.Igy - igzy * igzy;
        const QString det =
            u"("_s + nombre(s.Igz) + u" x "_s + nombre(s.Igy) + u" - "_s + facteur(igzy) + u"²)"_s;
        t.push_back({u"a"_s, u"a = (My·Igz - Mz·Igzy) / (Igz·Igy - Igzy²)"_s,
                     u"a = ("_s + facteur(my) + u" x "_s + nombre(s.Igz) + u" - "_s + facteur(mz) + u" x "_s +
                         facteur(igzy) + u") / "_s + det,
                     u"My·Igz = "_s + nombre(my * s.Igz) + u" ; Mz·Igzy = "_s + nombre(mz * igzy) +
                         u" ; Igz·Igy - Igzy² = "_s + nombre(d),
                     nombre(c.a) + u" MPa/mm"_s});
        t.push_back({u"b"_s, u"b = (Mz·Igy - My·Igzy) / (Igz·Igy - Igzy²)"_s,
                     u"b = ("_s + facteur(mz) + u" x "_s + nombre(s.Igy) + u" - "_s + facteur(my) + u" x "_s +
                         facteur(igzy) + u") / "_s + det,
                     u"Mz·Igy = "_s + nombre(mz * s.Igy) + u" ; My·Igzy = "_s + nombre(my * igzy) +
                         u" ; Igz·Igy - Igzy² = "_s + nombre(d),
                     nombre(c.b) + u" MPa/mm"_s});
    }
    const auto extreme = [&](const QString& nom, double sigma, const std::optional<modele::PointZY>& p) {
        if (!p) {
            t.push_back({nom, nom + u" = σG"_s, nom + u" = "_s + nombre(c.sigmaG), sansAxe(c),
                         nombre(sigma) + u" MPa"_s});
            return;
        }
        const double z = p->z - s.Zg, y = p->y - s.Yg;
        t.push_back({nom, nom + u" = σG + a·z + b·y, z = Z - Zg, y = Y - Yg"_s,
                     nom + u" = "_s + nombre(c.sigmaG) + u" + "_s + facteur(c.a) + u" x "_s + facteur(z) +
                         u" + "_s + facteur(c.b) + u" x "_s + facteur(y),
                     u"a·z = "_s + nombre(c.a * z) + u" ; b·y = "_s + nombre(c.b * y) + u" (z = "_s +
                         nombre(z) + u", y = "_s + nombre(y) + u" mm)"_s,
                     nombre(sigma) + u" MPa en "_s + point(*p)});
    };
    extreme(u"σmax"_s, c.sigmaMax, c.pointMax);
    extreme(u"σmin"_s, c.sigmaMin, c.pointMin);
    if (c.axe) {
        QString termes;
        if (c.axe->surGz) {
            termes += u"coupe Gz en Z = Zg - σG/a = "_s + nombre(*c.axe->surGz) + u" mm"_s;
        }
        if (c.axe->surGy) {
            termes += (termes.isEmpty() ? QString() : u" ; "_s) + u"coupe Gy en Y = Yg - σG/b = "_s +
                      nombre(*c.axe->surGy) + u" mm"_s;
        }
        t.push_back({u"axe neutre"_s, u"σG + a·z + b·y = 0, tan(angle) = -a / b, angle depuis Gz"_s,
                     u"tan(angle) = -"_s + facteur(c.a) + u" / "_s + facteur(c.b), termes,
                     plateforme::texteNombre(plateforme::arrondir(c.axe->angle, 2)) + u" °"_s});
    } else {
        t.push_back({u"axe neutre"_s, u"a = b = 0"_s, {}, {}, sansAxe(c)});
    }
    return t;
}

} // namespace contraintes
