#include "rapport/note.h"

#include "model/analyse.h"
#include "model/catalogue.h"
#include "model/constats.h"
#include "model/huygens.h"
#include "model/notation.h"
#include "model/plastique.h"
#include "model/signification.h"
#include "platform/arithmetique.h"
#include "platform/arrondi.h"
#include "platform/qt/locale.h"
#include "platform/reel.h"
#include "rapport/cellules.h"
#include "rapport/resultats.h"
#include "torsion/torsion.h"

#include <algorithm>
#include <cmath>

using namespace modele;

using namespace Qt::StringLiterals;

namespace rapport {

namespace {

using plateforme::texteNombre;

int nombreElements(const Section& s) {
    return std::clamp<int>(s.NbrElement, 0, Section::MaxElements);
}

QStringList enTextes(const std::vector<std::string>& lignes) {
    QStringList t;
    for (const std::string& l : lignes) {
        t.append(QString::fromStdString(l));
    }
    return t;
}

// The shape's area in words, with the element's figures.
QString formuleAire(const ElementSection& e) {
    const FormeCatalogue* forme = trouverForme(e.Forme);
    if (forme == nullptr) {
        return {};
    }
    const QString b = texteNombre(e.Dimension1);
    switch (forme->famille) {
    case FamilleForme::Rectangle:
        return u"base × hauteur = "_s + b + u" × "_s + texteNombre(e.Dimension2);
    case FamilleForme::Triangle:
        return u"(base × hauteur) / 2 = ("_s + b + u" × "_s + texteNombre(e.Dimension2) + u") / 2"_s;
    case FamilleForme::Disque:
        return u"π × rayon² = π × "_s + b + u"²"_s;
    case FamilleForme::DemiDisqueHorizontal:
    case FamilleForme::DemiDisqueVertical:
        return u"(π × rayon²) / 2 = (π × "_s + b + u"²) / 2"_s;
    case FamilleForme::QuartDeDisque:
        return u"(π × rayon²) / 4 = (π × "_s + b + u"²) / 4"_s;
    }
    return {};
}

QString signe(const ElementSection& e) {
    return e.Signe == 1.0 ? u"+"_s : u"-"_s;
}

Tableau donnees(const Section& s) {
    Tableau t{
        u"Données saisies"_s,
        u"Les éléments tels qu'ils ont été saisis : dimension 1 est la base ou le rayon, dimension 2 la "
        u"hauteur (rectangle et triangle) ; Zg et Yg placent le centre de gravité de l'élément dans le "
        u"repère (O, Z, Y) ; le signe + ajoute de la matière, le signe - la retire (un trou)."_s,
        {u"Numéro"_s, u"Forme de l'élément"_s, u"Dimension 1 [mm]"_s, u"Dimension 2 [mm]"_s, u"Zg [mm]"_s,
         u"Yg [mm]"_s, u"Signe"_s},
        {},
        {},
        {}};
    for (int k = 1; k <= nombreElements(s); ++k) {
        const ElementSection& e = s.element(k);
        const FormeCatalogue* forme = trouverForme(e.Forme);
        const bool hauteur = forme != nullptr && forme->aHauteur();
        t.lignes.push_back({numero(k), texte(QString::fromStdString(e.Forme)), nombre(e.Dimension1),
                            hauteur ? nombre(e.Dimension2) : texte({}), nombre(e.Zg), nombre(e.Yg),
                            texte(signe(e))});
    }
    const int n = nombreElements(s);
    t.notes.append(plateforme::texteEntier(n) + (n == 1 ? u" élément."_s : u" éléments."_s));
    return t;
}

Tableau aires(const Section& s) {
    Tableau t{
        u"Aire de la section"_s,
        u"L'aire de chaque élément suit de sa forme ; celle d'un trou compte négativement. L'aire totale "
        u"est la somme des aires des éléments : A = Σ A_{i}."_s,
        {u"Numéro"_s, u"Aire A_{i} [mm²]"_s, u"Valeur complète [mm²]"_s, u"Formule"_s},
        {},
        {},
        {}};
    for (int k = 1; k <= nombreElements(s); ++k) {
        const ElementSection& e = s.element(k);
        t.lignes.push_back(
            {numero(k), notee(e.Aire), nombre(e.Aire), texte(signe(e) + u" "_s + formuleAire(e))});
    }
    t.totaux.push_back({texte(u"A ="_s), notee(s.Atotale), nombre(s.Atotale), texte({})});
    t.notes.append(u"A = Σ A_{i} = "_s + texteNombre(s.Atotale) + u" mm²"_s);
    return t;
}

// The centroid along Y (lettre 'Y': ordinates, Soz) or along Z (abscissas, Soy).
Tableau centre(const Section& s, bool selonY) {
    const QString c = selonY ? u"Yg"_s : u"Zg"_s;
    const QString so = selonY ? u"Soz"_s : u"Soy"_s;
    const double moment = selonY ? s.Soz : s.Soy;
    const double g = selonY ? s.Yg : s.Zg;
    Tableau t{u"Position du centre de gravité : "_s + c,
              u"Le moment statique de chaque élément est son aire multipliée par la coordonnée de son centre "
              u"de gravité ; leur somme "_s +
                  so + u" divisée par l'aire totale donne la coordonnée du centre de gravité : "_s + c +
                  u" = "_s + so + u" / A = Σ (A_{i} × "_s + c + u"_{i}) / A."_s,
              {u"Numéro"_s, u"Aire A_{i} [mm²]"_s, c + u"_{i} [mm]"_s, u"A_{i} × "_s + c + u"_{i} [mm³]"_s},
              {},
              {},
              {}};
    QStringList depassements;
    for (int k = 1; k <= nombreElements(s); ++k) {
        const ElementSection& e = s.element(k);
        const double x = selonY ? e.Yg : e.Zg;
        Cellule produit;
        try {
            produit = notee(static_cast<double>(plateforme::Reel(e.Aire) * x));
        } catch (const plateforme::FauteArithmetique&) {
            depassements.append(u"Le moment statique de l'élément "_s + plateforme::texteEntier(k) +
                                u" est trop grand pour être calculé : sa case reste vide."_s);
        }
        t.lignes.push_back({numero(k), notee(e.Aire), nombre(x), produit});
    }
    t.totaux.push_back({texte(u"Total"_s), notee(s.Atotale), texte({}), notee(moment)});
    t.totaux.push_back({texte(c + u" ="_s), texte({}), notee(g), texte({})});
    t.notes.append(c + u" = "_s + so + u" / A = "_s + texteNombre(moment) + u" / "_s +
                   texteNombre(s.Atotale) + u" = "_s + texteNombre(g) + u" mm"_s);
    t.notes.append(depassements);
    return t;
}

Tableau huygens(const Section& s, AxeMoment axe) {
    // The symbols of the detail windows: Z_Gi, I_GYi and S_GY about GY; Y_Gi, I_GZi and S_GZ about GZ.
    const bool gy = axe == AxeMoment::Y;
    const QString I = gy ? u"Igy"_s : u"Igz"_s;
    const QString d = gy ? u"Z_{Gi}"_s : u"Y_{Gi}"_s;
    const QString propre = gy ? u"I_{GYi}"_s : u"I_{GZi}"_s;
    const QString S = gy ? u"S_{GY}"_s : u"S_{GZ}"_s;
    Tableau t{
        u"Moment quadratique "_s + I + (gy ? u" (axe vertical Gy)"_s : u" (axe horizontal Gz)"_s),
        u"Théorème de Huygens : le moment quadratique de chaque élément par rapport à l'axe passant par "
        u"G est son moment propre "_s +
            propre + u" augmenté du produit de son aire par le carré de la distance "_s + d + u" = "_s +
            (gy ? u"Zg_{i} - Zg"_s : u"Yg_{i} - Yg"_s) + u" ; "_s + I + u" = Σ (A_{i} × "_s + d + u"² + "_s +
            propre + u"). Contrôle : "_s + S + u" = Σ ("_s + d +
            u" × A_{i}) est nul, aux arrondis près, puisque G est le centre de gravité."_s,
        {u"Numéro"_s, u"Aire A_{i} [mm²]"_s, d + u" [mm]"_s, u"A_{i} × "_s + d + u"² [mm⁴]"_s,
         propre + u" [mm⁴]"_s, u"A_{i} × "_s + d + u"² + "_s + propre + u" [mm⁴]"_s},
        {},
        {},
        {}};
    try {
        const TableauHuygens h = tableauHuygens(s, axe);
        int k = 0;
        for (const LigneHuygens& l : h.lignes) {
            t.lignes.push_back({numero(++k), notee(l.aire), nombre(arrondirDistance(l.distance)),
                                notee(l.transport), notee(l.propre), notee(l.somme)});
        }
        t.totaux.push_back({texte(u"Contrôle : "_s + S + u" ="_s), texte({}), notee(h.statique), texte({}),
                            texte({}), texte({})});
    } catch (const plateforme::FauteArithmetique&) {
        t.notes.append(
            u"Une valeur du tableau est trop grande pour être calculée : le détail du calcul de "_s + I +
            u" ne peut pas être donné."_s);
    }
    t.totaux.push_back(
        {texte(I + u" ="_s), texte({}), texte({}), texte({}), texte({}), notee(moment(s, axe))});
    t.notes.append(I + u" = "_s + texteNombre(moment(s, axe)) + u" mm⁴"_s);
    return t;
}

std::vector<Grandeur> resultats(const Section& s) {
    return {
        grandeur(u"A"_s, s.Atotale, u"mm²"_s, u"aire totale de la section : A = Σ A_{i}"_s),
        grandeur(u"Zg"_s, s.Zg, u"mm"_s, u"abscisse du centre de gravité : Zg = Soy / A"_s),
        grandeur(u"Yg"_s, s.Yg, u"mm"_s, u"ordonnée du centre de gravité : Yg = Soz / A"_s),
        grandeur(
            u"Igz"_s, s.Igz, u"mm⁴"_s,
            u"moment quadratique par rapport à l'axe horizontal Gz : Σ (Igz_{i} + (Yg_{i} - Yg)² × A_{i})"_s),
        grandeur(
            u"Igy"_s, s.Igy, u"mm⁴"_s,
            u"moment quadratique par rapport à l'axe vertical Gy : Σ (Igy_{i} + (Zg_{i} - Zg)² × A_{i})"_s),
        grandeur(u"igz"_s, s.iGz, u"mm"_s, u"rayon de giration par rapport à Gz : igz = √(Igz / A)"_s),
        grandeur(u"igy"_s, s.iGy, u"mm"_s, u"rayon de giration par rapport à Gy : igy = √(Igy / A)"_s),
    };
}

std::vector<Grandeur> grandeursApercu(const Analyse& a) {
    std::vector<Grandeur> g{
        grandeur(
            u"Igzy"_s, a.Igzy, u"mm⁴"_s,
            u"produit d'inertie par rapport aux axes Gz et Gy : Σ (A_{i} × Yg_{i} × Zg_{i} + Izy_{i}) - A × Yg × Zg"_s),
        grandeur(u"I1"_s, a.I1, u"mm⁴"_s,
                 u"moment principal maximal : (Igz + Igy) / 2 + √(((Igz - Igy) / 2)² + Igzy²)"_s),
        grandeur(u"I2"_s, a.I2, u"mm⁴"_s,
                 u"moment principal minimal : (Igz + Igy) / 2 - √(((Igz - Igy) / 2)² + Igzy²)"_s),
        {u"alpha"_s, nombre(plateforme::arrondir(a.Alpha, 2)), u"°"_s, texteNombre(a.Alpha),
         u"angle de l'axe Gz à l'axe principal 1, positif de Z vers Y : tan(2 × alpha) = -2 × Igzy / (Igz - Igy)"_s},
        grandeur(u"v sup"_s, a.Vsup, u"mm"_s, u"distance de G au point de matière le plus haut"_s),
        grandeur(u"v inf"_s, a.Vinf, u"mm"_s, u"distance de G au point de matière le plus bas"_s),
        grandeur(u"v gauche"_s, a.Vgauche, u"mm"_s, u"distance de G au point de matière le plus à gauche"_s),
        grandeur(u"v droite"_s, a.Vdroite, u"mm"_s, u"distance de G au point de matière le plus à droite"_s),
        grandeur(u"Wel,z"_s, a.Welz, u"mm³"_s, u"module élastique : Igz / max(v sup ; v inf)"_s),
        grandeur(u"Wel,y"_s, a.Wely, u"mm³"_s, u"module élastique : Igy / max(v gauche ; v droite)"_s),
        grandeur(u"Ip"_s, a.Ip, u"mm⁴"_s, u"moment quadratique polaire par rapport à G : Igz + Igy"_s),
    };
    return g;
}

// The plastic moduli, and the shape factors Wpl/Wel when Wel is not 0 (rounded as the preview rounds
// them, to 3 decimals).
void ajouterPlastiques(std::vector<Grandeur>& g, const Plastique& p, const std::optional<Analyse>& a) {
    g.push_back(
        grandeur(u"Wpl,z"_s, p.Wplz, u"mm³"_s,
                 u"module plastique par rapport à l'axe neutre plastique parallèle à Gz, qui partage l'aire "
                 u"en deux moitiés égales : |S_{1}| + |S_{2}|, moments statiques des deux moitiés"_s));
    g.push_back(grandeur(
        u"Wpl,y"_s, p.Wply, u"mm³"_s,
        u"module plastique par rapport à l'axe neutre plastique parallèle à Gy : |S_{1}| + |S_{2}|"_s));
    const auto facteur = [&](const QString& nom, double wpl, double wel, const QString& formule) {
        const double f = wpl / wel;
        if (wel != 0.0 && std::isfinite(f)) {
            g.push_back({nom, nombre(plateforme::arrondir(f, 3)), {}, texteNombre(f), formule});
        }
    };
    if (a) {
        facteur(u"Wpl,z / Wel,z"_s, p.Wplz, a->Welz, u"facteur de forme en flexion autour de Gz"_s);
        facteur(u"Wpl,y / Wel,y"_s, p.Wply, a->Wely, u"facteur de forme en flexion autour de Gy"_s);
    }
}

// For a section of solid rectangles only: the thin-walled estimate It = sum of b t³ / 3, t the smaller
// side of each.
std::optional<double> itParoisMinces(const Section& s) {
    double it = 0.0;
    for (int k = 1; k <= s.NbrElement; ++k) {
        const ElementSection& e = s.element(k);
        if (e.Aire == 0.0) {
            continue;
        }
        if (e.Forme != "Rectangle" || e.Signe != 1.0) {
            return std::nullopt;
        }
        const double b = std::max(std::abs(e.Dimension1), std::abs(e.Dimension2));
        const double t = std::min(std::abs(e.Dimension1), std::abs(e.Dimension2));
        it += b * t * t * t / 3.0;
    }
    return it;
}

void ajouterTorsion(Note& n, const Section& s) {
    const torsion::Torsion t = torsion::calculerTorsion(s);
    n.torsion.append(
        u"Méthode : la fonction de gauchissement w de Saint-Venant est calculée par éléments finis. Le "
        u"contour de "
        u"chaque élément est imposé à un maillage de Delaunay, chaque triangle garde la matière quand les "
        u"éléments pleins qui le couvrent sont plus nombreux que les trous ; les triangles ont 6 nœuds "
        u"(quadratiques). Le maillage est affiné jusqu'à ce que deux maillages successifs donnent It et Iw "
        u"à moins de "_s +
        texteNombre(100.0 * torsion::Precision) + u" % l'un de l'autre ; leur écart est l'erreur estimée."_s);
    if (const std::string p = torsion::phrase(t); !p.empty()) {
        n.torsion.append(QString::fromStdString(p));
    }
    if (!t.aIt()) {
        return;
    }
    QString maillage = u"Maillage : "_s + plateforme::texteEntier(static_cast<int>(t.elements())) +
                       u" triangles à 6 nœuds, erreur estimée "_s +
                       texteNombre(plateforme::arrondir(100.0 * t.erreur, 3)) + u" %."_s;
    if (t.angleCorde > 0.0) {
        maillage += u" Les arcs sont remplacés par des cordes de "_s +
                    texteNombre(plateforme::arrondir(t.angleCorde, 2)) +
                    u"° au plus, qui abaissent It d'un disque d'environ "_s +
                    texteNombre(plateforme::arrondir(1e-2 * t.angleCorde * t.angleCorde, 3)) + u" %."_s;
    }
    n.torsion.append(maillage);
    n.grandeursTorsion.push_back(
        grandeur(u"It"_s, t.It, u"mm⁴"_s,
                 u"moment d'inertie de torsion (Saint-Venant) : It = Ip - wᵀ K w ; la rotation par unité de "
                 u"longueur vaut Mt/(G x It)"_s));
    if (const std::optional<double> mince = itParoisMinces(s)) {
        n.grandeursTorsion.push_back(grandeur(
            u"It ≈ Σ b·t³/3"_s, *mince, u"mm⁴"_s,
            u"estimation des parois minces, t le petit côté de chaque rectangle ; écart avec la valeur par "
            u"éléments finis : "_s +
                (*mince >= t.It ? u"+"_s : QString()) +
                texteNombre(plateforme::arrondir(100.0 * (*mince / t.It - 1.0), 1)) + u" %"_s));
    }
    if (t.aCentre()) {
        n.grandeursTorsion.push_back(grandeur(
            u"Iw"_s, t.Iw, u"mm⁶"_s,
            u"moment d'inertie de gauchissement par rapport au centre de cisaillement : intégrale de (wC - "
            u"moyenne)² dA"_s));
        n.grandeursTorsion.push_back(grandeur(
            u"Zc"_s, t.Zc, u"mm"_s,
            u"abscisse du centre de cisaillement C, le pôle dont la fonction de gauchissement n'a de "
            u"produit ni avec z ni avec y (Trefftz)"_s));
        n.grandeursTorsion.push_back(grandeur(
            u"Yc"_s, t.Yc, u"mm"_s,
            u"ordonnée du centre de cisaillement C ; une charge qui ne passe pas par C tord la barre"_s));
        n.centre = QPointF(t.Zc, t.Yc);
    }
    for (const auto& [a, b] : torsion::cotes(t)) {
        n.maillage.emplace_back(a.z, a.y, b.z, b.y);
    }
}

// The results lost in the rounding (model/signification.h): their words instead of their value.
void marquerPerdues(std::vector<Grandeur>& grandeurs, const Signification& signification) {
    for (const Quantite q : signification.listePerdues()) {
        for (Grandeur& g : grandeurs) {
            if (g.nom == QString::fromUtf8(libelle(q))) {
                g.valeur = texte(u"non significatif"_s);
                g.exacte = u"perdu dans les arrondis"_s;
            }
        }
    }
}

} // namespace

Note construireNote(const Section& section, const QString& nomFichier, const QDate& date,
                    const Document& document) {
    Note n;
    n.profil = lignesProfil(section, document);
    n.titre = u"Note de calcul : caractéristiques géométriques de la section"_s;
    n.fichier = nomFichier.isEmpty() ? SansFichier : nomFichier;
    n.date = date.toString(u"dd/MM/yyyy"_s);

    std::optional<Analyse> analyse;
    try {
        analyse = analyser(section);
    } catch (const plateforme::FauteArithmetique&) {
        analyse.reset();
    }
    n.etude = etudier(section, document.efforts.value_or(Efforts{}));
    const bool vide = section.Atotale == 0.0;
    if (vide) {
        n.alertes.append(SectionVide);
    }
    n.alertes.append(enTextes(constats(section, analyse.has_value(), plateforme::formatLocal())));
    n.verification = enTextes(lignesVerification(section, analyse.has_value(), plateforme::formatLocal()));

    n.tableaux.push_back(donnees(section));
    n.tableaux.push_back(aires(section));
    n.resultats = resultats(section);
    if (!vide) {
        n.tableaux.push_back(centre(section, false));
        n.tableaux.push_back(centre(section, true));
        n.tableaux.push_back(huygens(section, AxeMoment::Z));
        n.tableaux.push_back(huygens(section, AxeMoment::Y));
        if (analyse) {
            n.grandeurs = grandeursApercu(*analyse);
        }
        if (n.etude.noyau) {
            // i1 and i2 after the principal moments and alpha, v1 to W2 after the elastic moduli.
            const std::vector<Grandeur> p = grandeursPrincipales(*n.etude.noyau);
            const auto apres = [&](const QString& nom) {
                const auto it = std::find_if(n.grandeurs.begin(), n.grandeurs.end(),
                                             [&](const Grandeur& g) { return g.nom == nom; });
                return it == n.grandeurs.end() ? it : it + 1;
            };
            n.grandeurs.insert(apres(u"Wel,y"_s), p.begin() + 2, p.end());
            n.grandeurs.insert(apres(u"alpha"_s), p.begin(), p.begin() + 2);
        }
        if (const std::optional<Plastique> p = plastique(section)) {
            ajouterPlastiques(n.grandeurs, *p, analyse);
        }
    }
    const Signification perdues = signification(section);
    marquerPerdues(n.resultats, perdues);
    marquerPerdues(n.grandeurs, perdues);
    for (const QString& nom : QuantitesResume) {
        for (const auto* liste : {&n.resultats, &n.grandeurs}) {
            const auto it =
                std::find_if(liste->begin(), liste->end(), [&](const Grandeur& g) { return g.nom == nom; });
            if (it != liste->end()) {
                n.resume.push_back(*it);
                break;
            }
        }
    }
    if (!vide) {
        n.noyau = tableauNoyau(section, n.etude);
    }
    if (document.efforts) {
        n.contraintes =
            tableauContraintes(section, analyse ? analyse->Igzy : 0.0, *document.efforts, n.etude);
    }
    ajouterTorsion(n, section);
    return n;
}

} // namespace rapport
